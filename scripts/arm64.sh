#!/usr/bin/env bash
# arm64.sh [build|package|test|release]: Shoewise for 64-bit ARM Linux (Debian's arm64), cross-built on this
# Debian machine with Debian's cross compiler against Debian's arm64 Qt, which multiarch installs
# beside the machine's own (cmake/aarch64-linux-gnu.cmake); its programs run under qemu's user mode.
#   build    Shoewise and its tests, with warnings as errors, in build/arm64
#   package  build, then the Debian package build/arm64/shoewise_<version>_arm64.deb
#   test     package, then under qemu the engine, page, model and window tests offscreen, the
#            pictures among them, then the window checks on Xvfb with openbox and the package's
#            checks (lintian, hardening-check); the default
#   release  only the Debian package, without the tests, in build/arm64-release
# Adds the arm64 architecture to the machine's dpkg and installs what is missing from Debian's
# packages; needs root (or sudo) when something is. Says how long each step took.
source "$(dirname "$0")/lib.sh"
cd "$root"
what=${1:-test}
case $what in
build | package | test | release) ;;
*)
    echo "usage: arm64.sh [build|package|test|release]" >&2
    exit 2
    ;;
esac
build=build/arm64
options=()
if [[ $what == release ]]; then
    build=build/arm64-release
    options=(-DBUILD_TESTING=OFF)
fi

# step WHAT COMMAND...: COMMAND, and how long it took.
step() {
    local what=$1 start=$SECONDS
    shift
    printf '== %s\n' "$what"
    "$@"
    printf '== %s: %d s\n' "$what" $((SECONDS - start))
}

step "packages" bash scripts/deps.sh arm64
step "configure $build" cmake -S . -B "$build" -G Ninja --log-level=WARNING \
    -DCMAKE_TOOLCHAIN_FILE=cmake/aarch64-linux-gnu.cmake -DCMAKE_BUILD_TYPE=Release -DCMAKE_COMPILE_WARNING_AS_ERROR=ON "${options[@]}"
step "build" cmake --build "$build"
[[ $what == build ]] && exit 0

package() {
    rm -f "$build"/shoewise_*.deb
    (cd "$build" && cpack -G DEB >/dev/null)
    local debs=("$build"/shoewise_*.deb)
    ls -l "${debs[@]}"
    dpkg-deb -f "${debs[0]}" Architecture Depends
}
step "package" package
[[ $what == package || $what == release ]] && exit 0

# Under emulation each page's 2000 random runs of the model tests take 3 to 7 minutes: the first 200
# of the same runs, which still reach every edge the tests look for.
step "tests under qemu, offscreen" env QT_QPA_PLATFORM=offscreen SHOEWISE_MODEL_SEQUENCES=200 \
    ctest --test-dir "$build" -j "$(nproc)" -LE desktop --output-on-failure
step "the window checks under qemu, on Xvfb with openbox, and the package's checks" \
    ctest --test-dir "$build" -L desktop --output-on-failure
