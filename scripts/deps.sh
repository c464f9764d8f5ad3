#!/usr/bin/env bash
# deps.sh [KIND] [--list]: installs, from Debian's packages, whatever KIND's command needs and is
# missing; KIND is one of the lists below (test by default), each saying what it is for. What building
# Shoewise needs is the package's Build-Depends, which apt-get build-dep reads from debian/control (for
# run and bench without the tests', -P nocheck). A name:ARCH package is installed through multiarch,
# ARCH added to dpkg first. Needs root (or sudo) when something is missing. --list prints the list
# alone, not the build-dependencies. Debian 12, 13 and unstable name every package below alike.
# shellcheck disable=SC2034  # the lists below are read by their names, as kind
source "$(dirname "$0")/lib.sh"
what=${1:-test}

# dev: the quick loop (cmake --preset dev ...), the build-dependencies alone, the tests' included;
# shot: a screenshot of the window on a private Xvfb; run: the program built and shown, in its face;
# bench: also measured; test: built, tested and checked in every way.
dev=()
shot=(xvfb xauth x11-utils xdotool imagemagick dbus)
run=(fonts-ipafont-gothic "${shot[@]}")
bench=("${run[@]}" libbenchmark-dev python3)
test=(
    "${bench[@]}"
    ccache clang-format clang-tidy cppcheck shellcheck
    # The desktop tests: window managers and compositors, a right-to-left locale, accessibility, the
    # screen reader, packaging.
    openbox mutter kwin-x11 kwin-wayland weston xwayland qt6-wayland xdotool wmctrl locales
    at-spi2-core python3-pyatspi orca speech-dispatcher
    desktop-file-utils appstream file groff-base man-db
)

# Qt for Windows is built from Debian's Qt source with the host's Qt tools; Wine runs the tests; the
# release check's second build runs on another clock and in a locale made for it, the zip's order and
# modes made the same by strip-nondeterminism.
windows=(
    cmake ninja-build ccache dpkg-dev pkg-config qt6-base-dev qt6-base-dev-tools libgl-dev
    g++-mingw-w64-x86-64-posix libwine-dev googletest
    wine wine64 xvfb xauth openbox xdotool wmctrl x11-utils imagemagick dbus
    fonts-ipafont-gothic nsis zip unzip librsvg2-bin binutils faketime locales libfile-stripnondeterminism-perl
)

# 64-bit ARM Linux: Debian's cross compiler and pkg-config against Debian's arm64 Qt, with the
# machine's own Qt tools (Multi-Arch: foreign); qemu's user mode runs the programs; the window checks
# run under openbox.
arm64=(
    cmake ninja-build ccache g++-aarch64-linux-gnu pkgconf:arm64 imagemagick
    qt6-base-dev-tools qt6-base-dev:arm64 libgl-dev:arm64 libfontconfig-dev:arm64 libxcb1-dev:arm64
    googletest qemu-user fonts-ipafont-gothic
    "${shot[@]}" openbox wmctrl
)

# The Debian packages: the source package made with dpkg-source, the binary ones built by sbuild in
# roots made by mmdebstrap, whose users are mapped with newuidmap; lintian, piuparts and autopkgtest
# check them, hardening-check (devscripts) their programs, for arm64 with that toolchain's probe, and
# the desktop-files autopkgtest's tools the arm64 package's files; reprotest builds them again on this
# machine, with the build-dependencies, under the variations disorderfs and faketime make.
debian=(
    dpkg-dev git sbuild mmdebstrap uidmap lintian piuparts autopkgtest devscripts debian-archive-keyring
    binutils g++ g++-aarch64-linux-gnu desktop-file-utils appstream file man-db
    reprotest disorderfs faketime diffoscope-minimal
)

# The release files are made by deb.sh and windows.sh, which install what they need, and compared.
release=(git diffoscope-minimal disorderfs)

# The Debian roots are made from Debian's packages with mmdebstrap.
roots=(mmdebstrap)

# apt-get build-dep's arguments for the kind's build-dependencies; none for the others.
build_dep=()
case $what in
run | bench) build_dep=(build-dep -P nocheck) ;;
dev | test | debian) build_dep=(build-dep) ;;
esac
kinds="dev|shot|run|test|bench|windows|arm64|debian|release|roots"
[[ "|$kinds|" == *"|$what|"* ]] || { echo "usage: deps.sh [$kinds] [--list]" >&2; exit 2; }
declare -n kind=$what
# Each once, in the order given.
mapfile -t packages < <(printf '%s\n' "${kind[@]}" | awk 'NF && !seen[$0]++')
if [[ ${2:-} == --list ]]; then
    printf '%s\n' "${packages[@]}"
    exit 0
fi

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

# The build-dependencies are missing where apt would install any, or cannot tell (no package lists yet).
build_deps_missing() {
    ((${#build_dep[@]})) || return 1
    ! apt-get -s "${build_dep[@]}" "$root/" 2>/dev/null | grep -q '^0 upgraded, 0 newly installed'
}

if ((${#missing[@]})) || build_deps_missing; then
    echo "Installing: ${missing[*]}${build_dep:+ and the build-dependencies}"
    for arch in $(printf '%s\n' "${missing[@]}" | sed -n 's/^.*:\(.*\)$/\1/p' | sort -u); do
        as_root dpkg --add-architecture "$arch"
    done
    # Another job may be installing at the same time: wait for it rather than fail.
    apt=(env DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=600 -y -qq --no-install-recommends)
    as_root apt-get -o DPkg::Lock::Timeout=600 update -qq
    ((${#missing[@]} == 0)) || as_root "${apt[@]}" install "${missing[@]}" >/dev/null
    ((${#build_dep[@]} == 0)) || as_root "${apt[@]}" "${build_dep[@]}" "$root/" >/dev/null
fi
