#!/usr/bin/env bash
# test.sh [--desktop]: installs what is missing, builds Shoewise, its tests and benchmarks with
# warnings as errors and runs every test; then builds it again with AddressSanitizer and
# UndefinedBehaviorSanitizer and runs every test but the desktop ones (the leak checker included); then
# with ThreadSanitizer the tests whose start-up and chart run helper threads; then the static checks.
# --desktop: the desktop tests alone, for a release whose package build runs the others (CI's unstable
# step).
source "$(dirname "$0")/lib.sh"
cd "$root"
jobs=$(nproc)
case ${1:-} in
"") all=yes ;;
--desktop) all="" ;;
*) echo "usage: test.sh [--desktop]" >&2; exit 2 ;;
esac

bash scripts/deps.sh test
use_ccache

# The builds are CMakePresets.json's, each in build/<preset>.
echo "== build and test"
cmake --preset dev ${all:+-DSHOEWISE_BUILD_BENCH=ON} >/dev/null
if [[ -z $all ]]; then
    cmake --build --preset dev -j "$jobs" --target desktop_programs
    ctest --preset dev -j "$jobs" -L desktop
    exit
fi
cmake --build --preset dev -j "$jobs"
ctest --preset dev -j "$jobs"

echo "== sanitizer build and test"
cmake --preset asan >/dev/null
cmake --build --preset asan -j "$jobs"
ctest --preset asan -j "$jobs"

echo "== thread sanitizer build and test"
# The window, chart and whole-session tests start the font-configuration and chart-decode threads.
cmake --preset tsan >/dev/null
cmake --build --preset tsan -j "$jobs" --target window_tests chart_tests session_check
ctest --preset tsan -j "$jobs"

echo "== static checks"
bash scripts/lint.sh build/dev
