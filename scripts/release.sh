#!/usr/bin/env bash
# release.sh [check]: the release files of the commit checked out, rebuildable by anyone bit for bit,
# into dist/: the upstream tarball, the Debian source package made from it, the Debian packages for
# amd64 and arm64 with their .buildinfo (deb.sh release), the Windows zip and installer (windows.sh
# release) and SHA256SUMS. The Windows builds run beside the Debian ones. Each file's time is the
# commit's (Windows) or the changelog entry's (Debian).
#   check   then builds them all again, varied, and fails where any file differs, diffoscope showing how:
#           - reprotest builds the source package twice, first with the package's tests, then with
#             DEB_BUILD_OPTIONS=nocheck and the nocheck profile, as the release is built, varying the
#             build path, file order (disorderfs), time (faketime), locale, time zone, umask, number of
#             processors, host and domain names, kernel, ASLR, HOME, PATH and a variable of its own;
#             not the user, as Debian 12's reprotest (0.7.23) runs it through `sudo -h localhost`,
#             which Debian 12's sudo refuses; and likewise for arm64, cross-built;
#           - the Windows files from another folder seen through disorderfs, with `windows.sh release
#             varied`'s variations;
#           - the upstream tarball and the source package, under another umask, locale and time zone.
#           The logs go to build/release/.
source "$(dirname "$0")/lib.sh"
cd "$root"
what=${1:-}
commit=$(git rev-parse HEAD)
[[ -z $(git status --porcelain --untracked-files=no) ]] || echo "release.sh: uncommitted changes are left out" >&2

# reprotest's arm64 builds take the cross compiler and arm64 libraries the arm64 build does.
bash scripts/deps.sh release
bash scripts/deps.sh arm64
dist=$root/dist
mkdir -p "$dist"
rm -f "$dist"/*

# windows_into DIR OUT [ARGS...]: the Windows zip and installer, built by windows.sh release ARGS from a
# clean copy of the commit in DIR, copied into OUT.
windows_into() {
    local dir=$1 out=$2 files
    shift 2
    git archive "$commit" | tar -x -C "$dir"
    (cd "$dir" && SOURCE_DATE_EPOCH=$(git -C "$root" log -1 --format=%ct "$commit") bash scripts/windows.sh release "$@")
    # Where windows.sh built them: in build/debian13/ where it used a Debian 13 root.
    files=$(shopt -s nullglob && printf '%s\n' "$dir"/build/{,debian13/}windows-release/shoewise-*-win64.{zip,exe})
    [[ $(wc -l <<<"$files") -eq 2 ]] || fail "not one .zip and one .exe: $files"
    xargs -d '\n' cp -t "$out"/ <<<"$files"
}

work=$(mktemp -d "${TMPDIR:-/tmp}/shoewise-release.XXXXXX")
# Whatever ends the run, the Windows builds beside it end first; reprotest, run as root, leaves root's files.
trap 'wait; mountpoint -q "$work/varied" && as_root umount "$work/varied"; as_root rm -rf "$work"' EXIT
logs=$root/build/release
rm -rf "$logs"
mkdir -p "$logs" "$work/windows" "$work/second"

# reprotest_on ARCH [OPTIONS...]: the source package built twice by reprotest, for ARCH, in the ways
# above; its packages compared, and where they differ, diffoscope's report shown and a failure.
differ=()
reprotest_on() {
    local arch=$1 log=$logs/reprotest-$1.log
    shift
    mkdir "$work/$arch"
    cp "$dist"/*.dsc "$dist"/*.debian.tar.xz "$dist"/*.orig.tar.xz "$work/$arch/"
    if (cd "$work/$arch" && as_root reprotest --min-cpus=1 --store-dir="$work/$arch/out" --vary=-user_group \
        "$@" ./*.dsc -- null) >"$log" 2>&1; then
        sed -n '/^Reproduction successful/,$p' "$log"
    else
        cat "$work/$arch/out"/*.diffoscope.out 2>/dev/null || tail -n 60 "$log"
        return 1
    fi
}
# The Windows files, beside the Debian builds, which leave a processor idle much of the time; for the
# check, again: from another folder, seen through disorderfs, with windows.sh's variations.
windows() {
    step "Windows zip and installer" windows_into "$work/windows" "$dist"
    [[ $what == check ]] || return 0
    mkdir "$work/backing" "$work/varied"
    disorderfs --quiet --shuffle-dirents=yes "$work/backing" "$work/varied"
    step "Windows zip and installer, varied" windows_into "$work/varied" "$work/second" varied
    as_root umount "$work/varied"
}
windows >"$logs/windows.log" 2>&1 &
windows_pid=$!
step "Debian packages" bash scripts/deb.sh release "$dist"
if [[ $what == check ]]; then
    # reprotest's first build has one processor: the two architectures' run at once.
    step "reprotest: amd64, varied and without the tests" reprotest_on amd64 \
        --vary=environment.variables+='DEB_BUILD_OPTIONS=nocheck;DEB_BUILD_PROFILES=nocheck' >"$work/amd64.out" 2>&1 &
    amd64_pid=$!
    step "reprotest: arm64, cross-built" reprotest_on arm64 \
        --append-build-command='--host-arch=arm64 --build-profiles=cross,nocheck' >"$work/arm64.out" 2>&1 &
    wait $! || differ+=("the arm64 packages ($logs/reprotest-arm64.log)")
    wait "$amd64_pid" || differ+=("the amd64 packages ($logs/reprotest-amd64.log)")
    cat "$work/amd64.out" "$work/arm64.out"
fi
wait "$windows_pid" || { tail -n 40 "$logs/windows.log"; fail "the Windows build failed: $logs/windows.log"; }
grep '^== .*: [0-9]* s$' "$logs/windows.log"
(cd "$dist" && files=(*) && sha256sum -- "${files[@]}" >SHA256SUMS)
if [[ $what != check ]]; then
    cat "$dist/SHA256SUMS"
    exit 0
fi

# The upstream tarball and the source package once more, under another umask, locale and time zone.
(umask 077 && step "the upstream tarball and the source package, again" \
    env LC_ALL=C TZ=GMT-14 bash scripts/deb.sh source "$work/second")
for file in "$work/second"/*; do
    cmp -s "$file" "$dist/${file##*/}" && continue
    diffoscope --text - "$dist/${file##*/}" "$file" || true
    differ+=("${file##*/}")
done
if ((${#differ[@]})); then
    fail "release.sh check: not reproducible: ${differ[*]}"
fi
cat "$dist/SHA256SUMS"
echo "release.sh check: every build gave the same files"
