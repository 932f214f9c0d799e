#include "program_folder.h"

#include <QCoreApplication>

QString ExecutableFolder::path() const {
    return QCoreApplication::applicationDirPath();
}
