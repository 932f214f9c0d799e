#include "category_store.h"

#include "category_file.h"
#include "category_table.h"
#include "list_grid_model.h"
#include "module1.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

using namespace Qt::StringLiterals;

namespace {

StoreResult failure(const QString& message) {
    return {StoreResult::Failed, message};
}

void makeLastLocationCurrent(ListGridModel& list) {
    list.setRow(list.Rows() - 1);
    list.setCol(3);
}

} // namespace

QString categoryFilePath(const QString& programFolder, const QString& fileName) {
    return programFolder + "/CSV/"_L1 + fileName;
}

StoreResult LoadCategoryList(Module1& state, ListGridModel& list, const QString& programFolder,
                             const QString& fileName) {
    list.setRows(1);
    QFile file(categoryFilePath(programFolder, fileName));
    if (!file.exists()) {
        state.CurrentCsvFile = fileName;
        return {};
    }
    if (!file.open(QIODevice::ReadOnly)) {
        state.CurrentCsvFile.clear();
        return failure(u"カテゴリファイル「%1」を読み込めませんでした。"_s.arg(fileName));
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        state.CurrentCsvFile.clear();
        return failure(u"カテゴリファイル「%1」を読み込めませんでした。"_s.arg(fileName));
    }
    file.close();

    QList<CatalogEntry> entries = CategoryFile::parse(bytes);
    if (!entries.isEmpty()) {
        state.CurrentRecord = entries.constLast();
        list.appendEntries(std::move(entries));
        makeLastLocationCurrent(list);
    }
    state.CurrentCsvFile = fileName;
    return {};
}

StoreResult SaveCurrentList(Module1& state, ListGridModel& list, const QString& programFolder) {
    if (!state.ListDirty || state.CurrentCategory == CategoryTable::RegistrationPage || list.Rows() == 1)
        return {StoreResult::Skipped, {}};
    return WriteListBack(state, list, programFolder);
}

StoreResult WriteListBack(Module1& state, ListGridModel& list, const QString& programFolder) {
    if (state.CurrentCsvFile.isEmpty() || list.Rows() == 1)
        return {StoreResult::Skipped, {}};
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

    state.CurrentRecord = list.entries().constLast();
    makeLastLocationCurrent(list);
    return {};
}
