#!/usr/bin/env bash
# arm64.sh [build|test]: Shoewise for 64-bit ARM Linux (Debian's arm64), cross-built on this Debian
# machine with Debian's cross compiler against Debian's arm64 Qt, which multiarch installs beside the
# machine's own (the arm64 preset, cmake/aarch64-linux-gnu.cmake); its programs run under qemu's user
# mode. Its Debian package is scripts/deb.sh's.
#   build    Shoewise and its tests, with warnings as errors, in build/arm64
#   test     build, then under qemu the engine, page, model and window tests offscreen, the pictures
#            among them, then the window checks on Xvfb with openbox; the default
# Adds the arm64 architecture to the machine's dpkg and installs what is missing from Debian's
# packages; needs root (or sudo) when something is. Says how long each step took.
source "$(dirname "$0")/lib.sh"
cd "$root"
what=${1:-test}
[[ $what == build || $what == test ]] || { echo "usage: arm64.sh [build|test]" >&2; exit 2; }
build=build/arm64

step "packages" bash scripts/deps.sh arm64
use_ccache
step "configure $build" cmake --preset arm64 --log-level=WARNING
step "build" cmake --build --preset arm64
[[ $what == build ]] && exit 0

# Under emulation each page's 2000 random runs of the model tests take 3 to 7 minutes: the first 200
# of the same runs, which still reach every edge the tests look for.
step "tests under qemu, offscreen" env QT_QPA_PLATFORM=offscreen SHOEWISE_MODEL_SEQUENCES=200 \
    ctest --test-dir "$build" -j "$(nproc)" -LE desktop --output-on-failure
step "the window checks under qemu, on Xvfb with openbox" \
    ctest --test-dir "$build" -L desktop --output-on-failure
