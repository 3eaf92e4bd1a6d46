#pragma once
// Whole files read and written at once.

#include <QByteArray>
#include <QFile>
#include <QString>

namespace lexitor::testing {

// The bytes of the file, or none when it cannot be read.
inline QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

} // namespace lexitor::testing
