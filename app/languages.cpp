#include "app/languages.h"

#include <QCoreApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QTranslator>

std::optional<int> languageOfCode(const QString& code) {
  for (int i = 0; i < static_cast<int>(kLanguages.size()); ++i)
    if (code == QLatin1String(kLanguages[i].code)) return i;
  return std::nullopt;
}

LanguageModules::LanguageModules(QDir workDir, QString qtTranslations)
    : dir_(std::move(workDir)),
      qtDir_(qtTranslations.isEmpty() ? QLibraryInfo::path(QLibraryInfo::TranslationsPath) : std::move(qtTranslations)) {}

LanguageModules::~LanguageModules() {
  if (station_) QCoreApplication::removeTranslator(station_.get());
  if (qt_) QCoreApplication::removeTranslator(qt_.get());
}

bool LanguageModules::available(int language) const {
  if (language == 0) return true;
  const QString abbreviation = QString::fromLatin1(kLanguages[language].module);
  return QFile::exists(dir_.filePath(QStringLiteral("tavik.") + abbreviation)) ||
         QFile::exists(dir_.filePath(QStringLiteral("tavik.") + abbreviation.left(2)));
}

std::optional<QString> LanguageModules::switchTo(int language) {
  if (language < 0 || language >= static_cast<int>(kLanguages.size())) return QStringLiteral("lingua sconosciuta");
  const Language& l = kLanguages[language];
  QByteArray data;
  auto station = std::make_unique<QTranslator>();
  if (language != 0) {
    const QString abbreviation = QString::fromLatin1(l.module);
    QStringList tried;
    bool loaded = false;
    for (const QString& name : {QStringLiteral("tavik.") + abbreviation, QStringLiteral("tavik.") + abbreviation.left(2)}) {
      QFile f(dir_.filePath(name));
      if (!f.open(QIODevice::ReadOnly)) {
        tried << QStringLiteral("%1: %2").arg(name, f.errorString());
        continue;
      }
      data = f.readAll();
      if (station->load(reinterpret_cast<const uchar*>(data.constData()), static_cast<int>(data.size()))) {
        loaded = true;
        break;
      }
      tried << QStringLiteral("%1: non è un modulo di lingua").arg(name);
    }
    if (!loaded) return tried.join(QStringLiteral("; "));
  }
  // Qt's own buttons and dialogs (Yes, No, Cancel, the file dialog) in the same language,
  // when Qt has them.
  auto qt = std::make_unique<QTranslator>();
  const bool qtLoaded =
      *l.qtBase && qt->load(QStringLiteral("qtbase_") + QString::fromLatin1(l.qtBase), qtDir_);

  if (station_) QCoreApplication::removeTranslator(station_.get());
  if (qt_) QCoreApplication::removeTranslator(qt_.get());
  station_.reset();
  qt_.reset();
  data_ = std::move(data);
  if (language != 0) {
    station_ = std::move(station);
    QCoreApplication::installTranslator(station_.get());
  }
  if (qtLoaded) {
    qt_ = std::move(qt);
    QCoreApplication::installTranslator(qt_.get());
  }
  current_ = language;
  return std::nullopt;
}
