#!/usr/bin/env bash
# window_manager.sh PROGRAM SESSION [ARGS...]: what only a real window under a real window manager
# shows, in one of session.sh's sessions: Shoewise, started as a login would start it, opens centred,
# frame included, without taking the focus nor asking for attention instead; it stays above an
# ordinary window of another program; it can be minimised but neither resized, maximised nor put into
# full screen. ARGS go to PROGRAM, for the Windows program Wine's launcher. What only Wine's bridge to
# X decides is said, not checked.
source "$(dirname "$0")/session.sh"
program=$1 session=$2
shift 2
require wmctrl xwininfo xmessage
start_session "$session"

# hex ID: an X window id as xprop prints it.
hex() { printf '0x%x' "$1"; }
prop() { xprop -id "$1" "$2" 2>/dev/null; }
active() { xprop -root _NET_ACTIVE_WINDOW | awk '{print $NF}'; }
focused() { test "$(active)" = "$(hex "$1")"; }
place() { xwininfo -id "$1" | awk '/Absolute upper-left X/ {x=$NF} /Absolute upper-left Y/ {y=$NF} END {print x, y}'; }
stacked_above() {  # stacked_above UPPER LOWER: UPPER is higher in the window manager's stacking order
    xprop -root _NET_CLIENT_LIST_STACKING | tr -d ',' | awk -v up="$(hex "$1")" -v low="$(hex "$2")" \
        '{for (i = 1; i <= NF; i++) {if ($i == up) u = i; if ($i == low) l = i}} END {exit !(u && l && u > l)}'
}
has_state() { prop "$1" _NET_WM_STATE | grep -q "$2"; }
iconic() { prop "$1" WM_STATE | grep -q 'window state: Iconic'; }

# An ordinary window of another program, holding the focus when Shoewise starts.
spawn "$work/other.log" xmessage -name shoewise-other -geometry 400x200+10+10 "another program"
other=""
find_other() { other=$(xdotool search --onlyvisible --classname '^shoewise-other$' 2>/dev/null | head -n1) && [[ -n $other ]]; }
poll 10 find_other || not_shown "the other program's window" "$work/other.log"
xdotool windowactivate --sync "$other"
poll 5 focused "$other" || fail "the other window never got the focus"

# settle: the window manager has handled every request made so far. It handles them in order, so once
# it has carried out one made now, a harmless toggle of the other window's pager state, it has handled
# the earlier ones; a slow machine only takes longer.
pager_state() { prop "$other" _NET_WM_STATE | grep -c _NET_WM_STATE_SKIP_PAGER || true; }
pager_changed() { [[ $(pager_state) != "$1" ]]; }
settle() {
    local before
    before=$(pager_state)
    wmctrl -i -r "$other" -b toggle,skip_pager
    poll 10 pager_changed "$before" || fail "the window manager no longer answers"
}

start_app "$program" "$@"
window=$app_window
# Wine gives a window shown without activation no sign of it for the window manager, which then
# focuses it as any new window, a plain Win32 one too: there the focus is Wine's, and on Windows
# itself it stays where it was. Wine's windows are of the class of the program's file name.
wine=""
[[ $(prop "$window" WM_CLASS) != *'"shoewise.exe"'* ]] || wine=yes
if [[ $wine ]]; then
    echo "not checked: the focus on showing, which Wine hands to the window manager"
else
    check "showing Shoewise leaves the focus where it was" focused "$other"
fi
check "Shoewise asks to be kept above other windows" poll 5 has_state "$window" _NET_WM_STATE_ABOVE
# A window manager that refuses a new window the focus may mark it as asking for attention instead,
# which the task bar then highlights until it is clicked.
calm() { lacks _NET_WM_STATE_DEMANDS_ATTENTION <<<"$(prop "$1" _NET_WM_STATE)"; }
check "Shoewise does not ask for attention" poll 5 calm "$window"
sleep 1
[[ $wine ]] || check "a second later the focus is still where it was" focused "$other"
check "a second later it still does not ask for attention" calm "$window"

check "the size hints fix the size at $expected_size" \
    fixes_size "$(prop "$window" WM_NORMAL_HINTS)" "$EXPECTED_WINDOW_WIDTH" "$EXPECTED_WINDOW_HEIGHT"
right_size() { test "$(window_size "$window")" = "$expected_size"; }
check "the client area is $expected_size" right_size

# The frame, title bar included, stands in the middle of the work area (within a pixel of rounding).
# Under Wine the program centres the frame Wine would draw for Windows, whose top edge Wine 10 makes
# 29 pixels (AdjustWindowRectEx), taller than the title bar openbox draws in its place: the margin above
# the frame is then up to 12 pixels wider than the one below. Centring the client area alone would make
# it 20 pixels narrower.
slack=1
[[ -z $wine ]] || slack=12
# A window manager that draws no frame may set no extents: KWin 6.7 on Wayland without a decoration
# plugin does so.
frame_extents() { prop "$window" _NET_FRAME_EXTENTS | sed -n 's/.*= //p' | tr -d ,; }
read -r fl fr ft fb < <(frame_extents | grep . || echo 0 0 0 0)
# KWin without the Plasma shell sets no work area: the whole screen is the work area then.
work_area() { xprop -root _NET_WORKAREA 2>/dev/null | sed -n 's/.*= //p' | tr -d , | cut -d' ' -f1-4 | grep .; }
read -r ax ay aw ah < <(work_area || xwininfo -root | awk '/^  Width:/ {w=$2} /^  Height:/ {h=$2} END {print 0, 0, w, h}')
read -r cx cy < <(place "$window")
centred() {
    local left=$((cx - fl - ax)) right=$((ax + aw - (cx + EXPECTED_WINDOW_WIDTH + fr)))
    local top=$((cy - ft - ay)) bottom=$((ay + ah - (cy + EXPECTED_WINDOW_HEIGHT + fb)))
    echo "frame margins to the work area: left $left right $right top $top bottom $bottom"
    (((left - right) ** 2 <= 1 && (top - bottom) ** 2 <= slack ** 2))
}
check "the window, frame included, is centred on the screen" centred

allowed=$(prop "$window" _NET_WM_ALLOWED_ACTIONS)
check "the window manager offers no resize or maximise" \
    lacks '_NET_WM_ACTION_(RESIZE|MAXIMIZE)' <<<"$allowed"
check "the window manager offers minimise" grep -q _NET_WM_ACTION_MINIMIZE <<<"$allowed"

# tried WHAT COMMAND...: once the window manager has handled COMMAND, the window keeps its size.
tried() { "${@:2}"; settle; check "$1 leaves it $expected_size" right_size; }
tried "resizing the window itself" xdotool windowsize "$window" 900 700
tried "resizing through the window manager" wmctrl -i -r "$window" -e 0,-1,-1,1000,750
tried maximising wmctrl -i -r "$window" -b add,maximized_vert,maximized_horz
check "maximising is refused" lacks MAXIMIZED <<<"$(prop "$window" _NET_WM_STATE)"

# Window managers may still offer full screen, and some stretch the window over the screen for it.
# Windows has no full screen that another program can ask for: under Wine it is Wine's to refuse.
if [[ $wine ]]; then
    echo "not checked: full screen asked for by the window manager, which only Wine's bridge to X sees"
else
    before=$(place "$window")
    not_fullscreen() { ! has_state "$1" _NET_WM_STATE_FULLSCREEN; }
    wmctrl -i -r "$window" -b add,fullscreen
    settle
    check "full screen is refused" poll 5 not_fullscreen "$window"
    settle
    check "full screen leaves it $expected_size" right_size
    check "full screen leaves it where it was" test "$(place "$window")" = "$before"
fi

xdotool windowactivate --sync "$other"
xdotool windowraise "$other"
settle
check "raised and focused, the other window still stays below Shoewise" stacked_above "$window" "$other"
check "Shoewise is still asked to be kept above" has_state "$window" _NET_WM_STATE_ABOVE

xdotool windowminimize "$window"
check "minimising makes it iconic" poll 5 iconic "$window"
check "minimising marks it hidden" has_state "$window" _NET_WM_STATE_HIDDEN
wmctrl -i -a "$window"
poll 5 not iconic "$window"
check "restored, it is $expected_size" right_size
check "restored, it stacks above the other window" stacked_above "$window" "$other"
finish
