#!/usr/bin/env bash
# test.sh [--no-sanitizers]: installs what is missing, builds Shoewise with warnings as errors and
# runs every test; then builds it again with AddressSanitizer and UndefinedBehaviorSanitizer and runs
# every test but the desktop ones there too (the leak checker included); then with ThreadSanitizer the tests whose start-up
# and chart run helper threads; then the static checks. --no-sanitizers leaves out the two sanitizer
# runs, for a second Debian release whose compiler's sanitizers another run has already had.
source "$(dirname "$0")/lib.sh"
cd "$root"
jobs=$(nproc)
case ${1:-} in
"") sanitizers=yes ;;
--no-sanitizers) sanitizers=no ;;
*) echo "usage: test.sh [--no-sanitizers]" >&2; exit 2 ;;
esac

bash scripts/deps.sh test
use_ccache

# The builds are CMakePresets.json's, each in build/<preset>.
echo "== build and test"
cmake --preset dev >/dev/null
cmake --build --preset dev -j "$jobs"
ctest --preset dev -j "$jobs"

if [[ $sanitizers == yes ]]; then
    echo "== sanitizer build and test"
    cmake --preset asan >/dev/null
    cmake --build --preset asan -j "$jobs"
    ctest --preset asan -j "$jobs"

    echo "== thread sanitizer build and test"
    # The window, chart and whole-session tests start the font-configuration and chart-decode threads.
    cmake --preset tsan >/dev/null
    cmake --build --preset tsan -j "$jobs" --target window_tests chart_tests session_check
    ctest --preset tsan -j "$jobs"
fi

echo "== static checks"
bash scripts/lint.sh build/dev
