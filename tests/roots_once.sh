#!/usr/bin/env bash
# Two scripts wanting the same root at once (as .ci/run's roots beside its steps): it is made once, and
# both are given it. mmdebstrap is a stand-in that takes a second and counts its calls; the archive
# entries are the test's own, as a root's /etc/apt may have none the scripts read.
source "$(dirname "$0")/../scripts/lib.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/bin"
cat >"$work/bin/mmdebstrap" <<'STUB'
#!/bin/sh
echo made >>"$MADE"
sleep 1
# The output comes before the archive entries, one list for unstable.
eval "target=\${$(($# - 1))}"
echo root >"$target"
STUB
chmod +x "$work/bin/mmdebstrap"
export PATH=$work/bin:$PATH XDG_CACHE_HOME=$work/cache MADE=$work/made
cache=$XDG_CACHE_HOME/shoewise
echo "deb http://deb.debian.org/debian sid main" >"$work/sid.list"
archive_sources() { sources=("$work/sid.list") aptopts=(); }
root_tarball test.tar sid amd64 --variant=minbase >"$work/first" &
root_tarball test.tar sid amd64 --variant=minbase >"$work/second"
wait $!
[[ $(wc -l <"$MADE") -eq 1 ]] || fail "the root was made $(wc -l <"$MADE") times"
if ! cmp -s "$work/first" "$work/second" || [[ $(cat "$(cat "$work/first")") != root ]]; then
    fail "not both given the one root: $(cat "$work/first" "$work/second")"
fi
echo "ok: one root made for two at once"
