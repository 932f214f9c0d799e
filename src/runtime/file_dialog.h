#pragma once

#include <QString>
#include <optional>

class QWidget;

// The file-open dialog. The filter is given as description and pattern separated by "|", e.g.
// "実行ファイル（*.exe）|*.exe".
class FileDialog {
public:
    virtual ~FileDialog() = default;
    // The chosen file's full path, or nothing when the user cancelled.
    virtual std::optional<QString> getOpenFileName(QWidget* parent, const QString& filter,
                                                   const QString& initialFileName) = 0;
};

class QtFileDialog final : public FileDialog {
public:
    std::optional<QString> getOpenFileName(QWidget* parent, const QString& filter,
                                           const QString& initialFileName) override;
};

// "Description|pattern|Description|pattern" as Qt's name filter list.
QString toQtNameFilters(const QString& filter);
