#!/usr/bin/env bash
# xvfb-shot.sh OUTPUT.png PROGRAM [ARGS...]: runs PROGRAM on a private Xvfb display with its own
# session bus, waits for its window "Shoewise", saves a screenshot of that window and stops it all.
source "$(dirname "$0")/lib.sh"
shot=$1
shift
begin_session

mkdir -p "$(dirname "$shot")"
start_x 1280x800
start_bus
start_app "$@"
sleep 1  # let the first frames be painted
import -window "$app_window" "$shot"
echo "Screenshot of the window: $shot"
