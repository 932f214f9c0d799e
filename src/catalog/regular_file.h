#pragma once

#include <QString>

class QFile;

// What became of opening a file that must be a regular one.
enum class ReadStatus { Read, Missing, Unreadable };

// Opens a regular file for reading, without blocking and unbuffered. Only a file that does not exist is missing.
// Anything but a regular file (after links) is unreadable without being read: a FIFO would wait for a writer for
// ever, a device might never end.
ReadStatus openRegularFile(const QString& path, QFile& file);
