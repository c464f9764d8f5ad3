#!/usr/bin/env bash
# screen_reader.sh PROGRAM [event|notification]: what a blind user hears. Runs Shoewise under the
# Orca screen reader on a private display with its own session and accessibility buses, speech going
# to a silent sound device, drives it from the keyboard alone and reads Orca's log of what it speaks
# as the transcript.
source "$(dirname "$0")/session.sh"
program=$1
announcement=${2:-notification}  # how the program announces its counts, by Qt's version

require Xvfb dbus-daemon dbus-send xdotool openbox orca speech-dispatcher

start_x 1280x800
start_bus
# Turning the screen reader on writes desktop settings: keep them in memory.
export GSETTINGS_BACKEND=memory
start_a11y_bus
start_wm openbox

# Speech to ALSA's null device: the default sound server is not there and would hang the speech.
speechd=$XDG_CONFIG_HOME/speech-dispatcher
mkdir -p "$speechd"
printf '%s\n' 'AudioOutputMethod "alsa"' 'AudioALSADevice "null"' DisableAutoSpawn >"$speechd/speechd.conf"
spawn "$work/speechd.log" speech-dispatcher --run-single --timeout 0 --config-dir "$speechd" --pid-file "$work/speechd.pid"

# Orca's settings in a folder of its own; its debug log written line by line, to be read as it grows.
mkdir "$work/orca" "$work/bin"
printf 'import orca.debug\norca.debug.debugFile.reconfigure(line_buffering=True)\n' >"$work/orca/orca-customizations.py"
# Orca refuses to start while any other Orca of this user runs, though its message says "for this
# session". Started in a session of its own and shown only the processes in it, it keeps to that, so
# tests running side by side, or the user's own screen reader, do not stop it.
printf '#!/bin/sh\nexec /usr/bin/pgrep -s 0 "$@"\n' >"$work/bin/pgrep"
chmod +x "$work/bin/pgrep"
transcript=$work/orca.log
spawn "$work/orca.out" env PATH="$work/bin:$PATH" setsid orca --user-prefs "$work/orca" --debug-file "$transcript"

# What Orca has said, one utterance a line, and since the last mark. Checks look for the words that
# matter in what Orca says, whatever it adds around them: Orca 43 says "notification" and the text in
# one utterance, Orca 48 and 51 in two; Orca 43 says "push button", Orca 48 and 51 "button".
spoken() { sed -n "s/^.* - SPEECH OUTPUT: '\(.*\)' \?{.*/\1/p" "$transcript" 2>/dev/null; }
mark=0
since_mark() { spoken | tail -n +$((mark + 1)); }
# times TEXT: how many utterances since the mark hold TEXT.
times() { since_mark | grep -cF -- "$1" || true; }
said() { (($(times "$1") > 0)); }
orca_ready() { spoken | grep -q .; }
poll 30 orca_ready || fail "Orca did not start: $(tail -n 20 "$work/orca.out")"
readonly count='Running Count'  # every announcement of the counts starts so

# press KEY...: types the keys, with a fresh mark for what they make Orca say.
press() { mark=$(spoken | wc -l); xdotool key --delay 30 "$@"; }
# await TEXT SECONDS: waits until Orca says TEXT, then SECONDS more for anything it might say after.
await() { poll 10 said "$1" || echo "Orca said instead: $(since_mark | paste -sd '|')" >&2; sleep "$2"; }
# hear TEXT: Orca says TEXT after the last keys, and once: nothing said it twice.
hear() { await "$1" 0.5; check "Orca says \"$1\" once" test "$(times "$1")" -eq 1; }
# hear_last TEXT: after quick presses, the last count Orca says is TEXT, the newest. (Orca 43 reads
# each press's announcement when it comes to it, so it may say the newest count twice.)
hear_last() {
    await "$1" 1
    check "the last count Orca says is the newest, \"$1\"" grep -qF -- "$1" <<<"$(since_mark | grep -F -- "$count" | tail -n1)"
}
# A button Orca names: the name first, the role's word last.
named_button() { since_mark | grep -qE -- "^$1 (push )?button\.?$"; }
said_button() { since_mark | grep -qE -- ' button\.?$'; }
said_any_page() { since_mark | grep -qE ' (panel|page tab)'; }
# tab_to NAME: Tab on until Orca names the push button NAME, as a user listening would. NAME is a
# pattern: 10,J,Q,K,A reads the same as one.
tab_to() {
    local _
    for _ in $(seq 16); do
        press Tab
        poll 5 said_button || true
        named_button "$1" && return 0
    done
    fail "Tab never reached the button $1: $(since_mark | paste -sd '|'); all Orca said: $(spoken | paste -sd '|')"
}
# quiet: waits until Orca has said nothing new for half a second (10 seconds at most), so that all a
# key made it say is in before the next key; on a busy machine Orca may still be speaking.
quiet() {
    local before now _
    before=$(spoken | wc -l)
    for _ in $(seq 20); do
        sleep 0.5
        now=$(spoken | wc -l)
        ((now == before)) && return 0
        before=$now
    done
}
# press_on BUTTON KEY TEXT: Tab to BUTTON, press KEY there, and hear TEXT once.
press_on() { tab_to "$1"; press "$2"; hear "$3"; }
# change_page CAPTION: Ctrl+Tab until Orca names the page; no count is announced on the way.
change_page() {
    local _ heard=""
    for _ in $(seq "$EXPECTED_PAGES"); do
        press ctrl+Tab
        poll 5 said_any_page || true
        quiet
        heard+=$(since_mark)$'\n'
        grep -qF -- "$1" <<<"$heard" && break
    done
    check "Orca names the page \"$1\" when it opens" grep -qF -- "$1" <<<"$heard"
    check "changing to \"$1\" announces no count" lacks "$count" <<<"$heard"
}

start_app "$program"
mark=$(spoken | wc -l)
xdotool windowactivate --sync "$app_window" 2>/dev/null
# The window's title; Orca 43 and 48 add its role, "frame", Orca 51 says the title alone.
hear "Shoewise"

# An integer page: a card by Space, a card by Enter, then undo.
tab_to "8,9"
check "nothing is announced before the first press" lacks "$count" <<<"$(spoken)"
press space
hear "Running Count -22, Cards Left in Shoe 415"
press_on "10,J,Q,K,A" Return "Running Count -23, Cards Left in Shoe 414"
press_on "戻る" space "Running Count -22, Cards Left in Shoe 415"

# A true-count page.
change_page "REKO(Ridiculously Easy KO)"
change_page "４・５カードカウンター"
change_page "Hi-Lo System"
press_on "10,J,Q,K,A" Return "Running Count -0.125, True Count -0.13, Cards Left in Shoe 415"

# An ace page: the aces left come last, where the page shows them.
change_page "Advanced-Omega-II"
press_on "A" space "Running Count 0, True Count 0, Cards Left in Shoe 415, A残数 31"

# A baccarat page, with two quick presses: both count, and the newest count is heard last.
change_page "Baccarat Card Counter Ⅰ"
tab_to "6"
press space space
hear_last "Running Count -0.5, True Count -0.5, Cards Left in Shoe 414, BET ON BANKER"

# Tab walked the whole page and the tab list many times by now.
check "Tab never stops on the tab bar's scroll arrows" lacks 'Scroll (Left|Right)' <<<"$(spoken)"
# An announcement is spoken as it is; only a notification's appearance is introduced as one.
[[ $announcement != event ]] || check "no count is introduced as a notification" lacks '^notification' <<<"$(spoken)"
echo "--- what Orca said:"
spoken
finish
