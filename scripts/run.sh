#!/usr/bin/env bash
# Installs what is missing, builds Shoewise and runs it. Without a display it runs the program on a
# private Xvfb display with its own session bus, saves a screenshot of the window, says where, and ends.
source "$(dirname "$0")/lib.sh"
cd "$root"

bash scripts/deps.sh run
cmake --preset release >/dev/null
cmake --build --preset release --target shoewise

program="$root/build/release/app/shoewise"
if [[ -n "${DISPLAY:-}" || -n "${WAYLAND_DISPLAY:-}" ]]; then
    exec "$program"
fi

shot="$root/build/screenshots/shoewise.png"
mkdir -p "$(dirname "$shot")"
begin_session
start_x 1280x800
start_bus
start_app "$program"
sleep 1  # let the first frames be painted
import -window "$app_window" "$shot"
echo "Screenshot of the window: $shot"
