#!/bin/bash
# The package's maintainer, taken as Debian's packaging tools take it: the name from DEBFULLNAME
# and the address from DEBEMAIL when they are set (DEBEMAIL may also be "Name <address>", whose
# name stands in for a missing DEBFULLNAME), else the building user's full name and user@host.
# Prints "Name <address>", and on a second line where each part came from.
# `maintainer.sh FILE` writes both lines to FILE instead, only when they differ from what it
# holds, so that the package is built again when they change.
set -euo pipefail
name=${DEBFULLNAME:-} email=${DEBEMAIL:-} name_from=DEBFULLNAME email_from=DEBEMAIL
if [[ $email =~ ^(.*[^[:space:]])[[:space:]]*\<(.*)\>$ ]]; then
    email=${BASH_REMATCH[2]}
    if [ -z "$name" ]; then
        name=${BASH_REMATCH[1]} name_from=DEBEMAIL
    fi
fi
user=$(id -un)
if [ -z "$name" ]; then
    name=$(getent passwd "$user" | cut -d: -f5 | cut -d, -f1 || true)
    [ -n "$name" ] || name=$user
    name_from="the building user ($user)"
fi
if [ -z "$email" ]; then
    host=$(cat /etc/mailname 2>/dev/null || hostname --fqdn 2>/dev/null || hostname)
    email=$user@$host
    email_from="the building user and host"
fi
# A name with <, > or a comma, or an address that is not user@host, would not stand in the field.
if [[ $name == *[\<\>,]* || $name$email == *[[:cntrl:]]* || $email == *[\<\>[:space:]]* ||
    $email != [^@]*@*[^@] ]]; then
    echo "maintainer.sh: \"$name <$email>\" cannot stand as a package's maintainer;" \
        "set DEBFULLNAME and DEBEMAIL" >&2
    exit 1
fi
lines="$name <$email>
the name from $name_from, the address from $email_from"
if [ $# -eq 0 ]; then
    echo "$lines"
elif [ "$(cat "$1" 2>/dev/null)" != "$lines" ]; then
    echo "$lines" >"$1"
fi
