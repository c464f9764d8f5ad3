#!/usr/bin/env bash
# Installs what is missing, builds Shoewise and runs it. Without a display it runs the program under
# Xvfb, saves a screenshot of the window, says where, and ends.
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
exec bash scripts/xvfb-shot.sh "$shot" "$program"
