#!/usr/bin/env bash
# package.sh BUILD_DIR APP_ID VERSION COMPILER: builds the Debian package with CPack into a scratch
# folder, checks its control fields and contents with dpkg-deb and holds it to Debian's rules with
# lintian and its program to Debian's hardening with hardening-check. COMPILER is the build's C++
# compiler.
here=$(cd "$(dirname "$0")" && pwd)
source "$here/session.sh"
build=$1 id=$2 version=$3 compiler=$4
require cpack dpkg-deb dpkg-shlibdeps file readelf lintian hardening-check

cpack -G DEB -B "$work" --config "$build/CPackConfig.cmake" >"$work/cpack.log" 2>&1 \
    || fail "cpack failed: $(cat "$work/cpack.log")"
debs=("$work"/*.deb)
[[ ${#debs[@]} -eq 1 && -f ${debs[0]} ]] || fail "expected one package, found: ${debs[*]}"
deb=${debs[0]}

field() { dpkg-deb -f "$deb" "$1"; }
check "the package is shoewise" test "$(field Package)" = shoewise
check "the package version is $version" test "$(field Version)" = "$version"
check "the maintainer has a name and an address" grep -Eq '^[^<]+ <[^@ ]+@[^> ]+>$' <<<"$(field Maintainer)"
check "the package has a description" test -n "$(field Description)"
check "the package names its homepage" grep -q '^https://' <<<"$(field Homepage)"
depends=$(field Depends)
echo "Depends: $depends"
check "it depends on the Qt widgets library, found from the program" grep -Eq '(^|, )libqt6widgets6( |,|$)' <<<"$depends"
check "it depends on the Japanese gothic font" grep -Eq '(^|, )fonts-ipafont-gothic( |,|$)' <<<"$depends"

dpkg-deb -c "$deb" | awk '{print $NF}' >"$work/contents"
for path in ./usr/bin/shoewise ./usr/share/applications/$id.desktop ./usr/share/metainfo/$id.metainfo.xml \
    ./usr/share/icons/hicolor/{16x16,32x32,48x48}/apps/$id.png ./usr/share/icons/hicolor/scalable/apps/$id.svg \
    ./usr/share/doc/shoewise/{copyright,changelog.gz} ./usr/share/man/man1/shoewise.1.gz; do
    check "the package holds $path" grep -qxF "$path" "$work/contents"
done
dpkg-deb -x "$deb" "$work/root"
check "the packaged program has no run path into the build folder" \
    not grep -qF "$build" <<<"$(readelf -d "$work/root/usr/bin/shoewise")"

# Debian's own checks: nothing at error or warning level, and at info level, where lintian reports a
# missing bind-now or fortify, no hardening hint at all.
lintian --display-info --fail-on none "$deb" >"$work/lintian.log" 2>"$work/lintian.err" \
    || fail "lintian did not run: $(cat "$work/lintian.err")"
cat "$work/lintian.log"
check "lintian finds no error and no warning" lacks '^[EW]: ' "$work/lintian.log"
check "lintian finds the program hardened" lacks '^I: .* hardening-' "$work/lintian.log"
check "lintian finds no section Debian strips" lacks '^I: .* binary-has-unneeded-section' "$work/lintian.log"

# hardening-check wants every feature, and from devscripts 2.25 (Debian 13's) the control-flow marks
# of both processors it knows, x86's (IBT, SHSTK) and AArch64's (BTI, PAC), on every program: the other
# processor's is excused. The program's own is excused only where the toolchain marks no program with
# it: the linker marks a program only when every object it links is marked, the C library's start
# files too, and where those are not (Debian 12's and 13's on amd64), no program has the mark. A
# program of one line built with the flag shows which; for x86 the linker names the unmarked objects.
command -v "$compiler" >/dev/null || fail "no such compiler: $compiler"
program=$work/root/usr/bin/shoewise
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
