#pragma once

#include <QJsonObject>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <optional>

// The keyed per-user store of the station: a root "Corvane elettronica snc" holding
// sections of named values of two kinds, text and 32-bit integer. It is kept as one JSON
// file: a section is a JSON object, a text value a JSON string, an integer value a JSON
// number. Reading never creates anything; every write replaces the file atomically, after
// reading it again so that values written meanwhile by someone else are kept.
class SettingsStore {
 public:
  static constexpr const char* kRoot = "Corvane elettronica snc";

  enum class Kind { Text, Integer, Other };

  struct Entry {
    QString name;
    Kind kind;
  };

  // The file `$XDG_CONFIG_HOME/Corvane elettronica snc/settings.json`, by default below
  // ~/.config.
  static QString defaultPath();

  explicit SettingsStore(QString path = defaultPath());

  QString path() const { return path_; }

  // Rereads the file. A file that is not a valid store is set aside (renamed with the
  // suffix ".damaged") the first time something is written, so that no stored value is
  // lost, and the store reads as empty; lastError() tells what happened. A file that
  // cannot be read at all (permissions) is never taken for damaged: it reads as empty and
  // every write is refused, so it is neither renamed nor replaced.
  void reload();
  bool unreadable() const { return unreadable_; }

  // The temporary file a save writes before it replaces the store; one left by a save
  // that was killed is removed when the store is opened.
  QString temporaryPath() const { return path_ + QStringLiteral(".saving"); }

  bool contains(const QString& section, const QString& name) const;
  std::optional<Kind> kind(const QString& section, const QString& name) const;

  // The stored text, or nothing when absent or not a text.
  std::optional<QString> text(const QString& section, const QString& name) const;
  // The stored integer, or nothing when absent or not an integer.
  std::optional<qint32> integer(const QString& section, const QString& name) const;

  // A stored value as its JSON text (for messages about a value of the wrong kind).
  QString jsonText(const QString& section, const QString& name) const;

  QString readText(const QString& section, const QString& name, const QString& def) const;
  qint32 readInteger(const QString& section, const QString& name, qint32 def) const;

  // The names and kinds of every value of a section, in the store's order.
  QList<Entry> entries(const QString& section) const;

  // Writes one value. Inside a batch the write is kept until commit(); otherwise it is on
  // disk when the call returns. Returns false (and sets lastError) when the file could not
  // be written.
  bool writeText(const QString& section, const QString& name, const QString& value);
  bool writeInteger(const QString& section, const QString& name, qint32 value);

  // Groups many writes into one replacement of the file.
  void beginBatch();
  bool commit();

  QString lastError() const { return lastError_; }

 private:
  bool write(const QString& section, const QString& name, const QJsonValue& value);
  bool flush();

  QString path_;
  QJsonObject root_;
  QJsonObject pending_;  // section -> values written inside the current batch
  bool inBatch_ = false;
  bool damaged_ = false;
  bool unreadable_ = false;
  QString lastError_;
};
