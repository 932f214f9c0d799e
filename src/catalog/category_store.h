#pragma once

#include <QString>

class ListGridModel;
class Module1;

// Moving one category between its file and the list.

// What became of a load or a write-back. A failure carries the message for the user.
struct StoreResult {
    enum Outcome { Done, Skipped, Failed };
    Outcome outcome = Done;
    QString message;

    bool failed() const { return outcome == Failed; }
};

// Path of a category file: the program folder, "CSV", the file name.
QString categoryFilePath(const QString& programFolder, const QString& fileName);

// Empties the list to its header row and fills it with the entries of the category file, in file order; the
// last entry becomes CurrentRecord and column 3 of the last entry row the current cell, and CurrentCsvFile
// names the file. A missing file is an empty category. A file that exists but cannot be read leaves the list
// empty and CurrentCsvFile empty, so that nothing is ever written back in its place.
StoreResult LoadCategoryList(Module1& state, ListGridModel& list, const QString& programFolder,
                             const QString& fileName);

// Writes the list back to the file CurrentCsvFile names when ListDirty is set, the registration page is not the
// current one and the list holds an entry row; otherwise does nothing.
StoreResult SaveCurrentList(Module1& state, ListGridModel& list, const QString& programFolder);

// The write-back without the guard: replaces the file CurrentCsvFile names with the list's entry rows, as one
// atomic replacement, creating the "CSV" folder when needed. Afterwards CurrentRecord holds the last row and
// column 3 of the last entry row is current. On failure the file and the list stay as they were. Writes nothing
// while CurrentCsvFile is empty.
StoreResult WriteListBack(Module1& state, ListGridModel& list, const QString& programFolder);
