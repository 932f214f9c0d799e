#pragma once

#include <QTextBrowser>

// The pane that shows the program's local HTML pages. A link to another local file opens in the pane; a link
// to a web address opens in the desktop's browser.
class BrowserPane final : public QTextBrowser {
    Q_OBJECT

public:
    explicit BrowserPane(QWidget* parent = nullptr);

    // Shows the local file at path. A missing file leaves the pane empty.
    void Navigate(const QString& path);
};
