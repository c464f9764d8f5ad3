#!/usr/bin/env bash
# scales.sh BUILD_DIR: the Windows program on Windows' own platform, in the style Qt gives each Windows
# version (windowsvista on Windows 10, windows11 on Windows 11, as Wine reports either), at 100 %,
# 125 % and 150 % (Wine's LogPixels 96, 120 and 144). At each the window is 684x551 logical pixels
# scaled to device pixels, and every caption fits, overlaps and stays within its page exactly as at
# 100 %: the scale probe's description must not change. Pictures of every page at 100 % and 150 % are
# left in BUILD_DIR/screenshots/STYLE/ to be looked at.
source "$(dirname "$0")/../desktop/session.sh"
build=$1
require Xvfb
start_x 2800x1400
export SHOEWISE_WINEPREFIX=$work/prefix
run() { "$build/wine-run.sh" "$@"; }
run cmd /c exit

declare -A style=([win10]=windowsvista [win11]=windows11) class=([win10]=QWindowsVistaStyle [win11]=QWindows11Style)
for windows in win10 win11; do
    run reg add 'HKCU\Software\Wine' /v Version /d "$windows" /f >/dev/null 2>&1
    for dpi in 96 120 144; do
        run reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1
        WINEPREFIX=$SHOEWISE_WINEPREFIX wineserver --kill  # read again by the next program
        at="$windows at $dpi dpi"
        # A Windows program ends its lines with a carriage return too.
        run "$build/scale_probe.exe" --report "$work/report$dpi.txt" 2>"$work/probe.err" | tr -d '\r' >"$work/probe.out" \
            || { cat "$work/probe.err"; fail "the scale probe failed on $at"; }
        check "on $at the style is ${style[$windows]}" grep -qx "style ${class[$windows]}" "$work/probe.out"
        scaled=$(awk -v s="$dpi" -v w="$EXPECTED_WINDOW_WIDTH" -v h="$EXPECTED_WINDOW_HEIGHT" \
            'BEGIN {printf "%dx%d", int(w * s / 96 + 0.5), int(h * s / 96 + 0.5)}')
        check "on $at the window is $scaled device pixels" grep -qx "device-size $scaled" "$work/probe.out"
        check "on $at every caption fits and overlaps as at 96 dpi" diff "$work/report96.txt" "$work/report$dpi.txt"
        if [[ $dpi != 120 ]]; then
            run "$build/shoewise_pageshots.exe" "$build/screenshots/${style[$windows]}/dpi$dpi" \
                || fail "no pictures of the pages on $at"
        fi
    done
done
WINEPREFIX=$SHOEWISE_WINEPREFIX wineserver --kill
finish
