#include "update/updater.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <unistd.h>

namespace updater {

int compareVersions(const QString& a, const QString& b) {
  const QStringList x = a.split(QLatin1Char('.')), y = b.split(QLatin1Char('.'));
  for (int i = 0; i < std::max(x.size(), y.size()); ++i) {
    const int p = x.value(i).toInt(), q = y.value(i).toInt();
    if (p != q) return p < q ? -1 : 1;
  }
  return 0;
}

std::optional<Release> newest(const QDir& source, const QString& installed) {
  static const QRegularExpression name(QStringLiteral("^campionatrice-(\\d+(?:\\.\\d+)*)\\.sha256$"));
  std::optional<Release> best;
  for (const QString& f : source.entryList({QStringLiteral("campionatrice-*.sha256")}, QDir::Files)) {
    const QRegularExpressionMatch m = name.match(f);
    if (!m.hasMatch()) continue;
    const QString version = m.captured(1);
    if (compareVersions(version, installed) <= 0) continue;
    if (best && compareVersions(version, best->version) <= 0) continue;
    best = Release{version, source.filePath(QStringLiteral("campionatrice-") + version), source.filePath(f)};
  }
  return best;
}

std::optional<QString> verify(const Release& r) {
  QFile sum(r.checksum);
  if (!sum.open(QIODevice::ReadOnly)) return QStringLiteral("%1: %2").arg(r.checksum, sum.errorString());
  const QByteArray expected = sum.readAll().simplified().split(' ').value(0).toLower();
  QFile package(r.package);
  if (!package.open(QIODevice::ReadOnly)) return QStringLiteral("%1: %2").arg(r.package, package.errorString());
  QCryptographicHash hash(QCryptographicHash::Sha256);
  if (!hash.addData(&package)) return QStringLiteral("%1: lettura non riuscita").arg(r.package);
  const QByteArray actual = hash.result().toHex();
  if (expected != actual)
    return QStringLiteral("%1: SHA-256 %2, atteso %3").arg(r.package, QString::fromLatin1(actual), QString::fromLatin1(expected));
  return std::nullopt;
}

std::optional<QString> install(const Release& r, const QString& program) {
  QFile package(r.package);
  if (!package.open(QIODevice::ReadOnly)) return QStringLiteral("%1: %2").arg(r.package, package.errorString());
  // Written whole under a temporary name in the program's folder, then renamed over it.
  QSaveFile next(program);
  next.setDirectWriteFallback(false);
  if (!next.open(QIODevice::WriteOnly)) return QStringLiteral("%1: %2").arg(program, next.errorString());
  while (!package.atEnd()) {
    const QByteArray block = package.read(1 << 20);
    if (next.write(block) != block.size()) return QStringLiteral("%1: %2").arg(program, next.errorString());
  }
  if (!next.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner |
                           QFileDevice::ReadGroup | QFileDevice::ExeGroup | QFileDevice::ReadOther |
                           QFileDevice::ExeOther))
    return QStringLiteral("%1: permessi non impostati").arg(program);
  // The program in use stays as the previous one, to go back to.
  const QString previous = program + QStringLiteral(".previous");
  QFile::remove(previous);
  if (QFile::exists(program) && ::link(QFile::encodeName(program).constData(), QFile::encodeName(previous).constData()) != 0)
    return QStringLiteral("%1: la versione in uso non può essere conservata").arg(previous);
  if (!next.commit()) return QStringLiteral("%1: %2").arg(program, next.errorString());
  return std::nullopt;
}

QList<Running> running(const QString& program) {
  QList<Running> found;
  const QString target = QFileInfo(program).canonicalFilePath();
  for (const QString& pid : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
    bool number = false;
    const qint64 n = pid.toLongLong(&number);
    if (!number || n == ::getpid()) continue;
    const QString exe = QFileInfo(QStringLiteral("/proc/%1/exe").arg(pid)).symLinkTarget();
    if (exe.isEmpty() || exe != target) continue;
    found << Running{n, QFileInfo(QStringLiteral("/proc/%1/cwd").arg(pid)).symLinkTarget()};
  }
  return found;
}

}  // namespace updater
