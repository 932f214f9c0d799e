#pragma once

#include <QString>

class ListGridModel;
class Module1;

// Moving one category between its file and the list.

// What became of a load or a write-back. A failure carries the message for the user, and so does NotSaved: the
// changes of a category whose file could not be read, or was changed elsewhere after it was read, which the
// window reports and then goes on.
struct StoreResult {
    enum Outcome { Done, Skipped, NotSaved, Failed };
    Outcome outcome = Done;
    QString message;

    bool failed() const { return outcome == Failed; }
};

// Path of a category file: the program folder, "CSV", the file name.
QString categoryFilePath(const QString& programFolder, const QString& fileName);

// Empties the list to its header row and fills it with the entries of the category file, in file order; the
// last entry becomes CurrentRecord and column 3 of the last entry row the current cell, and CurrentCsvFile
// names the file. A file that does not exist is an empty category. Any other file that cannot be read (no
// permission, not a regular file, a read error) fails and leaves the list empty; a file whose bytes are neither
// code page 932 nor UTF-8 fails too, its entries shown as well as they can be. Either failure leaves
// CurrentCsvFile empty and UnreadableCsvFile naming the file, so that nothing is ever written in its place.
// A load that succeeds records the file as LoadedCsvFile and leaves the list unmodified.
StoreResult LoadCategoryList(Module1& state, ListGridModel& list, const QString& programFolder,
                             const QString& fileName);

// Writes the list back to the file CurrentCsvFile names when ListDirty is set, the registration page is not the
// current one, the list was modified since it was read or last written, and it holds an entry row, or has lost
// its last one to the remove command; otherwise does nothing. For a category whose load failed it writes nothing
// and says so (NotSaved).
StoreResult SaveCurrentList(Module1& state, ListGridModel& list, const QString& programFolder);

// The write-back without the guard: replaces the file CurrentCsvFile names with the list's entry rows, as one
// atomic replacement, creating the "CSV" folder when needed, in the encoding the file was read in. A file that is
// no longer the one LoadedCsvFile describes (written elsewhere since, or created where none was) is left alone and
// the result says so (NotSaved). Afterwards CurrentRecord holds the last row, column 3 of the last entry row is
// current, the list is unmodified and LoadedCsvFile describes the new file. On failure the file and the list stay
// as they were. Writes nothing while CurrentCsvFile is empty.
StoreResult WriteListBack(Module1& state, ListGridModel& list, const QString& programFolder);
