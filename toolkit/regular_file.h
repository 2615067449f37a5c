#pragma once

#include "toolkit/file_reason.h"

#include <QByteArray>
#include <QString>

// Reads a whole file that must be a regular one. A FIFO, socket or device is refused before it can
// block or take effect: the path is checked, opened without blocking, and checked again on the
// open descriptor, since the name may change in between.
namespace RegularFile {

struct Contents {
    int error = 0;                  // 0 when read whole; else errno or a FileError code
    FileStep step = FileStep::Read; // FollowLink for a link that leads nowhere
    QByteArray bytes;

    QString reason() const { return fileFailureReason(step, error); }
};

Contents read(const QString &path, qint64 maxSize);

} // namespace RegularFile
