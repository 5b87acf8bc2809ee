#pragma once

#include <QByteArray>
#include <QDir>
#include <QString>
#include <array>
#include <memory>
#include <optional>

class QTranslator;

// The station's languages, in the order of the menu "Lingua".
struct Language {
  const char* item;     // the menu entry
  const char* caption;  // its Italian caption
  const char* module;   // the module's extension: tavik.ENG
  const char* code;     // `langinterface`
  const char* qtBase;   // Qt's own translation of its standard buttons and dialogs
};
inline constexpr std::array<Language, 7> kLanguages = {{
    {"Italiano1", "Italiano", "ITA", "it", "it"},
    {"Spagnolo1", "Spagnolo", "ESO", "es", "es"},
    {"Portoghese1", "Portoghese", "PTG", "pt", "pt_BR"},
    {"Inglese1", "Inglese", "ENG", "uk", "en"},
    {"Francese1", "Francese", "FRA", "fr", "fr"},
    {"Tedesco2", "Tedesco", "DEU", "de", "de"},
    {"greco", "Greco", "ELL", "el", ""},
}};
// The index of a `langinterface` code; nothing for a code outside the table.
std::optional<int> languageOfCode(const QString& code);

// The language modules beside the station: "tavik." + the language's abbreviation in the
// working folder, or its first two letters when that cannot be loaded. Exactly the named
// file is read and its bytes handed to the translator, so no other file on the machine is
// picked up. Italian is the station's own language and needs no module.
class LanguageModules {
 public:
  explicit LanguageModules(QDir workDir, QString qtTranslations = QString());
  ~LanguageModules();
  LanguageModules(const LanguageModules&) = delete;
  LanguageModules& operator=(const LanguageModules&) = delete;

  // Whether the language can be chosen: Italian always, another when a module file exists.
  bool available(int language) const;
  // Switches the application's texts; the reason when the module cannot be loaded (the
  // texts in force then stay as they were).
  std::optional<QString> switchTo(int language);
  int current() const { return current_; }

 private:
  QDir dir_;
  QString qtDir_;
  int current_ = 0;
  QByteArray data_;  // the module's bytes, which the translator reads in place
  std::unique_ptr<QTranslator> station_, qt_;
};
