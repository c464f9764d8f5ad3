#!/usr/bin/env bash
# root.sh RELEASE ARCH COMMAND [ARGS...]: one of the project's commands in a Debian root of that
# release (bookworm, trixie, sid: unstable) and architecture (amd64, or arm64 run by qemu's user mode), as on a fresh
# Debian machine of that kind, from a machine of another (scripts/debian13.sh for Debian 13 on amd64):
#   run | test | bench | windows [ARGS]
#                               scripts/COMMAND.sh ARGS, in a root that holds what `deps.sh test` and
#                               `deps.sh windows` install
#   package DEB                 installs the package DEB with apt into a clean minimal root, as a user
#                               would, and shows its window there, with a screenshot
#   shell [COMMAND]             a shell in the test root, or COMMAND run by one
# The roots are made with mmdebstrap from Debian's own packages, through the machine's own archive
# entries with the release's name, and kept as tarballs in ~/.cache/shoewise/, named by their package
# list. Each run unpacks a fresh root into memory, brings it up to date with the release's updates,
# and keeps the tarball up to date too. The project folder has the same path inside; its build/ is the
# root's own (build/debian13/ outside, build/debian12-arm64/ and the like for others). A root of
# another architecture runs its programs through qemu, which the kernel is told of (binfmt_misc): that
# registration is the machine's, and stays. Needs root (or sudo).
source "$(dirname "$0")/lib.sh"
cd "$root"
usage="usage: root.sh RELEASE ARCH run|test|bench|windows [ARGS...] | package DEB | shell [COMMAND]"
# The whole script runs as root: it makes namespaces and mounts in them.
[[ $(id -u) -eq 0 ]] || exec sudo --preserve-env=CI,XDG_CACHE_HOME,SOURCE_DATE_EPOCH,TZ,LC_ALL bash "$0" "$@"
if [[ ${1:-} == --in-root ]]; then
    in_root=$2 suite=$3 arch=$4
    shift 4
else
    in_root="" suite=${1:?$usage} arch=${2:?$usage}
    shift 2
fi
what=${1:?$usage}
shift
case $suite in
bookworm) name=debian12 label="Debian 12" ;;
trixie) name=debian13 label="Debian 13" ;;
sid) name=unstable label="Debian unstable" ;;
*) echo "root.sh: no such release: $suite" >&2; exit 2 ;;
esac
if [[ $arch != "$(dpkg --print-architecture)" ]]; then
    name+=-$arch label+=" $arch"
fi
cache=${XDG_CACHE_HOME:-$HOME/.cache}/shoewise
log() { printf '== %s: %s\n' "$label" "$*"; }

# The root lives in mount and process namespaces of the run's own (unshare): its files in a tmpfs, its
# /proc, /dev, /sys and the project folder mounted there alone. Whatever ends the run, its own end or a
# kill of every process at once, the kernel ends every process left in the root and drops its mounts
# with the namespaces: nothing is left to undo. Outside them, the tmpfs's mount point is an empty
# folder.
target=$cache/root

# inside COMMAND...: runs it in the root, in the project folder, with what a login there gives, and the
# time and locale a reproducible build was given.
inside() {
    local given=() name
    for name in SOURCE_DATE_EPOCH TZ LC_ALL; do [[ -z ${!name:-} ]] || given+=("$name=${!name}"); done
    # shellcheck disable=SC2016  # expanded by the root's shell
    chroot "$target" env -i HOME=/root PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
        LANG=C.UTF-8 TERM="${TERM:-dumb}" CI="${CI:-}" "${given[@]}" \
        bash -c 'cd "$1" 2>/dev/null || cd /; shift; exec "$@"' _ "$root" "$@"
}

# unpack TARBALL: the root, up to date, with the project inside; the tarball is renewed when the
# release had updates.
unpack() {
    local file=$1
    mount -t tmpfs -o mode=755 shoewise-root "$target"
    tar -xf "$file" -C "$target" --numeric-owner
    mount -t proc proc "$target/proc"  # the namespace's own processes
    mount --bind /sys "$target/sys"
    mount --rbind /dev "$target/dev"  # with /dev/pts, which apt and terminals need
    mount -t tmpfs tmpfs "$target/tmp"
    cp /etc/resolv.conf "$target/etc/resolv.conf"
    inside apt-get update -qq
    if inside apt-get -s full-upgrade | grep -q '^Inst '; then
        log "installing the release's updates, and keeping them in $file"
        inside env DEBIAN_FRONTEND=noninteractive apt-get full-upgrade -y -qq >/dev/null
        inside apt-get clean
        # Only the root's own files: the mounts are other file systems.
        tar -cf "$file.part" -C "$target" --one-file-system --numeric-owner .
        mv "$file.part" "$file"
    fi
    mkdir -p "build/$name" "$target$root"
    mount --bind "$root" "$target$root"
    mount --bind "$root/build/$name" "$target$root/build"
}

# In the namespaces (see enter below): the root, then the command in it.
if [[ -n $in_root ]]; then
    unpack "$in_root"
    case $what in
    run | test | bench | windows | shell)
        # The machine's own cache, for what the project's commands keep there (the Windows Qt).
        mkdir -p "$target/root/.cache/shoewise"
        mount --bind "$cache" "$target/root/.cache/shoewise"
        if [[ $what == shell ]]; then
            if (($#)); then inside bash -c "$*"; else inside bash -i; fi
        else
            log "bash scripts/$what.sh $*"
            inside bash "scripts/$what.sh" "$@"
        fi
        ;;
    package)
        deb=$1
        log "apt install $deb into a clean root"
        cp "$deb" "$target/tmp/"
        inside env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "/tmp/${deb##*/}" >/dev/null
        inside dpkg-query -W shoewise
        # The display and the screenshot are the machine's, so that the root holds nothing but what the
        # package brought: the program runs in the root, on its libraries, and reaches the display
        # through X's abstract socket, which a chroot does not hide.
        shot=build/$name/screenshots/package.png
        # Where the package puts it: Debian puts a game's program in /usr/games, outside root's PATH.
        program=$(inside dpkg -L shoewise | grep -E '/(bin|games)/shoewise$')
        bash scripts/xvfb-shot.sh "$shot" chroot "$target" "$program"
        source tests/expected.sh
        size=$(identify -format '%wx%h' "$shot")
        [[ $size == "${EXPECTED_WINDOW_WIDTH}x$EXPECTED_WINDOW_HEIGHT" ]] || fail "the window is $size"
        log "the window is $size: $shot"
        ;;
    esac
    exit
fi

bash scripts/deps.sh roots
if [[ $arch != "$(dpkg --print-architecture)" ]]; then
    # The kernel runs the root's programs through qemu, told of it by binfmt_misc: mounted, qemu's
    # user mode installed (its package registers itself where binfmt_misc is mounted) and enabled.
    mountpoint -q /proc/sys/fs/binfmt_misc || mount -t binfmt_misc binfmt_misc /proc/sys/fs/binfmt_misc
    bash scripts/deps.sh foreign
    qemu=qemu-$(dpkg-architecture -a "$arch" -qDEB_HOST_GNU_CPU 2>/dev/null)
    grep -qx enabled "/proc/sys/fs/binfmt_misc/$qemu" 2>/dev/null || update-binfmts --enable "$qemu"
fi
mkdir -p "$cache" "$target"
archive_sources "$suite" "$cache/$name"

# tarball KIND PACKAGES...: the cached root of that kind, made once for its package list.
tarball() {
    local kind=$1 key file
    shift
    key=$( (printf '%s\n' "$suite" "$@" && cat "${sources[@]}") | sha256sum | cut -c1-12)
    file=$cache/$name-$kind-$key.tar
    if [[ ! -f $file ]]; then
        log "making the $kind root once, into $file" >&2
        rm -f "$cache/$name-$kind-"*.tar
        local include=()
        (($#)) && include=(--include="$(printf '%s,' "$@")")
        mmdebstrap --quiet --variant=minbase --format=tar --architectures="$arch" "${include[@]}" "${aptopts[@]}" \
            "$suite" "$file.part" "${sources[@]}" >&2
        mv "$file.part" "$file"
    fi
    echo "$file"
}

# enter TARBALL COMMAND [ARGS...]: this script again, as the first process of new namespaces, with a
# fresh root from TARBALL, where it goes on with COMMAND.
enter() {
    exec unshare --mount --propagation private --pid --fork --kill-child bash "$0" --in-root "$1" "$suite" "$arch" "${@:2}"
}

case $what in
run | test | bench | windows | shell)
    mapfile -t packages < <(bash scripts/deps.sh test --list && bash scripts/deps.sh windows --list)
    file=$(tarball test "${packages[@]}")
    enter "$file" "$what" "$@"
    ;;
package)
    deb=${1:?$usage}
    [[ -f $deb ]] || { echo "root.sh: no such package: $deb" >&2; exit 2; }
    bash scripts/deps.sh shot
    file=$(tarball minbase)
    enter "$file" package "$(realpath "$deb")"
    ;;
*)
    echo "$usage" >&2
    exit 2
    ;;
esac
