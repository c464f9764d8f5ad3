# The project's shell library, sourced by every script and, through tests/desktop/session.sh, by every
# shell test: strict mode, the source folder ($root), running as root, and a session of the script's
# own (a work folder, an X server, a bus) that ends with it.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

# as_root COMMAND...: COMMAND as root, through sudo where the script does not run as root.
as_root() {
    if [[ $(id -u) -eq 0 ]]; then
        "$@"
    else
        sudo "$@"
    fi
}

fail() {
    echo "FAIL: $*" >&2
    exit 1
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

# begin_session: a work folder of the script's own ($work); when the script exits, every process it
# started for the session ($started) is ended, last first, by the id it was started with, and the
# folder goes.
work=""
started=()
begin_session() {
    work=$(mktemp -d "${TMPDIR:-/tmp}/shoewise-session.XXXXXX")
    trap end_session EXIT
}
end_session() {
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

# start_x WIDTHxHEIGHT: an X server on a display number it picks itself, so parallel sessions never
# clash.
start_x() {
    Xvfb -displayfd 3 -screen 0 "$1x24" -noreset -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
    started+=($!)
    poll 10 test -s "$work/display" || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
    export DISPLAY=":$(head -n1 "$work/display")"
}

# start_bus: a session bus of the session's own, so that nothing autolaunches a daemon that outlives
# it.
start_bus() {
    local out
    mkdir -m 700 "$work/runtime" "$work/config"
    export XDG_RUNTIME_DIR=$work/runtime XDG_CONFIG_HOME=$work/config
    # Where a login's bus is found without DBUS_SESSION_BUS_ADDRESS, as by a program started with `login`.
    out=$(dbus-daemon --session --fork --print-address=1 --print-pid=1 --address="unix:path=$XDG_RUNTIME_DIR/bus")
    started+=("$(sed -n 2p <<<"$out")")
    export DBUS_SESSION_BUS_ADDRESS
    DBUS_SESSION_BUS_ADDRESS=$(sed -n 1p <<<"$out")
    unset AT_SPI_BUS_ADDRESS
}
