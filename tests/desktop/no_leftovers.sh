#!/usr/bin/env bash
# no_leftovers.sh PROGRAM [event|notification]: a desktop test killed mid-run with its process group,
# with no chance to end anything itself, leaves nothing running: not its X server, buses, accessibility
# daemons, speech, screen reader, window manager or program. The screen reader's test, whose Orca runs
# in a session of its own, starts the most of them.
source "$(dirname "$0")/session.sh"
(($$ == 1)) || skip "no PID namespace can be made here"

# Whatever the run starts is in the PID namespace the test makes for itself, and carries the run's
# folder in its environment (TMPDIR; XDG_RUNTIME_DIR and HOME for what is started as a login) or on
# its command line; a program that rewrites both for its title (Orca, on Debian 13) is known by the
# namespace alone. Each is listed with its name and command line.
mark=$work/run
mkdir "$mark"
test_ns=none
marked() {
    local dir
    for dir in /proc/[0-9]*; do
        [[ ${dir#/proc/} != "$BASHPID" ]] || continue
        if [[ $(readlink "$dir/ns/pid" 2>/dev/null) == "$test_ns" ]] || grep -qsF -- "$mark" "$dir/environ" "$dir/cmdline"; then
            echo "${dir#/proc/} $(cat "$dir/comm" 2>/dev/null) $(tr '\0' ' ' 2>/dev/null <"$dir/cmdline" | cut -c1-160)"
        fi
    done
}
# Its own process group and session, of which it is the leader.
spawn "$work/run.log" env TMPDIR="$mark" setsid "$BASH" "$root/tests/desktop/screen_reader.sh" "$@"
run=$!
# Mid-run: the program is up, after every daemon the test starts.
up_or_ended() { ! kill -0 "$run" 2>/dev/null || marked | awk '$2 == "shoewise" {up = 1} END {exit !up}'; }
# The test's namespace: that of unshare's child, the test itself.
in_namespace() {
    local child
    child=$(pgrep -P "$run" | head -n1) && test_ns=$(readlink "/proc/$child/ns/pid") \
        && [[ $test_ns != "$(readlink /proc/self/ns/pid)" ]]
}
poll 10 in_namespace || fail "the screen reader's test made no PID namespace of its own: $(cat "$work/run.log")"
poll 60 up_or_ended || fail "the screen reader's test did not start its program in a minute: $(cat "$work/run.log")"
if ! kill -0 "$run" 2>/dev/null; then
    wait "$run" && status=0 || status=$?
    ((status != 77)) || skip "the screen reader's test: $(cat "$work/run.log")"
    fail "the screen reader's test ended (status $status) before its program was up: $(cat "$work/run.log")"
fi
running=$(marked)
echo "mid-run, the test's processes:"
echo "$running"
for daemon in Xvfb dbus-daemon at-spi-bus-launcher at-spi2-registryd openbox speech-dispatcher orca; do
    check "mid-run, $daemon runs" grep -q "[ /]$daemon\( \|$\)" <<<"$running"
done

{ kill -KILL -- "-$run" && wait "$run"; } 2>/dev/null || true  # without the shell's notice of the kill
none_left() { [[ -z $(marked) ]]; }
check "none of its processes is left" poll 5 none_left
none_left || { echo "left running:" && marked; } >&2
finish
