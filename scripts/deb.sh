#!/usr/bin/env bash
# deb.sh [check [DIR]|release OUT]: Shoewise's Debian packages, made from the commit checked out as
# Debian makes them: the source package (debian/), then the binary packages built by sbuild in clean
# roots, in its unshare mode, each checked by its release's own lintian (pedantic: nothing may remain).
#   release OUT  the release's packages into OUT: the upstream tarball, the source package, and Debian
#                12's for amd64 and, cross-built the Debian way, arm64, with their .buildinfo; they
#                install on Debian 13 and unstable too
#   check [DIR]  the default: the release's packages (those in DIR, else made into build/deb/), then
#                Debian 13's and unstable's amd64 packages built with the package's own tests, as
#                checks, unstable's lintian judging the source package too, as for an upload; the
#                programs' hardening and the packages' fields and contents (tests/desktop/package.sh);
#                the amd64 package installed, removed and purged by piuparts on Debian 12, 13 and
#                unstable, and its autopkgtest (the window and the desktop files as a user gets them)
#                on each. The logs go to build/deb/.
# The roots are made with mmdebstrap from the machine's own Debian archive entries and kept as tarballs
# in ~/.cache/shoewise/, renewed after a week. Installs what is missing (deps.sh debian) and, where
# root has none, gives root a range of subordinate user and group ids (/etc/subuid, /etc/subgid), in
# which sbuild and autopkgtest map their roots' users. Needs root (or sudo).
source "$(dirname "$0")/lib.sh"
cd "$root"
usage="usage: deb.sh [check [DIR]|release OUT]"
[[ $(id -u) -eq 0 ]] || exec sudo --preserve-env=CI,XDG_CACHE_HOME bash "$0" "$@"
what=${1:-check}
given=""
case $what in
check) out=$root/build/deb given=${2:+$(realpath "$2")} ;;
release) out=$(realpath -m "${2:?$usage}") ;;
*) echo "$usage" >&2; exit 2 ;;
esac

bash scripts/deps.sh debian
# A range past every other one, so that no user's namespace shares an id with root's.
if ! grep -q '^root:' /etc/subuid || ! grep -q '^root:' /etc/subgid; then
    first=$(cat /etc/subuid /etc/subgid | awk -F: '{end = $2 + $3} end > max {max = end} END {print (max > 100000) ? max : 100000}')
    usermod --add-subuids "$first-$((first + 65535))" --add-subgids "$first-$((first + 65535))" root
    echo "deb.sh: root's subordinate ids: $first-$((first + 65535))"
fi

cache=${XDG_CACHE_HOME:-$HOME/.cache}/shoewise
mkdir -p "$cache"
# tarball SUITE VARIANT FILE [MMDEBSTRAP OPTIONS...]: a root of SUITE kept in FILE, made anew when it
# is a week old.
tarball() {
    local suite=$1 variant=$2 file=$3
    shift 3
    [[ -n $(find "$file" -mtime -7 2>/dev/null) ]] && return
    archive_sources "$suite" "$cache/$suite"
    # mmdebstrap takes the format and compression from the name's ending.
    local part=${file/.tar/.part.tar}
    mmdebstrap --quiet --variant="$variant" "${aptopts[@]}" "$@" "$suite" "$part" "${sources[@]}"
    mv "$part" "$file"
}

work=$(mktemp -d "${TMPDIR:-/tmp}/shoewise-deb.XXXXXX")
trap 'rm -rf "$work"' EXIT
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
    # Debian 12's sbuild reads Debian 13's dependencies with the root's apt-utils.
    tarball "$suite" buildd "$cache/sbuild-$suite.tar" --include=apt-utils
    log=$dest/shoewise_${version}_$arch-$suite.log
    mkdir -p "$work/$suite-$arch"
    if ! sbuild --chroot-mode=unshare --chroot="$cache/sbuild-$suite.tar" --dist="$distribution" --host="$arch" \
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
release() {
    cp "$dsc" "$work/shoewise_$upstream.orig.tar.xz" "$work/shoewise_$version.debian.tar.xz" "$1/"
    cp "$work/shoewise_$upstream.orig.tar.xz" "$1/shoewise-$upstream.tar.xz"
    DEB_BUILD_OPTIONS=nocheck step "Debian 12 amd64" build bookworm amd64 "$1" --profiles=nocheck
    step "Debian 12 arm64, cross-built" build bookworm arm64 "$1"
    rm "$1"/*.log
}
if [[ $what == release ]]; then
    release "$out"
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
# The other releases' builds, with the package's own tests, each in a folder of its own: their packages
# have the same names. Unstable's, where an upload goes, builds the source package again, for its
# lintian to judge.
mkdir -p "$out/trixie" "$out/sid"
step "Debian 13 amd64, with the package's tests" build trixie amd64 "$out/trixie"
step "Debian unstable amd64 and the source package, with the package's tests" build sid amd64 "$out/sid" --source

deb=$given/shoewise_${version}_amd64.deb
step "the amd64 package's program and contents" bash tests/desktop/package.sh "$deb" g++
step "the arm64 package's program and contents" bash tests/desktop/package.sh "$given/shoewise_${version}_arm64.deb" \
    aarch64-linux-gnu-g++

# piuparts_on SUITE, autopkgtest_on SUITE: the amd64 package installed, removed and purged, and its
# autopkgtest, in clean roots of SUITE; each log in build/deb/.
piuparts_on() {
    local log=$out/piuparts-$1.log
    # piuparts's own configuration of a trixie root leaves this folder, which its check then finds.
    piuparts --basetgz="$cache/minbase-$1.tar.gz" --distribution="$1" --keep-sources-list --no-eatmydata \
        --ignore=/var/cache/debconf/tmp.ci/ --tmpdir="$work" "$deb" >"$log" 2>&1 \
        || { tail -n 40 "$log"; fail "piuparts failed on $1: $log"; }
}
autopkgtest_on() {
    local log=$out/autopkgtest-$1.log
    autopkgtest --apt-upgrade --output-dir="$work/autopkgtest-$1" "$dsc" "$deb" \
        -- unshare --release "$1" --arch amd64 --tarball "$cache/minbase-$1.tar.gz" >"$log" 2>&1 \
        || { tail -n 60 "$log"; fail "autopkgtest failed on $1: $log"; }
}
for suite in bookworm trixie sid; do
    tarball "$suite" minbase "$cache/minbase-$suite.tar.gz"
    step "piuparts on $suite: install, remove, purge" piuparts_on "$suite"
    step "autopkgtest on $suite: the desktop files, and the window under openbox" autopkgtest_on "$suite"
done
echo "deb.sh: the packages in $given pass every check; the logs are in $out"
