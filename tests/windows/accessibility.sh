#!/usr/bin/env bash
# accessibility.sh BUILD_DIR: the accessibility tests on Windows' own platform under Wine, on a private
# X display, with Qt's UI Automation bridge brought on as a screen reader brings it on: every operation
# is announced in the form that bridge passes on to screen readers.
source "$(dirname "$0")/../desktop/session.sh"
build=$1
require Xvfb
start_x 1280x800
export SHOEWISE_WINEPREFIX=$build/wine
check "with the bridge on, every operation is announced once, as Qt's announcement event, which that bridge raises as a UI Automation notification" \
    env QT_QPA_PLATFORM=windows SHOEWISE_EXPECT_ACCESSIBLE=1 "$build/wine-run.sh" "$build/accessibility_tests.exe" --gtest_brief=1
WINEPREFIX=$SHOEWISE_WINEPREFIX wineserver --kill
finish
