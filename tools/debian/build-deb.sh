#!/bin/bash
# Builds the Debian package from the 64-bit program folder and the generated icons.
# Usage: build-deb.sh <program folder> <assets folder> <version> <output .deb>
set -euo pipefail
src=$1 assets=$2 version=$3 out=$4
here=$(cd "$(dirname "$0")" && pwd)
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
chmod 0755 "$stage"
umask 022

# The maintainer: DEBFULLNAME and DEBEMAIL, else the building user and host (maintainer.sh).
{ read -r maintainer && read -r from; } < <(bash "$here/maintainer.sh")
[ -n "$maintainer" ] || exit 1
echo "build-deb: maintainer $maintainer ($from)" >&2
[[ $from == *"building user"* ]] &&
    echo "build-deb: whoever distributes the package sets DEBFULLNAME and DEBEMAIL" \
        "(see the README)" >&2
# For sed: the maintainer as it stands, whatever characters it holds.
maintainer_sed=$(printf '%s\n' "$maintainer" | sed 's/[\/&]/\\&/g')

lib=$stage/usr/lib/tintwell3
install -d "$lib" "$stage/usr/bin" "$stage/usr/share/applications" "$stage/DEBIAN" \
    "$stage/usr/share/doc/tintwell3" "$stage/usr/share/man/man6"
# Wine reads the .exe; it needs no execute bit.
for f in tintwell3.exe pagemaker.exe BAT.TW3 BUSHBABY.TW3 KIWI.TW3 SNAIL.TW3 WALRUS.TW3 twell3.mid; do
    install -m 0644 "$src/$f" "$lib/$f"
done
install -m 0755 "$here/tintwell3.sh" "$stage/usr/bin/tintwell3"
# The book's and the Page Maker's menu entries, with their words in every language.
for entry in tintwell3 tintwell3-pages; do
    bash "$here/../installer/words.sh" desktop "$here/../../resources/lang" "$here/$entry.desktop" \
        "$stage/usr/share/applications/$entry.desktop"
    chmod 0644 "$stage/usr/share/applications/$entry.desktop"
done
for n in 16 32 48 64 128 256; do
    install -d "$stage/usr/share/icons/hicolor/${n}x${n}/apps"
    install -m 0644 "$assets/tintwell3-$n.png" "$stage/usr/share/icons/hicolor/${n}x${n}/apps/tintwell3.png"
done
install -m 0644 "$here/copyright" "$stage/usr/share/doc/tintwell3/copyright"
# Dated by the last commit, so that the same sources give the same package.
when=${SOURCE_DATE_EPOCH:-$(git -C "$here" log -1 --format=%ct 2>/dev/null || date +%s)}
sed "s/@VERSION@/$version/; s/@DATE@/$(date -R -u -d @"$when")/; s/@MAINTAINER@/$maintainer_sed/" \
    "$here/changelog" |
    gzip -9n >"$stage/usr/share/doc/tintwell3/changelog.gz"
gzip -9n <"$here/tintwell3.6" >"$stage/usr/share/man/man6/tintwell3.6.gz"

size=$(du -sk --exclude=DEBIAN "$stage" | cut -f1)
sed "s/@VERSION@/$version/; s/@SIZE@/$size/; s/@MAINTAINER@/$maintainer_sed/" "$here/control" \
    >"$stage/DEBIAN/control"
(cd "$stage" && find usr -type f -print0 | sort -z | xargs -0 md5sum) >"$stage/DEBIAN/md5sums"
mkdir -p "$(dirname "$out")"
dpkg-deb --root-owner-group -Zxz --build "$stage" "$out" >/dev/null
