#include "config/settingsstore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <unistd.h>
#include <limits>

namespace {

bool isInteger(const QJsonValue& v) {
  if (!v.isDouble()) return false;
  const double d = v.toDouble();
  return std::floor(d) == d && d >= std::numeric_limits<qint32>::min() &&
         d <= std::numeric_limits<qint32>::max();
}

QString tr(const char* text) { return QCoreApplication::translate("SettingsStore", text); }

}  // namespace

QString SettingsStore::defaultPath() {
  QString base = qEnvironmentVariable("XDG_CONFIG_HOME");
  if (base.isEmpty() || !QDir::isAbsolutePath(base)) base = QDir::homePath() + "/.config";
  return QDir(base).filePath(QString::fromLatin1(kRoot) + "/settings.json");
}

SettingsStore::SettingsStore(QString path) : path_(std::move(path)) {
  // A save killed between writing its temporary file and replacing the store left the
  // temporary file; the store itself is whole (the old or the new one).
  if (QFileInfo::exists(temporaryPath())) QFile::remove(temporaryPath());
  reload();
}

void SettingsStore::reload() {
  root_ = QJsonObject();
  damaged_ = false;
  unreadable_ = false;
  QFile file(path_);
  if (!file.exists()) return;
  if (!file.open(QIODevice::ReadOnly)) {
    lastError_ = tr("Impossibile leggere il file delle impostazioni %1: %2").arg(path_, file.errorString());
    unreadable_ = true;
    return;
  }
  QJsonParseError error{};
  const QJsonDocument doc = QJsonDocument::fromJson(file.readAll(), &error);
  if (error.error != QJsonParseError::NoError || !doc.isObject()) {
    lastError_ = tr("Il file delle impostazioni %1 non è valido: %2")
                     .arg(path_, error.error != QJsonParseError::NoError
                                     ? error.errorString()
                                     : tr("non contiene un oggetto"));
    damaged_ = true;
    return;
  }
  root_ = doc.object();
}

bool SettingsStore::contains(const QString& section, const QString& name) const {
  return root_.value(section).toObject().contains(name);
}

std::optional<SettingsStore::Kind> SettingsStore::kind(const QString& section,
                                                       const QString& name) const {
  const QJsonObject s = root_.value(section).toObject();
  if (!s.contains(name)) return std::nullopt;
  const QJsonValue v = s.value(name);
  if (v.isString()) return Kind::Text;
  if (isInteger(v)) return Kind::Integer;
  return Kind::Other;
}

std::optional<QString> SettingsStore::text(const QString& section, const QString& name) const {
  const QJsonValue v = root_.value(section).toObject().value(name);
  if (!v.isString()) return std::nullopt;
  return v.toString();
}

std::optional<qint32> SettingsStore::integer(const QString& section, const QString& name) const {
  const QJsonValue v = root_.value(section).toObject().value(name);
  if (!isInteger(v)) return std::nullopt;
  return static_cast<qint32>(v.toDouble());
}

QString SettingsStore::jsonText(const QString& section, const QString& name) const {
  QJsonArray wrapper{root_.value(section).toObject().value(name)};
  QByteArray json = QJsonDocument(wrapper).toJson(QJsonDocument::Compact);
  return QString::fromUtf8(json.mid(1, json.size() - 2));
}

QString SettingsStore::readText(const QString& section, const QString& name,
                                const QString& def) const {
  return text(section, name).value_or(def);
}

qint32 SettingsStore::readInteger(const QString& section, const QString& name, qint32 def) const {
  return integer(section, name).value_or(def);
}

QList<SettingsStore::Entry> SettingsStore::entries(const QString& section) const {
  QList<Entry> result;
  const QJsonObject s = root_.value(section).toObject();
  for (auto it = s.begin(); it != s.end(); ++it) {
    const QJsonValue v = it.value();
    result.append({it.key(), v.isString() ? Kind::Text : isInteger(v) ? Kind::Integer
                                                                       : Kind::Other});
  }
  return result;
}

bool SettingsStore::writeText(const QString& section, const QString& name, const QString& value) {
  return write(section, name, QJsonValue(value));
}

bool SettingsStore::writeInteger(const QString& section, const QString& name, qint32 value) {
  return write(section, name, QJsonValue(static_cast<double>(value)));
}

bool SettingsStore::write(const QString& section, const QString& name, const QJsonValue& value) {
  QJsonObject s = pending_.value(section).toObject();
  s.insert(name, value);
  pending_.insert(section, s);
  if (inBatch_) return true;
  return flush();
}

void SettingsStore::beginBatch() { inBatch_ = true; }

bool SettingsStore::commit() {
  inBatch_ = false;
  return flush();
}

bool SettingsStore::flush() {
  if (pending_.isEmpty()) return true;
  // Read the file again so that values written by another program since our last read
  // (the simulator's port map, an installer's edit) are not lost.
  reload();
  if (unreadable_) {
    // Writing now would replace values we cannot see.
    pending_ = QJsonObject();
    lastError_ = tr("Il file delle impostazioni %1 non è leggibile: nessun valore è stato scritto").arg(path_);
    return false;
  }
  if (damaged_ && QFileInfo::exists(path_)) {
    const QString aside = path_ + ".damaged";
    QFile::remove(aside);
    if (!QFile::rename(path_, aside)) {
      lastError_ = tr("Il file delle impostazioni %1 non è valido e non può essere messo da "
                      "parte; nessun valore è stato scritto")
                       .arg(path_);
      pending_ = QJsonObject();
      return false;
    }
    lastError_ = tr("Il file delle impostazioni non era valido ed è stato conservato come %1")
                     .arg(aside);
    damaged_ = false;
  }
  for (auto it = pending_.begin(); it != pending_.end(); ++it) {
    QJsonObject s = root_.value(it.key()).toObject();
    const QJsonObject values = it.value().toObject();
    for (auto v = values.begin(); v != values.end(); ++v) s.insert(v.key(), v.value());
    root_.insert(it.key(), s);
  }
  pending_ = QJsonObject();

  QDir().mkpath(QFileInfo(path_).absolutePath());
  // Written beside the store, flushed to the disk, then put in its place in one step: a
  // reader sees the old store or the new one, never half of one.
  const QString temporary = temporaryPath();
  QFile file(temporary);
  const QByteArray bytes = QJsonDocument(root_).toJson(QJsonDocument::Indented);
  const auto failed = [&](const QString& why) {
    lastError_ = tr("Impossibile scrivere %1: %2").arg(path_, why);
    file.close();
    QFile::remove(temporary);
    reload();
    return false;
  };
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return failed(file.errorString());
  if (file.write(bytes) != bytes.size() || !file.flush()) return failed(file.errorString());
  if (::fsync(file.handle()) != 0) return failed(QString::fromLocal8Bit(std::strerror(errno)));
  file.close();
  if (::rename(QFile::encodeName(temporary).constData(), QFile::encodeName(path_).constData()) != 0)
    return failed(QString::fromLocal8Bit(std::strerror(errno)));
  return true;
}
