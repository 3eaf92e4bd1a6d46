#!/usr/bin/env bash
# make-man-pages.sh WORDS_TOOL MAN_SOURCES VERSION OUT_DIR
# Writes the manual pages into OUT_DIR, compressed as Debian keeps them:
# lexitor-words.1 from the tool's own --help (help2man reads any text
# shaped like a --help; the version is given, so the tool needs none),
# lexitor.1 from its hand-written source, lexitor-launch.1 pointing to it.
set -euo pipefail
tool=$1 sources=$2 version=$3 out=$4
mkdir -p "$out"
help2man --no-info --no-discard-stderr --section=1 --source="Lexitor $version" \
    --version-string="$version" --include="$sources/lexitor-words.h2m" \
    --output="$out/lexitor-words.1" "$tool"
sed "s/@PROJECT_VERSION@/$version/" "$sources/lexitor.1" >"$out/lexitor.1"
echo ".so man1/lexitor.1" >"$out/lexitor-launch.1"
for page in lexitor-words lexitor lexitor-launch; do
    gzip -9nf "$out/$page.1"
done
