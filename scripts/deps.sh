#!/usr/bin/env bash
# deps.sh [shot|run|test|bench|windows|arm64|debian|release|roots|foreign] [--list]: installs, from
# Debian's packages, whatever the command at hand needs and is missing: `run` builds and shows the
# program, `bench` also measures it, `test` (the default) builds, tests and checks everything,
# `windows` builds the Windows program and tests it under Wine, `arm64` builds the 64-bit ARM Linux
# program and tests it under qemu, `debian` builds and checks the Debian packages in clean roots,
# `release` makes the release files and compares two builds of them; `shot` is only what a screenshot
# of the window takes, `roots` what scripts/root.sh makes its roots with, `foreign` what runs a root of
# another architecture. What building Shoewise needs is the package's Build-Depends (debian/control),
# read from there. A package named with an architecture (name:arm64) is another architecture's,
# installed beside the machine's own through multiarch: that architecture is added to dpkg first.
# Needs root (or sudo) when something is missing. With --list it only prints the packages, one a line.
# Debian 12 and 13 have every package below under the same name.
source "$(dirname "$0")/lib.sh"
what=${1:-test}

# A screenshot of the window on a private Xvfb.
shot=(xvfb xauth x11-utils xdotool imagemagick dbus)
# build_depends [nocheck]: the package's Build-Depends, one a line, without the versions, the
# debhelper the package build alone needs and, with nocheck, what only the tests need.
build_depends() {
    awk '/^Build-Depends:/ {on = 1; next} on && /^ / {print; next} {on = 0}' "$root/debian/control" |
        sed -E 's/^ +//; s/,$//; s/ *\([^)]*\)//' | grep -v '^debhelper-compat' |
        if [[ ${1:-} == nocheck ]]; then grep -v '<!nocheck>'; else cat; fi | sed 's/ *<[^>]*>//'
}
mapfile -t build_all < <(build_depends)
mapfile -t build_program < <(build_depends nocheck)

# Build the program and show it, on a display or on a private Xvfb with a screenshot, in its face.
run=(g++ "${build_program[@]}" fonts-ipafont-gothic "${shot[@]}")
bench=("${run[@]}" libbenchmark-dev python3)
test=(
    "${bench[@]}" "${build_all[@]}"
    clang-format clang-tidy cppcheck shellcheck git
    # The desktop tests: window managers and compositors, a right-to-left locale, accessibility, the
    # screen reader, packaging.
    openbox mutter kwin-x11 kwin-wayland weston xwayland qt6-wayland xdotool wmctrl locales
    at-spi2-core python3-pyatspi orca speech-dispatcher
    desktop-file-utils appstream file groff-base man-db
)

# Qt for Windows is built from Debian's Qt source with the host's Qt tools; Wine runs the tests.
windows=(
    cmake ninja-build dpkg-dev pkg-config qt6-base-dev qt6-base-dev-tools libgl-dev
    g++-mingw-w64-x86-64-posix libwine-dev googletest
    wine wine64 xvfb xauth openbox xdotool wmctrl x11-utils imagemagick dbus
    fonts-ipafont-gothic nsis zip unzip librsvg2-bin binutils
    # clang-tidy over the Windows-only sources, told apart from the rest by a Linux configure.
    clang-tidy git libfontconfig-dev
)

# 64-bit ARM Linux: Debian's cross compiler and pkg-config against Debian's arm64 Qt, with the
# machine's own Qt tools (Multi-Arch: foreign); qemu's user mode runs the programs; the window checks
# run under openbox.
arm64=(
    cmake ninja-build g++-aarch64-linux-gnu pkgconf:arm64 imagemagick
    qt6-base-dev-tools qt6-base-dev:arm64 libgl-dev:arm64 libfontconfig-dev:arm64 libxcb1-dev:arm64
    googletest qemu-user fonts-ipafont-gothic
    "${shot[@]}" openbox wmctrl
)

# The Debian packages: the source package made with dpkg-source, the binary ones built by sbuild in
# roots made by mmdebstrap, whose users are mapped with newuidmap; lintian, piuparts and autopkgtest
# check them, hardening-check (devscripts) their programs, for arm64 with that toolchain's probe.
debian=(
    dpkg-dev git sbuild mmdebstrap uidmap lintian piuparts autopkgtest devscripts debian-archive-keyring
    binutils g++ g++-aarch64-linux-gnu
)

# The release files are made by deb.sh and windows.sh, which install what they need, and compared.
release=(git diffoscope-minimal)

# The Debian roots of root.sh are made from Debian's packages with mmdebstrap; a root of another
# architecture runs its programs through qemu's user mode, which registers itself with the kernel, its
# CPU named by dpkg-architecture.
roots=(mmdebstrap)
foreign=(qemu-user-static binfmt-support arch-test dpkg-dev)

case $what in
debian) packages=("${debian[@]}") ;;
shot) packages=("${shot[@]}") ;;
run) packages=("${run[@]}") ;;
roots) packages=("${roots[@]}") ;;
foreign) packages=("${foreign[@]}") ;;
windows) packages=("${windows[@]}") ;;
arm64) packages=("${arm64[@]}") ;;
bench) packages=("${bench[@]}") ;;
release) packages=("${release[@]}") ;;
test) packages=("${test[@]}") ;;
*)
    echo "usage: deps.sh [shot|run|test|bench|windows|arm64|debian|release|roots|foreign] [--list]" >&2
    exit 2
    ;;
esac

# Each once, in the order given.
mapfile -t packages < <(printf '%s\n' "${packages[@]}" | awk '!seen[$0]++')
if [[ ${2:-} == --list ]]; then
    printf '%s\n' "${packages[@]}"
    exit 0
fi

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done

if ((${#missing[@]})); then
    echo "Installing: ${missing[*]}"
    for arch in $(printf '%s\n' "${missing[@]}" | sed -n 's/^.*:\(.*\)$/\1/p' | sort -u); do
        as_root dpkg --add-architecture "$arch"
    done
    # Another job may be installing at the same time: wait for it rather than fail.
    as_root apt-get -o DPkg::Lock::Timeout=600 update -qq
    as_root env DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=600 install -y -qq \
        --no-install-recommends "${missing[@]}" >/dev/null
fi
