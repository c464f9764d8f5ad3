#!/usr/bin/env bash
# package.sh BUILD_DIR APP_ID VERSION: builds the Debian package with CPack into a scratch folder,
# checks its control fields and contents with dpkg-deb and holds it to Debian's rules with lintian.
here=$(cd "$(dirname "$0")" && pwd)
source "$here/session.sh"
build=$1 id=$2 version=$3
require cpack dpkg-deb dpkg-shlibdeps file readelf lintian

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
    bash -c '! readelf -d "$1" | grep -qF "$2"' _ "$work/root/usr/bin/shoewise" "$build"
# Lintian 2.116 no longer looks for the stack protector, so its check function is looked for here.
check "the packaged program is built with the stack protector" \
    grep -q ' __stack_chk_fail\b' <(readelf --dyn-syms -W "$work/root/usr/bin/shoewise")

# Debian's own checks: nothing at error or warning level, and at info level, where lintian reports a
# missing bind-now or fortify, no hardening hint at all.
lintian --display-info --fail-on none "$deb" >"$work/lintian.log" 2>"$work/lintian.err" \
    || fail "lintian did not run: $(cat "$work/lintian.err")"
cat "$work/lintian.log"
check "lintian finds no error and no warning" bash -c '! grep -qE "^[EW]: " "$1"' _ "$work/lintian.log"
check "lintian finds the program hardened" bash -c '! grep -qE "^I: .* hardening-" "$1"' _ "$work/lintian.log"
check "lintian finds no section Debian strips" bash -c '! grep -qE "^I: .* binary-has-unneeded-section" "$1"' _ "$work/lintian.log"
finish
