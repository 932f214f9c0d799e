#pragma once

#include <QFont>

// The font of both windows and of every control without a font of its own. The family is the one the program
// was designed with; the platform maps it to a font it has with the same metrics.
inline constexpr auto DefaultFontFamily = u"ＭＳ Ｐゴシック";
inline constexpr auto DefaultFontSubstitute = "IPAPGothic";
inline constexpr int DefaultFontPointSize = 9;

// Maps the design family to the installed one, for the whole process.
void installDefaultFontSubstitution();

QFont DefaultFont();
