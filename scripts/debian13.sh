#!/usr/bin/env bash
# debian13.sh COMMAND [ARGS...]: one of the project's commands in a Debian 13 ("trixie") root, as on a
# fresh Debian 13 machine, from a machine of another release (Debian 12, say):
#   run | test | bench | windows [ARGS]
#                               scripts/COMMAND.sh ARGS, in a root that holds what `deps.sh test` and
#                               `deps.sh windows` install
#   package DEB                 installs the package DEB with apt into a clean minimal root, as a user
#                               would, and shows its window there, with a screenshot
#   shell [COMMAND]             a shell in the test root, or COMMAND run by one
# The roots are made with mmdebstrap from Debian's own packages, through the machine's own archive
# entries with the release's name, and kept as tarballs in ~/.cache/shoewise/, named by their package
# list. Each run unpacks a fresh root, brings it up to date with the release's updates, and keeps the
# tarball up to date too. The project folder has the same path inside; its build/ is the root's own
# (build/debian13/ outside). Needs root (or sudo).
source "$(dirname "$0")/lib.sh"
cd "$root"
usage="usage: debian13.sh run|test|bench|windows [ARGS...] | package DEB | shell [COMMAND]"
what=${1:?$usage}
shift
# The whole script runs as root: it mounts and enters roots.
[[ $(id -u) -eq 0 ]] || exec sudo --preserve-env=CI,XDG_CACHE_HOME,SOURCE_DATE_EPOCH,TZ,LC_ALL bash "$0" "$what" "$@"
bash scripts/deps.sh debian13

readonly suite=trixie
# Debian 12's archive keyring carries Debian 13's keys only from one of its stable updates on.
if [[ ! -f /usr/share/keyrings/debian-archive-$suite-stable.gpg ]]; then
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq debian-archive-keyring >/dev/null
fi
cache=${XDG_CACHE_HOME:-$HOME/.cache}/shoewise
mkdir -p "$cache"
log() { printf '== Debian 13: %s\n' "$*"; }

# The machine's own Debian archive entries, with its release's name replaced by the root's.
# shellcheck source=/dev/null
host_suite=$(. /etc/os-release && echo "$VERSION_CODENAME")
sources=()
for list in /etc/apt/sources.list /etc/apt/sources.list.d/debian.sources; do
    [[ -f $list ]] && grep -Eq '^[^#]*(deb|Types:)' "$list" || continue
    out=$cache/debian13-${list##*/}
    sed -E "s/\\b$host_suite\\b/$suite/g" "$list" >"$out"
    sources+=("$out")
done
((${#sources[@]})) || { echo "debian13.sh: no Debian archive entries in /etc/apt" >&2; exit 1; }

# tarball KIND PACKAGES...: the cached root of that kind, made once for its package list.
tarball() {
    local kind=$1 key file
    shift
    key=$( (printf '%s\n' "$suite" "$@" && cat "${sources[@]}") | sha256sum | cut -c1-12)
    file=$cache/debian13-$kind-$key.tar
    if [[ ! -f $file ]]; then
        log "making the $kind root once, into $file" >&2
        rm -f "$cache/debian13-$kind-"*.tar
        local include=()
        (($#)) && include=(--include="$(printf '%s,' "$@")")
        mmdebstrap --quiet --variant=minbase --format=tar "${include[@]}" "$suite" "$file.part" "${sources[@]}" >&2
        mv "$file.part" "$file"
    fi
    echo "$file"
}

work=""
mounts=()
bind() {  # bind [OPTIONS] SOURCE TARGET
    mkdir -p "${*: -1}"
    mount "$@"
    mounts+=("${*: -1}")
}
leave() {
    local i pid
    [[ -n $work ]] || return 0
    # Whatever a test left running inside would hold its mounts.
    for pid in /proc/[0-9]*; do
        [[ $(readlink "$pid/root" 2>/dev/null) == "$work" ]] && kill -KILL "${pid#/proc/}" 2>/dev/null
    done
    for ((i = ${#mounts[@]} - 1; i >= 0; i--)); do
        umount "${mounts[i]}" 2>/dev/null || umount -l "${mounts[i]}"
    done
    # The project folder is mounted inside: remove nothing while anything still is.
    if grep -qF " $work/" /proc/self/mounts; then
        echo "debian13.sh: $work is still mounted; left in place" >&2
    else
        rm -rf "$work"
    fi
}
trap leave EXIT

# enter TARBALL: a fresh root from it, up to date, with the project inside; the tarball is renewed when
# the release had updates.
enter() {
    local file=$1
    work=$(mktemp -d "$cache/debian13-root.XXXXXX")
    tar -xf "$file" -C "$work" --numeric-owner
    bind --bind /proc "$work/proc"
    bind --bind /sys "$work/sys"
    bind --bind /dev "$work/dev"
    bind --bind /dev/pts "$work/dev/pts"
    bind -t tmpfs tmpfs "$work/tmp"
    cp /etc/resolv.conf "$work/etc/resolv.conf"
    inside apt-get update -qq
    if inside apt-get -s full-upgrade | grep -q '^Inst '; then
        log "installing the release's updates, and keeping them in $file"
        inside env DEBIAN_FRONTEND=noninteractive apt-get full-upgrade -y -qq >/dev/null
        inside apt-get clean
        # Only the root's own files: the mounts are other file systems.
        tar -cf "$file.part" -C "$work" --one-file-system --numeric-owner .
        mv "$file.part" "$file"
    fi
    mkdir -p build/debian13
    bind --bind "$root" "$work$root"
    bind --bind "$root/build/debian13" "$work$root/build"
}

# inside COMMAND...: runs it in the root, in the project folder, with what a login there gives, and the
# time and locale a reproducible build was given.
inside() {
    local given=() name
    for name in SOURCE_DATE_EPOCH TZ LC_ALL; do [[ -z ${!name:-} ]] || given+=("$name=${!name}"); done
    chroot "$work" env -i HOME=/root PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
        LANG=C.UTF-8 TERM="${TERM:-dumb}" CI="${CI:-}" "${given[@]}" \
        bash -c 'cd "$1" 2>/dev/null || cd /; shift; exec "$@"' _ "$root" "$@"
}

# enter_test_root: the root with what `deps.sh test` and `deps.sh windows` install, sharing the machine's
# own cache for what the project's commands keep there (the Windows Qt).
enter_test_root() {
    local packages
    mapfile -t packages < <(bash scripts/deps.sh test --list && bash scripts/deps.sh windows --list)
    enter "$(tarball test "${packages[@]}")"
    bind --bind "$cache" "$work/root/.cache/shoewise"
}

case $what in
run | test | bench | windows)
    enter_test_root
    log "bash scripts/$what.sh $*"
    inside bash "scripts/$what.sh" "$@"
    ;;
shell)
    enter_test_root
    if (($#)); then inside bash -c "$*"; else inside bash -i; fi
    ;;
package)
    deb=${1:?$usage}
    [[ -f $deb ]] || { echo "debian13.sh: no such package: $deb" >&2; exit 2; }
    enter "$(tarball minbase)"
    log "apt install $deb into a clean root"
    cp "$deb" "$work/tmp/"
    inside env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "/tmp/${deb##*/}" >/dev/null
    inside dpkg-query -W shoewise
    # The tools of the check only now, so that the package alone had to bring what it runs with.
    mapfile -t packages < <(bash scripts/deps.sh shot --list)
    inside env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${packages[@]}" >/dev/null
    inside bash scripts/xvfb-shot.sh build/screenshots/package.png shoewise
    log "the picture is build/debian13/screenshots/package.png"
    ;;
*)
    echo "$usage" >&2
    exit 2
    ;;
esac
