#!/usr/bin/env bash
# release.sh [check]: the release files of the commit checked out, rebuildable by anyone bit for bit,
# into dist/: the upstream tarball, the Debian source package made from it, the Debian packages for
# amd64 and arm64 with their .buildinfo (deb.sh release), the Windows zip and installer (windows.sh
# release) and SHA256SUMS. The Windows files are built beside the Debian ones. Each file's time is the
# commit's.
#   check   the Debian packages are made and checked by `deb.sh check`, reprotest's comparison among
#           its checks; the Windows files by `windows.sh test`, which runs the tests under Wine on that
#           very build. Then the Windows files are built again without the tests, from another folder
#           seen through disorderfs, with `windows.sh release varied`'s variations, and the upstream
#           tarball and the source package under another umask, locale and time zone; each must be
#           the same as the release's, diffoscope showing where not. The logs go to build/release/
#           and build/deb/.
source "$(dirname "$0")/lib.sh"
cd "$root"
check=""
case ${1:-} in
"") ;;
check) check=yes ;;
*) echo "usage: release.sh [check]" >&2; exit 2 ;;
esac
commit=$(git rev-parse HEAD)
[[ -z $(git status --porcelain --untracked-files=no) ]] || echo "release.sh: uncommitted changes are left out" >&2

bash scripts/deps.sh release
dist=$root/dist
mkdir -p "$dist"
rm -f "$dist"/*

# windows_into DIR OUT COMMAND...: the Windows zip and installer, built by windows.sh COMMAND from a
# clean copy of the commit in DIR, copied into OUT.
windows_into() {
    local dir=$1 out=$2 files
    shift 2
    git archive "$commit" | tar -x -C "$dir"
    (cd "$dir" && SOURCE_DATE_EPOCH=$(git -C "$root" log -1 --format=%ct "$commit") bash scripts/windows.sh "$@")
    # Where windows.sh built them: in build/debian13/ where it used a Debian 13 root.
    files=$(shopt -s nullglob && printf '%s\n' "$dir"/build/{,debian13/}windows{,-release}/shoewise-*-win64.{zip,exe})
    [[ $(wc -l <<<"$files") -eq 2 ]] || fail "not one .zip and one .exe: $files"
    xargs -d '\n' cp -t "$out"/ <<<"$files"
}

work=$(mktemp -d "${TMPDIR:-/tmp}/shoewise-release.XXXXXX")
# Whatever ends the run, the Windows builds beside it, in a process group of their own, end first.
windows_pid=""
trap '[[ -z $windows_pid ]] || kill -- "-$windows_pid" 2>/dev/null || true; wait
    mountpoint -q "$work/varied" && as_root umount "$work/varied"; as_root rm -rf "$work"' EXIT
logs=$root/build/release
rm -rf "$logs"
mkdir -p "$logs" "$work/windows" "$work/second"

windows() {
    if [[ -z $check ]]; then
        step "Windows zip and installer" windows_into "$work/windows" "$dist" release
        return
    fi
    step "Windows zip and installer, tested under Wine" windows_into "$work/windows" "$dist" test
    mkdir "$work/backing" "$work/varied"
    disorderfs --quiet --shuffle-dirents=yes "$work/backing" "$work/varied"
    step "Windows zip and installer, again, varied" windows_into "$work/varied" "$work/second" release varied
    as_root umount "$work/varied"
}
set -m
windows >"$logs/windows.log" 2>&1 &
windows_pid=$!
set +m
differ=()
if [[ -n $check ]]; then
    step "Debian packages, made and checked" bash scripts/deb.sh check "$dist"
else
    step "Debian packages" bash scripts/deb.sh release "$dist"
fi

wait "$windows_pid" || { tail -n 40 "$logs/windows.log"; fail "the Windows build failed: $logs/windows.log"; }
grep '^== .*: [0-9]* s$' "$logs/windows.log"
(cd "$dist" && files=(*) && sha256sum -- "${files[@]}" >SHA256SUMS)
if [[ -z $check ]]; then
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
