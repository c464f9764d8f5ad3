#!/usr/bin/env bash
# layout_direction.sh WINDOW_TESTS: the layout is fixed in pixels, left to right. Under Qt's -reverse
# and in a right-to-left language (Hebrew, with its locale generated for the run) every page still
# matches its committed reference picture pixel for pixel, captions such as "10,J,Q,K,A" included.
source "$(dirname "$0")/session.sh"
pictures=("$1" --gtest_filter='Pictures.*' --gtest_brief=1)
require localedef locale
[[ -d /usr/share/i18n/locales ]] || skip "the locales package is not installed"
export QT_QPA_PLATFORM=offscreen
unset LANGUAGE LC_ALL LC_MESSAGES

mkdir "$work/locale"
localedef -i he_IL -f UTF-8 "$work/locale/he_IL.UTF-8" || fail "could not generate he_IL.UTF-8"
hebrew=(LANG=he_IL.UTF-8 LOCPATH="$work/locale" LANGUAGE=he)
check "the Hebrew locale loads" test "$(env "${hebrew[@]}" locale charmap 2>/dev/null)" = UTF-8

check "-reverse: every page is as in its reference picture" env LANG=C.UTF-8 "${pictures[@]}" -reverse
check "Hebrew: every page is as in its reference picture" env "${hebrew[@]}" "${pictures[@]}"
finish
