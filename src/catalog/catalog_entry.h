#pragma once

#include <QString>
#include <QTypeInfo>

// One catalogue entry: one row of the list and one line of a category file, its four texts in this order.
struct CatalogEntry {
    QString EntryName;
    QString EntryKind;
    QString EntryType;
    QString EntryLocation;

    static constexpr int FieldCount = 4;

    // Field by its position, 0 to 3, which is also its column in the list.
    QString& operator[](int field) {
        return field == 0 ? EntryName : field == 1 ? EntryKind : field == 2 ? EntryType : EntryLocation;
    }
    const QString& operator[](int field) const { return const_cast<CatalogEntry&>(*this)[field]; }

    friend bool operator==(const CatalogEntry&, const CatalogEntry&) = default;
};

// Its texts move with it, so a growing list moves entries by their bytes.
Q_DECLARE_TYPEINFO(CatalogEntry, Q_RELOCATABLE_TYPE);
