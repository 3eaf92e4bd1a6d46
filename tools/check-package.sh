#!/usr/bin/env bash
# check-package.sh BUILD_DIR
# Makes the Debian package in a build folder and checks it as installed
# into a scratch root: every file in its place and nothing else, the
# libraries it needs found by dpkg-shlibdeps, the installed word-list tool
# and default lists work, and lintian finds no error.
set -euo pipefail
build=$(cd "$1" && pwd)
fail() {
    echo "FAIL: $*" >&2
    exit 1
}
rm -f "$build"/lexitor_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
deb=$(ls "$build"/lexitor_*.deb)
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg -x "$deb" "$root"

expected=(
    usr/bin/lexitor usr/bin/lexitor-launch usr/bin/lexitor-words
    usr/share/applications/lexitor.desktop
    usr/share/doc/lexitor/changelog.gz usr/share/doc/lexitor/copyright
    usr/share/lexitor/licences/scowl.txt usr/share/lexitor/licences/wordnet.txt
    usr/share/lexitor/readme.html
    usr/share/lexitor/word0.mdb usr/share/lexitor/word1.mdb usr/share/lexitor/word2.mdb
    usr/share/man/man1/lexitor-launch.1.gz usr/share/man/man1/lexitor-words.1.gz
    usr/share/man/man1/lexitor.1.gz
    usr/share/metainfo/org.example.lexitor.metainfo.xml
)
for size in 16 22 24 32 48 64 128 256; do
    expected+=("usr/share/icons/hicolor/${size}x$size/apps/lexitor.png")
done
diff <(printf '%s\n' "${expected[@]}" | sort) <(cd "$root" && find . ! -type d | sed 's|^\./||' | sort) ||
    fail "the package's files (< expected, > packed)"

depends=$(dpkg-deb -f "$deb" Depends)
for library in libqt6widgets6 libsqlite3-0 libmdb3 qt6-qpa-plugins; do
    grep -q "$library" <<<"$depends" || fail "Depends lacks $library: $depends"
done

# The installed tool runs (--version once it has one) and reads the
# installed default lists.
tool=$root/usr/bin/lexitor-words
if grep -q -- --version <<<"$("$tool" --help)"; then
    "$tool" --version
else
    echo "lexitor-words has no --version yet: --help checked instead"
fi
for level in 0 1 2; do
    rows=$("$tool" export --level "$level" --dir "$root/usr/share/lexitor" | wc -l)
    [ "$rows" -gt 100 ] || fail "the default list of level $level holds $rows rows"
done

lintian --fail-on error --info "$deb"
echo "check-package: $(basename "$deb") passed"
