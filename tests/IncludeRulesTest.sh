#!/usr/bin/env bash
# IncludeRulesTest.sh SOURCE_DIR QTWIDGETS_HEADER_DIR RULES_FILES RULES_LINKS
# Checks which folder's code may include which, so that the folders keep
# standing on each other one way: the screens of app/, quiz/, entry/ and
# editor/ on screens/ and store/, the word-list tool on store/. The quiz's
# rules are checked by their library target: RULES_FILES are its files and
# RULES_LINKS everything it links (each a space-separated list), so a file
# added to it is checked too. Prints every include or link that breaks a
# rule and fails if there is one.
set -euo pipefail
top=$1 widgets=$2
read -ra rules <<<"$3"
read -ra rulesLinks <<<"$4"
cd "$top"

status=0
fail() {
    echo "$1"
    status=1
}

# The project headers that FILES include: "file: path" lines.
projectIncludes() {
    grep -HE '^\s*#\s*include\s*"' "$@" | sed -E 's/:\s*#\s*include\s*"([^"]*)".*/: \1/' || true
}

# only ALLOWED FILES...: every project header the files include matches ALLOWED.
only() {
    local allowed=$1
    shift
    local line
    while IFS= read -r line; do
        [[ -z $line || ${line#*: } =~ ^($allowed) ]] || fail "$line"
    done < <(projectIncludes "$@")
}

# noWidgets FILES...: none of the files includes a Qt Widgets header.
noWidgets() {
    local file header
    for file in "$@"; do
        while IFS= read -r header; do
            if [[ $header == QtWidgets* || -e $widgets/$header ]]; then
                fail "$file: <$header> (Qt Widgets)"
            fi
        done < <(sed -nE 's/^\s*#\s*include\s*<([^>]*)>.*/\1/p' "$file")
    done
}

# sources DIR [EXCLUDED_DIR]: the C++ files under DIR.
sources() {
    find "$1" -path "${2:-}" -prune -o \( -name '*.cpp' -o -name '*.h' \) -print
}

mapfile -t store < <(sources store)
numberText=(entry/NumberText.h entry/NumberText.cpp)
reviewRules=(review/AnswerRecorder.h review/AnswerRecorder.cpp review/Clock.h review/Clock.cpp
             review/Fsrs.h review/Fsrs.cpp review/ReviewQueue.h review/ReviewQueue.cpp
             review/Schedule.h review/Schedule.cpp)
mapfile -t screens < <(sources screens screens/pictures)
mapfile -t pictures < <(sources screens/pictures)
mapfile -t wordlist < <(sources wordlist)
mapfile -t outsideStore < <(for dir in app quiz review entry editor screens wordlist bench; do
    sources "$dir"
done)

(( ${#rules[@]} > 0 )) || fail "no files given for the quiz's rules"
rulesHeaders=$(printf '%s\n' "${rules[@]}" | grep '\.h$' | sed 's/\./\\./g' | paste -sd '|')
for link in "${rulesLinks[@]}"; do
    if [[ $link == Qt6::Widgets || ($link == lexitor_* && $link != lexitor_store) ]]; then
        fail "the quiz's rules link $link"
    fi
done

only 'store/' "${store[@]}"
only "store/|($rulesHeaders)\$" "${rules[@]}"
only 'store/|entry/NumberText\.h' "${numberText[@]}"
only 'store/|review/(AnswerRecorder|Clock|Fsrs|ReviewQueue|Schedule)\.h' "${reviewRules[@]}"
noWidgets "${store[@]}" "${rules[@]}" "${numberText[@]}" "${reviewRules[@]}"
only 'screens/|store/' "${screens[@]}"
only 'screens/pictures/' "${pictures[@]}"
only 'wordlist/|store/' "${wordlist[@]}"
# The store's detail/ is its own.
while IFS= read -r line; do
    if [[ ${line#*: } == store/detail/* ]]; then fail "$line"; fi
done < <(projectIncludes "${outsideStore[@]}")

exit $status
