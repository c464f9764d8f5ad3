#!/usr/bin/env bash
# high_dpi.sh SCALE_PROBE SHOT_DIR: the window at scale 1 and at scale 2 on a private 2800x1400
# display. At 2 it is twice the size in device pixels, and every caption fits, overlaps and stays
# within its page exactly as at 1. Screenshots of both are left in SHOT_DIR.
source "$(dirname "$0")/session.sh"
probe=$1 shots=$2
require Xvfb dbus-daemon xprop xwininfo convert compare

start_x 2800x1400
start_bus
mkdir -p "$shots"
export QT_QPA_PLATFORM=xcb

QT_SCALE_FACTOR=1 "$probe" --report "$work/scale1.txt" --shots "$shots/scale1" >"$work/scale1.out" 2>"$work/scale1.err" \
    || fail "the probe failed at scale 1: $(cat "$work/scale1.err")"
cat "$work/scale1.out"
check "at scale 1 the window is $expected_size device pixels" grep -qx "device-size $expected_size" "$work/scale1.out"

QT_SCALE_FACTOR=2 "$probe" --report "$work/scale2.txt" --shots "$shots/scale2" --hold >"$work/scale2.out" 2>"$work/scale2.err" &
started+=($!)
poll 30 grep -qx ready "$work/scale2.out" || fail "the probe did not get ready at scale 2: $(cat "$work/scale2.err")"
cat "$work/scale2.out"
width=$((2 * EXPECTED_WINDOW_WIDTH)) height=$((2 * EXPECTED_WINDOW_HEIGHT))
check "at scale 2 the window is ${width}x$height device pixels" grep -qx "device-size ${width}x$height" "$work/scale2.out"
check "at scale 2 the screenshots are ${width}x$height" \
    test "$(grep -c "^screenshot .* ${width}x$height\$" "$work/scale2.out")" -eq 2

# The X window itself, as any other program sees it.
window=$(xwininfo -root -tree | awk '/"Shoewise": \("/ {print $1; exit}')
check "at scale 2 the X window is ${width}x$height" test "$(window_size "$window")" = "${width}x$height"
check "at scale 2 the size hints fix the size at ${width}x$height" \
    fixes_size "$(xprop -id "$window" WM_NORMAL_HINTS)" "$width" "$height"

lines=$(wc -l <"$work/scale1.txt")
check "the description covers every control ($lines lines)" test "$lines" -ge 150
check "every caption fits, overlaps and stays on its page at 2 as at 1" \
    diff -u "$work/scale1.txt" "$work/scale2.txt"
# Halved, the picture at 2 must look like the one at 1; two different pages differ about four times
# more. compare's answer must be a number: awk takes an empty one, from a compare that crashed, for less.
for page in 1 13; do
    convert "$shots/scale2-page$page.png" -resize "$expected_size!" "$work/halved.png"
    rmse=$(compare -metric RMSE "$shots/scale1-page$page.png" "$work/halved.png" null: 2>&1 | sed 's/.*(\(.*\))/\1/' || true)
    check "page $page at scale 2, halved, looks like it does at 1 (RMSE $rmse)" \
        awk -v e="$rmse" 'BEGIN {exit !(e ~ /^[0-9.]+(e-?[0-9]+)?$/ && e < 0.1)}'
done
echo "screenshots: $shots/scale1-page1.png $shots/scale2-page1.png (and -page13)"
finish
