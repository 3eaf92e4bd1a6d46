#!/usr/bin/env bash
# LauncherTest.sh LAUNCHER
# The desktop menu's launcher, installed beside a stand-in for lexitor: a
# fresh account, the same account after it changed a word file and an
# upgrade brought a new help page, XDG_DATA_HOME, and no home at all.
set -euo pipefail
launcher=$1
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
mkdir -p "$root/usr/bin" "$root/usr/share/lexitor" "$root/home" "$root/elsewhere"
cp "$launcher" "$root/usr/bin/lexitor-launch"
printf '#!/bin/sh\npwd > "%s/started-in"\n' "$root" >"$root/usr/bin/lexitor"
chmod +x "$root/usr/bin/lexitor" "$root/usr/bin/lexitor-launch"
for file in word0.mdb word1.mdb word2.mdb; do
    echo "default $file" >"$root/usr/share/lexitor/$file"
done
echo "help, first version" >"$root/usr/share/lexitor/readme.html"

fail() {
    echo "FAIL: $*" >&2
    exit 1
}
launch() { (cd "$root/elsewhere" && env -i PATH=/usr/bin:/bin "$@" "$root/usr/bin/lexitor-launch"); }
started_in() { cat "$root/started-in" && rm -f "$root/started-in"; }

data=$root/home/.local/share/lexitor
launch HOME="$root/home"
[ "$(started_in)" = "$data" ] || fail "not started in $data"
for file in word0.mdb word1.mdb word2.mdb readme.html; do
    cmp -s "$root/usr/share/lexitor/$file" "$data/$file" || fail "$file not copied"
done

echo "the user's words" >"$data/word1.mdb"
echo "help, second version" >"$root/usr/share/lexitor/readme.html"
launch HOME="$root/home"
[ "$(started_in)" = "$data" ] || fail "second start not in $data"
[ "$(cat "$data/word1.mdb")" = "the user's words" ] || fail "a word file was overwritten"
[ "$(cat "$data/readme.html")" = "help, second version" ] || fail "the help page is old"

launch HOME="$root/home" XDG_DATA_HOME="$root/xdg"
[ "$(started_in)" = "$root/xdg/lexitor" ] || fail "XDG_DATA_HOME not used"
launch HOME="$root/home" XDG_DATA_HOME=relative/path
[ "$(started_in)" = "$data" ] || fail "a relative XDG_DATA_HOME was used"

for home in "" "HOME=" "HOME=relative"; do
    if message=$(launch $home 2>&1); then
        fail "started with '$home'"
    fi
    grep -q "HOME is not set to a folder" <<<"$message" || fail "no clear message: $message"
    [ ! -e "$root/started-in" ] || fail "lexitor started with '$home'"
    [ -z "$(ls -A "$root/elsewhere")" ] || fail "files made with '$home'"
done
echo "launcher_test: passed"
