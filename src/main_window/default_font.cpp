#include "default_font.h"

#include <QStringList>

void installDefaultFontSubstitution() {
    const QString family = QString::fromUtf16(DefaultFontFamily);
    if (!QFont::substitutes(family).contains(QLatin1String(DefaultFontSubstitute)))
        QFont::insertSubstitution(family, QLatin1String(DefaultFontSubstitute));
}

QFont DefaultFont() {
    return QFont(QString::fromUtf16(DefaultFontFamily), DefaultFontPointSize, QFont::Normal);
}
