#!/usr/bin/env bash
# make-default-lists.sh WORDS_TOOL STARTER_DIR OUT_DIR
# Builds word0.mdb, word1.mdb and word2.mdb in OUT_DIR from WordNet and SCOWL,
# or from the starter lists where those packages are missing.
set -euo pipefail
tool=$1 starter=$2 out=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

lists="$work/lists"
if ! "$tool" generate --out "$lists"; then
    echo "WordNet or SCOWL is missing: using the starter word lists" >&2
    lists=$starter
fi
mkdir -p "$work/db" "$out"
for level in 0 1 2; do
    "$tool" create "$work/db/word$level.mdb" --level "$level"
    "$tool" import "$lists/level$level.tsv" --level "$level" --dir "$work/db"
done
for level in 0 1 2; do
    mv -f "$work/db/word$level.mdb" "$out/word$level.mdb"
done
