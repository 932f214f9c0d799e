#include "string_helpers.h"

namespace Strings {

int InStr(const QString& text, const QString& part) {
    return static_cast<int>(text.indexOf(part, 0, Qt::CaseSensitive)) + 1;
}

bool Like(const QString& text, const QString& pattern) {
    // Greedy match with one backtrack point, the last "*": linear for patterns with a single star, and never
    // worse than quadratic.
    qsizetype t = 0, p = 0;
    qsizetype starAt = -1, resumeAt = 0;
    while (t < text.size()) {
        if (p < pattern.size() && pattern[p] == u'*') {
            starAt = p++;
            resumeAt = t;
        } else if (p < pattern.size() && pattern[p] == text[t]) {
            ++p;
            ++t;
        } else if (starAt >= 0) {
            p = starAt + 1;
            t = ++resumeAt;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == u'*')
        ++p;
    return p == pattern.size();
}

} // namespace Strings
