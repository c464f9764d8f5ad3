# Sourced by the desktop tests. Gives a test its own X server, session bus, accessibility bus and
# window manager, and ends each of them, by the process id it was started with, when the test ends.
set -euo pipefail

readonly SKIP=77
# Sizes are checked in pixels: a scale from the caller's desktop would change them.
unset QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS QT_ENABLE_HIGHDPI_SCALING QT_SCALE_FACTOR_ROUNDING_POLICY
work=$(mktemp -d "${TMPDIR:-/tmp}/shoewise-desktop.XXXXXX")
started=()
failures=0

stop_all() {
    local i pid
    for ((i = ${#started[@]} - 1; i >= 0; i--)); do
        pid=${started[i]}
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true  # reaps it if it is this shell's own child
        for _ in $(seq 50); do
            kill -0 "$pid" 2>/dev/null || break
            sleep 0.1
        done
        kill -KILL "$pid" 2>/dev/null || true
    done
    rm -rf "$work"
}
trap stop_all EXIT

# require TOOL...: a test that cannot run without them is skipped, not failed.
require() {
    local missing=() tool
    for tool; do command -v "$tool" >/dev/null 2>&1 || missing+=("$tool"); done
    if ((${#missing[@]})); then
        echo "SKIP: not installed: ${missing[*]}"
        exit "$SKIP"
    fi
}

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# check DESCRIPTION COMMAND...: records a failed check and goes on, so one run shows every fault.
check() {
    local what=$1
    shift
    if "$@"; then
        echo "ok: $what"
    else
        echo "FAIL: $what" >&2
        failures=$((failures + 1))
    fi
}

finish() {
    ((failures == 0)) || fail "$failures check(s) failed"
    echo "all checks passed"
}

# poll SECONDS COMMAND...: true as soon as COMMAND succeeds, false if it never does in time.
poll() {
    local tenths=$(($1 * 10))
    shift
    for _ in $(seq "$tenths"); do
        "$@" && return 0
        sleep 0.1
    done
    return 1
}

# start_x WIDTHxHEIGHT: an X server on a display number it picks itself, so parallel tests never clash.
start_x() {
    Xvfb -displayfd 3 -screen 0 "$1x24" -noreset -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
    started+=($!)
    poll 10 test -s "$work/display" || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
    export DISPLAY=":$(head -n1 "$work/display")"
}

# A session bus of our own, so that nothing autolaunches a daemon that outlives the test.
start_bus() {
    local out
    mkdir -m 700 "$work/runtime" "$work/config"
    export XDG_RUNTIME_DIR=$work/runtime XDG_CONFIG_HOME=$work/config
    out=$(dbus-daemon --session --fork --print-address=1 --print-pid=1)
    started+=("$(sed -n 2p <<<"$out")")
    export DBUS_SESSION_BUS_ADDRESS
    DBUS_SESSION_BUS_ADDRESS=$(sed -n 1p <<<"$out")
    unset AT_SPI_BUS_ADDRESS
}

# The accessibility bus and its registry, found by Qt, pyatspi and Orca through org.a11y.Bus on the
# session bus.
readonly a11y_launcher=/usr/libexec/at-spi-bus-launcher
require_a11y_bus() {
    [[ -x $a11y_launcher ]] || { echo "SKIP: at-spi2-core is not installed"; exit "$SKIP"; }
}
a11y_bus() {
    dbus-send --session --print-reply=literal --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress \
        2>/dev/null | tr -d ' '
}
start_a11y_bus() {
    local bus registry
    "$a11y_launcher" --launch-immediately >"$work/launcher.log" 2>&1 &
    started+=($!)
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

start_wm() {
    openbox --sm-disable >"$work/openbox.log" 2>&1 &
    started+=($!)
    poll 10 wm_running || fail "openbox did not start: $(cat "$work/openbox.log")"
}

# start_app PROGRAM [ARGS...]: runs it on the private display and sets $app_pid and $app_window.
app_window=""
find_app_window() {
    app_window=$(xdotool search --onlyvisible --pid "$app_pid" --name '^Shoewise$' 2>/dev/null | head -n1)
    [[ -n $app_window ]]
}
start_app() {
    QT_QPA_PLATFORM=xcb "$@" >"$work/app.log" 2>&1 &
    app_pid=$!
    started+=("$app_pid")
    poll 20 find_app_window || fail "the Shoewise window did not appear: $(cat "$work/app.log")"
}
