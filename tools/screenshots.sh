#!/usr/bin/env bash
# screenshots.sh [BUILD_DIR]
# Takes the screenshots kept in data/screenshots/ (and named in the AppStream
# metadata) from the program on the default word lists, under Xvfb: the
# main menu, a question of the quiz, a word in the editor and a question of
# Review. Needs a build with lexitor and the default lists (bash tools/run.sh
# makes one in build/).
set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
source "$top/tools/deps.sh"
install_missing imagemagick xdotool
build=$(cd "${1:-$top/build}" && pwd)
out=$top/data/screenshots
work=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    rm -rf "$work"
}
trap cleanup EXIT
"$top/tools/prepare-data.sh" "$build/data/defaults" "$top/data/readme.html" "$work/words" >/dev/null
mkdir -p "$out"
Xvfb :57 -screen 0 1024x768x24 -nolisten tcp &
pids+=($!)
export DISPLAY=:57 QT_QPA_PLATFORM=xcb

# Waits for a visible window of that title and prints its id.
window() {
    local id
    for _ in $(seq 100); do
        if id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null); then
            echo "${id%%$'\n'*}"
            return
        fi
        sleep 0.1
    done
    echo "no window \"$1\"" >&2
    return 1
}

# shot NAME TITLE KEYS...: starts Lexitor, presses the keys on the main
# menu, and takes the window of that title once it shows.
shot() {
    local name=$1 title=$2
    shift 2
    (cd "$work/words" && exec "$build/app/lexitor") &
    local app=$!
    xdotool windowfocus --sync "$(window "Make your Chioce")"
    for key in "$@"; do
        xdotool key --clearmodifiers "$key"
        sleep 0.3
    done
    sleep 0.5
    import -window "$(window "$title")" "$out/$name.png"
    kill "$app"
    wait "$app" 2>/dev/null || true
    echo "$out/$name.png: $(identify -format '%wx%h' "$out/$name.png")"
}

sleep 1
shot main-menu "Make your Chioce"
shot quiz Form3 Return
shot editor "Edit Database" Tab space alt+1
shot review Review alt+r
