#include "category_store.h"

#include "category_file.h"
#include "category_table.h"
#include "list_grid_model.h"
#include "module1.h"
#include "regular_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <sys/stat.h>
#include <unistd.h>
#include <utility>

using namespace Qt::StringLiterals;

namespace {

StoreResult failure(const QString& message) {
    return {StoreResult::Failed, message};
}

void makeLastLocationCurrent(ListGridModel& list) {
    list.setRow(list.Rows() - 1);
    list.setCol(3);
}

qint64 modifiedOf(const struct stat& info) {
    return static_cast<qint64>(info.st_mtim.tv_sec) * 1'000'000'000 + info.st_mtim.tv_nsec;
}

// The size and time of an open file; its digest is the caller's to take.
std::optional<CategoryFileStamp> statOf(const QFileDevice& file, const QString& fileName) {
    struct stat info;
    if (::fstat(file.handle(), &info) != 0)
        return std::nullopt;
    return CategoryFileStamp{fileName, true, static_cast<qint64>(info.st_size), modifiedOf(info)};
}

enum class FileCheck { Unchanged, Changed, Unknown };

// Whether the file at path is still the one the stamp describes. A file removed since is no change: writing it
// again loses nothing. Unknown when it is there but cannot be read, or is no regular file.
FileCheck checkUnchanged(const CategoryFileStamp& loaded, const QString& path) {
    QFile file;
    switch (openRegularFile(path, file)) {
    case ReadStatus::Missing:
        return FileCheck::Unchanged;
    case ReadStatus::Unreadable:
        return FileCheck::Unknown;
    case ReadStatus::Read:
        break;
    }
    if (!loaded.existed)
        return FileCheck::Changed;
    const std::optional<CategoryFileStamp> now = statOf(file, loaded.fileName);
    if (!now)
        return FileCheck::Unknown;
    if (now->size != loaded.size || now->modified != loaded.modified)
        return FileCheck::Changed;
    const std::optional<size_t> digest = CategoryFile::digest(file);
    if (!digest)
        return FileCheck::Unknown;
    return *digest == loaded.digest ? FileCheck::Unchanged : FileCheck::Changed;
}

enum class LoadFailure { CannotRead, Damaged };

StoreResult loadFailed(Module1& state, const QString& fileName, LoadFailure why) {
    state.CurrentCsvFile.clear();
    state.UnreadableCsvFile = fileName;
    state.UnreadableCsvFileDamaged = why == LoadFailure::Damaged;
    return failure(
        why == LoadFailure::Damaged
            ? u"カテゴリファイル「%1」には読み取れない文字が含まれています。このカテゴリへの変更は保存されません。"_s.arg(
                  fileName)
            : u"カテゴリファイル「%1」を読み込めませんでした。"_s.arg(fileName));
}

// Replaces the file CurrentCsvFile names with the list's entry rows, however many.
StoreResult replaceFile(Module1& state, ListGridModel& list, const QString& programFolder) {
    const QString fileName = state.CurrentCsvFile;
    const QString path = categoryFilePath(programFolder, fileName);
    const QString cannotSave = u"カテゴリファイル「%1」を保存できませんでした。"_s.arg(fileName);

    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return failure(cannotSave);
    // The old file stays whole until the new one is complete on disk; a file left uncommitted is thrown away.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return failure(cannotSave);
    const CategoryFileStamp& loaded = state.LoadedCsvFile;
    const bool stamped = loaded.fileName == fileName;
    const QByteArray bytes =
        CategoryFile::format(list.entries(), stamped ? loaded.encoding : CategoryFile::Encoding::Cp932);
    if (file.write(bytes) != bytes.size() || !file.flush() || ::fsync(file.handle()) != 0)
        return failure(cannotSave);
    // The time the new file keeps through the rename.
    std::optional<CategoryFileStamp> written = statOf(file, fileName);
    if (!written)
        return failure(cannotSave);

    // Another program, or another Velmora, may have written the file since the list was read from it: its
    // entries are not replaced by a list that never held them. The check comes last, so that only the rename
    // follows it.
    if (stamped) {
        switch (checkUnchanged(loaded, path)) {
        case FileCheck::Unchanged:
            break;
        case FileCheck::Changed:
            return {
                StoreResult::NotSaved,
                u"カテゴリファイル「%1」は読み込んだ後にほかで変更されたため、この一覧への変更は保存されませんでした。"_s
                    .arg(fileName)};
        case FileCheck::Unknown:
            return failure(cannotSave);
        }
    }
    if (!file.commit())
        return failure(cannotSave);

    // The file written is now the one the list was read from, in the encoding it was written in.
    written->digest = CategoryFile::digest(bytes);
    written->encoding =
        bytes.startsWith(CategoryFile::Utf8Bom) ? CategoryFile::Encoding::Utf8 : CategoryFile::Encoding::Cp932;
    state.LoadedCsvFile = *std::move(written);
    list.clearModified();

    if (list.Rows() > 1) {
        state.CurrentRecord = list.entries().constLast();
        makeLastLocationCurrent(list);
    }
    return {};
}

} // namespace

QString categoryFilePath(const QString& programFolder, const QString& fileName) {
    return programFolder + "/CSV/"_L1 + fileName;
}

StoreResult LoadCategoryList(Module1& state, ListGridModel& list, const QString& programFolder,
                             const QString& fileName) {
    list.setRows(1);
    list.clearModified();
    state.ListEmptiedByRemoval = false;
    state.UnreadableCsvFile.clear();
    state.UnreadableCsvFileDamaged = false;
    state.LoadedCsvFile = {};
    QFile file;
    switch (openRegularFile(categoryFilePath(programFolder, fileName), file)) {
    case ReadStatus::Missing:
        state.CurrentCsvFile = fileName;
        state.LoadedCsvFile.fileName = fileName;
        return {};
    case ReadStatus::Unreadable:
        return loadFailed(state, fileName, LoadFailure::CannotRead);
    case ReadStatus::Read:
        break;
    }

    // Taken before the read: a file written meanwhile is then changed to the write-back's eyes.
    std::optional<CategoryFileStamp> stamp = statOf(file, fileName);
    CategoryFile::Reading reading;
    std::optional<QList<CatalogEntry>> read = stamp ? CategoryFile::read(file, reading) : std::nullopt;
    if (!read)
        return loadFailed(state, fileName, LoadFailure::CannotRead);
    QList<CatalogEntry> entries = *std::move(read);
    if (!entries.isEmpty()) {
        state.CurrentRecord = entries.constLast();
        list.appendEntries(std::move(entries));
        list.clearModified();
        makeLastLocationCurrent(list);
    }
    if (!reading.intact)
        return loadFailed(state, fileName, LoadFailure::Damaged);
    stamp->digest = reading.digest;
    stamp->encoding = reading.encoding;
    state.LoadedCsvFile = *std::move(stamp);
    state.CurrentCsvFile = fileName;
    return {};
}

StoreResult SaveCurrentList(Module1& state, ListGridModel& list, const QString& programFolder) {
    // The removal is answered by this write-back alone: a list emptied later by a page switch is no removal.
    const bool removed = std::exchange(state.ListEmptiedByRemoval, false);
    // A list that holds what its file held is not written: the file keeps its bytes, line ends and encoding.
    if (!state.ListDirty || state.CurrentCategory == CategoryTable::RegistrationPage ||
        (list.Rows() == 1 && !removed) || !list.isModified())
        return {StoreResult::Skipped, {}};
    if (!state.UnreadableCsvFile.isEmpty()) {
        const QString why =
            state.UnreadableCsvFileDamaged
                ? u"カテゴリファイル「%1」には読み取れない文字が含まれているため、このカテゴリへの変更は保存されませんでした。"_s
                : u"カテゴリファイル「%1」を読み込めなかったため、このカテゴリへの変更は保存されませんでした。"_s;
        return {StoreResult::NotSaved, why.arg(state.UnreadableCsvFile)};
    }
    if (state.CurrentCsvFile.isEmpty())
        return {StoreResult::Skipped, {}};
    const StoreResult result = replaceFile(state, list, programFolder);
    // A failed write-back keeps the list as it was for another try.
    if (result.failed())
        state.ListEmptiedByRemoval = removed;
    return result;
}

StoreResult WriteListBack(Module1& state, ListGridModel& list, const QString& programFolder) {
    if (state.CurrentCsvFile.isEmpty() || list.Rows() == 1)
        return {StoreResult::Skipped, {}};
    return replaceFile(state, list, programFolder);
}
