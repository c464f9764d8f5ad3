#!/usr/bin/env bash
# facts_once.sh FACTS_SH SOURCE_DIR: each fact of the project is stated once: the version, application
# id, homepage, window size, faces, chart size, oldest Qt and description in the top-level
# CMakeLists.txt, the authors and licence in LICENSE; all else is made from them or reads them
# (FACTS_SH, written by the build). Only the tests keep their own expectation of what the user sees, in
# tests/expected.sh; and debian/ states again what Debian requires, which must agree with the project
# (version, homepage, summary, copyright, licence, each paragraph of the description) while what it
# adds (a stanza, a sentence, a revision, patches) is its own. Documents and comments may name a fact.
set -uo pipefail
facts=$1
# shellcheck source=../cmake/facts.sh.in
source "$facts" || exit 1
cd "$2" || exit 1
# The files themselves, not version control's list, so that an archive or a source package is checked
# alike; not builds, release files, documents, pictures, nor a distribution's patches and quilt's copies
# of what they patch, which restate the project's lines by nature.
list=$(mktemp) || exit 1
trap 'rm -f "$list"' EXIT
find . \( -name .git -o -path ./build -o -path './build-*' -o -path './obj-*' -o -path ./dist -o -path ./.pc \
    -o -path ./debian/patches \) -prune -o \
    -type f ! \( -name '*.md' -o -name '*.png' -o -name '*.jpg' -o -name '*.ico' -o -name '*.svg' \) \
    -printf '%P\0' >"$list" || { echo "FAIL: could not list the files in $2"; exit 1; }
mapfile -d '' files <"$list"
((${#files[@]})) || { echo "FAIL: no files found in $2"; exit 1; }
status=0
# check FACT VALUE WORD HOME...: VALUE, as a whole word where WORD is yes, is written nowhere but in
# the HOMEs (files or folders), outside documents and comments. A search that fails is a failure.
check() {
    local fact=$1 value=$2 word=$3 file home lines found searched=()
    shift 3
    local options=(-nHIF)
    [[ $word == yes ]] && options+=(-w)
    for file in "${files[@]}"; do
        for home; do [[ $file == "${home%/}" || $file == "${home%/}"/* ]] && continue 2; done
        searched+=("$file")
    done
    [[ -n $value ]] || { echo "FAIL: the $fact is empty in $facts"; status=1; return; }
    lines=$(grep "${options[@]}" -e "$value" -- "${searched[@]}")
    (($? <= 1)) || { echo "FAIL: could not search for the $fact"; status=1; return; }
    found=$(awk '{line = $0; sub(/^[^:]*:[0-9]+:/, "", line)} line !~ /^[ \t]*(#|\/\/|\*|<!--|\.\\")/' <<<"$lines")
    if [[ -n $found ]]; then
        echo "FAIL: the $fact '$value' is written outside $*:"
        echo "$found"
        status=1
    else
        echo "ok: the $fact is written in $* only"
    fi
}
check version "$SHOEWISE_VERSION" no CMakeLists.txt debian
check "application id" "$SHOEWISE_APP_ID" no CMakeLists.txt
check homepage "$SHOEWISE_HOMEPAGE" no CMakeLists.txt debian
check authors "$SHOEWISE_AUTHORS" no LICENSE debian
check "window width" "$SHOEWISE_WINDOW_WIDTH" yes CMakeLists.txt tests/expected.sh
check "window height" "$SHOEWISE_WINDOW_HEIGHT" yes CMakeLists.txt tests/expected.sh
check "Windows' face, by its Japanese name," "$SHOEWISE_WINDOWS_FACE_JAPANESE" no CMakeLists.txt
check "Windows' face" "$SHOEWISE_WINDOWS_FACE" no CMakeLists.txt
check "Linux face" "$SHOEWISE_LINUX_FACE" yes CMakeLists.txt tests/expected.sh
check "chart width" "$SHOEWISE_CHART_WIDTH" yes CMakeLists.txt tests/expected.sh
check "chart height" "$SHOEWISE_CHART_HEIGHT" yes CMakeLists.txt tests/expected.sh
check "oldest Qt" "Qt6 $SHOEWISE_QT_MINIMUM" no CMakeLists.txt
check "long description" "${SHOEWISE_LONG_DESCRIPTION:0:40}" no CMakeLists.txt debian

# same FACT GIVEN STATED: what debian/ states again is what the project states.
same() {
    if [[ $2 == "$3" ]]; then
        echo "ok: debian/ gives the $1 as the project does"
    else
        printf 'FAIL: debian/ gives the %s as:\n%s\nnot as:\n%s\n' "$1" "$3" "$2"
        status=1
    fi
}
# field FILE NAME: a field of a Debian control file (- for the standard input), its continuation lines
# unfolded into lines of their own, a lone "." an empty line.
field() {
    awk -v name="$2" '$0 ~ "^" name ": " {sub(/^[^:]*: /, ""); print; on = 1; next}
        on && /^ / {sub(/^ /, ""); print ($0 == ".") ? "" : $0; next} {on = 0}' "$1"
}
# The paragraphs of a text, each on one line.
paragraphs() { awk 'BEGIN {RS = ""} {gsub(/\n/, " "); print}'; }
# The upstream version: Debian's is that with an epoch before it and a revision after it, if any.
version=$(sed -n '1s/^[^ ]* (\([^)]*\)).*/\1/p' debian/changelog)
version=${version#*:}
same "upstream version" "$SHOEWISE_VERSION" "${version%-*}"
same homepage "$SHOEWISE_HOMEPAGE" "$(field debian/control Homepage)"
same summary "$SHOEWISE_SUMMARY" "$(field debian/control Description | head -n1)"
description=$(field debian/control Description | tail -n +2 | paragraphs)
while IFS= read -r paragraph; do
    if [[ $description == *"$paragraph"* ]]; then
        echo "ok: debian/ keeps the long description's paragraph '${paragraph:0:40}...'"
    else
        printf 'FAIL: debian/ lacks the long description paragraph:\n%s\nin:\n%s\n' "$paragraph" "$description"
        status=1
    fi
done <<<"$SHOEWISE_LONG_DESCRIPTION"
# The program's copyright is that of the stanza of every file; the terms stand alone in a paragraph of
# their own.
same copyright "$(sed -n 's/^Copyright (c) //p' LICENSE)" \
    "$(awk -v RS= '/(^|\n)Files: \*(\n|$)/' debian/copyright | field - Copyright)"
same "licence terms" "$(sed -n '/^Permission is hereby granted/,$p' LICENSE | paragraphs)" \
    "$(awk -v RS= '/^License: Expat\n/' debian/copyright | tail -n +2 | sed 's/^ //; s/^\.$//' | paragraphs)"
exit $status
