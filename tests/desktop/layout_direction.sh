#!/usr/bin/env bash
# layout_direction.sh SCALE_PROBE: the layout is fixed in pixels, left to right. Qt's -reverse and a
# right-to-left language (Hebrew, with its locale generated for the run) leave every page exactly as
# in the default run, pixel for pixel, captions such as "10,J,Q,K,A" included.
here=$(cd "$(dirname "$0")" && pwd)
source "$here/session.sh"
probe=$1
require localedef compare
[[ -d /usr/share/i18n/locales ]] || { echo "SKIP: the locales package is not installed"; exit "$SKIP"; }
export QT_QPA_PLATFORM=offscreen
unset LANGUAGE LC_ALL LC_MESSAGES

mkdir "$work/locale"
localedef -i he_IL -f UTF-8 "$work/locale/he_IL.UTF-8" || fail "could not generate he_IL.UTF-8"

# run NAME [ENV...] -- [ARGS...]: pictures of every page under $work/NAME.
run() {
    local name=$1 environment=()
    shift
    while [[ $1 != -- ]]; do environment+=("$1"); shift; done
    shift
    env "${environment[@]}" "$probe" --report "$work/$name.txt" --pages "$work/$name/shot" "$@" \
        >"$work/$name.out" 2>"$work/$name.err" || fail "the probe failed ($name): $(cat "$work/$name.err")"
}
run default LANG=C.UTF-8 --
run reverse LANG=C.UTF-8 -- -reverse
run hebrew LANG=he_IL.UTF-8 LOCPATH="$work/locale" LANGUAGE=he --

check "the Hebrew run is in a right-to-left locale" grep -qx 'locale he_IL right-to-left' "$work/hebrew.out"
pages=("$work"/default/shot-page*.png)
check "every page was pictured (${#pages[@]})" test "${#pages[@]}" -eq 14
same_pixels() {  # same_pixels RUN: every page of RUN equals the default run's, pixel for pixel
    local page differ
    for page in "${pages[@]}"; do
        differ=$(compare -metric AE "$page" "$work/$1/${page##*/}" null: 2>&1 || true)
        [[ $differ == 0 ]] || { echo "${page##*/}: $differ pixels differ"; return 1; }
    done
}
for variant in reverse hebrew; do
    check "$variant: every page is pixel-identical to the default run" same_pixels "$variant"
done
finish
