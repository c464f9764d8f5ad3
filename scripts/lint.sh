#!/usr/bin/env bash
# lint.sh BUILD_DIR: clang-format, clang-tidy and cppcheck over the program's own sources, with the
# configurations checked in beside them. BUILD_DIR must hold compile_commands.json.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
build=${1:-build/ci}
jobs=$(nproc)

mapfile -t sources < <(git ls-files -- '*.cpp' '*.h')
mapfile -t program < <(git ls-files -- 'engine/*.cpp' 'systems/*.cpp' 'ui/*.cpp' 'app/*.cpp')

echo "clang-format: ${#sources[@]} files"
clang-format --dry-run --Werror "${sources[@]}"

echo "cppcheck: ${#program[@]} files"
cppcheck --std=c++20 --language=c++ --enable=warning,performance,portability --library=qt \
    --inline-suppr --suppress=missingIncludeSystem --error-exitcode=1 --quiet -I . "${program[@]}"

echo "clang-tidy: ${#program[@]} files"
run-clang-tidy -quiet -p "$build" -j "$jobs" "${program[@]/#/$root/}" >"$build/clang-tidy.log" 2>&1 || {
    grep -E 'warning:|error:' "$build/clang-tidy.log" | sort -u
    exit 1
}
echo "lint: clean"
