#pragma once

#include "catalog_entry.h"

#include <QString>

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
    // Set by the remove command when it takes the list down to its header row, so that the next write-back
    // empties the category's file instead of leaving the removed entries in it. Cleared by every load and by the
    // write-back that follows.
    bool ListEmptiedByRemoval = false;
    // The record passing between the list and a file.
    CatalogEntry CurrentRecord;
};
