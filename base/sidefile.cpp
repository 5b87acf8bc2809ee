#include "base/sidefile.h"

#include <QCoreApplication>
#include <QFile>

namespace sidefile {

std::optional<QString> writeAtStart(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  if (!file.open(QIODevice::ReadWrite)) {
    return QCoreApplication::translate("sidefile", "Impossibile scrivere il file %1: %2")
        .arg(path, file.errorString());
  }
  if (file.write(bytes) != bytes.size() || !file.flush()) {
    return QCoreApplication::translate("sidefile", "Impossibile scrivere il file %1: %2")
        .arg(path, file.errorString());
  }
  return std::nullopt;
}

std::optional<QByteArray> readStart(const QString& path, qint64 count) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
  return file.read(count);
}

}  // namespace sidefile
