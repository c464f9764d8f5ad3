#!/usr/bin/env bash
# deb.sh [check [DIR]|release OUT|source OUT|roots]: Shoewise's Debian packages from the commit checked out,
# as Debian makes them: the source package, then the binary packages built by sbuild (unshare mode) in
# clean roots, each judged by its release's own lintian, pedantic, nothing left.
#   release OUT  the upstream tarball, the source package and Debian 12's packages for amd64 and,
#                cross-built, arm64, with their .buildinfo; they install on Debian 13 and unstable too
#   source OUT   the upstream tarball and the source package alone
#   roots        the amd64 roots the others build and check in, made ahead (.ci/run, from nothing)
#   check [DIR]  the default: the release's packages (DIR's, else made into build/deb/); the programs'
#                hardening and what else neither lintian nor the autopkgtests see (package.sh);
#                Debian 13's and unstable's amd64 builds with the package's tests and then their Qt's
#                reference pictures, unstable's lintian judging the source too; meanwhile piuparts and
#                the autopkgtests on Debian 12, 13 and unstable, and the arm64 package's autopkgtests
#                on an arm64 Debian 12 testbed under qemu. The logs go to build/deb/.
# Roots come from lib.sh's root_tarball. Installs what is missing (deps.sh debian) and gives root, where
# it has none, subordinate ids (/etc/subuid, /etc/subgid) for sbuild and autopkgtest to map users into.
# Needs root (or sudo).
source "$(dirname "$0")/lib.sh"
cd "$root"
usage="usage: deb.sh [check [DIR]|release OUT|source OUT|roots]"
[[ $(id -u) -eq 0 ]] || exec sudo --preserve-env=CI,XDG_CACHE_HOME bash "$0" "$@"
what=${1:-check}
given=""
case $what in
check) out=$root/build/deb given=${2:+$(realpath "$2")} ;;
release | source) out=$(realpath -m "${2:?$usage}") ;;
roots) ;;
*) echo "$usage" >&2; exit 2 ;;
esac

bash scripts/deps.sh debian
# sbuild's roots, and piuparts's and autopkgtest's. Debian 12's sbuild reads Debian 13's dependencies
# with the root's apt-utils.
buildd_root() { root_tarball buildd.tar "$1" amd64 --variant=buildd --include=apt-utils; }
minbase_root() { root_tarball minbase.tar.gz "$1" amd64 --variant=minbase; }
if [[ $what == roots ]]; then
    for suite in bookworm trixie sid; do buildd_root "$suite" && minbase_root "$suite"; done >/dev/null
    exit 0
fi
# A range past every other one, so that no user's namespace shares an id with root's.
if ! grep -q '^root:' /etc/subuid || ! grep -q '^root:' /etc/subgid; then
    first=$(cat /etc/subuid /etc/subgid | awk -F: '{end = $2 + $3} end > max {max = end} END {print (max > 100000) ? max : 100000}')
    usermod --add-subuids "$first-$((first + 65535))" --add-subgids "$first-$((first + 65535))" root
    echo "deb.sh: root's subordinate ids: $first-$((first + 65535))"
fi

# The installed packages' checks run at once: each is mostly apt, dpkg and waiting, on one core at most,
# in a testbed of its own. checks maps each one's process group to its name and log.
declare -A checks=()
# spawn NAME LOG COMMAND...: COMMAND started in a session of its own, its output in LOG.
spawn() {
    local name=$1 log=$2
    shift 2
    setsid "$@" >"$log" 2>&1 &
    checks[$!]="$name|$log|$EPOCHSECONDS"
}
# wait_checks: waits for every check; the first to fail fails the script with its log's tail, and the
# others are ended (end_checks, as the script exits).
wait_checks() {
    local pid status name log start
    while ((${#checks[@]})); do
        status=0
        wait -n -p pid "${!checks[@]}" || status=$?
        IFS='|' read -r name log start <<<"${checks[$pid]}"
        unset "checks[$pid]"
        ((status == 0)) || { tail -n 60 "$log"; fail "$name failed: $log"; }
        # It may have ended long before: its log's last change says when.
        printf '== %s: %d s\n' "$name" $(($(stat -c %Y "$log") - start))
    done
}
end_checks() {
    local pid
    for pid in "${!checks[@]}"; do
        kill -TERM -- "-$pid" 2>/dev/null || true
        poll 10 not_running "-$pid" || kill -KILL -- "-$pid" 2>/dev/null || true
    done
    wait
}
work=$(mktemp -d "${TMPDIR:-/tmp}/shoewise-deb.XXXXXX")
# What it made is given back to the user who asked sudo for it, build/ too where it made that.
give_back() {
    [[ -n ${SUDO_UID:-} && -n ${SUDO_GID:-} && -d $out ]] || return 0
    if [[ $what == check ]]; then chown "$SUDO_UID:$SUDO_GID" "$root/build"; fi
    chown -R "$SUDO_UID:$SUDO_GID" "$out"
}
trap 'end_checks; rm -rf "$work"; give_back || true' EXIT
version=$(dpkg-parsechangelog -l debian/changelog -SVersion)
upstream=${version%-*}
# The distribution the changelog names: sbuild's root is given apart, so this only names the upload.
distribution=$(dpkg-parsechangelog -l debian/changelog -SDistribution)
[[ -z $(git status --porcelain --untracked-files=no) ]] || echo "deb.sh: uncommitted changes are left out" >&2
# The upstream tarball, the same bytes from the same commit: git archive's file times are the commit's,
# its owners root's, its order sorted; xz on one thread, as more would cut it up by the machine's
# processors. Without debian/: the packaging is the distribution's, its revisions in a tarball of their
# own; another distribution's packager has no use for it.
git archive --prefix="shoewise-$upstream/" HEAD -- . ':(exclude)debian' | xz --threads=1 -6 >"$work/shoewise_$upstream.orig.tar.xz"
git archive --prefix="shoewise-$upstream/" HEAD | tar -x -C "$work"
(cd "$work" && dpkg-source --build "shoewise-$upstream" >/dev/null)
dsc=$work/shoewise_$version.dsc
mkdir -p "$out"

# build SUITE HOST_ARCH DEST [SBUILD OPTIONS...]: the binary packages of SUITE for HOST_ARCH, built on
# the machine's architecture (a cross build for another), into DEST with their build information and
# the build's log, lintian's findings in it.
build() {
    local suite=$1 arch=$2 dest=$3 log lintian=(--pedantic --display-info '--fail-on=error,warning,info,pedantic')
    # A first upload closes its ITP bug, whose number the bug tracker gives when the sponsor files it:
    # none can be written before. The same source builds on Debian 12, whose debhelper knows compat 13
    # at most, whose lintian fails on a watch file of version 5 and whose dpkg does not yet default the
    # Priority and Rules-Requires-Root the package states: unstable's lintian notes each. The package
    # follows unstable's policy, newer than Debian 12's and 13's lintian know.
    local pass_over=initial-upload-closes-no-bugs source=--no-source
    if [[ $suite == sid ]]; then
        pass_over+=,package-uses-old-debhelper-compat-version,older-debian-watch-file-standard
        pass_over+=,redundant-priority-optional-field,redundant-rules-requires-root-no-field
    else
        pass_over+=,newer-standards-version
    fi
    lintian+=(--suppress-tags="$pass_over")
    shift 3
    [[ " $* " != *" --source "* ]] || source=""
    local chroot
    chroot=$(buildd_root "$suite")
    log=$dest/shoewise_${version}_$arch-$suite.log
    mkdir -p "$work/$suite-$arch"
    if ! sbuild --chroot-mode=unshare --chroot="$chroot" --dist="$distribution" --host="$arch" \
        --jobs="$(nproc)" --arch-any --no-arch-all ${source:+"$source"} --nolog --build-dir="$work/$suite-$arch" \
        --run-lintian --lintian-opts="${lintian[*]}" \
        --no-run-piuparts --no-run-autopkgtest "$@" "$dsc" >"$log" 2>&1; then
        tail -n 60 "$log"
        fail "sbuild failed for $suite $arch: $log"
    fi
    grep -qx 'Lintian: pass' "$log" || { sed -n '/^| lintian/,/^Lintian run/p' "$log"; fail "lintian's findings: $log"; }
    cp "$work/$suite-$arch"/*.deb "$work/$suite-$arch"/*.buildinfo "$dest/"
}

# The release's packages: Debian 12's, which install on Debian 13 too, for amd64 and arm64. Their tests
# are the test command's, run on the same release (scripts/test.sh, scripts/arm64.sh).
sources() {
    cp "$dsc" "$work/shoewise_$upstream.orig.tar.xz" "$work/shoewise_$version.debian.tar.xz" "$1/"
    cp "$work/shoewise_$upstream.orig.tar.xz" "$1/shoewise-$upstream.tar.xz"
}
release() {
    sources "$1"
    DEB_BUILD_OPTIONS=nocheck step "Debian 12 amd64" build bookworm amd64 "$1" --profiles=nocheck
    step "Debian 12 arm64, cross-built" build bookworm arm64 "$1"
    rm "$1"/*.log
}
if [[ $what != check ]]; then
    if [[ $what == source ]]; then sources "$out"; else release "$out"; fi
    exit 0
fi

if [[ -n $given ]]; then
    mkdir -p "$out"
else
    rm -rf "$out"
    mkdir -p "$out"
    release "$out"
    given=$out
fi
deb=$given/shoewise_${version}_amd64.deb arm64_deb=$given/shoewise_${version}_arm64.deb
step "the amd64 package: its program's hardening, its dependencies" bash tests/desktop/package.sh "$deb" g++
step "the arm64 package: its program's hardening, its dependencies" bash tests/desktop/package.sh "$arm64_deb" \
    aarch64-linux-gnu-g++

# The installed packages' checks start now, the longest first, and run beside the other releases'
# builds, whose compilers keep the cores busy while they wait.
# Under emulation apt and dpkg take minutes a package set: the arm64 testbed comes with the package's
# dependencies and its tests' already installed, so that each test installs the package alone. The
# amd64 testbeds stay minimal: there piuparts and autopkgtest install everything, as a user's apt does.
needs=$( (dpkg-deb -f "$arm64_deb" Depends && sed -n 's/^Depends: //p' debian/tests/control) |
    tr ',' '\n' | sed -E 's/ *\([^)]*\)//; s/ //g' | grep -vx 'shoewise\|' | sort -u | paste -sd,)
# That testbed, where it is to be made, takes minutes under emulation: it is made within the check, so
# that the builds below do not wait for it.
# shellcheck disable=SC2016  # expanded by the check's shell
spawn "autopkgtest on bookworm arm64, under qemu" "$out/autopkgtest-bookworm-arm64.log" bash -c '
    source scripts/lib.sh
    base=$(root_tarball testbed.tar.gz bookworm arm64 --variant=minbase --include="$1")
    shift
    exec "$@" --tarball "$base"' - "$needs" \
    autopkgtest --apt-upgrade --output-dir="$work/autopkgtest-bookworm-arm64" "$dsc" "$arm64_deb" \
    -- unshare --release bookworm --arch arm64
for suite in bookworm trixie sid; do
    base=$(minbase_root "$suite")
    # piuparts's own configuration of a trixie root leaves this folder, which its check then finds.
    spawn "piuparts on $suite: install, remove, purge" "$out/piuparts-$suite.log" \
        piuparts --basetgz="$base" --distribution="$suite" --keep-sources-list --no-eatmydata \
        --ignore=/var/cache/debconf/tmp.ci/ --tmpdir="$work" "$deb"
    spawn "autopkgtest on $suite: the desktop files, and the window under openbox" "$out/autopkgtest-$suite.log" \
        autopkgtest --apt-upgrade --output-dir="$work/autopkgtest-$suite" "$dsc" "$deb" \
        -- unshare --release "$suite" --arch amd64 --tarball "$base"
done

# The other releases' builds, with the package's own tests, each in a folder of its own: their packages
# have the same names. Unstable's, where an upload goes, builds the source package again, for its
# lintian to judge.
# After each, in its root, the reference pictures of its Qt (6.8, 6.11), which the package's own tests
# leave to the project: under CI a Qt without pictures fails.
pictures=(--finished-build-commands='cd %SBUILD_PKGBUILD_DIR && CI=1 QT_QPA_PLATFORM=offscreen ctest --test-dir obj-x86_64-linux-gnu --output-on-failure -R "^Pictures\."')
mkdir -p "$out/trixie" "$out/sid"
step "Debian 13 amd64, with the package's tests and the pictures" build trixie amd64 "$out/trixie" "${pictures[@]}"
step "Debian unstable amd64 and the source package, with the package's tests and the pictures" \
    build sid amd64 "$out/sid" --source "${pictures[@]}"
wait_checks
echo "deb.sh: the packages in $given pass every check; the logs are in $out"
