#!/usr/bin/env bash
# HelpPageTest.sh PAGE WORDS_TOOL JET_FIXTURES
# Does what the help page tells a user to do, in a fresh home folder: the
# example files it shows are written there, the word folder holds three
# empty levels, and the Jet files of an earlier program are real ones
# (old-words.mdb, and a whole folder old-lexitor/). Then every command the
# page quotes runs in order and must succeed.
set -euo pipefail
page=$1 tool=$2 jet=$3
for file in word0.mdb word1.mdb word2.mdb; do
    [ -f "$jet/$file" ] || { echo "FAIL: the Jet test files are missing: $jet/$file" >&2; exit 1; }
done
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
words=$home/.local/share/lexitor
mkdir -p "$home/bin" "$words" "$home/old-lexitor"
ln -s "$tool" "$home/bin/lexitor-words"
for level in 0 1 2; do
    "$tool" create "$words/word$level.mdb" --level "$level" >/dev/null
done
cp "$jet/word1.mdb" "$home/old-words.mdb"
cp "$jet/word0.mdb" "$jet/word1.mdb" "$jet/word2.mdb" "$home/old-lexitor/"

decode() { sed -e 's/&lt;/</g' -e 's/&gt;/>/g' -e 's/&quot;/"/g' -e "s/&#x27;/'/g" -e 's/&amp;/\&/g'; }

# <pre class="file" data-file="NAME">...</pre> is a file to write;
# <pre class="command">...</pre> holds commands, one a line.
file_start='^<pre class="file" data-file="([^"]+)">(.*)$'
command_start='^<pre class="command">(.*)$'
into= files=0
commands=()
while IFS= read -r line; do
    if [ -z "$into" ] && [[ $line =~ $file_start ]]; then
        into="$home/${BASH_REMATCH[1]}" line=${BASH_REMATCH[2]}
        : >"$into"
        files=$((files + 1))
    elif [ -z "$into" ] && [[ $line =~ $command_start ]]; then
        into=commands line=${BASH_REMATCH[1]}
    fi
    [ -n "$into" ] || continue
    last=false
    if [[ $line == *"</pre>"* ]]; then
        line=${line%%</pre>*} last=true
    fi
    if [ "$into" = commands ]; then
        [ -z "$line" ] || commands+=("$(decode <<<"$line")")
    elif [ -n "$line" ] || ! $last; then
        decode <<<"$line" >>"$into"
    fi
    if $last; then into=; fi
done <"$page"
[ "$files" -ge 6 ] && [ "${#commands[@]}" -ge 15 ] ||
    { echo "FAIL: only $files files and ${#commands[@]} commands found" >&2; exit 1; }

failed=0
for command in "${commands[@]}"; do
    echo "\$ $command"
    if ! (cd "$home" && env HOME="$home" PATH="$home/bin:$PATH" bash -euo pipefail -c "$command" \
        >"$home/.out" 2>&1); then
        cat "$home/.out"
        echo "FAIL: $command" >&2
        failed=1
    fi
done
exit $failed
