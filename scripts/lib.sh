# shellcheck shell=bash
# The project's shell library, sourced by every script and, through tests/desktop/session.sh, by every
# shell test: strict mode, the source folder ($root), running as root, and a session of the script's
# own (a work folder, an X server, a bus, the program's window) that ends with it.
set -euo pipefail
# shellcheck disable=SC2034  # read by the scripts that source this file
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

# as_root COMMAND...: COMMAND as root, through sudo where the script does not run as root.
as_root() { if ((EUID)); then sudo "$@"; else "$@"; fi; }
fail() { echo "FAIL: $*" >&2; exit 1; }

# step WHAT COMMAND...: COMMAND, and how long it took.
step() {
    local start=$SECONDS
    printf '== %s\n' "$1"
    "${@:2}"
    printf '== %s: %d s\n' "$1" $((SECONDS - start))
}

# archive_sources SUITE PREFIX: the machine's Debian archive entries with SUITE's name for its release's,
# written to PREFIX-<list's name> and named in $sources for mmdebstrap, with SUITE's apt options in
# $aptopts; SUITE's archive keys installed first where missing (Debian 12 has 13's only from a stable
# update on). Unstable (sid) has the archive alone, no updates or security suites, and the one reached
# here is a snapshot past its Valid-Until date, which apt takes only when told (the root keeps that).
sources=() aptopts=()
# shellcheck disable=SC2034  # both read by the scripts that source this file
archive_sources() {
    local suite=$1 prefix=$2 host list uri
    if [[ $suite != sid && ! -f /usr/share/keyrings/debian-archive-$suite-stable.gpg ]]; then
        as_root apt-get update -qq
        as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq debian-archive-keyring >/dev/null
    fi
    # shellcheck source=/dev/null
    host=$(. /etc/os-release && echo "$VERSION_CODENAME")
    sources=() aptopts=()
    for list in /etc/apt/sources.list /etc/apt/sources.list.d/debian.sources; do
        [[ -f $list ]] || continue
        grep -Eq '^[^#]*(deb|Types:)' "$list" || continue
        if [[ $suite == sid ]]; then
            uri=$(awk '/^(URIs:|deb) / && $2 !~ /security/ {print $2; exit}' "$list")
            [[ -n $uri ]] || continue
            echo "deb $uri sid main" >"$prefix-sid.list"
            sources+=("$prefix-sid.list")
            aptopts=(--aptopt='Acquire::Check-Valid-Until "false"')
            break
        fi
        sed -E "s/\\b$host\\b/$suite/g" "$list" >"$prefix-${list##*/}"
        sources+=("$prefix-${list##*/}")
    done
    ((${#sources[@]})) || fail "no Debian archive entries in /etc/apt"
}

# Every Debian root the scripts use (sbuild's, piuparts's, autopkgtest's, root.sh's) is made by
# root_tarball, of the machine's architecture, and kept in $cache as RELEASE-KIND-KEY.EXT, KEY a hash of
# all that goes into it (release, mmdebstrap's options, archive entries, the files copy-in hooks copy).
# One rule renews them: made again when the key changes or a week on; each use updates its copy.
cache=${XDG_CACHE_HOME:-$HOME/.cache}/shoewise
# root_tarball KIND.EXT RELEASE [MMDEBSTRAP OPTIONS...]: prints the tarball's path, made first where
# there is none to reuse; EXT, tar or tar.gz, is the format (piuparts reads only gzip's).
root_tarball() {
    local kind=${1%%.*} ext=${1#*.} suite=$2 key file option words part old lock
    shift 2
    mkdir -p "$cache"
    # One maker of a release's roots at a time: another script wanting the same root, made beside it
    # (.ci/run), waits for it rather than makes it twice.
    exec {lock}>"$cache/$suite.lock"
    flock "$lock"
    archive_sources "$suite" "$cache/$suite" >&2
    # A copy-in hook counts by what it copies, not where from: every checkout makes the same root.
    key=$({
        printf '%s\n' "$suite" "$(dpkg --print-architecture)"
        for option; do
            if [[ $option == --*hook=copy-in\ * ]]; then
                read -ra words <<<"${option#*=copy-in }"
                echo "copy-in to ${words[-1]}"
                cat "${words[@]:0:${#words[@]}-1}"
            else
                printf '%s\n' "$option"
            fi
        done
        cat "${sources[@]}"
    } | sha256sum | cut -c1-12)
    file=$cache/$suite-$kind-$key.$ext
    if [[ -z $(find "$file" -mtime -7 2>/dev/null) ]]; then
        echo "== making the $suite $kind root into $file" >&2
        # mmdebstrap takes the format from the name's ending.
        part=$cache/making-$suite-$kind.$ext
        rm -f "$part"
        mmdebstrap --quiet "${aptopts[@]}" "$@" "$suite" "$part" "${sources[@]}" >&2 ||
            { rm -f "$part"; fail "mmdebstrap could not make the $suite $kind root"; }
        mv "$part" "$file"
        for old in "$cache/$suite-$kind-"*".$ext"; do [[ $old == "$file" ]] || rm -f "$old"; done
    fi
    exec {lock}>&-
    echo "$file"
}

# Work beside a script's own steps, each in a session of its own, so that ending its process group ends
# all it started: $beside maps each one's id to its name, log and start.
declare -A beside=()
# beside NAME LOG COMMAND...: COMMAND started beside, its output in LOG; $! is its id.
beside() { setsid "${@:3}" >"$2" 2>&1 & beside[$!]="$1|$2|$EPOCHSECONDS"; }
# wait_beside: waits for all of it, saying how long each took; the first to fail fails the script with
# its log's tail.
wait_beside() {
    local pid status name log start
    while ((${#beside[@]})); do
        status=0
        wait -n -p pid "${!beside[@]}" || status=$?
        IFS='|' read -r name log start <<<"${beside[$pid]}"
        unset "beside[$pid]"
        ((status == 0)) || { tail -n 60 "$log"; fail "$name failed: $log"; }
        # It may have ended long before: its log's last change says when.
        printf '== %s: %d s\n' "$name" $(($(stat -c %Y "$log") - start))
    done
}
# end_beside: ends what still runs, as the script exits.
end_beside() {
    local pid
    for pid in "${!beside[@]}"; do
        kill -TERM -- "-$pid" 2>/dev/null || true
        poll 10 not_running "-$pid" || kill -KILL -- "-$pid" 2>/dev/null || true
    done
    wait
}

# use_ccache: test builds compile through ccache, beside the roots, so that what another clone or the
# commit before compiled alike is not compiled again (the folder left out of its keys: only the tests
# read their debugging paths). The release check's second builds never do, so that it compares a build
# through the cache with the compiler's own output.
use_ccache() {
    export CMAKE_C_COMPILER_LAUNCHER=ccache CMAKE_CXX_COMPILER_LAUNCHER=ccache CCACHE_DIR=$cache/ccache \
        CCACHE_BASEDIR=$root CCACHE_NOHASHDIR=1
}

# poll SECONDS COMMAND...: true as soon as COMMAND succeeds, false if it never does in time.
poll() {
    for _ in $(seq $(($1 * 10))); do
        "${@:2}" && return 0
        sleep 0.1
    done
    return 1
}

# begin_session: a work folder of the script's own ($work); when the script exits, every process it
# started for the session ($started) is ended, last first, by the id it was started with, and the
# folder goes. Where the script is the first process of a PID namespace (tests/desktop/session.sh),
# whatever else still runs in it, such as a service a bus started, is asked to end too, before the
# kernel kills it with the namespace.
work=""
started=()
begin_session() {
    work=$(mktemp -d "${TMPDIR:-/tmp}/shoewise-session.XXXXXX")
    trap end_session EXIT
}
end_session() {
    local i pid
    for ((i = ${#started[@]} - 1; i >= 0; i--)); do
        pid=${started[i]}
        kill "$pid" 2>/dev/null || true
        # Waited for only once it is gone or killed: waiting at once would hang on one that ignores
        # the request.
        poll 5 not_running "$pid" || kill -KILL "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true  # reaps it if it is this shell's own child
    done
    if (($$ == 1)) && kill -TERM -1 2>/dev/null; then poll 2 not_running -1 || true; fi
    rm -rf "$work"
}
# not_running PID: no such process, or (-1) no other process in this one's PID namespace.
not_running() { ! kill -0 "$1" 2>/dev/null; }

# start_x WIDTHxHEIGHT: an X server on a display number it picks itself, so parallel sessions never
# clash.
start_x() {
    Xvfb -displayfd 3 -screen 0 "$1x24" -noreset -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
    started+=($!)
    poll 10 test -s "$work/display" || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
    DISPLAY=":$(head -n1 "$work/display")" && export DISPLAY
}

# start_bus: a session bus of the session's own, so that nothing autolaunches a daemon that outlives
# it. It stays in the script's process group, not forking away, so that a kill of the group ends it too.
start_bus() {
    mkdir -m 700 "$work/runtime" "$work/config"
    export XDG_RUNTIME_DIR=$work/runtime XDG_CONFIG_HOME=$work/config
    # Where a login's bus is found without DBUS_SESSION_BUS_ADDRESS, as by a program started with `login`.
    # It prints its address once it takes connections.
    dbus-daemon --session --nofork --print-address=3 --address="unix:path=$XDG_RUNTIME_DIR/bus" \
        3>"$work/bus" >"$work/bus.log" 2>&1 &
    started+=($!)
    poll 10 test -s "$work/bus" || fail "the session bus did not start: $(cat "$work/bus.log")"
    DBUS_SESSION_BUS_ADDRESS=$(head -n1 "$work/bus") && export DBUS_SESSION_BUS_ADDRESS
    unset AT_SPI_BUS_ADDRESS
}

# not_shown WHAT LOG: fails, as WHAT did not appear, with LOG and what the X server and its window
# manager show at that moment.
not_shown() {
    {
        echo "-- what $DISPLAY shows: every window with a name or class: its map state, name, class, place"
        local id rest
        xwininfo -root -tree 2>&1 | grep -E '^ +0x[0-9a-f]+ ' | grep -vF '(has no name): ()' |
            while read -r id rest; do
                echo "$id $(xwininfo -id "$id" 2>/dev/null | awk '/Map State:/ {print $3}') $rest"
            done || true
        echo "-- what the window manager shows: its check window, the windows it manages, the active one"
        xprop -root _NET_SUPPORTING_WM_CHECK _NET_CLIENT_LIST_STACKING _NET_ACTIVE_WINDOW 2>&1 || true
        [[ ! -s $work/wm.log ]] || { echo "-- the window manager's output" && cat "$work/wm.log"; }
        echo "-- the processes"
        # Not the kernel's threads, named in brackets: in a PID namespace, process 2 is no kernel thread.
        ps -e -o pid,ppid,stat,etime,args 2>&1 | awk 'NR == 1 || $5 !~ /^\[/' | cut -c1-200 || true
    } >&2
    fail "$1 did not appear: $(cat "$2")"
}

# start_app PROGRAM [ARGS...]: runs it on the private display, as a login to the session would where
# there is one (the login's environment in $login), and sets $app_pid and $app_window.
login=()
# shellcheck disable=SC2034  # read by the scripts that source this file
app_window="" app_pid=""
# The visible window of the program's class that is titled Shoewise: a window manager may title the
# frame it draws around the window after it, in a client of its own (mutter 48 does). The class is
# the program's file name, shoewise.exe under Wine.
find_app_window() {
    local window
    for window in $(xdotool search --onlyvisible --classname '^shoewise(\.exe)?$' 2>/dev/null); do
        if [[ $(xprop -id "$window" WM_NAME 2>/dev/null) == *' "Shoewise"' ]]; then
            # shellcheck disable=SC2034  # read by the scripts that source this file
            app_window=$window
            return 0
        fi
    done
    return 1
}
start_app() {
    if ((${#login[@]})); then
        env -i "${login[@]}" "$@" >"$work/app.log" 2>&1 &
    else
        QT_QPA_PLATFORM=xcb "$@" >"$work/app.log" 2>&1 &
    fi
    app_pid=$!
    started+=("$app_pid")
    poll 20 find_app_window || not_shown "the Shoewise window" "$work/app.log"
}
