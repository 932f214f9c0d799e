#pragma once

#include "catalog_entry.h"
#include "category_file.h"

#include <QString>

// A category file as the list was last read from it or written to it: a write-back replaces the file only while
// it is still that one, and in the encoding it was read in.
struct CategoryFileStamp {
    // Empty until a file is read.
    QString fileName;
    // A file that was missing is an empty category.
    bool existed = false;
    qint64 size = 0;
    // Nanoseconds since the epoch.
    qint64 modified = 0;
    size_t digest = 0;
    CategoryFile::Encoding encoding = CategoryFile::Encoding::Cp932;
};

// The program-wide values that both windows share for the whole run. The application owns one and hands it to
// both windows.
class Module1 {
public:
    // Set by the first action that may change the shown list, and never cleared; it lets the list be written
    // back to its file.
    bool ListDirty = false;
    // The page last selected with the button bar (0 to 13).
    int CurrentCategory = 0;
    // File name, without folder, of the category file last loaded into the list.
    QString CurrentCsvFile;
    // File name of the shown category when its file could not be read: the list shows what could be read of it,
    // and no write-back touches that file. Empty after every load that succeeded.
    QString UnreadableCsvFile;
    // Whether that file was read but holds bytes of neither encoding, rather than could not be read at all.
    bool UnreadableCsvFileDamaged = false;
    // Set by the remove command when it takes the list down to its header row, so that the next write-back
    // empties the category's file instead of leaving the removed entries in it. Cleared by every load and by the
    // write-back that follows.
    bool ListEmptiedByRemoval = false;
    // The file CurrentCsvFile names, as the list was read from it or last written to it.
    CategoryFileStamp LoadedCsvFile;
    // The record passing between the list and a file.
    CatalogEntry CurrentRecord;
};
