#pragma once

#include <QTextBrowser>

// The pane that shows the program's local HTML pages. Pages and pictures come only from regular local files of
// a sane size: anything else (a FIFO, a device, a folder, a huge file) shows as nothing, and the program runs
// on. A link to a local file opens in the pane; a web or mail link opens in the desktop's browser or mail
// program, a mail link without any file to attach; a link of any other kind does nothing.
class BrowserPane final : public QTextBrowser {
    Q_OBJECT

public:
    // The largest page or picture the pane reads.
    static constexpr qint64 MaxResourceSize = 8 * 1024 * 1024;

    explicit BrowserPane(QWidget* parent = nullptr);

    // Shows the local file at path. A file that cannot be shown leaves the pane empty.
    void Navigate(const QString& path);

    QVariant loadResource(int type, const QUrl& name) override;

private:
    void followLink(const QUrl& link);
};

// A mail link without its attach and attachment fields, whatever their case.
QUrl withoutAttachments(QUrl mailLink);
