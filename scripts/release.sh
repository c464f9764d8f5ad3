#!/usr/bin/env bash
# release.sh [check]: the release files of the commit checked out, made so that anyone can rebuild
# them bit for bit: dist/ with the upstream tarball, the Debian source package made from it and the
# Debian packages for amd64 and arm64 with their .buildinfo (scripts/deb.sh release), the Windows zip
# and installer, and SHA256SUMS.
#   check   makes them twice, in two folders, minutes apart and under different umasks, and compares
#           the two (each .buildinfo but for the build's date and folder, which it records); where any
#           file differs, diffoscope shows how, and the check fails; where none does, they are left
#           in dist/.
# Everything is built from a clean copy of the commit; the time every Windows file carries is the
# commit's, every Debian one the changelog entry's, as dpkg-buildpackage gives it.
source "$(dirname "$0")/lib.sh"
cd "$root"
what=${1:-}
commit=$(git rev-parse HEAD)
[[ -z $(git status --porcelain --untracked-files=no) ]] || echo "release.sh: uncommitted changes are left out" >&2

bash scripts/deps.sh release

# release_into OUT: the release files of the commit, made in folders of their own, copied into OUT.
release_into() {
    local out=$1 work
    work=$(mktemp -d "${TMPDIR:-/tmp}/shoewise-release.XXXXXX")
    mkdir -p "$out"
    rm -f "$out"/*
    (
        umask 022  # the modes the archives record
        SOURCE_DATE_EPOCH=$(git -C "$root" log -1 --format=%ct "$commit")
        export SOURCE_DATE_EPOCH LC_ALL=C.UTF-8 TZ=UTC
        # The Debian packages from the commit's source package, built in a root of their own.
        bash scripts/deb.sh release "$out"
        git archive "$commit" | tar -x -C "$work"
        cd "$work"
        bash scripts/windows.sh release
    )
    # The Windows files are where windows.sh built them: in build/debian13/ where it used a Debian 13 root.
    local files
    files=$(shopt -s nullglob && printf '%s\n' "$work"/build/{,debian13/}windows-release/shoewise-*-win64.{zip,exe})
    [[ $(wc -l <<<"$files") -eq 2 ]] || { echo "release.sh: not one .zip and one .exe: $files" >&2; exit 1; }
    xargs -d '\n' cp -t "$out"/ <<<"$files"
    (cd "$out" && files=(*) && sha256sum -- "${files[@]}" >SHA256SUMS)
    rm -rf "$work"
}

if [[ $what != check ]]; then
    release_into "$root/dist"
    cat "$root/dist/SHA256SUMS"
    exit 0
fi

runs=$(mktemp -d "${TMPDIR:-/tmp}/shoewise-release-check.XXXXXX")
trap 'rm -rf "$runs"' EXIT
(umask 002 && release_into "$runs/first")
(umask 077 && release_into "$runs/second")
# same FILE: the two builds gave FILE alike. A .buildinfo records when and in which folder its build
# ran, which differ by design; everything else in it, the packages' checksums, the build-dependencies
# and the environment, must be the same.
same() {
    if [[ $1 == *.buildinfo ]]; then
        cmp -s <(grep -vE '^Build-(Date|Path):' "$runs/first/$1") <(grep -vE '^Build-(Date|Path):' "$runs/second/$1")
    else
        cmp -s "$runs/first/$1" "$runs/second/$1"
    fi
}
differ=()
while read -r _ file; do
    [[ -f $runs/second/$file ]] && same "$file" || differ+=("$file")
done <"$runs/first/SHA256SUMS"
[[ $(cd "$runs/first" && ls) == "$(cd "$runs/second" && ls)" ]] || differ+=("the list of files")
if ((${#differ[@]} == 0)); then
    cat "$runs/first/SHA256SUMS"
    echo "release.sh check: both builds gave the same files"
    mkdir -p "$root/dist"
    rm -f "$root"/dist/*
    cp "$runs"/first/* "$root/dist/"
    exit 0
fi
diff "$runs/first/SHA256SUMS" "$runs/second/SHA256SUMS" || true
for file in "${differ[@]}"; do
    [[ -f $runs/first/$file ]] || continue
    diffoscope --text - "$runs/first/$file" "$runs/second/$file" || true
done
echo "release.sh check: the two builds differ: ${differ[*]}" >&2
exit 1
