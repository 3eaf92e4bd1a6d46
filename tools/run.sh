#!/usr/bin/env bash
# Builds Lexitor and starts it in its working folder (run/ beside the
# sources, or $LEXITOR_DATA), which gets the default word lists and the help
# page where they are missing. A user's own files are never overwritten.
set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
source "$top/tools/deps.sh"
install_missing

build="$top/build"
cmake -S "$top" -B "$build" -DCMAKE_BUILD_TYPE=Release
cmake --build "$build" -j"$(nproc)" --target lexitor lexitor-words lexitor_default_lists

data="${LEXITOR_DATA:-$top/run}"
"$top/tools/prepare-data.sh" "$build/data/defaults" "$top/data/readme.html" "$data"
cd "$data"
exec "$build/app/lexitor"
