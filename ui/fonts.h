#pragma once

#include <QFont>

namespace shoewise {

// The family every caption asks for. No Linux system has it, so installFontSubstitutions() maps it,
// inside Qt only, to the proportional Japanese gothic face that stands in for it.
inline constexpr auto WindowFontFamily = "ＭＳ Ｐゴシック";
inline constexpr auto StandInFontFamily = "IPAPGothic";

void installFontSubstitutions();

// The window's typeface at the given character height in pixels.
QFont windowFont(int pixels, bool bold = false);

}  // namespace shoewise
