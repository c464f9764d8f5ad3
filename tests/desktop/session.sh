# shellcheck shell=bash
# Sourced by the desktop tests: the project's shell library, with a session begun, and what the tests
# add to it: an accessibility bus, a window manager or Wayland compositor, the program's window, and
# checks that record every fault before the test fails.
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/lib.sh"

# The test runs again as the first process of a PID namespace of its own, so that however it ends
# (its own end, ctest's time limit, a kill of its process group) the kernel ends every process left
# in it, those that left its process group (Orca in a session of its own, services a bus started, a
# daemon that forks) included. --kill-child ends the test when unshare is killed; /proc is the
# namespace's own, for ps and pgrep. Anyone but root makes it in a user namespace, mapped to themselves.
if (($$ != 1)); then
    namespace=(--pid --fork --kill-child --mount-proc)
    # unshare first makes every mount private, which fails where the root is no mount of its own, as in
    # a chroot (autopkgtest's unshare testbed); where no mount is shared, there is nothing to make private.
    [[ ! -r /proc/self/mountinfo ]] || grep -q ' shared:' /proc/self/mountinfo || namespace+=(--propagation unchanged)
    [[ $(id -u) -eq 0 ]] || namespace=(--user --map-current-user "${namespace[@]}")
    shell=("$BASH")
    [[ $- != *x* ]] || shell+=(-x)  # traced, where it was
    if unshare "${namespace[@]}" true 2>/dev/null; then
        exec unshare "${namespace[@]}" "${shell[@]}" "$0" "$@"
    fi
    echo "note: no PID namespace could be made; a daemon that leaves the test's process group outlives a kill of the test" >&2
else
    # A namespace's first process gets only the signals it has a handler for. (unshare itself passes
    # over TERM and INT: they reach the test through its process group, from Ctrl-C or timeout.)
    trap 'exit 129' HUP && trap 'exit 130' INT && trap 'exit 143' TERM
fi
begin_session
# What the user must see, as every test expects it.
source "$root/tests/expected.sh"
# shellcheck disable=SC2034  # read by the tests that source this file
readonly expected_size="${EXPECTED_WINDOW_WIDTH}x$EXPECTED_WINDOW_HEIGHT"  # the window's, as WIDTHxHEIGHT

# Sizes are checked in pixels: a scale from the caller's desktop would change them.
unset QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS QT_ENABLE_HIGHDPI_SCALING QT_SCALE_FACTOR_ROUNDING_POLICY
failures=0

# skip WHY: the test cannot run here. On a developer's machine that lacks a tool it is skipped (77, as
# ctest is told); in CI (CI set) it fails, as every test there must run.
skip() { [[ -z ${CI:-} ]] || fail "cannot run in CI: $*"; echo "SKIP: $*"; exit 77; }
# unavailable SESSION WHY: the session's window manager or compositor is installed, but this release's
# cannot run that session. That is a fact of the release, not a missing tool: skipped in CI too.
# shellcheck source=/dev/null
unavailable() { echo "SKIP: $1: $2 on $(. /etc/os-release && echo "${PRETTY_NAME:-this release}")"; exit 77; }
# require TOOL...: a test that cannot run without them is skipped.
require() {
    local missing=() tool
    for tool; do command -v "$tool" >/dev/null 2>&1 || missing+=("$tool"); done
    ((${#missing[@]} == 0)) || skip "not installed: ${missing[*]}"
}

# check DESCRIPTION COMMAND...: records a failed check and goes on, so one run shows every fault.
check() { if "${@:2}"; then echo "ok: $1"; else echo "FAIL: $1" >&2 && failures=$((failures + 1)); fi; }

# not COMMAND...: true where COMMAND fails, for check and poll.
not() { ! "$@"; }
# lacks REGEX [FILE]: no line of FILE, or of standard input, matches REGEX.
lacks() { ! grep -qE "$@"; }
# fixes_size HINTS WIDTH HEIGHT: WM_NORMAL_HINTS, as xprop prints them, fix the size at WIDTHxHEIGHT.
fixes_size() { grep -q "minimum size: $2 by $3" <<<"$1" && grep -q "maximum size: $2 by $3" <<<"$1"; }
# window_size ID: an X window's size, as WIDTHxHEIGHT.
window_size() { xwininfo -id "$1" | awk '/^  Width:/ {w=$2} /^  Height:/ {h=$2} END {print w "x" h}'; }

finish() { ((failures == 0)) || fail "$failures check(s) failed"; echo "all checks passed"; }

# spawn LOG COMMAND...: COMMAND in the background, its output in LOG, ended with the session; $! is its id.
spawn() { "${@:2}" >"$1" 2>&1 & started+=($!); }

# The accessibility bus and its registry, found by Qt, pyatspi and Orca through org.a11y.Bus on the
# session bus.
a11y_bus() {
    dbus-send --session --print-reply=literal --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress \
        2>/dev/null | tr -d ' '
}
start_a11y_bus() {
    local bus registry launcher=/usr/libexec/at-spi-bus-launcher
    [[ -x $launcher ]] || skip "at-spi2-core is not installed"
    spawn "$work/launcher.log" "$launcher" --launch-immediately
    poll 10 a11y_bus >/dev/null || fail "the accessibility bus did not start: $(cat "$work/launcher.log")"
    # The bus would start the registry on first use; start it now, so that it is ended by its id too.
    bus=$(a11y_bus)
    dbus-send --bus="$bus" --print-reply --dest=org.freedesktop.DBus / org.freedesktop.DBus.StartServiceByName \
        string:org.a11y.atspi.Registry uint32:0 >/dev/null || fail "the accessibility registry did not start"
    registry=$(dbus-send --bus="$bus" --print-reply=literal --dest=org.freedesktop.DBus / \
        org.freedesktop.DBus.GetConnectionUnixProcessID string:org.a11y.atspi.Registry | awk '{print $NF}')
    started+=("$registry")
}

wm_running() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }

# start_wm KIND: openbox, mutter (GNOME's window manager on X11) or kwin (KDE Plasma's) on the display.
start_wm() {
    local command
    case $1 in
    # openbox sets its check window before it has started; a window mapped in between waits, unmapped, in
    # the queue it has read, until some later event wakes it. It runs --startup's command once started.
    openbox) command=(openbox --sm-disable --startup "touch $work/wm.started") ;;
    mutter)
        # GNOME has dropped its X11 session: a mutter without an X11 mode (Debian unstable's 51) no
        # longer lists it among its options.
        mutter --help 2>&1 | grep -Eq '^ +--x11( |$)' \
            || unavailable "GNOME on X11" "$(mutter --version 2>&1 | head -n1) has no X11 mode"
        command=(mutter --x11 --replace --sm-disable)
        ;;
    kwin) command=(kwin_x11 --replace) ;;
    *) fail "no such window manager: $1" ;;
    esac
    spawn "$work/wm.log" "${command[@]}"
    poll 20 wm_running || fail "$1 did not start: $(cat "$work/wm.log")"
    [[ $1 != openbox ]] || poll 20 test -e "$work/wm.started" || fail "openbox did not finish starting: $(cat "$work/wm.log")"
}

# announced_display COMPOSITOR SECONDS: the XWayland display and credentials that the program the
# compositor started wrote down in compositor.env, once it has.
announced_display() {
    poll "$2" test -s "$work/compositor.env" || fail "$1 did not start: $(cat "$work/compositor.log")"
    export DISPLAY XAUTHORITY
    DISPLAY=$(sed -n 's/^DISPLAY=//p' "$work/compositor.env")
    XAUTHORITY=$(sed -n 's/^XAUTHORITY=//p' "$work/compositor.env")
    [[ -n $XAUTHORITY ]] || unset XAUTHORITY
}

# start_compositor KIND: mutter (GNOME on Wayland), kwin (KDE Plasma on Wayland) or weston, headless
# on a 1280x800 screen, with an XWayland whose window manager is the compositor. Sets DISPLAY and
# WAYLAND_DISPLAY to its own.
start_compositor() {
    export WAYLAND_DISPLAY=wayland-shoewise  # in the private XDG_RUNTIME_DIR
    unset XAUTHORITY  # the caller's, for another display
    local kwin status=0
    # Mutter and KWin tell their XWayland's display and credentials only to the programs they start
    # once it is up: this one writes them down, then stays for as long as its compositor runs.
    # shellcheck disable=SC2016  # expanded by the script written
    printf '#!/bin/sh\nenv >"$1.part" && mv "$1.part" "$1" && exec tail --pid="$PPID" -f /dev/null\n' >"$work/announce"
    chmod +x "$work/announce"
    case $1 in
    mutter)
        spawn "$work/compositor.log" mutter --wayland --headless --virtual-monitor 1280x800 \
            --wayland-display="$WAYLAND_DISPLAY" -- sh "$work/announce" "$work/compositor.env"
        announced_display mutter 20
        ;;
    kwin)
        # Debian gives kwin_wayland a file capability (to raise its open file limit) that a container
        # may keep from every program, which then cannot even be started: a copy without it runs the
        # same, with the limit it has.
        kwin=kwin_wayland
        kwin_wayland --version >/dev/null 2>&1 || status=$?
        if ((status == 126)); then
            cp "$(command -v kwin_wayland)" "$work/kwin_wayland"
            kwin=$work/kwin_wayland
        fi
        # Its XWayland listens in the X servers' folder, which KWin does not make itself (X servers
        # and the system's start-up do).
        [[ -d /tmp/.X11-unix ]] || mkdir -m 1777 /tmp/.X11-unix || fail "/tmp/.X11-unix could not be made"
        local private=()
        # KWin's XWayland refuses that folder unless root or the user owns it; in the user namespace a
        # user who is not root runs the test in, root's folder is owned by no one mapped. KWin then runs
        # in namespaces of its own, as their root, with a folder of its own there; its X server is
        # reached through its abstract socket, which is the same in every mount namespace.
        if [[ ! -O /tmp/.X11-unix && $(stat -c %u /tmp/.X11-unix) -ne 0 ]]; then
            # shellcheck disable=SC2016  # expanded by the inner shell
            private=(unshare --user --map-root-user --mount sh -c
                'mount -t tmpfs -o mode=1777 shoewise-x11 /tmp/.X11-unix && exec "$@"' _)
        fi
        spawn "$work/compositor.log" env -u DISPLAY -u WAYLAND_DISPLAY "${private[@]}" "$kwin" --virtual --xwayland \
            --width 1280 --height 800 --socket "$WAYLAND_DISPLAY" "'$work/announce' '$work/compositor.env'"
        announced_display kwin_wayland 30
        ;;
    weston)
        spawn /dev/null weston --backend=headless-backend.so --width=1280 --height=800 --xwayland \
            --socket="$WAYLAND_DISPLAY" --log="$work/compositor.log"
        poll 20 grep -q 'xserver listening on display' "$work/compositor.log" 2>/dev/null \
            || fail "weston did not start: $(cat "$work/compositor.log")"
        export DISPLAY
        DISPLAY=$(sed -n 's/.*xserver listening on display \(:[0-9]*\).*/\1/p' "$work/compositor.log" | tail -n1)
        ;;
    *) fail "no such compositor: $1" ;;
    esac
}

# start_session KIND: a desktop of the test's own on a 1280x800 screen, its X11 windows on DISPLAY:
# openbox, mutter-x11 (GNOME on X11) or kwin-x11 (KDE Plasma on X11) on Xvfb; mutter-wayland (GNOME on
# Wayland), kwin-wayland (KDE Plasma on Wayland) or weston on their own XWayland.
start_session() {
    local desktop compositor
    require dbus-daemon xprop xdotool
    case $1 in
    openbox | mutter-x11 | kwin-x11)
        desktop=${1%-x11}
        require Xvfb "${desktop/kwin/kwin_x11}"
        start_x 1280x800
        start_bus
        start_wm "$desktop"
        login=(XDG_SESSION_TYPE=x11)
        ;;
    mutter-wayland | kwin-wayland | weston)
        compositor=${1%-wayland}
        require "${compositor/kwin/kwin_wayland}" Xwayland
        start_bus
        start_compositor "$compositor"
        login=(XDG_SESSION_TYPE=wayland "WAYLAND_DISPLAY=$WAYLAND_DISPLAY")
        [[ -z ${XAUTHORITY:-} ]] || login+=("XAUTHORITY=$XAUTHORITY")
        ;;
    *) fail "no such session: $1" ;;
    esac
    case $1 in
    mutter-*) login+=(XDG_CURRENT_DESKTOP=GNOME) ;;
    kwin-*) login+=(XDG_CURRENT_DESKTOP=KDE) ;;
    esac
    mkdir -m 700 "$work/home"
    # A desktop session always has a UTF-8 locale; C.UTF-8 is the one every Debian system has.
    login+=("HOME=$work/home" "PATH=$PATH" "DISPLAY=$DISPLAY" "XDG_RUNTIME_DIR=$XDG_RUNTIME_DIR"
        LANG=C.UTF-8)
}
