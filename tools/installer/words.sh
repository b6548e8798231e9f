#!/bin/bash
# The installer's and the menu entries' words in every language, from resources/lang/<tag>/
# install.txt (`key = text` lines): a language that lacks a key of the English file fails.
#   words.sh nsis <lang folder> <out.nsh>             the installer's LangStrings, one set a language
#   words.sh desktop <lang folder> <template> <out>   a desktop entry whose `Key=@words.key@` lines
#                                                     are filled in, with a Key[xx]= line a language
set -euo pipefail
mode=$1 langs=$2
# Each language: its tag, the installer's name for it, the desktop entries' locale.
table="en:English:en de:German:de fr:French:fr es:SpanishInternational:es it:Italian:it
pt-BR:PortugueseBR:pt_BR nl:Dutch:nl pl:Polish:pl sv:Swedish:sv ru:Russian:ru"

# Prints "key<TAB>text" for each line of a words file, the text as written (\n kept), the mark
# of a word the languages share (*key) dropped.
words() {
    [ -f "$1" ] || { echo "words.sh: $1 is missing" >&2; return 1; }
    sed -e 's/\r$//' -e '/^[[:space:]]*#/d' -e '/^[[:space:]]*$/d' "$1" |
        sed -n 's/^[[:space:]]*\*\{0,1\}\([^[:space:]=]*\)[[:space:]]*=[[:space:]]*\(.*[^[:space:]]\)[[:space:]]*$/\1\t\2/p'
}

# The text of a key in a language; fails, naming both, when it has none.
text() {
    words "$langs/$1/install.txt" | awk -F '\t' -v k="$2" '$1 == k { print $2; f = 1; exit }
        END { exit !f }' || {
        echo "words.sh: $1/install.txt has no \"$2\"" >&2
        return 1
    }
}

keys=$(words "$langs/en/install.txt" | cut -f1)
case $mode in
nsis)
    out=$3
    {
        printf '\xef\xbb\xbf; Made by tools/installer/words.sh from resources/lang/*/install.txt.\n'
        for entry in $table; do
            IFS=: read -r tag name _ <<<"$entry"
            printf '!insertmacro MUI_LANGUAGE "%s"\n' "$name"
            printf 'LangString LANG_TAG ${LANG_%s} "%s"\n' "${name^^}" "$tag"
            for key in $keys; do
                [[ $key == desktop.* ]] && continue
                value=$(text "$tag" "$key")
                # NSIS escapes: $ and " and the line breaks; {folder} is the install folder.
                value=$(printf '%s' "$value" | sed -e 's/\$/$$/g' -e 's/"/$\\"/g' \
                    -e 's/\\n/$\\r$\\n/g' -e 's/{folder}/$INSTDIR/g')
                printf 'LangString W_%s ${LANG_%s} "%s"\n' "${key//./_}" "${name^^}" "$value"
            done
        done
    } >"$out.tmp"
    mv "$out.tmp" "$out"
    ;;
desktop)
    template=$3 out=$4
    {
        while IFS= read -r line; do
            if [[ $line =~ ^([A-Za-z]+)=@([a-z.]+)@$ ]]; then
                field=${BASH_REMATCH[1]} key=${BASH_REMATCH[2]}
                for entry in $table; do
                    IFS=: read -r tag _ locale <<<"$entry"
                    value=$(text "$tag" "$key")
                    [ "$tag" = en ] && echo "$field=$value" || echo "$field[$locale]=$value"
                done
            else
                printf '%s\n' "$line"
            fi
        done <"$template"
    } >"$out"
    ;;
*)
    echo "usage: words.sh nsis|desktop ..." >&2
    exit 2
    ;;
esac
