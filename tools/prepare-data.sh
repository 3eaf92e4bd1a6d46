#!/usr/bin/env bash
# prepare-data.sh DEFAULTS_DIR HELP_PAGE DATA_DIR
# Copies the default word lists and the help page into DATA_DIR where a
# file of that name is missing. Existing files are left exactly as they are.
set -euo pipefail
defaults=$1 help=$2 data=$3
mkdir -p "$data"
for file in word0.mdb word1.mdb word2.mdb; do
    if [ ! -e "$data/$file" ]; then
        cp "$defaults/$file" "$data/$file.new"
        mv "$data/$file.new" "$data/$file"
        echo "Created $data/$file from the default word list"
    fi
done
[ -e "$data/readme.html" ] || cp "$help" "$data/readme.html"
