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

StoreResult loadFailed(Module1& state, const QString& fileName, const QString& message) {
    state.CurrentCsvFile.clear();
    state.UnreadableCsvFile = fileName;
    return failure(message);
}

// Replaces the file CurrentCsvFile names with the list's entry rows, however many.
StoreResult replaceFile(Module1& state, ListGridModel& list, const QString& programFolder) {
    const QString fileName = state.CurrentCsvFile;
    const QString path = categoryFilePath(programFolder, fileName);
    const QString cannotSave = u"カテゴリファイル「%1」を保存できませんでした。"_s.arg(fileName);

    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return failure(cannotSave);
    // The old file stays whole until the new one is complete on disk.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return failure(cannotSave);
    const QByteArray bytes = CategoryFile::format(list.entries());
    if (file.write(bytes) != bytes.size() || !file.commit())
        return failure(cannotSave);

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
    state.ListEmptiedByRemoval = false;
    state.UnreadableCsvFile.clear();
    const QString unreadable = u"カテゴリファイル「%1」を読み込めませんでした。"_s.arg(fileName);
    QFile file;
    switch (openRegularFile(categoryFilePath(programFolder, fileName), file)) {
    case ReadStatus::Missing:
        state.CurrentCsvFile = fileName;
        return {};
    case ReadStatus::Unreadable:
        return loadFailed(state, fileName, unreadable);
    case ReadStatus::Read:
        break;
    }

    bool intact;
    std::optional<QList<CatalogEntry>> read = CategoryFile::read(file, intact);
    if (!read)
        return loadFailed(state, fileName, unreadable);
    QList<CatalogEntry> entries = *std::move(read);
    if (!entries.isEmpty()) {
        state.CurrentRecord = entries.constLast();
        list.appendEntries(std::move(entries));
        makeLastLocationCurrent(list);
    }
    if (!intact)
        return loadFailed(
            state, fileName,
            u"カテゴリファイル「%1」には読み取れない文字が含まれています。このカテゴリへの変更は保存されません。"_s.arg(
                fileName));
    state.CurrentCsvFile = fileName;
    return {};
}

StoreResult SaveCurrentList(Module1& state, ListGridModel& list, const QString& programFolder) {
    // The removal is answered by this write-back alone: a list emptied later by a page switch is no removal.
    const bool removed = std::exchange(state.ListEmptiedByRemoval, false);
    if (!state.ListDirty || state.CurrentCategory == CategoryTable::RegistrationPage || (list.Rows() == 1 && !removed))
        return {StoreResult::Skipped, {}};
    if (!state.UnreadableCsvFile.isEmpty())
        return {StoreResult::NotSaved,
                u"カテゴリファイル「%1」を読み込めなかったため、このカテゴリへの変更は保存されませんでした。"_s.arg(
                    state.UnreadableCsvFile)};
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
