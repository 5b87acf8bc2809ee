#pragma once

#include <QList>
#include <QPair>
#include <QString>
#include <optional>

// A settings file in INI form: bracketed section names, one "name=value" entry per line.
// Writing keeps every other section, entry and comment of an existing file as it was.
namespace inifile {

struct Write {
  QString section;
  QString name;
  QString value;
};

// Applies the writes to the file (created when missing) and returns an error text when
// the file cannot be read or written. Single-byte text, CR LF line ends.
std::optional<QString> writeEntries(const QString& path, const QList<Write>& writes);

// The value of one entry, or nothing.
std::optional<QString> readEntry(const QString& path, const QString& section, const QString& name);

}  // namespace inifile
