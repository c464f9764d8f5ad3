#!/usr/bin/env bash
# install.sh BUILD_DIR APP_ID VERSION: installs the build into a scratch prefix and checks that the
# desktop sees one consistent application: program, desktop entry, icons and AppStream metainfo.
here=$(cd "$(dirname "$0")" && pwd)
source "$here/session.sh"
build=$1 id=$2 version=$3
require cmake file desktop-file-validate appstreamcli

prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" >"$work/install.log" 2>&1 || fail "install failed: $(cat "$work/install.log")"
desktop=$prefix/share/applications/$id.desktop
metainfo=$prefix/share/metainfo/$id.metainfo.xml

check "the program is installed and executable" test -x "$prefix/bin/shoewise"
for icon in 16x16/apps/$id.png 32x32/apps/$id.png 48x48/apps/$id.png scalable/apps/$id.svg; do
    check "icon $icon is installed" test -s "$prefix/share/icons/hicolor/$icon"
done
for size in 16 32 48; do
    check "the ${size}x$size icon is ${size} pixels square" \
        grep -q "PNG image data, $size x $size" <(file "$prefix/share/icons/hicolor/${size}x$size/apps/$id.png")
done
check "the desktop entry is installed" test -s "$desktop"
check "the desktop entry is valid" desktop-file-validate "$desktop"
entry() { sed -n "s/^$1=//p" "$desktop"; }
check "the desktop entry is named Shoewise" test "$(entry Name)" = Shoewise
check "the desktop entry runs the installed program" test -x "$prefix/bin/$(entry Exec | cut -d' ' -f1)"
check "the desktop entry's icon is the installed one" test "$(entry Icon)" = "$id"
check "the desktop entry has categories" grep -q '^Categories=..*;$' "$desktop"

check "the metainfo is installed" test -s "$metainfo"
check "the metainfo is valid" appstreamcli validate --no-net "$metainfo"
check "the metainfo carries the id" grep -q "<id>$id</id>" "$metainfo"
check "the metainfo launches the desktop entry" grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo"
check "the metainfo names the release $version" grep -q "<release version=\"$version\"" "$metainfo"
finish
