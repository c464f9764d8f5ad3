#!/usr/bin/env bash
# screen_reader.sh PROGRAM: what a blind user hears. Runs Shoewise under the Orca screen reader on a
# private display with its own session and accessibility buses, speech going to a silent sound device,
# drives it from the keyboard alone and reads Orca's log of what it speaks as the transcript.
here=$(cd "$(dirname "$0")" && pwd)
source "$here/session.sh"
program=$1

require Xvfb dbus-daemon dbus-send xdotool openbox orca speech-dispatcher
require_a11y_bus

start_x 1280x800
start_bus
# Turning the screen reader on writes desktop settings: keep them in memory.
export GSETTINGS_BACKEND=memory
start_a11y_bus
start_wm openbox

# Speech to ALSA's null device: the default sound server is not there and would hang the speech.
mkdir -p "$XDG_CONFIG_HOME/speech-dispatcher"
cat >"$XDG_CONFIG_HOME/speech-dispatcher/speechd.conf" <<'CONF'
AudioOutputMethod "alsa"
AudioALSADevice "null"
DisableAutoSpawn
CONF
speech-dispatcher --run-single --timeout 0 --config-dir "$XDG_CONFIG_HOME/speech-dispatcher" \
    --pid-file "$work/speechd.pid" >"$work/speechd.log" 2>&1 &
started+=($!)

# Orca's settings in a folder of its own; its debug log written line by line, to be read as it grows.
mkdir "$work/orca"
cat >"$work/orca/orca-customizations.py" <<'PY'
import orca.debug
orca.debug.debugFile.reconfigure(line_buffering=True)
PY
# Orca refuses to start while any other Orca of this user runs, though its message says "for this
# session". Started in a session of its own and shown only the processes in it, it keeps to that, so
# tests running side by side, or the user's own screen reader, do not stop it.
mkdir "$work/bin"
cat >"$work/bin/pgrep" <<'SH'
#!/bin/sh
exec /usr/bin/pgrep -s 0 "$@"
SH
chmod +x "$work/bin/pgrep"
transcript=$work/orca.log
PATH=$work/bin:$PATH setsid orca --user-prefs "$work/orca" --debug-file "$transcript" >"$work/orca.out" 2>&1 &
started+=($!)

# What Orca has said, one utterance a line, and since the last mark.
spoken() { sed -n "s/^.* - SPEECH OUTPUT: '\(.*\)' \?{.*/\1/p" "$transcript" 2>/dev/null; }
mark=0
since_mark() { spoken | tail -n +$((mark + 1)); }
said() { since_mark | grep -qxF "$1"; }
said_any() { since_mark | grep -q "$1"; }
# none_match PATTERN TEXT: no line of TEXT matches PATTERN.
none_match() { ! grep -q "$1" <<<"$2"; }
orca_ready() { spoken | grep -q .; }
poll 30 orca_ready || fail "Orca did not start: $(tail -n 20 "$work/orca.out")"

# press KEY...: types the keys, with a fresh mark for what they make Orca say.
press() {
    mark=$(spoken | wc -l)
    xdotool key --delay 30 "$@"
}
# hear TEXT: Orca says TEXT, as one utterance, after the last keys.
hear() {
    poll 10 said "$1" || echo "Orca said instead: $(since_mark | paste -sd '|')" >&2
    check "Orca says \"$1\"" said "$1"
}
# tab_to NAME: Tab on until Orca names the push button NAME, as a user listening would.
tab_to() {
    local _
    for _ in $(seq 16); do
        press Tab
        poll 5 said_any ' push button\.$' || true
        said "$1 push button." && return 0
    done
    fail "Tab never reached the button $1: $(since_mark | paste -sd '|')"
}
# change_page CAPTION: Ctrl+Tab until Orca names the page; no count is announced on the way.
change_page() {
    local _ heard=""
    for _ in $(seq 14); do
        press ctrl+Tab
        poll 5 said_any ' panel\.$' || true
        heard+=$(since_mark)$'\n'
        said "$1 panel." && break
    done
    check "Orca names the page \"$1\" when it opens" said "$1 panel."
    check "changing to \"$1\" announces no count" none_match '^notification' "$heard"
}

start_app "$program"
mark=$(spoken | wc -l)
xdotool windowactivate --sync "$app_window" 2>/dev/null
hear "Shoewise frame."

# An integer page: a card by Space, a card by Enter, then undo.
tab_to "8,9"
check "nothing is announced before the first press" none_match '^notification' "$(spoken)"
press space
hear "notification Running Count -22, Cards Left in Shoe 415."
tab_to "10,J,Q,K,A"
press Return
hear "notification Running Count -23, Cards Left in Shoe 414."
tab_to "戻る"
press space
hear "notification Running Count -22, Cards Left in Shoe 415."

# A true-count page.
change_page "REKO(Ridiculously Easy KO)"
change_page "４・５カードカウンター"
change_page "Hi-Lo System"
tab_to "10,J,Q,K,A"
press Return
hear "notification Running Count -0.125, True Count -0.13, Cards Left in Shoe 415."

# An ace page: the aces left come last, where the page shows them.
change_page "Advanced-Omega-II"
tab_to "A"
press space
hear "notification Running Count 0, True Count 0, Cards Left in Shoe 415, A残数 31."

# A baccarat page, with two quick presses: both count.
change_page "Baccarat Card Counter Ⅰ"
tab_to "6"
press space space
hear "notification Running Count -0.5, True Count -0.5, Cards Left in Shoe 414, BET ON BANKER."

# Tab walked the whole page and the tab list many times by now.
check "Tab never stops on the tab bar's scroll arrows" none_match '^Scroll' "$(spoken)"
echo "--- what Orca said:"
spoken
finish
