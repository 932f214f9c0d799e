#include "file_dialog.h"

#include <QFileDialog>
#include <QStringList>

QString toQtNameFilters(const QString& filter) {
    const QStringList parts = filter.split(u'|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2)
        filters.append(QStringLiteral("%1 (%2)").arg(parts[i], QString(parts[i + 1]).replace(u';', u' ')));
    return filters.join(QStringLiteral(";;"));
}

std::optional<QString> QtFileDialog::getOpenFileName(QWidget* parent, const QString& filter,
                                                     const QString& initialFileName) {
    // The description already names its pattern; Qt would show the pattern a second time.
    const QString chosen = QFileDialog::getOpenFileName(parent, QString(), initialFileName, toQtNameFilters(filter),
                                                        nullptr, QFileDialog::HideNameFilterDetails);
    if (chosen.isEmpty())
        return std::nullopt;
    return chosen;
}
