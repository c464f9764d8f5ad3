#!/usr/bin/env bash
# accessibility.sh PROGRAM TESTS: on a private display, session bus and accessibility bus, with Qt's
# AT-SPI bridge on, runs Shoewise and checks it from outside the process with atspi_check.py; then
# runs the in-process accessibility tests there too, where an assistive tool is listening.
source "$(dirname "$0")/session.sh"

require Xvfb dbus-daemon dbus-send xdotool
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || skip "python3-pyatspi is not installed"

start_x 1280x800
start_bus
start_a11y_bus
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
start_app "$1"
check "seen through AT-SPI, Shoewise names its controls and renames its value labels" \
    /usr/bin/python3 "$root/tests/desktop/atspi_check.py"
check "with the bridge on, every operation is announced once" \
    env QT_QPA_PLATFORM=xcb SHOEWISE_EXPECT_ACCESSIBLE=1 "$2" --gtest_brief=1
finish
