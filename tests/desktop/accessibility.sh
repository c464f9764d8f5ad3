#!/usr/bin/env bash
# accessibility.sh PROGRAM TESTS: on a private display, session bus and accessibility bus, with Qt's
# AT-SPI bridge on, runs the in-process announcement tests, which need the bridge, then runs Shoewise
# and checks it from outside the process with atspi_check.py.
here=$(cd "$(dirname "$0")" && pwd)
source "$here/session.sh"
program=$1 tests=$2
launcher=/usr/libexec/at-spi-bus-launcher

require Xvfb dbus-daemon dbus-send xdotool
[[ -x $launcher ]] || { echo "SKIP: at-spi2-core is not installed"; exit "$SKIP"; }
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || { echo "SKIP: python3-pyatspi is not installed"; exit "$SKIP"; }

start_x 1280x800
start_bus
# The accessibility bus, found by Qt and pyatspi through org.a11y.Bus on the session bus.
"$launcher" --launch-immediately >"$work/launcher.log" 2>&1 &
started+=($!)
a11y_bus() {
    dbus-send --session --print-reply=literal --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress \
        2>/dev/null | tr -d ' '
}
poll 10 a11y_bus >/dev/null || fail "the accessibility bus did not start: $(cat "$work/launcher.log")"

export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
check "the in-process announcement tests pass with the bridge on" \
    env SHOEWISE_REQUIRE_ACCESSIBILITY=1 QT_QPA_PLATFORM=xcb "$tests" --gtest_brief=1
# By now the accessibility bus has started its registry daemon; end that too, by its id, at the end.
registry=$(dbus-send --bus="$(a11y_bus)" --print-reply=literal --dest=org.freedesktop.DBus / \
    org.freedesktop.DBus.GetConnectionUnixProcessID string:org.a11y.atspi.Registry 2>/dev/null | awk '{print $NF}' || true)
if [[ -n $registry ]]; then started+=("$registry"); fi
start_app "$program"
check "seen through AT-SPI, Shoewise names its controls and announces its changes" \
    /usr/bin/python3 "$here/atspi_check.py"
finish
