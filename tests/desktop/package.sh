#!/usr/bin/env bash
# package.sh DEB COMPILER: checks the Debian package DEB as a user gets it: its control fields and
# contents with dpkg-deb, and its program against Debian's hardening with hardening-check. COMPILER is
# the C++ compiler of the toolchain the package was built with, for its architecture.
here=$(cd "$(dirname "$0")" && pwd)
source "$here/session.sh"
deb=$1 compiler=$2
require dpkg-deb readelf hardening-check
id=$(sed -n 's/^set(SHOEWISE_APP_ID \(.*\))$/\1/p' "$root/CMakeLists.txt")
version=$(sed -n 's/^    VERSION \(.*\)$/\1/p' "$root/CMakeLists.txt")

field() { dpkg-deb -f "$deb" "$1"; }
check "the package is shoewise" test "$(field Package)" = shoewise
upstream=$(field Version | sed -E 's/^[0-9]+://; s/-[^-]+$//')  # without epoch and Debian revision
check "the package's upstream version is $version" test "$upstream" = "$version"
check "the package is in the games section, as its desktop entry" test "$(field Section)" = games
check "the maintainer has a name and an address" grep -Eq '^[^<]+ <[^@ ]+@[^> ]+>$' <<<"$(field Maintainer)"
check "the package has a description" test -n "$(field Description)"
check "the package names its homepage" grep -q '^https://' <<<"$(field Homepage)"
depends=$(field Depends)
echo "Depends: $depends"
check "it depends on the Qt widgets library, found from the program" grep -Eq '(^|, )libqt6widgets6( |,|$)' <<<"$depends"
check "it depends on the Japanese gothic font" grep -Eq '(^|, )fonts-ipafont-gothic( |,|$)' <<<"$depends"

dpkg-deb -c "$deb" | awk '{print $NF}' >"$work/contents"
for path in ./usr/games/shoewise ./usr/share/applications/$id.desktop ./usr/share/metainfo/$id.metainfo.xml \
    ./usr/share/icons/hicolor/{16x16,32x32,48x48}/apps/$id.png ./usr/share/icons/hicolor/scalable/apps/$id.svg \
    ./usr/share/doc/shoewise/{copyright,changelog.Debian.gz} ./usr/share/man/man6/shoewise.6.gz; do
    check "the package holds $path" grep -qxF "$path" "$work/contents"
done
dpkg-deb -x "$deb" "$work/root"
# Qt's standard set-up gives a run path relative to the program, which finds the system's libraries
# here as anywhere it is installed; one naming a folder would name the build's.
relative_run_path() {
    # shellcheck disable=SC2016  # $ORIGIN is the loader's, written as it is
    ! readelf -d "$1" | grep -E 'R(UN)?PATH' | grep -qvE '\[\$ORIGIN[^]:]*(:\$ORIGIN[^]:]*)*\]'
}
check "the packaged program's run path is relative to it" relative_run_path "$work/root/usr/games/shoewise"
check "the packaged program is stripped of the compilers' notes" not grep -qF .comment <<<"$(readelf -S "$work/root/usr/games/shoewise")"

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
