#include "regular_file.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

ReadStatus openRegularFile(const QString& path, QFile& file) {
    const QByteArray name = QFile::encodeName(path);
    struct stat info;
    if (::stat(name.constData(), &info) != 0)
        return errno == ENOENT ? ReadStatus::Missing : ReadStatus::Unreadable;
    if (!S_ISREG(info.st_mode))
        return ReadStatus::Unreadable;
    // Non-blocking and checked again once open, in case something else took the file's place meanwhile.
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return ReadStatus::Unreadable;
    // Unbuffered: readers take large pieces straight into buffers of their own.
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) ||
        !file.open(fd, QIODevice::ReadOnly | QIODevice::Unbuffered, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return ReadStatus::Unreadable;
    }
    return ReadStatus::Read;
}
