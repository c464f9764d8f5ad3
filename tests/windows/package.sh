#!/usr/bin/env bash
# package.sh BUILD_DIR: the Windows program as users get it. shoewise.exe is a window program whose
# version information and manifest give the project's version. The zip, unpacked into an empty Wine
# prefix that sees none of the host's Qt, compiler runtime or fonts, shows every page exactly as the
# build's own program does: it holds every DLL and plugin the program loads, and the face it draws in.
# The installer, run silently as deployment tools run it, installs for the user alone or for all users,
# each over an install of either kind, which it replaces; the installed program starts, a running one
# is closed first, and each uninstall leaves nothing.
source "$(dirname "$0")/../desktop/session.sh"
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
check "its version information gives version $version" grep -qxF "$version" <<<"$(strings -el "$exe")"
# The manifest is stored as plain text; its own identity is the one outside its <dependency> entries.
manifest_version() {
    strings "$1" | awk '/<dependency>/ {dep = 1} /<\/dependency>/ {dep = 0}
        !dep && /<assemblyIdentity/ && match($0, /version="[^"]*"/) {print substr($0, RSTART + 9, RLENGTH - 10)}'
}
check "its manifest gives version $version" test "$(manifest_version "$exe")" = "$version"

unzip -q "$zip" -d "$work/zip"
folder=$work/zip/shoewise-$version-win64
# The style plugin is Qt 6.7's and later: windows11 on Windows 11, windowsvista before it.
for file in shoewise.exe Qt6Core.dll Qt6Gui.dll Qt6Widgets.dll libstdc++-6.dll platforms/qwindows.dll \
    styles/qmodernwindowsstyle.dll imageformats/qjpeg.dll licenses.txt licenses/Qt-LGPL-3.txt; do
    check "the zip holds $file" test -f "$folder/$file"
done
# qt_of DLL: the Qt version its version information gives.
qt_of() { strings -el "$1" | grep -A1 -x ProductVersion | sed -n 2p; }
zip_qt=$(qt_of "$folder/Qt6Core.dll")
check "the zip carries Qt 6.8 or later ($zip_qt)" dpkg --compare-versions "$zip_qt" ge 6.8
# Every program and DLL shipped is loaded at a random, high-entropy address and keeps its data
# unexecutable; ours also checks its stack frames, with the checks' runtime linked in, not shipped.
hardened() {
    x86_64-w64-mingw32-objdump -p "$1" | awk '/^DllCharacteristics/ {on = 1; next} on && /^[^ \t]/ {on = 0}
        on {flag[$1] = 1} END {exit !(flag["HIGH_ENTROPY_VA"] && flag["DYNAMIC_BASE"] && flag["NX_COMPAT"])}'
}
while IFS= read -r binary; do
    check "${binary#"$folder"/} has ASLR with high entropy and DEP" hardened "$binary"
done < <(find "$folder" -iname '*.exe' -o -iname '*.dll')
check "shoewise.exe checks its stack frames" grep -q ' T __stack_chk_fail$' <<<"$(x86_64-w64-mingw32-nm "$exe")"
check "no stack-check DLL is shipped" test -z "$(find "$folder" -iname 'libssp*')"

start_session openbox
# pages WHERE PROGRAM [ENV...]: starts PROGRAM under Wine with ENV and saves a picture of each of its
# pages in WHERE, stepping through them from the keyboard as a user can.
pages() {
    local where=$1 program=$2
    shift 2
    mkdir -p "$where"
    start_app env "$@" "$build/wine-run.sh" "$program"
    xdotool windowactivate --sync "$app_window"
    for page in $(seq -w 1 "$EXPECTED_PAGES"); do
        sleep 0.7
        import -window "$app_window" "$where/page$page.png"
        xdotool key ctrl+Tab
    done
    kill "$app_pid"
    wait "$app_pid" 2>/dev/null || true
}
same() { [[ $(compare -metric AE "$1" "$2" null: 2>&1) == 0 ]]; }

pages "$work/build" "$exe"
# An empty prefix, no DLL path, and a font configuration that shows Wine none of the host's fonts;
# the test's own home, which the prefix's Documents and Desktop lead to, not the caller's.
printf '<?xml version="1.0"?>\n<fontconfig></fontconfig>\n' >"$work/no-fonts.conf"
alone=(SHOEWISE_WINEPREFIX="$work/prefix" SHOEWISE_WINEPATH= FONTCONFIG_FILE="$work/no-fonts.conf"
    HOME="$work/home")
in_prefix() { env "${alone[@]}" "$build/wine-run.sh" "$@"; }
in_prefix cmd /c exit  # the prefix is made before any window is waited for
pages "$work/zip-pages" "$folder/shoewise.exe" "${alone[@]}"
for picture in "$work"/build/page*.png; do
    check "unpacked from the zip, $(basename "$picture" .png) looks as in the build" \
        same "$picture" "$work/zip-pages/$(basename "$picture")"
done
mkdir -p "$build/screenshots" && cp "$work"/zip-pages/page*.png "$build/screenshots/"

# The uninstaller runs from a copy of itself in the user's temporary folder, as every NSIS uninstaller
# does, which Windows clears later; Windows' own folder changes as programs run; and the per-user
# programs folder is Windows' own, shared by every per-user install, so it stays, empty.
files() {
    (cd "$work/prefix/drive_c" && find . \( -path ./windows -o -path './users/*/Temp' \
        -o \( -path './users/*/AppData/Local/Programs' -empty \) \) -prune -o -print | sort)
}
WINEPREFIX=$work/prefix wineserver --wait
files >"$work/before.txt"
for user in "$work"/prefix/drive_c/users/*; do [[ $user == */Public ]] || break; done
user=${user##*/}
publisher=$(sed -n 's/^Copyright (c) [0-9]* //p' "$root/LICENSE" | head -n1)
uninstall_key='Software\Microsoft\Windows\CurrentVersion\Uninstall\Shoewise'
# Each kind of install: whom it is for, its default folder as Windows names it, its registry root, the
# option that chooses it, its Start menu.
declare -A whom=([user]="the user alone" [all]="all users")
declare -A folder=([user]="C:\\users\\$user\\AppData\\Local\\Programs\\Shoewise"
    [all]='C:\Program Files\Shoewise')
declare -A root=([user]=HKCU [all]=HKLM) option=([user]=CurrentUser [all]=AllUsers)
declare -A menu=([user]="users/$user/AppData/Roaming/Microsoft/Windows/Start Menu/Programs"
    [all]='ProgramData/Microsoft/Windows/Start Menu/Programs')
unix() { local path=${1//\\//}; echo "$work/prefix/drive_c/${path#C:/}"; }
# entry ROOT: the uninstall entry's values as NAME=VALUE lines, sorted; nothing where there is none.
entry() {
    { in_prefix reg query "$1\\$uninstall_key" /s 2>/dev/null || true; } | tr -d '\r' |
        sed -n 's/^    \([A-Za-z]*\)    REG_[A-Z]*    \(.*\)$/\1=\2/p' | sort
}
# absent KIND: no entry and no Start-menu entry of that kind.
absent() { [[ -z $(entry "${root[$1]}") && ! -e "$work/prefix/drive_c/${menu[$1]}/Shoewise.lnk" ]]; }
# sized ENTRY_FILE FOLDER: EstimatedSize is the installed files' size in KiB, rounded down as NSIS does.
sized() {
    local value bytes
    value=$(sed -n 's/^EstimatedSize=//p' "$1")
    bytes=$(find "$2" -type f -printf '%s\n' | awk '{s += $1} END {print s + 0}')
    [[ $value =~ ^0x[0-9a-fA-F]+$ ]] && ((value == bytes / 1024))
}
# copies: how many shoewise.exe the prefix holds outside Windows' own folder.
copies() {
    (cd "$work/prefix/drive_c" && find . -path ./windows -prune -o -name shoewise.exe -print) | wc -l
}
# installed KIND WHAT [FOLDER]: the state after an install of that kind, into its default folder or
# into FOLDER: one copy of the program, one complete entry, a Start-menu entry that opens it.
installed() {
    local kind=$1 what=$2 at=${3:-${folder[$1]}} other=user
    [[ $kind == user ]] && other=all
    check "$what: shoewise.exe is in $at" test -f "$(unix "$at")/shoewise.exe"
    check "$what: with the zip's Qt" test "$(qt_of "$(unix "$at")/Qt6Core.dll")" = "$zip_qt"
    check "$what: there is one copy of it" test "$(copies)" -eq 1
    local uninstaller="\"$at\\Uninstall.exe\" /${option[$kind]}"
    printf '%s\n' DisplayName=Shoewise "DisplayVersion=$version" "Publisher=$publisher" \
        "DisplayIcon=$at\\shoewise.exe" "InstallLocation=$at" "UninstallString=$uninstaller" \
        "QuietUninstallString=$uninstaller /S" NoModify=0x1 NoRepair=0x1 | sort >"$work/expected.txt"
    entry "${root[$kind]}" >"$work/entry.txt"
    check "$what: its uninstall entry under ${root[$kind]} has every field" \
        diff "$work/expected.txt" <(grep -v '^EstimatedSize=' "$work/entry.txt")
    check "$what: EstimatedSize is the installed size" sized "$work/entry.txt" "$(unix "$at")"
    check "$what: the Start-menu entry opens it" \
        grep -qxF "$at\\shoewise.exe" <(strings -a "$work/prefix/drive_c/${menu[$kind]}/Shoewise.lnk")
    check "$what: nothing is left of an install for ${whom[$other]}" absent "$other"
}
# install KIND WHAT [FOLDER]: installs silently for that kind, into FOLDER where given, and checks the
# state after it.
install() {
    check "$2: the installer succeeds" in_prefix "$installer" /S "/${option[$1]}" ${3:+"/D=$3"}
    installed "$@"
}
# uninstall WHAT: runs the quiet uninstall command of the entry, as Windows' settings and deployment
# tools do; it must leave nothing.
uninstall() {
    local command options
    command=$( (entry HKCU && entry HKLM) | sed -n 's/^QuietUninstallString=//p')
    if [[ $command =~ ^\"([^\"]+)\"\ (.+)$ ]]; then
        read -ra options <<<"${BASH_REMATCH[2]}"
        check "$1: the uninstaller succeeds" in_prefix "${BASH_REMATCH[1]}" "${options[@]}"
    else
        check "$1: the entry gives a quiet uninstall command" false
    fi
    WINEPREFIX=$work/prefix wineserver --wait  # the uninstaller runs a copy of itself, which outlives it
    check "$1: no entry is left" test -z "$(entry HKCU && entry HKLM)"
    files >"$work/after.txt"
    check "$1: no file is left behind" diff "$work/before.txt" "$work/after.txt"
}
ended() { [[ $(ps -o stat= -p "$1" || echo Z) == *Z* ]]; }

install user "per-user install"
start_app env "${alone[@]}" "$build/wine-run.sh" "$(unix "${folder[user]}")/shoewise.exe"
check "the installed program shows its window" test -n "$app_window"
# Left running, on top, as users forget it: the next install closes it first.
install user "per-user install over it"
check "per-user install over it: the running program was closed" poll 20 ended "$app_pid"
ended "$app_pid" || kill "$app_pid"
wait "$app_pid" 2>/dev/null || true
install all "all-users install over per-user"
uninstall "all-users uninstall"
install all "all-users install"
install user "per-user install into a folder given with /D=, over all-users" 'C:\Shoewise'
uninstall "per-user uninstall"
WINEPREFIX=$work/prefix wineserver --kill
finish
