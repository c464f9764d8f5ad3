#!/usr/bin/env bash
# deb.sh [check [OUT]|release OUT|source OUT|roots]: Shoewise's Debian packages from the commit checked
# out, as Debian makes them: the source package, then the binary packages built by sbuild (unshare
# mode) in clean roots, each judged by its release's own lintian, pedantic, nothing left. The release's
# packages carry upstream's own revision (below), the archive's upload debian/changelog's.
#   release OUT  the upstream tarball, the source package and Debian 12's packages for amd64 and,
#                cross-built, arm64, with their .buildinfo; the tests are built for amd64 but not run
#                (the test command and arm64.sh run them on the same release); the packages install on
#                Debian 13 and unstable too
#   source OUT   the upstream tarball and the source package alone
#   roots        the roots the others build and check in, made ahead (.ci/run)
#   check [OUT]  the default: release, into OUT (build/deb/release/), each package then given to every
#                check: reprotest's build of the same source, compared; package.sh, for what neither
#                lintian nor the autopkgtests see; piuparts and the autopkgtests on Debian 12, 13 and
#                unstable, and for arm64 what they would show (below). Meanwhile the archive's upload
#                is built with its tests on Debian 13 and unstable, then their Qt's reference pictures,
#                unstable's lintian judging the source too. The logs go to build/deb/.
# Installs what is missing (deps.sh debian) and gives root, where it has none, subordinate ids
# (/etc/subuid, /etc/subgid) for sbuild and autopkgtest to map users into. Needs root (or sudo).
source "$(dirname "$0")/lib.sh"
cd "$root"
usage="usage: deb.sh [check [OUT]|release OUT|source OUT|upload trixie|sid|roots]"
[[ $(id -u) -eq 0 ]] || exec sudo --preserve-env=CI,XDG_CACHE_HOME bash "$0" "$@"
# Its work folder is a tmpfs in a mount namespace of its own, gone with it however it ends: sbuild,
# piuparts and autopkgtest unpack their roots there, where the thousands of files dpkg writes and
# syncs for a set of packages cost no disk.
[[ ${1:-} == --in-namespace ]] || exec unshare --mount --propagation private bash "$0" --in-namespace "$@"
shift
what=${1:-check}
logs=$root/build/deb
case $what in
check) out=$(realpath -m "${2:-$logs/release}") ;;
release | source) out=$(realpath -m "${2:?$usage}") ;;
upload) out=$logs/${2:?$usage} ;;
roots) ;;
*) echo "$usage" >&2; exit 2 ;;
esac

bash scripts/deps.sh debian
# sbuild's roots, and piuparts's and autopkgtest's. Debian 12's sbuild reads Debian 13's dependencies
# with the root's apt-utils.
buildd_root() { root_tarball buildd.tar "$1" --variant=buildd --include=apt-utils; }
minbase_root() { root_tarball minbase.tar.gz "$1" --variant=minbase; }
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

work=$(mktemp -d "${TMPDIR:-/tmp}/shoewise-deb.XXXXXX")
mount -t tmpfs -o mode=755 shoewise-deb "$work"  # searchable by the ids sbuild and autopkgtest map
export TMPDIR=$work SBUILD_CONFIG=$work/sbuildrc
echo "\$unshare_tmpdir_template = '$work/sbuild.XXXXXXXXXX';" >"$SBUILD_CONFIG"
# What it made is given back to the user who asked sudo for it, build/ too where it made that.
give_back() {
    [[ -n ${SUDO_UID:-} && -n ${SUDO_GID:-} && -d $out ]] || return 0
    [[ $what != check ]] || chown "$SUDO_UID:$SUDO_GID" "$root/build" "$logs"
    chown -R "$SUDO_UID:$SUDO_GID" "$out" "$logs"
}
trap 'end_beside; umount -l "$work" && rmdir "$work"; give_back || true' EXIT
[[ -z $(git status --porcelain --untracked-files=no) ]] || echo "deb.sh: uncommitted changes are left out" >&2
# The archive's upload is debian/changelog's version; the release's packages are the same source under
# upstream's own revision, below the archive's first (-1), so that apt moves their users on to Debian's
# own package once there is one, and bug reports tell the two apart. Its one changelog entry is the
# commit's, with the commit's time, from which every file in the packages takes its time.
debian_version=$(dpkg-parsechangelog -l debian/changelog -SVersion)
upstream=${debian_version%-*}
# The distribution the changelog names: sbuild's root is given apart, so this only names the upload.
distribution=$(dpkg-parsechangelog -l debian/changelog -SDistribution)
version=$upstream-0shoewise1
# The upstream tarball, the same bytes from the same commit: git archive's file times are the commit's,
# its owners root's, its order sorted; xz on one thread, as more would cut it up by the machine's
# processors. Without debian/: the packaging is the distribution's, its revisions in a tarball of their
# own; another distribution's packager has no use for it.
git archive --prefix="shoewise-$upstream/" HEAD -- . ':(exclude)debian' | xz --threads=1 -6 >"$work/shoewise_$upstream.orig.tar.xz"
# source_package VERSION: the source package of that version, made in a folder of its own.
source_package() {
    local dir=$work/source-$1
    mkdir "$dir"
    ln -s "../shoewise_$upstream.orig.tar.xz" "$dir/"
    git archive --prefix="shoewise-$upstream/" HEAD | tar -x -C "$dir"
    if [[ $1 == "$version" ]]; then
        printf 'shoewise (%s) %s; urgency=medium\n\n  * Upstream release %s, built by upstream.\n\n -- %s  %s\n' \
            "$version" "$distribution" "$upstream" \
            "$(dpkg-parsechangelog -l debian/changelog -SMaintainer)" \
            "$(LC_ALL=C date -u -R -d "@$(git log -1 --format=%ct)")" >"$dir/shoewise-$upstream/debian/changelog"
    fi
    (cd "$dir" && dpkg-source --build "shoewise-$upstream" >/dev/null)
    echo "$dir/shoewise_$1.dsc"
}
dsc=$(source_package "$version")
mkdir -p "$out"

# build SUITE HOST_ARCH DSC DEST [SBUILD OPTIONS...]: the binary packages of DSC for SUITE and HOST_ARCH,
# built on the machine's architecture (a cross build for another), into DEST with their build
# information; the build's log, lintian's findings in it, into the logs' folder.
build() {
    local suite=$1 arch=$2 source=$3 dest=$4 log lintian=(--pedantic --display-info '--fail-on=error,warning,info,pedantic')
    # A first upload closes its ITP bug, whose number the bug tracker gives when the sponsor files it:
    # none can be written before. The same source builds on Debian 12, whose debhelper knows compat 13
    # at most, whose lintian fails on a watch file of version 5 and whose dpkg does not yet default the
    # Priority and Rules-Requires-Root the package states: unstable's lintian notes each. The package
    # follows unstable's policy, newer than Debian 12's and 13's lintian know.
    local pass_over=initial-upload-closes-no-bugs only=--no-source
    if [[ $suite == sid ]]; then
        pass_over+=,package-uses-old-debhelper-compat-version,older-debian-watch-file-standard
        pass_over+=,redundant-priority-optional-field,redundant-rules-requires-root-no-field
    else
        pass_over+=,newer-standards-version
    fi
    lintian+=(--suppress-tags="$pass_over")
    shift 4
    [[ " $* " != *" --source "* ]] || only=""
    local chroot
    chroot=$(buildd_root "$suite")
    log=$logs/$(basename "$source" .dsc)_$arch-$suite.log
    mkdir -p "$work/$suite-$arch" "$dest" "$logs"
    if ! sbuild --chroot-mode=unshare --chroot="$chroot" --dist="$distribution" --host="$arch" \
        --jobs="$(nproc)" --arch-any --no-arch-all ${only:+"$only"} --nolog --build-dir="$work/$suite-$arch" \
        --run-lintian --lintian-opts="${lintian[*]}" \
        --no-run-piuparts --no-run-autopkgtest "$@" "$source" >"$log" 2>&1; then
        tail -n 60 "$log"
        fail "sbuild failed for $suite $arch: $log"
    fi
    grep -qx 'Lintian: pass' "$log" || { sed -n '/^| lintian/,/^Lintian run/p' "$log"; fail "lintian's findings: $log"; }
    cp "$work/$suite-$arch"/*.deb "$work/$suite-$arch"/*.buildinfo "$dest/"
}

# The release's files: the source package, with the upstream tarball also under upstream's own name,
# and Debian 12's packages, which install on Debian 13 too, for amd64 and arm64. amd64's are built with
# the tests, not run, for reprotest's build without them to show that they change nothing.
sources() {
    cp "$dsc" "${dsc%.dsc}.debian.tar.xz" "$work/shoewise_$upstream.orig.tar.xz" "$1/"
    cp "$work/shoewise_$upstream.orig.tar.xz" "$1/shoewise-$upstream.tar.xz"
}
amd64() { DEB_BUILD_OPTIONS=nocheck step "Debian 12 amd64" build bookworm amd64 "$dsc" "$out"; }
arm64() {
    DEB_BUILD_OPTIONS=nocheck step "Debian 12 arm64, cross-built" build bookworm arm64 "$dsc" "$out" \
        --profiles=cross,nocheck
}
[[ $what != source ]] || { sources "$out" && exit 0; }
[[ $what != release ]] || { sources "$out" && amd64 && arm64 && exit 0; }
# upload: the archive's upload, built on another release with the package's own tests. Unstable's,
# where the upload goes, builds the source package again, for its lintian to judge. After each, in its
# root, the reference pictures of its Qt (6.8, 6.11), which the package's own tests leave to the
# project: under CI a Qt without pictures fails. Like the project's other test builds, and unlike the
# release's packages, it compiles through a ccache of its own, bound into the root (its folder open to
# the ids sbuild maps), the build's folder, which sbuild names anew each time, left out of its keys.
if [[ $what == upload ]]; then
    mkdir -p "$cache/ccache-debian" && chmod 1777 "$cache/ccache-debian"
    cat >>"$SBUILD_CONFIG" <<EOF
\$unshare_bind_mounts = [{directory => '$cache/ccache-debian', mountpoint => '/ccache'}];
\$build_environment = {CCACHE_DIR => '/ccache', CCACHE_BASEDIR => '/build', CCACHE_NOHASHDIR => '1',
    CMAKE_C_COMPILER_LAUNCHER => 'ccache', CMAKE_CXX_COMPILER_LAUNCHER => 'ccache'};
EOF
    source=(--add-depends=ccache)
    [[ $2 != sid ]] || source+=(--source)
    build "$2" amd64 "$(source_package "$debian_version")" "$out" "${source[@]}" \
        --finished-build-commands='cd %SBUILD_PKGBUILD_DIR && CI=1 QT_QPA_PLATFORM=offscreen ctest --test-dir obj-x86_64-linux-gnu --output-on-failure -R "^Pictures\."'
    echo "deb.sh: the archive's upload builds on $2; its log is in $logs"
    exit 0
fi
rm -rf "$logs"
mkdir -p "$logs" "$out"
# The archive's upload on Debian 13 and unstable, beside all the rest, which waits for nothing of it.
beside "Debian 13: the archive's upload, with its tests and the pictures" "$logs/upload-trixie.log" \
    bash scripts/deb.sh upload trixie
beside "Debian unstable: the archive's upload, with its tests and the pictures, and its source" \
    "$logs/upload-sid.log" bash scripts/deb.sh upload sid
deb=$out/shoewise_${version}_amd64.deb arm64_deb=$out/shoewise_${version}_arm64.deb

# like_release ARCH: this machine's packages among those the release's ARCH build was made with (its
# .buildinfo), at the versions it had where they differ; one that apt does not offer at that version
# is named and left as it is, for the comparison to judge.
like_release() {
    local differ offered entry wanted=()
    mapfile -t differ < <(sed -n '/^Installed-Build-Depends:/,/^[^ ]/s/^ \([^ ]*\) (= \([^)]*\)),\?$/\1=\2/p' \
        "$out/shoewise_${version}_$1.buildinfo" | while IFS='=' read -r package at; do
        [[ $(dpkg-query -W -f='${Version}' "$package" 2>/dev/null) == "$at" ]] || echo "$package=$at"
    done)
    ((${#differ[@]})) || return 0
    offered=$(apt-cache madison "${differ[@]%%=*}" | awk -F '|' '{gsub(/ /, ""); print $1 "=" $2}')
    for entry in "${differ[@]}"; do
        if grep -qxF -- "$entry" <<<"$offered"; then
            wanted+=("$entry")
        else
            echo "deb.sh: ${entry%%=*} is not at the release build's ${entry#*=} here, which apt does not offer" >&2
        fi
    done
    ((${#wanted[@]} == 0)) || env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${wanted[@]}" >/dev/null
}
# rebuild ARCH [OPTIONS...]: reprotest's build for ARCH, beside, compared with the release's packages
# (its control build); where they differ, its log has diffoscope's report. It varies the build path,
# file order (disorderfs), time (faketime), locale, time zone, umask, number of processors (one against
# the release's two), host and domain names, kernel, ASLR, HOME, PATH and a variable of its own; not
# the user, as Debian 12's reprotest (0.7.23) runs it through `sudo -h localhost`, which Debian 12's
# sudo refuses. amd64's leaves the tests out (the nocheck profile), which must change nothing.
rebuild() {
    local arch=$1 dir=$work/reprotest-$1
    shift
    mkdir -p "$dir/control/source-root"
    cp "$dsc" "${dsc%.dsc}.debian.tar.xz" "$work/shoewise_$upstream.orig.tar.xz" "$dir/"
    cp "$out"/*_"$version"_"$arch".deb "$dir/control/source-root/"
    # shellcheck disable=SC2016  # expanded by the inner shell
    beside "reprotest: $arch, compared with the release's" "$logs/reprotest-$arch.log" bash -c 'cd "$0" && exec "$@"' \
        "$dir" reprotest --control-build="$dir/control" --store-dir="$dir/out" --vary=-user_group --vary=-num_cpus \
        "$@" "${dsc##*/}" -- null
}
# Each check starts as soon as its package is built. The installed packages' checks are mostly apt,
# dpkg and waiting, on one core at most, in a testbed of its own.
bash scripts/deps.sh arm64
sources "$out"
amd64
for suite in bookworm trixie sid; do
    base=$(minbase_root "$suite")
    # piuparts's own configuration of a trixie root leaves this folder, which its check then finds.
    beside "piuparts on $suite: install, remove, purge" "$logs/piuparts-$suite.log" \
        piuparts --basetgz="$base" --distribution="$suite" --keep-sources-list --no-eatmydata \
        --ignore=/var/cache/debconf/tmp.ci/ --tmpdir="$work" "$deb"
    beside "autopkgtest on $suite: the desktop files, and the window under openbox" "$logs/autopkgtest-$suite.log" \
        autopkgtest --apt-upgrade --output-dir="$work/autopkgtest-$suite" "$dsc" "$deb" \
        -- unshare --release "$suite" --arch amd64 --tarball "$base"
done
step "the amd64 package: its program's hardening, its dependencies" bash tests/desktop/package.sh "$deb" g++
arm64
# This machine's packages change before either of reprotest's builds starts.
like_release amd64
like_release arm64
rebuild amd64 --vary=environment.variables+='DEB_BUILD_OPTIONS=nocheck;DEB_BUILD_PROFILES=nocheck'
rebuild arm64 --vary=environment.variables+=DEB_BUILD_OPTIONS=nocheck \
    --append-build-command='--host-arch=arm64 --build-profiles=cross,nocheck'
step "the arm64 package: its program's hardening, its dependencies" bash tests/desktop/package.sh "$arm64_deb" \
    aarch64-linux-gnu-g++

# arm64: what an arm64 Debian 12 testbed would show, where one would take most of an hour under
# emulation: apt resolves the package's dependencies among Debian 12's arm64 packages, through this
# machine's multiarch; its files pass what the desktop-files autopkgtest checks; its program, run by
# qemu with the arm64 libraries it depends on, passes what the window autopkgtest checks. What is left
# out is dpkg and apt themselves running as arm64 programs, and installation scripts, which the package
# has none of its own of, and which piuparts runs on amd64.
installed_arm64() {
    local tree=$work/arm64 id
    apt-get install --simulate "$arm64_deb" >"$work/arm64-apt.log" || fail "apt cannot install $arm64_deb: $(cat "$work/arm64-apt.log")"
    dpkg-deb -x "$arm64_deb" "$tree"
    id=$(sed -n 's/^set(SHOEWISE_APP_ID \(.*\))$/\1/p' CMakeLists.txt)
    bash tests/desktop/install.sh "$tree/usr" "$id" "$upstream"
    bash tests/desktop/window_manager.sh qemu-aarch64 openbox -L / "$tree/usr/games/shoewise"
}
step "the arm64 package, as its autopkgtests would show on Debian 12" installed_arm64

wait_beside
echo "deb.sh: the packages in $out pass every check; the logs are in $logs"
