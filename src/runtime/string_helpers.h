#pragma once

#include <QString>

namespace Strings {

// 1-based position of the first occurrence of part in text, 0 when there is none; exact and case-sensitive.
// An empty part is found at position 1.
int InStr(const QString& text, const QString& part);

// Case-sensitive wildcard match in which "*" stands for any run of characters, the empty one included.
// Every other character matches only itself.
bool Like(const QString& text, const QString& pattern);

} // namespace Strings
