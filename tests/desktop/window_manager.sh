#!/usr/bin/env bash
# window_manager.sh PROGRAM: what only a real window under a real window manager shows. With openbox
# on a private display: Shoewise opens centred, frame included, without taking the focus from the
# window that has it; it stays above an ordinary window of another program; it can be minimised but
# neither resized nor maximised.
here=$(cd "$(dirname "$0")" && pwd)
source "$here/session.sh"
program=$1
require Xvfb dbus-daemon openbox xdotool wmctrl xprop xwininfo xmessage

start_x 1280x800
start_bus
start_wm

# hex ID: an X window id as xprop prints it.
hex() { printf '0x%x' "$1"; }
prop() { xprop -id "$1" "$2" 2>/dev/null; }
active() { xprop -root _NET_ACTIVE_WINDOW | awk '{print $NF}'; }
focused() { test "$(active)" = "$(hex "$1")"; }
size() { xwininfo -id "$1" | awk '/^  Width:/ {w=$2} /^  Height:/ {h=$2} END {print w "x" h}'; }
stacked_above() {  # stacked_above UPPER LOWER: UPPER is higher in the window manager's stacking order
    xprop -root _NET_CLIENT_LIST_STACKING | tr -d ',' | awk -v up="$(hex "$1")" -v low="$(hex "$2")" \
        '{for (i = 1; i <= NF; i++) {if ($i == up) u = i; if ($i == low) l = i}} END {exit !(u && l && u > l)}'
}
has_state() { prop "$1" _NET_WM_STATE | grep -q "$2"; }
iconic() { prop "$1" WM_STATE | grep -q 'window state: Iconic'; }

# An ordinary window of another program, holding the focus when Shoewise starts.
xmessage -name shoewise-other -geometry 400x200+10+10 "another program" >/dev/null 2>&1 &
started+=($!)
other=""
find_other() { other=$(xdotool search --onlyvisible --classname '^shoewise-other$' 2>/dev/null | head -n1) && [[ -n $other ]]; }
poll 10 find_other || fail "the other program's window did not appear"
xdotool windowactivate --sync "$other"
poll 5 focused "$other" || fail "the other window never got the focus"

start_app "$program"
window=$app_window
check "showing Shoewise leaves the focus where it was" focused "$other"
poll 5 has_state "$window" _NET_WM_STATE_ABOVE
check "Shoewise asks to be kept above other windows" has_state "$window" _NET_WM_STATE_ABOVE
sleep 1
check "a second later the focus is still where it was" focused "$other"

hints=$(prop "$window" WM_NORMAL_HINTS)
check "the size hints fix the size at 684x551" \
    bash -c 'grep -q "minimum size: 684 by 551" <<<"$1" && grep -q "maximum size: 684 by 551" <<<"$1"' _ "$hints"
check "the client area is 684x551" test "$(size "$window")" = 684x551

# The frame, title bar included, stands in the middle of the work area (within a pixel of rounding).
read -r fl fr ft fb < <(prop "$window" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g')
read -r ax ay aw ah < <(xprop -root _NET_WORKAREA | sed 's/.*= //; s/,//g' | cut -d' ' -f1-4)
read -r cx cy < <(xwininfo -id "$window" | awk '/Absolute upper-left X/ {x=$NF} /Absolute upper-left Y/ {y=$NF} END {print x, y}')
centred() {
    local left=$((cx - fl - ax)) right=$((ax + aw - (cx + 684 + fr)))
    local top=$((cy - ft - ay)) bottom=$((ay + ah - (cy + 551 + fb)))
    echo "frame margins to the work area: left $left right $right top $top bottom $bottom"
    (((left - right) ** 2 <= 1 && (top - bottom) ** 2 <= 1))
}
check "the window, frame included, is centred on the screen" centred

allowed=$(prop "$window" _NET_WM_ALLOWED_ACTIONS)
check "the window manager offers no resize or maximise" \
    bash -c '! grep -Eq "_NET_WM_ACTION_(RESIZE|MAXIMIZE)" <<<"$1"' _ "$allowed"
check "the window manager offers minimise" grep -q _NET_WM_ACTION_MINIMIZE <<<"$allowed"

xdotool windowsize "$window" 900 700
sleep 0.5
check "resizing the window itself leaves it 684x551" test "$(size "$window")" = 684x551
wmctrl -i -r "$window" -e 0,-1,-1,1000,750
sleep 0.5
check "resizing through the window manager leaves it 684x551" test "$(size "$window")" = 684x551
wmctrl -i -r "$window" -b add,maximized_vert,maximized_horz
sleep 0.5
check "maximising leaves it 684x551" test "$(size "$window")" = 684x551
check "maximising is refused" bash -c '! xprop -id "$1" _NET_WM_STATE | grep -q MAXIMIZED' _ "$window"

# Openbox still offers full screen; honouring the size hints, it must not stretch the window.
wmctrl -i -r "$window" -b add,fullscreen
sleep 0.5
check "full screen leaves it 684x551" test "$(size "$window")" = 684x551
wmctrl -i -r "$window" -b remove,fullscreen
sleep 0.5

xdotool windowactivate --sync "$other"
xdotool windowraise "$other"
sleep 0.5
check "raised and focused, the other window still stays below Shoewise" stacked_above "$window" "$other"
check "Shoewise is still asked to be kept above" has_state "$window" _NET_WM_STATE_ABOVE

xdotool windowminimize "$window"
poll 5 iconic "$window"
check "minimising makes it iconic" iconic "$window"
check "minimising marks it hidden" has_state "$window" _NET_WM_STATE_HIDDEN
wmctrl -i -a "$window"
poll 5 bash -c '! xprop -id "$1" WM_STATE | grep -q Iconic' _ "$window"
check "restored, it is 684x551" test "$(size "$window")" = 684x551
check "restored, it stacks above the other window" stacked_above "$window" "$other"
finish
