#!/usr/bin/env bash
# xvfb-shot.sh OUTPUT.png PROGRAM [ARGS...]: runs PROGRAM on a private Xvfb display with its own
# session bus, waits for its window "Shoewise", saves a screenshot of that window and stops it all.
set -euo pipefail
shot=$1
shift

mkdir -p "$(dirname "$shot")"

# The server picks a free display number itself and tells it.
displayfile=$(mktemp)
Xvfb -displayfd 3 -screen 0 1280x800x24 -noreset -nolisten tcp 3>"$displayfile" >/dev/null 2>&1 &
xvfb=$!
bus=""
app=""
cleanup() {
    [[ -n "$app" ]] && kill "$app" 2>/dev/null || true
    [[ -n "$bus" ]] && kill "$bus" 2>/dev/null || true
    kill "$xvfb" 2>/dev/null || true
    rm -f "$displayfile"
}
trap cleanup EXIT
for _ in $(seq 100); do [[ -s $displayfile ]] && break; sleep 0.1; done
[[ -s $displayfile ]] || { echo "Xvfb did not start." >&2; exit 1; }
export DISPLAY=:$(head -n1 "$displayfile")

# A session bus of our own, so that nothing autolaunches a daemon that outlives us.
read -r address bus < <(dbus-daemon --session --fork --print-address=1 --print-pid=1 | paste -sd ' ')
export DBUS_SESSION_BUS_ADDRESS=$address

"$@" &
app=$!
window=""
for _ in $(seq 100); do
    window=$(xwininfo -root -tree 2>/dev/null | awk '/"Shoewise": \("shoewise"/ {print $1; exit}')
    [[ -n "$window" ]] && break
    sleep 0.1
done
if [[ -z "$window" ]]; then
    echo "The window did not appear." >&2
    exit 1
fi
sleep 1  # let the first frames be painted
import -window "$window" "$shot"
echo "Screenshot of the window: $shot"
