#!/usr/bin/env bash
# weston.sh PROGRAM: in a session of Weston, the reference Wayland compositor, Shoewise started as a
# login would start it comes up on XWayland, where a window manager can keep it on top, and says
# nothing. Asked for Wayland, it comes up as a Wayland client of its fixed size and says, in one line,
# that keeping it on top is left to the compositor.
source "$(dirname "$0")/session.sh"
program=$1
notice='Shoewise: on Wayland, keeping this window above other windows is left to the compositor'
start_session weston

start_app "$program"
check "on its own it comes up on XWayland, as the window \"Shoewise\"" test -n "$app_window"
check "on XWayland it writes nothing" test ! -s "$work/app.log"

# Every request the client makes and every event it gets are logged, so the log shows the toplevel.
spawn "$work/wayland.log" env -i "${login[@]}" QT_QPA_PLATFORM=wayland WAYLAND_DEBUG=client "$program"
wayland_pid=$!
# An object is written interface@id up to libwayland 1.22, interface#id from 1.23.
configured() { grep -Eq 'xdg_toplevel[@#][0-9]+\.configure\(' "$work/wayland.log"; }
check "asked for Wayland, its toplevel is configured by the compositor" poll 20 configured
check "the toplevel is titled Shoewise" grep -qF '.set_title("Shoewise")' "$work/wayland.log"
size="$EXPECTED_WINDOW_WIDTH, $EXPECTED_WINDOW_HEIGHT"
fixed() { grep -qF ".set_min_size($size)" "$work/wayland.log" && grep -qF ".set_max_size($size)" "$work/wayland.log"; }
check "the toplevel is fixed at $expected_size" fixed
sleep 1
check "it keeps running" kill -0 "$wayland_pid"
check "it opened no X11 window" test -z "$(xdotool search --pid "$wayland_pid" 2>/dev/null)"
# Lines of the protocol log start with a time stamp in brackets; the rest is the program's own.
own=$(grep -v '^\[' "$work/wayland.log" || true)
echo "on Wayland it wrote: $own"
check "on Wayland it writes the one line of notice and nothing else" test "$own" = "$notice"
finish
