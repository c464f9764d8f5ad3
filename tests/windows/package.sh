#!/usr/bin/env bash
# package.sh BUILD_DIR: the Windows program as users get it. shoewise.exe is a window program with its
# version information. The zip, unpacked into an empty Wine prefix that sees none of the host's Qt,
# compiler runtime or fonts, shows every page exactly as the build's own program does with all of
# them in sight: so it holds every DLL and plugin the program loads, and draws in the face it ships.
# The installer installs silently, the installed program starts, and the uninstaller leaves nothing.
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../desktop/session.sh"
build=$1
require Xvfb xdotool import compare unzip x86_64-w64-mingw32-objdump strings
zip=$(ls "$build"/shoewise-*-win64.zip)
installer=${zip%.zip}.exe
version=$(basename "$zip" -win64.zip)
version=${version#shoewise-}

exe=$build/shoewise.exe
# Whole outputs are read, so that no tool is cut off in a pipe and taken for a failure.
subsystem() { x86_64-w64-mingw32-objdump -p "$1" | awk '/^Subsystem/ && /Windows GUI/ {gui = 1} END {exit !gui}'; }
check "shoewise.exe is a window program, without a console" subsystem "$exe"
check "its version information gives version $version" bash -c '[[ $(strings -el "$1" | grep -cx "$2") -gt 0 ]]' _ "$exe" "$version"

unzip -q "$zip" -d "$work/zip"
folder=$work/zip/shoewise-$version-win64
for file in shoewise.exe Qt6Core.dll Qt6Gui.dll Qt6Widgets.dll libstdc++-6.dll platforms/qwindows.dll \
    styles/qwindowsvistastyle.dll imageformats/qjpeg.dll fonts/ipagp.ttf licenses.txt licenses/Qt-LGPL-3.txt; do
    check "the zip holds $file" test -f "$folder/$file"
done

start_session openbox
# pages WHERE PROGRAM [ENV...]: starts PROGRAM under Wine with ENV and saves a picture of each of its
# pages in WHERE, stepping through them from the keyboard as a user can.
pages() {
    local where=$1 program=$2
    shift 2
    mkdir -p "$where"
    start_app env "$@" "$build/wine-run.sh" "$program"
    xdotool windowactivate --sync "$app_window"
    for page in $(seq -w 1 14); do
        sleep 0.7
        import -window "$app_window" "$where/page$page.png"
        xdotool key ctrl+Tab
    done
    kill "$app_pid"
    wait "$app_pid" 2>/dev/null || true
}
same() { [[ $(compare -metric AE "$1" "$2" null: 2>&1) == 0 ]]; }

pages "$work/build" "$exe"
# An empty prefix, no DLL path, and a font configuration that shows Wine none of the host's fonts.
printf '<?xml version="1.0"?>\n<fontconfig></fontconfig>\n' >"$work/no-fonts.conf"
alone=(SHOEWISE_WINEPREFIX="$work/prefix" SHOEWISE_WINEPATH= FONTCONFIG_FILE="$work/no-fonts.conf")
in_prefix() { env "${alone[@]}" "$build/wine-run.sh" "$@"; }
in_prefix cmd /c exit  # the prefix is made before any window is waited for
pages "$work/zip-pages" "$folder/shoewise.exe" "${alone[@]}"
for picture in "$work"/build/page*.png; do
    check "unpacked from the zip, $(basename "$picture" .png) looks as in the build" \
        same "$picture" "$work/zip-pages/$(basename "$picture")"
done
mkdir -p "$build/screenshots" && cp "$work"/zip-pages/page*.png "$build/screenshots/"

# The uninstaller runs from a copy of itself in the user's temporary folder, as every NSIS uninstaller
# does, which Windows clears later; and Windows' own folder changes as programs run.
files() { (cd "$work/prefix/drive_c" && find . \( -path ./windows -o -path './users/*/Temp' \) -prune -o -print | sort); }
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Shoewise'
WINEPREFIX=$work/prefix wineserver --wait
files >"$work/before.txt"
in_prefix "$installer" /S
installed=$(cd "$work/prefix/drive_c" && find . -name shoewise.exe -not -path './windows/*' | head -n1)
check "the installer installs shoewise.exe" test -n "$installed"
check "the installer registers an uninstaller" in_prefix reg query "$uninstall_key"
check "the installer adds a Start-menu entry" bash -c '[[ -n $(find "$1" -iname Shoewise.lnk) ]]' _ "$work/prefix/drive_c"
start_app env "${alone[@]}" "$build/wine-run.sh" "$work/prefix/drive_c/$installed"
check "the installed program shows its window" test -n "$app_window"
kill "$app_pid"
wait "$app_pid" 2>/dev/null || true
in_prefix "$(dirname "$work/prefix/drive_c/$installed")/Uninstall.exe" /S
WINEPREFIX=$work/prefix wineserver --wait  # the uninstaller runs a copy of itself, which outlives it
unregistered() { ! in_prefix reg query "$uninstall_key" >/dev/null 2>&1; }
check "the uninstaller removes the uninstaller's registration" unregistered
files >"$work/after.txt"
check "the uninstaller leaves no file behind" diff "$work/before.txt" "$work/after.txt"
WINEPREFIX=$work/prefix wineserver --kill
finish
