#!/usr/bin/env bash
# windows.sh [qt|build|package|test|release [varied]]: Shoewise for 64-bit Windows, made on Debian 13
# (or in a Debian 13 root, see below).
#   qt       builds Qt's base module for Windows from Debian's own Qt source, once; later runs reuse it
#   build    qt, then Shoewise and its tests, cross-compiled with mingw-w64 as released
#   package  build, then the portable zip and the installer in build/windows
#   test     package, then the tests under Wine (engine, pages, window on Xvfb with openbox, zip,
#            installer, scales): the release check's files come from this very build; the default
#   release  qt, then the zip and the installer alone, without the tests, in build/windows-release;
#            `release varied` builds them with what reprotest varies between its builds and can reach
#            them from here (see below), for the release check (scripts/release.sh)
# Installs what is missing from Debian's packages; needs root (or sudo) when something is.
source "$(dirname "$0")/lib.sh"
cd "$root"
what=${1:-test}

# The host's Qt (the machine's architecture's, installed or about to be) provides the tools (moc, rcc,
# uic) and is the version built for Windows. Where it is older than CMakeLists.txt's oldest for
# Windows, all runs in a Debian 13 root, in build/debian13/windows*.
qt_package=$(dpkg-query -W -f='${Version}' "qt6-base-dev:$(dpkg --print-architecture)" 2>/dev/null || true)
[[ -n $qt_package ]] || qt_package=$(apt-cache policy qt6-base-dev 2>/dev/null | awk '/Candidate:/ {print $2}')
qt_version=${qt_package%%+*}
qt_minimum=$(sed -n 's/^set(SHOEWISE_WINDOWS_QT_MINIMUM \(.*\))$/\1/p' CMakeLists.txt)
if ! dpkg --compare-versions "${qt_version:-0}" ge "${qt_minimum:?no Windows Qt minimum in CMakeLists.txt}"; then
    exec bash scripts/root.sh trixie windows "$@"
fi
bash scripts/deps.sh windows
triplet=$(dpkg-architecture -qDEB_HOST_MULTIARCH)
# Only what Shoewise uses: Core, Gui, Widgets, Test, the Windows platform, style and jpeg plugins,
# accessibility. Qt's bundled libraries stand in for the system ones a Windows machine lacks.
qt_options=(
    -DBUILD_SHARED_LIBS=ON -DCMAKE_BUILD_TYPE=Release
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF
    # Source files compiled in batches (Qt's unity build): a third less time from nothing.
    -DQT_UNITY_BUILD=ON
    -DINPUT_opengl=no -DFEATURE_opengl=OFF -DFEATURE_vulkan=OFF
    -DFEATURE_network=OFF -DFEATURE_sql=OFF -DFEATURE_dbus=OFF -DFEATURE_printsupport=OFF
    -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF
    -DFEATURE_testlib=ON -DFEATURE_jpeg=ON -DFEATURE_accessibility=ON
    -DFEATURE_system_zlib=OFF -DFEATURE_system_jpeg=OFF -DFEATURE_system_png=OFF -DFEATURE_system_pcre2=OFF
    -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_freetype=OFF -DFEATURE_system_doubleconversion=OFF
    # Direct2D itself must stay: the platform plugin's DirectWrite font database is built with it.
    -DFEATURE_direct2d1_1=OFF
    # Qt's build would write a bill of materials from each bundled library's attribution file; Debian's
    # source has none for the wintab headers that stand in below.
    -DQT_GENERATE_SBOM=OFF
)
key=$( (printf '%s\n' "$qt_version" "${qt_options[@]}" && cat cmake/mingw-w64-x86_64.cmake) | sha256sum | cut -c1-12)
qt_prefix=$cache/qt-$qt_version-mingw64-$key
# Qt's own toolchain file refers to the one it was built with by its path: keep that one beside it.
toolchain=$cache/toolchain-$key.cmake

log() { printf '== %s\n' "$*"; }

# A subshell: the time and flags it exports are the Qt build's alone.
build_qt() (
    # One build at a time: another run wanting this Qt, started beside it (.ci/run), waits for it.
    mkdir -p "$cache"
    exec {lock}>"$qt_prefix.lock"
    flock "$lock"
    # A Qt without the record of its source (below) was built before it was kept: built again.
    if [[ -f $qt_prefix/.complete && -f $qt_prefix/debian-source-version ]]; then
        log "Qt $qt_version for Windows: $qt_prefix"
        return
    fi
    log "Qt $qt_version for Windows: building once into $qt_prefix"
    local work=$cache/qt-work-$key
    rm -rf "$work" "$qt_prefix"
    mkdir -p "$work"
    cp cmake/mingw-w64-x86_64.cmake "$toolchain"

    # Debian's source of the very Qt the host has, through the host's own archive entries made source
    # entries, in an apt configuration of the build's own: the machine's is left as it is.
    local apt=$work/apt list
    mkdir -p "$apt/sources.list.d" "$apt/lists/partial"
    for list in /etc/apt/sources.list.d/*.sources; do
        [[ ! -f $list ]] || sed 's/^Types: deb$/Types: deb-src/' "$list" >"$apt/sources.list.d/${list##*/}"
    done
    [[ ! -f /etc/apt/sources.list ]] || sed -n 's/^deb /deb-src /p' /etc/apt/sources.list >"$apt/sources.list"
    local private=(-o "Dir::Etc::SourceList=$apt/sources.list" -o "Dir::Etc::SourceParts=$apt/sources.list.d"
        -o "Dir::State::Lists=$apt/lists" -o Dir::Cache::pkgcache= -o Dir::Cache::srcpkgcache=)
    (cd "$work" && apt-get "${private[@]}" update -qq && apt-get "${private[@]}" source -qq "qt6-base=$qt_package") \
        >"$work/source.log" 2>&1 || { tail -n 20 "$work/source.log"; exit 1; }
    local src
    src=$(find "$work" -maxdepth 1 -type d -name 'qt6-base-*' | head -n1)

    # Debian's source leaves out Wacom's wintab headers for their licence; Wine's LGPL ones stand in,
    # given the three macros of Wine's own headers that mingw-w64 lacks.
    mkdir -p "$src/src/3rdparty/wintab"
    for header in wintab pktdef; do
        cat >"$src/src/3rdparty/wintab/$header.h" <<EOF
#pragma once
#ifndef WINELIB_NAME_AW
#define WINELIB_NAME_AW(name) __MINGW_NAME_AW(name)
#define DECL_WINELIB_TYPE_AW(type) typedef WINELIB_NAME_AW(type) type;
#endif
#ifndef API
#define API WINAPI
#endif
#include "/usr/include/wine/wine/windows/$header.h"
EOF
    done

    # The same DLLs from every rebuild of this cache: the time is the source package's own, the work
    # folder's path is mapped away.
    SOURCE_DATE_EPOCH=$(dpkg-parsechangelog -l "$src/debian/changelog" -STimestamp) && export SOURCE_DATE_EPOCH
    export CFLAGS="-ffile-prefix-map=$work=/usr/src" CXXFLAGS="-ffile-prefix-map=$work=/usr/src"
    cmake -S "$src" -B "$work/build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
        -DCMAKE_INSTALL_PREFIX="$qt_prefix" -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR="/usr/lib/$triplet/cmake" \
        "${qt_options[@]}" >"$work/configure.log" 2>&1 || { tail -n 40 "$work/configure.log"; exit 1; }
    cmake --build "$work/build" >"$work/build.log" 2>&1 || { grep -E 'error|FAILED' "$work/build.log" | head -n 40; exit 1; }
    cmake --install "$work/build" >/dev/null
    # The exact source built, which licenses.txt names: the host's package may move on to a new Debian
    # revision of the same Qt, and the cache with it.
    dpkg-parsechangelog -l "$src/debian/changelog" -SVersion >"$qt_prefix/debian-source-version"
    touch "$qt_prefix/.complete"
    rm -rf "$work"
)

build_qt
[[ $what == qt ]] && exit 0

preset=windows
if [[ $what == release ]]; then preset=windows-release; else use_ccache; fi
build=build/$preset
log "Shoewise for Windows: $build"
export SHOEWISE_WINDOWS_QT=$qt_prefix  # the presets' Qt
# varied: the build's commands run as reprotest's second build runs, in what it varies that reaches
# them once in this root: the time, a year ahead (faketime, files' times left true); a locale of another
# collation, made for the build alone; the time zone; the umask; one processor; the host and domain
# names; the kernel's name and version; HOME; PATH. The folder and the file order are the caller's.
varied=()
if [[ $what == release && ${2:-} == varied ]]; then
    locales=$(mktemp -d)
    localedef -i et_EE -f UTF-8 "$locales/et_EE.UTF-8"
    if [[ $(umask) == 0077 ]]; then umask 0022; else umask 0077; fi
    uts=(unshare --uts)
    [[ $(id -u) -eq 0 ]] || uts=(unshare --map-root-user --uts)
    varied=(env LOCPATH="$locales" LANG=et_EE.UTF-8 LC_ALL=et_EE.UTF-8 LANGUAGE=et_EE:fr TZ=GMT-14
        HOME=/nonexistent/second-build PATH="$PATH:/i_capture_the_path" NO_FAKE_STAT=1
        faketime +365days setarch "$(uname -m)" --uname-2.6 taskset --cpu-list 0 "${uts[@]}"
        sh -ec 'hostname reprotest-capture-hostname; domainname reprotest-capture-domainname; exec "$@"' -)
    # shellcheck disable=SC2016  # expanded by the varied shell
    "${varied[@]}" sh -c 'echo "== varied: $(date +%c), $(hostname), $(uname -r), $(nproc) processor, umask $(umask)"'
fi
"${varied[@]}" cmake --preset "$preset" >/dev/null
"${varied[@]}" cmake --build --preset "$preset"
[[ $what == build ]] && exit 0

log "zip and installer"
(cd "$build" && "${varied[@]}" cpack -G ZIP >/dev/null && "${varied[@]}" cpack -G NSIS >/dev/null)
ls -l "$build"/shoewise-*-win64.zip "$build"/shoewise-*-win64.exe
[[ $what == package || $what == release ]] && exit 0

log "tests under Wine, offscreen"
# One Wine server for all, so each program starts in a second, not three; its background programs
# start here, away from ctest, which would wait for the output they hold open.
export WINEPREFIX=$root/$build/wine
"$build/wine-run.sh" cmd /c exit >/dev/null 2>&1  # makes the prefix on first use
wineserver --wait
wineserver --persistent
trap 'wineserver --kill' EXIT
"$build/wine-run.sh" cmd /c exit >/dev/null 2>&1
# A Qt fatal error opens a message box under Wine and waits for a click: every test has a time limit.
QT_QPA_PLATFORM=offscreen ctest --test-dir "$build" -j "$(nproc)" --timeout 300 --output-on-failure
# That server knows no display: the window checks start Wine afresh on theirs.
wineserver --kill
trap - EXIT

log "the window under Wine, on X with openbox"
bash tests/desktop/window_manager.sh "$root/$build/wine-run.sh" openbox "$root/$build/shoewise.exe"

log "the accessibility tests on Windows' own platform, with the bridge on"
bash tests/windows/accessibility.sh "$root/$build"

log "the zip in an empty Wine prefix, the installer, the scales"
bash tests/windows/package.sh "$root/$build"
bash tests/windows/scales.sh "$root/$build"
