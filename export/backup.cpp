#include "export/backup.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include "base/modalui.h"
#include "base/text.h"
#include "config/configuration.h"
#include "config/settingsstore.h"

namespace {

QString tr(const char* s) { return QCoreApplication::translate("ConfigBackup", s); }

const char* const kNoDisk = "Dischetto sul floppy non presente o non leggibile!";

QString section() { return QString::fromLatin1(Configuration::kSection); }

}  // namespace

ConfigBackup::ConfigBackup(SettingsStore& store, ModalUi& ui) : store_(store), ui_(ui) {}

QByteArray ConfigBackup::backupText(const SettingsStore& store, int* skipped, QString* error) {
  QByteArray out;
  int others = 0;
  const auto line = [&](const QString& text) {
    QChar unheld;
    if (const auto bytes = text::toCp1252(text, &unheld)) {
      out += *bytes + "\r\n";
    } else if (error && error->isEmpty()) {
      *error = text::notSingleByteMessage(unheld, QString::fromLatin1(kFileName)) + QStringLiteral(" (%1)").arg(text);
    }
  };
  for (const SettingsStore::Entry& e : store.entries(section())) {
    switch (e.kind) {
      case SettingsStore::Kind::Text:
        line("String(" + e.name + ")=" + *store.text(section(), e.name));
        break;
      case SettingsStore::Kind::Integer:
        line("Integer(" + e.name + ")=" + QString::number(*store.integer(section(), e.name)));
        break;
      case SettingsStore::Kind::Other:
        ++others;
        break;
    }
  }
  if (skipped) *skipped = others;
  return out;
}

int ConfigBackup::restoreText(SettingsStore& store, const QByteArray& text) {
  int written = 0;
  store.beginBatch();
  for (QByteArray raw : text.split('\n')) {
    if (raw.endsWith('\r')) raw.chop(1);
    const QString line = text::fromCp1252(raw);
    const bool isText = line.startsWith(QLatin1String("String("));
    const bool isInteger = line.startsWith(QLatin1String("Integer("));
    if (!isText && !isInteger) continue;
    const int open = line.indexOf(QLatin1Char('('));
    const int close = line.indexOf(QLatin1String(")="), open + 1);
    if (close < 0) continue;
    const QString name = line.mid(open + 1, close - open - 1);
    const QString value = line.mid(close + 2);
    if (name.isEmpty()) continue;
    if (isText) {
      store.writeText(section(), name, value);
    } else {
      const auto number = text::strictInt(value);
      if (!number) continue;
      store.writeInteger(section(), name, *number);
    }
    ++written;
  }
  if (!store.commit()) return -1;
  return written;
}

bool ConfigBackup::backup() {
  const auto chosen = ui_.saveFileName({tr("Selezionare un file nella Directory dove salvare i dati"),
                                        QStringLiteral("c:\\"), QStringLiteral("a"), QString(),
                                        QString()});
  if (!chosen) {
    ui_.message(tr(kNoDisk), ModalUi::Icon::Error);
    return false;
  }
  const QFileInfo info(*chosen);
  if (!info.absoluteDir().exists()) return false;

  store_.reload();
  int skipped = 0;
  QString error;
  const QByteArray content = backupText(store_, &skipped, &error);
  if (!error.isEmpty()) {
    ui_.message(error, ModalUi::Icon::Error);
    return false;
  }
  for (int i = 0; i < skipped; ++i) ui_.beep();

  QSaveFile file(info.absoluteDir().filePath(QString::fromLatin1(kFileName)));
  if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size() || !file.commit()) {
    ui_.message(tr("Impossibile scrivere il file %1: %2").arg(file.fileName(), file.errorString()),
                ModalUi::Icon::Error);
    return false;
  }
  ui_.message(tr("Salvataggio effettuato!"), ModalUi::Icon::Information);
  return true;
}

bool ConfigBackup::restore() {
  // The file the backup wrote is "morvelinst", without a suffix: the dialog shows it and
  // adds nothing to the name chosen.
  const auto chosen = ui_.openFileName({tr("apriil file di configurazione"), QStringLiteral("c:\\"),
                                        QString::fromLatin1(kFileName),
                                        tr("Configurazione (%1);;Tutti i file (*)").arg(QString::fromLatin1(kFileName)),
                                        QString()});
  if (!chosen) {
    ui_.message(tr(kNoDisk), ModalUi::Icon::Error);
    return false;
  }
  const QFileInfo info(*chosen);
  if (!info.absoluteDir().exists()) return false;

  QFile file(*chosen);
  if (!file.open(QIODevice::ReadOnly)) {
    ui_.message(tr("Impossibile leggere il file %1: %2").arg(*chosen, file.errorString()),
                ModalUi::Icon::Error);
    return false;
  }
  const int written = restoreText(store_, file.readAll());
  if (written < 0) {
    ui_.message(store_.lastError(), ModalUi::Icon::Error);
    return false;
  }
  if (written == 0) return false;
  ui_.message(tr("Ripristino effettuato!"), ModalUi::Icon::Information);
  return true;
}
