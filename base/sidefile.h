#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// Small single-byte files of fixed records kept in the working folder.
namespace sidefile {

// Writes `bytes` at the start of the file, creating it when missing. An existing file is
// overwritten from its start and not shortened, as its readers expect. On failure the
// error text is returned.
std::optional<QString> writeAtStart(const QString& path, const QByteArray& bytes);

// Up to `count` bytes from the start of the file; nullopt when it does not exist or cannot
// be read.
std::optional<QByteArray> readStart(const QString& path, qint64 count);

}  // namespace sidefile
