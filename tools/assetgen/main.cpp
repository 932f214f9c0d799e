#include "pictures.h"

#include <QDir>

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: assetgen <output folder>\n");
        return 2;
    }
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    if (!dir.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "assetgen: cannot create %s\n", argv[1]);
        return 1;
    }
    int failures = 0;
    for (const auto& picture : Pictures::all) {
        const QString path = dir.filePath(QString::fromLatin1(picture.name) + QStringLiteral(".png"));
        if (!picture.draw().save(path, "PNG")) {
            std::fprintf(stderr, "assetgen: cannot write %s\n", qPrintable(path));
            ++failures;
        }
    }
    return failures == 0 ? 0 : 1;
}
