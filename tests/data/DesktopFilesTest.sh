#!/usr/bin/env bash
# DesktopFilesTest.sh DATA_DIR MAN_DIR VERSION
# The desktop entry and the AppStream metadata pass their validators; the
# metadata's newest release is this version and its screenshots are the
# pictures kept in data/screenshots/, of the sizes it says; the manual
# pages render without a warning.
set -euo pipefail
data=$1 man=$2 version=$3
fail() {
    echo "FAIL: $*" >&2
    exit 1
}
metainfo=$(ls "$data"/*.metainfo.xml)
desktop-file-validate "$data/lexitor.desktop"
appstreamcli validate --pedantic --no-net "$metainfo"

newest=$(grep -o -m1 '<release version="[^"]*"' "$metainfo" | cut -d'"' -f2)
[ "$newest" = "$version" ] || fail "the newest release is $newest, the program is $version"

# <image ... width="W" height="H">URL</image>, the URL ending in the file's name
pattern='<image type="source" width="([0-9]+)" height="([0-9]+)">[^<]*/([^/<]+)</image>'
shots=0
while IFS= read -r line; do
    [[ $line =~ $pattern ]] || continue
    picture=$data/screenshots/${BASH_REMATCH[3]}
    [ -f "$picture" ] || fail "no screenshot $picture"
    size=$(od -An -tu1 -j16 -N8 "$picture" | awk '{ printf "%d %d", $3 * 256 + $4, $7 * 256 + $8 }')
    [ "$size" = "${BASH_REMATCH[1]} ${BASH_REMATCH[2]}" ] ||
        fail "$picture is $size, the metadata says ${BASH_REMATCH[1]} ${BASH_REMATCH[2]}"
    shots=$((shots + 1))
done <"$metainfo"
[ "$shots" -ge 1 ] || fail "no screenshots"

for page in lexitor lexitor-words lexitor-launch; do
    [ -f "$man/$page.1.gz" ] || fail "no manual page $page.1.gz"
done
for page in lexitor lexitor-words; do
    warnings=$(zcat "$man/$page.1.gz" | groff -man -Tutf8 -ww -z 2>&1)
    [ -z "$warnings" ] || fail "$page.1: $warnings"
done
words_page=$(zcat "$man/lexitor-words.1.gz" | sed 's/\\-/-/g')
for text in import export convert --level; do
    grep -q -- "$text" <<<"$words_page" ||
        fail "lexitor-words.1 lacks \"$text\" of its --help"
done
echo "desktop_files_test: passed"
