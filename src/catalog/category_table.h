#pragma once

#include <QString>
#include <QStringList>

// One page of the button bar. The registration page and the help page have no file and no kinds.
struct Category {
    int index;
    QString caption;
    QString fileName;
    QStringList kinds;

    bool hasFile() const { return !fileName.isEmpty(); }
};

// The fourteen pages of the button bar, by index 0 to 13.
class CategoryTable {
public:
    static constexpr int Count = 14;
    static constexpr int RegistrationPage = 6;
    static constexpr int HelpPage = 13;

    static bool isCategory(int index) {
        return index >= 0 && index < Count && index != RegistrationPage && index != HelpPage;
    }

    // index must be 0 to 13.
    static const Category& byIndex(int index);

    // The category whose caption equals text exactly; the two pages without a file never match.
    static const Category* byCaption(const QString& text);
};

// The entry types the editors offer, in order; the first is the editors' initial text.
const QStringList& EntryTypes();
