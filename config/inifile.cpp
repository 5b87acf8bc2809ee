#include "config/inifile.h"

#include <QCoreApplication>
#include <QFile>
#include <QSaveFile>
#include <QStringList>

namespace inifile {

namespace {

QString sectionOf(const QString& line) {
  const QString t = line.trimmed();
  if (t.startsWith(QLatin1Char('[')) && t.endsWith(QLatin1Char(']')))
    return t.mid(1, t.size() - 2).trimmed();
  return {};
}

bool isEntry(const QString& line, const QString& name) {
  const int eq = line.indexOf(QLatin1Char('='));
  return eq > 0 && line.left(eq).trimmed().compare(name, Qt::CaseInsensitive) == 0;
}

QStringList readLines(const QString& path, QString* error) {
  QFile file(path);
  if (!file.exists()) return {};
  if (!file.open(QIODevice::ReadOnly)) {
    *error = file.errorString();
    return {};
  }
  QStringList lines = QString::fromLatin1(file.readAll()).split(QLatin1Char('\n'));
  for (QString& l : lines)
    if (l.endsWith(QLatin1Char('\r'))) l.chop(1);
  if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
  return lines;
}

}  // namespace

std::optional<QString> writeEntries(const QString& path, const QList<Write>& writes) {
  QString error;
  QStringList lines = readLines(path, &error);
  if (!error.isEmpty())
    return QCoreApplication::translate("inifile", "Impossibile leggere %1: %2").arg(path, error);

  for (const Write& w : writes) {
    int sectionStart = -1;
    for (int i = 0; i < lines.size(); ++i) {
      if (sectionOf(lines[i]).compare(w.section, Qt::CaseInsensitive) == 0) {
        sectionStart = i;
        break;
      }
    }
    const QString entry = w.name + QLatin1Char('=') + w.value;
    if (sectionStart < 0) {
      if (!lines.isEmpty() && !lines.last().isEmpty()) lines << QString();
      lines << QLatin1Char('[') + w.section + QLatin1Char(']') << entry;
      continue;
    }
    int end = sectionStart + 1;
    bool replaced = false;
    for (; end < lines.size() && sectionOf(lines[end]).isEmpty(); ++end) {
      if (isEntry(lines[end], w.name)) {
        lines[end] = entry;
        replaced = true;
        break;
      }
    }
    if (replaced) continue;
    // Insert after the last non-blank line of the section.
    int at = end;
    while (at > sectionStart + 1 && lines[at - 1].trimmed().isEmpty()) --at;
    lines.insert(at, entry);
  }

  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly))
    return QCoreApplication::translate("inifile", "Impossibile scrivere %1: %2")
        .arg(path, file.errorString());
  file.write((lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toLatin1());
  if (!file.commit())
    return QCoreApplication::translate("inifile", "Impossibile scrivere %1: %2")
        .arg(path, file.errorString());
  return std::nullopt;
}

std::optional<QString> readEntry(const QString& path, const QString& section, const QString& name) {
  QString error;
  const QStringList lines = readLines(path, &error);
  bool inSection = false;
  for (const QString& line : lines) {
    const QString s = sectionOf(line);
    if (!s.isEmpty()) {
      inSection = s.compare(section, Qt::CaseInsensitive) == 0;
      continue;
    }
    if (inSection && isEntry(line, name)) return line.mid(line.indexOf(QLatin1Char('=')) + 1);
  }
  return std::nullopt;
}

}  // namespace inifile
