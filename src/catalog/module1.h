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
    // The record passing between the list and a file.
    CatalogEntry CurrentRecord;
};
