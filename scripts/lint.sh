#!/usr/bin/env bash
# lint.sh [BUILD_DIR]: clang-format, clang-tidy and cppcheck over the program's own sources, with the
# configurations checked in beside them, and shellcheck over every shell file, sourced ones included
# (.shellcheckrc). BUILD_DIR (build/dev by default) must hold compile_commands.json: clang-tidy reads
# the files it compiles. The files are found in the folder itself, so a tree without git (the release
# tarball) is checked alike; builds and what a package build leaves are passed over.
source "$(dirname "$0")/lib.sh"
cd "$root"
build=${1:-build/dev}

# files PATTERN...: the tree's files whose paths match a PATTERN, sorted.
files() {
    local names=() pattern
    for pattern; do names+=(-o -path "./$pattern"); done
    find . \( -name .git -o -path './build*' -o -path ./dist -o -path './obj-*' -o -path ./debian/.debhelper \
        -o -path './debian/shoewise*' \) -prune \
        -o -type f \( "${names[@]:1}" \) -printf '%P\n' | sort
}
mapfile -t shell < <(files '*.sh' '*.sh.in' .ci/run 'debian/tests/*' | grep -vx debian/tests/control)
mapfile -t sources < <(files '*.cpp' '*.h')
# The program's own sources, and the chart table its committed picture is drawn from.
mapfile -t program < <(files 'engine/*.cpp' 'ui/*.cpp' 'app/*.cpp' 'tools/chartgen/strategy_chart.cpp')

echo "shellcheck: ${#shell[@]} files"
shellcheck "${shell[@]}"

echo "clang-format: ${#sources[@]} files"
clang-format --dry-run --Werror "${sources[@]}"

echo "cppcheck: ${#program[@]} files"
# Cppcheck from 2.11 on (Debian 13's) follows a bounded number of branches unless told to follow all,
# and says so as a finding.
exhaustive=()
[[ $(cppcheck --help) != *--check-level* ]] || exhaustive=(--check-level=exhaustive)
cppcheck --std=c++20 --language=c++ --enable=warning,performance,portability --library=qt "${exhaustive[@]}" \
    --inline-suppr --suppress=missingIncludeSystem --error-exitcode=1 --quiet -I . "${program[@]}"

# Only the files the build compiles: those of another platform or Qt are not in its database.
echo "clang-tidy: the program's sources that $build compiles"
run-clang-tidy -quiet -p "$build" -j "$(nproc)" "${program[@]/#/$root/}" >"$build/clang-tidy.log" 2>&1 || {
    grep -E 'warning:|error:' "$build/clang-tidy.log" | sort -u
    exit 1
}
echo "lint: clean"
