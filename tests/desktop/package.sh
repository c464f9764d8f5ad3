#!/usr/bin/env bash
# package.sh DEB COMPILER: what neither lintian nor the package's autopkgtests check of the Debian
# package DEB: that it depends on the Japanese font its pages are drawn in, whose lack the program
# shows only as boxes, and its program against Debian's hardening, with hardening-check (lintian looks
# for PIE, RELRO, BIND_NOW and fortified functions alone, not for the stack protector, stack clash
# protection or control-flow marks). COMPILER is the C++ compiler of the toolchain the package was
# built with, for its architecture. The package's fields, files, run paths and stripping are
# lintian's; its files as installed and its library dependencies, in a clean root, its autopkgtests'
# (debian/tests/).
here=$(cd "$(dirname "$0")" && pwd)
source "$here/session.sh"
deb=$1 compiler=$2
require dpkg-deb readelf hardening-check
check "it depends on the Japanese gothic font" grep -Eq '(^|, )fonts-ipafont-gothic( |,|$)' <<<"$(dpkg-deb -f "$deb" Depends)"
dpkg-deb -x "$deb" "$work/root"

# hardening-check wants every feature, and from devscripts 2.25 (Debian 13's) the control-flow marks
# of both processors it knows, x86's (IBT, SHSTK) and AArch64's (BTI, PAC), on every program: the other
# processor's is excused. The program's own is excused only where the toolchain marks no program with
# it: the linker marks a program only when every object it links is marked, the C library's start
# files too, and where those are not (Debian 12's and 13's on amd64), no program has the mark. A
# program of one line built with the flag shows which; for x86 the linker names the unmarked objects.
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
