#pragma once

#include <QFont>

namespace shoewise {

// The family every caption is laid out in. Linux systems lack it, so installFontSubstitutions() maps
// it, inside Qt only, to the proportional Japanese gothic face that stands in for it, and from then
// on windowFont() asks for the stand-in directly where the family is missing.
inline constexpr auto WindowFontFamily = "ＭＳ Ｐゴシック";
inline constexpr auto StandInFontFamily = "IPAPGothic";

void installFontSubstitutions();

// The window's typeface at the given character height in pixels.
QFont windowFont(int pixels, bool bold = false);

}  // namespace shoewise
