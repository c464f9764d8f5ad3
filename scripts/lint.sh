#!/usr/bin/env bash
# lint.sh [BUILD_DIR]: clang-format, clang-tidy and cppcheck over the program's own sources, with the
# configurations checked in beside them, and shellcheck over every shell file, sourced ones included
# (.shellcheckrc). BUILD_DIR must hold compile_commands.json.
# lint.sh --windows WINDOWS_BUILD [LINUX_BUILD]: clang-tidy over the sources only the Windows build
# compiles, those of WINDOWS_BUILD's compile database that LINUX_BUILD's lacks, with the cross build's
# own compile lines. The other checks need no compile database and already read every file.
source "$(dirname "$0")/lib.sh"
cd "$root"
jobs=$(nproc)

# The program's own sources, and the chart table its committed picture is drawn from.
program_paths=('engine/*.cpp' 'ui/*.cpp' 'app/*.cpp' 'tools/chartgen/strategy_chart.cpp')

# tidy BUILD_DIR RUN-CLANG-TIDY-ARGUMENTS... FILE...: fails with the warnings found.
tidy() {
    local build=$1
    shift
    run-clang-tidy -quiet -p "$build" -j "$jobs" "$@" >"$build/clang-tidy.log" 2>&1 || {
        grep -E 'warning:|error:' "$build/clang-tidy.log" | sort -u
        exit 1
    }
}

windows() {
    local build=$1 linux=${2:-}
    if [[ -z $linux ]]; then
        linux=build/dev
        if [[ ! -f $linux/compile_commands.json ]]; then
            # Only the list of files is wanted: configured, not built.
            linux=build/lint-linux
            cmake -S . -B "$linux" -G Ninja -DBUILD_TESTING=OFF >/dev/null
        fi
    fi
    local files
    mapfile -t files < <(git ls-files -z -- "${program_paths[@]}" | python3 scripts/compile_db.py only-in "$build" "$linux")
    echo "clang-tidy, Windows only: ${#files[@]} files: ${files[*]#"$root/"}"
    ((${#files[@]})) || return 0

    # clang misses the mingw g++'s C++ library (in a folder named "14-posix", no version to clang) and,
    # without the target's root, adds the host's /usr/include: the target, the library's folders and the
    # root come from the compiler itself, but for its private ones, which clang has its own of.
    local compiler target private dir
    compiler=$(python3 scripts/compile_db.py compiler "$build" "${files[0]}")
    target=$("$compiler" -dumpmachine)
    private=$(dirname "$(realpath "$("$compiler" -print-libgcc-file-name)")")
    local args=(-extra-arg=--target="$target")
    while read -r dir; do
        dir=$(realpath "$dir")
        case $dir in
        */c++ | */c++/*) args+=(-extra-arg=-stdlib++-isystem"$dir") ;;
        "$private"/*) ;;
        *) args+=(-extra-arg=--sysroot="$(dirname "$dir")") ;;
        esac
    done < <("$compiler" -xc++ -E -v - </dev/null 2>&1 | sed -n '/<\.\.\.> search starts here:/,/End of search list/{/^ /p}')
    tidy "$build" "${args[@]}" "${files[@]}"
    echo "lint, Windows only: clean"
}

if [[ ${1:-} == --windows ]]; then
    shift
    windows "$@"
    exit
fi

build=${1:-build/dev}
mapfile -t sources < <(git ls-files -- '*.cpp' '*.h')
mapfile -t program < <(git ls-files -- "${program_paths[@]}")

mapfile -t shell < <(git ls-files -- '*.sh' '*.sh.in' .ci/run)
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

echo "clang-tidy: ${#program[@]} files"
tidy "$build" "${program[@]/#/$root/}"
echo "lint: clean"
