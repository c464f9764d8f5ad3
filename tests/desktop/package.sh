#!/usr/bin/env bash
# package.sh DEB COMPILER: what neither lintian nor the package's autopkgtests (debian/tests/) check of
# the Debian package DEB: that it depends on the Japanese font its pages are drawn in, whose lack the
# program shows only as boxes, and its program's hardening, with hardening-check (lintian looks for
# PIE, RELRO, BIND_NOW and fortified functions alone, not for the stack protector, stack clash
# protection or control-flow marks). COMPILER is the C++ compiler the package was built with.
source "$(dirname "$0")/session.sh"
deb=$1 compiler=$2
require dpkg-deb readelf hardening-check
check "it depends on the Japanese gothic font" grep -Eq '(^|, )fonts-ipafont-gothic( |,|$)' <<<"$(dpkg-deb -f "$deb" Depends)"
dpkg-deb -x "$deb" "$work/root"

# hardening-check wants every feature, from devscripts 2.25 (Debian 13's) the control-flow marks of
# x86 (IBT, SHSTK) and AArch64 (BTI, PAC) both on every program: the other processor's is excused. The
# program's own is excused only where the toolchain marks no program: the linker marks one only when
# every object it links is marked, the C library's start files too (not so on amd64 in Debian 12 and
# 13). A one-line program built with the flag shows which; for x86 the linker names unmarked objects.
command -v "$compiler" >/dev/null || fail "no such compiler: $compiler"
program=$work/root/usr/games/shoewise
case $(readelf -h "$program") in
*X86-64*)
    flag=(-fcf-protection "-Wl,-z,cet-report=warning") mark="Control flow integrity"
    own=--nocfprotection other=--nobranchprotection
    ;;
*AArch64*)
    flag=(-mbranch-protection=standard) mark="Branch Protection"
    own=--nobranchprotection other=--nocfprotection
    ;;
*) fail "no control-flow mark is known for $(readelf -h "$program" | grep Machine:)" ;;
esac
known=$(hardening-check --help 2>&1 || true)
exempt=()
[[ $known != *"$other"* ]] || exempt+=("$other")
if [[ $known == *"$own"* ]] && ! { "$compiler" "${flag[@]}" -x c++ -o "$work/cf-probe" - \
    <<<'int main() { return 0; }' >"$work/cf-probe.log" 2>&1 \
    && hardening-check "$work/cf-probe" | grep -q "$mark: yes"; }; then
    echo "SKIP: $mark: $compiler marks no program with it:"
    cat "$work/cf-probe.log"
    exempt+=("$own")
fi
check "hardening-check finds the packaged program hardened" hardening-check --verbose "${exempt[@]}" "$program"
finish
