#!/usr/bin/env bash
# test.sh [--no-sanitizers]: installs what is missing, builds Shoewise with warnings as errors and
# runs every test; then builds it again with AddressSanitizer and UndefinedBehaviorSanitizer and runs
# every test there too (the leak checker included); then with ThreadSanitizer the tests whose start-up
# and chart run helper threads; then the static checks. --no-sanitizers leaves out the two sanitizer
# runs, for a second Debian release whose compiler's sanitizers another run has already had.
source "$(dirname "$0")/lib.sh"
cd "$root"
jobs=$(nproc)
export QT_QPA_PLATFORM=offscreen
sanitizers=yes
case ${1:-} in
"") ;;
--no-sanitizers) sanitizers=no ;;
*)
    echo "usage: test.sh [--no-sanitizers]" >&2
    exit 2
    ;;
esac

bash scripts/deps.sh test

echo "== build and test"
cmake -S . -B build/ci -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_COMPILE_WARNING_AS_ERROR=ON -DSHOEWISE_BUILD_TOOLS=ON -DSHOEWISE_BUILD_BENCH=ON >/dev/null
cmake --build build/ci -j "$jobs"
ctest --test-dir build/ci -j "$jobs" --output-on-failure

if [[ $sanitizers == yes ]]; then
    echo "== sanitizer build and test"
    cmake -S . -B build/asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_COMPILE_WARNING_AS_ERROR=ON \
        -DSHOEWISE_SANITIZE=address,undefined >/dev/null
    cmake --build build/asan -j "$jobs"
    ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
        ctest --test-dir build/asan -j "$jobs" --output-on-failure -LE desktop

    echo "== thread sanitizer build and test"
    # The window, chart and whole-session tests start the font-configuration and chart-decode threads.
    cmake -S . -B build/tsan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_COMPILE_WARNING_AS_ERROR=ON \
        -DSHOEWISE_SANITIZE=thread >/dev/null
    cmake --build build/tsan -j "$jobs" --target window_tests chart_tests session_check
    TSAN_OPTIONS="halt_on_error=1 second_deadlock_stack=1 suppressions=$root/tests/tsan.supp" \
        ctest --test-dir build/tsan -j "$jobs" --output-on-failure -L threads
fi

echo "== static checks"
bash scripts/lint.sh build/ci
