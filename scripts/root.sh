#!/usr/bin/env bash
# root.sh RELEASE COMMAND [ARGS...]: one of the project's commands in a fresh Debian root of that
# release (bookworm, trixie, or sid: unstable), from a Debian machine of another:
#   run | test | bench | windows [ARGS]   scripts/COMMAND.sh ARGS, in a root that holds what
#                                          `deps.sh COMMAND` installs
#   shell [COMMAND]                        a shell in test's root, or COMMAND run by one
#   make KIND                              KIND's root alone, made where it is to be (.ci/run, ahead)
# Roots come from lib.sh's root_tarball; each run unpacks a copy into memory and updates it. The
# project folder has the same path inside; its build/ is the root's own (build/debian13/ outside, and
# the like). Needs root (or sudo).
source "$(dirname "$0")/lib.sh"
cd "$root"
usage="usage: root.sh bookworm|trixie|sid run|test|bench|windows|shell|make [ARGS...]"
# The whole script runs as root: it makes namespaces and mounts in them.
[[ $(id -u) -eq 0 ]] || exec sudo --preserve-env=CI,XDG_CACHE_HOME,SOURCE_DATE_EPOCH,TZ,LC_ALL bash "$0" "$@"
in_root=""
[[ ${1:-} != --in-root ]] || { in_root=$2 && shift 2; }
suite=${1:?$usage} what=${2:?$usage}
shift 2
case $suite in
bookworm) name=debian12 label="Debian 12" ;;
trixie) name=debian13 label="Debian 13" ;;
sid) name=unstable label="Debian unstable" ;;
*) echo "$usage" >&2; exit 2 ;;
esac

# The root lives in mount and process namespaces of the run's own (unshare): its files in a tmpfs, its
# /proc, /dev, /sys and the project folder mounted there alone. Whatever ends the run, its own end or a
# kill of every process at once, the kernel ends every process left in the root and drops its mounts
# with the namespaces: nothing is left to undo. Outside them, the tmpfs's mount point is an empty
# folder.
target=$cache/root

# inside COMMAND...: runs it in the root, in the project folder, with what a login there gives, and the
# time and locale a reproducible build was given.
inside() {
    local given=() var
    for var in SOURCE_DATE_EPOCH TZ LC_ALL; do [[ -z ${!var:-} ]] || given+=("$var=${!var}"); done
    # shellcheck disable=SC2016  # expanded by the root's shell
    chroot "$target" env -i HOME=/root PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
        LANG=C.UTF-8 TERM="${TERM:-dumb}" CI="${CI:-}" "${given[@]}" \
        bash -c 'cd "$1" 2>/dev/null || cd /; shift; exec "$@"' _ "$root" "$@"
}

# In the namespaces (see the end): the root, up to date, with the project and the machine's cache (for
# what the commands keep there, the Windows Qt) inside, then the command in it.
if [[ -n $in_root ]]; then
    # What the root builds is given back, however the command ends, to the user who asked sudo for it.
    [[ -z ${SUDO_UID:-} || -z ${SUDO_GID:-} ]] ||
        trap 'chown "$SUDO_UID:$SUDO_GID" build && chown -R "$SUDO_UID:$SUDO_GID" "build/$name" || true' EXIT
    mount -t tmpfs -o mode=755 shoewise-root "$target"
    tar -xf "$in_root" -C "$target" --numeric-owner
    mount -t proc proc "$target/proc"  # the namespace's own processes
    mount --bind /sys "$target/sys"
    mount --rbind /dev "$target/dev"  # with /dev/pts, which apt and terminals need
    mount -t tmpfs tmpfs "$target/tmp"
    cp /etc/resolv.conf "$target/etc/resolv.conf"
    inside apt-get update -qq
    inside env DEBIAN_FRONTEND=noninteractive apt-get full-upgrade -y -qq >/dev/null
    mkdir -p "build/$name" "$target$root" "$target/root/.cache/shoewise"
    mount --bind "$root" "$target$root"
    mount --bind "$root/build/$name" "$target$root/build"
    mount --bind "$cache" "$target/root/.cache/shoewise"
    if [[ $what == shell ]]; then
        if (($#)); then inside bash -c "$*"; else inside bash -i; fi
    else
        printf '== %s: %s\n' "$label" "bash scripts/$what.sh $*"
        inside bash "scripts/$what.sh" "$@"
    fi
    exit
fi

case $what in
run | test | bench | windows) kind=$what ;;
shell) kind="test" ;;
make) kind=${1:?$usage} ;;
*) echo "$usage" >&2; exit 2 ;;
esac
bash scripts/deps.sh roots
mkdir -p "$target"
mapfile -t packages < <(bash scripts/deps.sh "$kind" --list)
# The build-dependencies, but for Windows, which builds against a Qt of its own: apt reads them from
# debian/control, copied in for it.
build_deps=()
# shellcheck disable=SC2016  # $1 is the root, to mmdebstrap's hooks
[[ $kind == windows ]] || build_deps=(--customize-hook='mkdir -p "$1/tmp/shoewise/debian"'
    --customize-hook="copy-in $root/debian/control /tmp/shoewise/debian"
    --chrooted-customize-hook='DEBIAN_FRONTEND=noninteractive apt-get build-dep -y -qq /tmp/shoewise/ >/dev/null && rm -r /tmp/shoewise')
file=$(root_tarball "$kind.tar" "$suite" --variant=minbase --include="$(printf '%s,' "${packages[@]}")" \
    "${build_deps[@]}")
[[ $what != make ]] || exit 0
# This script again, as the first process of new namespaces, with a fresh root from the tarball, where
# it goes on with the command.
exec unshare --mount --propagation private --pid --fork --kill-child bash "$0" --in-root "$file" "$suite" "$what" "$@"
