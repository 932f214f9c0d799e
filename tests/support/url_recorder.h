#pragma once

#include <QList>
#include <QObject>
#include <QUrl>

// Stands in for the desktop in QDesktopServices::setUrlHandler: records the addresses handed to it.
class UrlRecorder : public QObject {
    Q_OBJECT

public:
    QList<QUrl> opened;

public slots:
    void open(const QUrl& url) { opened.append(url); }
};
