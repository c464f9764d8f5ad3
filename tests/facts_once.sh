#!/usr/bin/env bash
# facts_once.sh SOURCE_DIR VERSION APP_ID AUTHORS HOMEPAGE: the version, the application id and the
# homepage are written in the top-level CMakeLists.txt only, and the authors in LICENSE only;
# everything else is made from them, so changing one there changes it everywhere.
set -uo pipefail
cd "$1" || exit 1
status=0
check() {
    local fact=$1 value=$2 home=$3
    local found
    found=$(git grep -lF -e "$value" -- . ":!$home" ':!*.png' ':!*.jpg' ':!*.ico' 2>/dev/null)
    if [[ -n $found ]]; then
        echo "FAIL: the $fact '$value' is written outside $home: $found"
        status=1
    else
        echo "ok: the $fact is written in $home only"
    fi
}
check version "$2" CMakeLists.txt
check "application id" "$3" CMakeLists.txt
check homepage "$5" CMakeLists.txt
check authors "$4" LICENSE
exit $status
