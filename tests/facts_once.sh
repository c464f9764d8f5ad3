#!/usr/bin/env bash
# facts_once.sh FACTS_SH SOURCE_DIR: each fact of the project is stated in one place: the version,
# application id, homepage, window size, faces, chart size, oldest Qt and long description in the top-level
# CMakeLists.txt, the authors in LICENSE. Everything else, C++, CMake, shell and Python alike, is
# made from them or reads them (FACTS_SH is what the build wrote for the shell); only the tests keep
# their own expectation of what the user sees, once, in tests/expected.sh. Documents and comments may
# name a fact.
set -uo pipefail
# shellcheck source=../cmake/facts.sh.in
source "$1" || exit 1
cd "$2" || exit 1
status=0
# check FACT VALUE WORD HOME...: VALUE, as a whole word where WORD is yes, is written nowhere but in
# the HOMEs, outside documents and comments.
check() {
    local fact=$1 value=$2 word=$3 found
    shift 3
    local options=(-nIF) excluded=(':!*.md' ':!*.png' ':!*.jpg' ':!*.ico' ':!*.svg')
    [[ $word == yes ]] && options+=(-w)
    for home; do excluded+=(":!$home"); done
    found=$(git grep "${options[@]}" -e "$value" -- . "${excluded[@]}" 2>/dev/null |
        awk '{line = $0; sub(/^[^:]*:[0-9]+:/, "", line)} line !~ /^[ \t]*(#|\/\/|\*|<!--|\.\\")/')
    if [[ -n $found ]]; then
        echo "FAIL: the $fact '$value' is written outside $*:"
        echo "$found"
        status=1
    else
        echo "ok: the $fact is written in $* only"
    fi
}
check version "$SHOEWISE_VERSION" no CMakeLists.txt
check "application id" "$SHOEWISE_APP_ID" no CMakeLists.txt
check homepage "$SHOEWISE_HOMEPAGE" no CMakeLists.txt
check authors "$SHOEWISE_AUTHORS" no LICENSE
check "window width" "$SHOEWISE_WINDOW_WIDTH" yes CMakeLists.txt tests/expected.sh
check "window height" "$SHOEWISE_WINDOW_HEIGHT" yes CMakeLists.txt tests/expected.sh
check "Windows' face, by its Japanese name," "$SHOEWISE_WINDOWS_FACE_JAPANESE" no CMakeLists.txt
check "Windows' face" "$SHOEWISE_WINDOWS_FACE" no CMakeLists.txt
check "Linux face" "$SHOEWISE_LINUX_FACE" yes CMakeLists.txt tests/expected.sh
check "chart width" "$SHOEWISE_CHART_WIDTH" yes CMakeLists.txt tests/expected.sh
check "chart height" "$SHOEWISE_CHART_HEIGHT" yes CMakeLists.txt tests/expected.sh
check "oldest Qt" "Qt6 $SHOEWISE_QT_MINIMUM" no CMakeLists.txt
check "long description" "$SHOEWISE_LONG_DESCRIPTION_START" no CMakeLists.txt
exit $status
