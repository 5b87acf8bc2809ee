#include "config/configuration.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <limits>

#include "base/modalui.h"
#include "base/sidefile.h"
#include "base/text.h"
#include "config/inifile.h"
#include "config/settingsstore.h"

namespace {


// Reads keys one after another until a conversion fails; from then on it reads nothing,
// so the keys after the faulty one keep their previous values.
class KeyReader {
 public:
  explicit KeyReader(const SettingsStore& store) : store_(store) {}

  bool ok() const { return error_.isEmpty(); }
  const QString& error() const { return error_; }

  // The stored text of a text key. A number where a text belongs is taken as its decimal
  // text, as an installer editing the file by hand would mean it. A value of another
  // kind (a list, a fraction, a number beyond 32 bits) is an error naming the key.
  QString text(const char* section, const char* key, const QString& def) {
    const QString s = QString::fromLatin1(section), k = QString::fromLatin1(key);
    if (auto t = store_.text(s, k)) return *t;
    if (auto i = store_.integer(s, k)) return QString::number(*i);
    if (store_.contains(s, k)) wrongKind(s, k);
    return def;
  }

  void wrongKind(const QString& section, const QString& key) {
    if (ok())
      error_ = QCoreApplication::translate("Configuration", "'%1' non è un valore valido (%2): ci vuole un testo o un numero intero")
                   .arg(store_.jsonText(section, key), key);
  }

  // A value the station multiplies or counts with must stay within its arithmetic.
  void atMost(const char* key, int value, int max) {
    if (ok() && value > max)
      error_ = QCoreApplication::translate("Configuration", "'%1' è troppo grande (%2): al massimo %3").arg(value).arg(QString::fromLatin1(key)).arg(max);
  }

  void textKey(const char* key, const QString& def, QString& out,
               const char* section = Configuration::kSection) {
    if (ok()) out = text(section, key, def);
  }

  void intKey(const char* key, const char* def, int& out, int offset = 0,
              const char* section = Configuration::kSection) {
    if (!ok()) return;
    const QString t = text(section, key, QString::fromLatin1(def));
    if (auto v = text::strictInt(t)) {
      out = *v + offset;
    } else {
      error_ = QCoreApplication::translate("Configuration", "'%1' non è un valore intero valido (%2)").arg(t, QString::fromLatin1(key));
    }
  }

  void lenientKey(const char* key, const char* def, int& out) {
    if (ok()) out = text::lenientInt(text(Configuration::kSection, key, QString::fromLatin1(def)));
  }

  // Keys kept as integers in the store. A text holding a whole number is accepted too.
  void integerKey(const char* key, int def, int& out) {
    if (!ok()) return;
    const QString k = QString::fromLatin1(key);
    const QString s = QString::fromLatin1(Configuration::kSection);
    if (auto i = store_.integer(s, k)) {
      out = *i;
    } else if (auto t = store_.text(s, k)) {
      if (auto v = text::strictInt(*t)) out = *v;
      else error_ = QCoreApplication::translate("Configuration", "'%1' non è un valore intero valido (%2)").arg(*t, k);
    } else if (store_.contains(s, k)) {
      wrongKind(s, k);
    } else {
      out = def;
    }
  }

 private:
  const SettingsStore& store_;
  QString error_;
};

bool startsWithS(const QString& t) {
  return !t.isEmpty() && (t[0] == QLatin1Char('s') || t[0] == QLatin1Char('S'));
}

}  // namespace

Configuration::Configuration(SettingsStore& store, const QDir& workDir, ModalUi& ui)
    : store_(store), workDir_(workDir), ui_(ui), line_(config_.baseLine()) {}

bool Configuration::report(const std::optional<QString>& error) {
  if (!error) return true;
  ui_.message(*error, ModalUi::Icon::Error);
  return false;
}

bool Configuration::LoadConfiguration() {
  store_.reload();
  MachineConfig& c = config_;
  KeyReader r(store_);
  const auto key = [](const char* prefix, int n) { return QByteArray(prefix) + QByteArray::number(n); };

  r.intKey("porta_com", "1", c.porta_com);
  r.intKey("porta_aux", "2", c.porta_aux);
  r.intKey("porta_scarti", "3", c.porta_scarti);
  r.intKey("numlinee", "2", c.numlinee);
  r.intKey("numuscite", "8", c.numuscite);
  r.intKey("numtazze", "100", c.numtazze);
  r.intKey("tipoatt", "0", c.tipoatt);
  r.intKey("totaligrammi", "1", c.totaligrammi);
  r.intKey("stampagrammi", "1", c.stampagrammi);
  r.intKey("archiviazione", "1", c.archiviazione);
  r.intKey("stampa", "1", c.stampa);
  r.intKey("txremoto", "0", c.txremoto);
  r.intKey("zeroencoder", "0", c.zeroencoder);
  for (int n = 0; n < 4; ++n) {
    r.intKey(key("inenc", n + 1).constData(), "20", c.inenc[n]);
    r.intKey(key("fienc", n + 1).constData(), "80", c.fienc[n]);
  }
  for (int n = 0; n < 4; ++n) r.intKey(key("kpeso", n + 1).constData(), "1000", c.kpeso[n]);
  r.intKey("apermagn", "50", c.apermagn);
  for (int n = 0; n < 30; ++n) r.intKey(key("uscita", n + 1).constData(), "00", c.uscita[n]);
  for (int n = 0; n < 4; ++n) r.intKey(key("qualitaL", n + 1).constData(), "1", c.qualitaL[n], -1);
  if (r.ok()) c.rotdirectionRight = r.text(kSection, "rotdirection", "left") == QLatin1String("rigth");
  // The language chosen at the station (menu or installation dialog) is kept in the main
  // section; the installer's setting in its own section holds until one was chosen.
  r.textKey("langinterface", QStringLiteral("it"), c.langinterface,
            store_.contains(QString::fromLatin1(kSection), QStringLiteral("langinterface")) ? kSection
                                                                                           : kLanguageSection);
  int autorefresh = c.autorefresh;
  r.intKey("autorefresh", "0", autorefresh, 0, kCustomSection);
  // The refresh counts polls: minutes times 44 must stay a whole number of 32 bits.
  r.atMost("autorefresh", autorefresh, std::numeric_limits<int>::max() / 44);
  if (r.ok()) c.autorefresh = autorefresh;
  r.textKey("prn_font_name", QStringLiteral("Arial"), c.prn_font_name);
  r.textKey("prn_font_size", QStringLiteral("8"), c.prn_font_size);
  r.textKey("prn_font_set", QStringLiteral("fsBold."), c.prn_font_set);
  if (r.ok()) {
    // The style ends with a full stop; the items are the bold and italic flags.
    const QStringList items = c.prn_font_set.left(c.prn_font_set.size() - 1).split(QLatin1Char(','));
    c.prnBold = items.value(0) == QLatin1String("fsBold");
    c.prnItalic = items.value(1) == QLatin1String("fsItalic");
  }
  r.intKey("lev_dtara", "1", c.lev_dtara);
  // A step outside 1 to 6 grams cannot be sent to the board; it becomes 1.
  if (r.ok() && (c.lev_dtara < 1 || c.lev_dtara > 6)) c.lev_dtara = 1;
  if (r.ok()) c.taratazza = startsWithS(r.text(kSection, "taratazza", "0"));
  if (r.ok()) c.tarainc = startsWithS(r.text(kSection, "tarainc", "0"));
  r.intKey("xmoltiply", "0", c.xmoltiply);
  r.lenientKey("durata magneti", "50", c.durata_magneti);
  r.textKey("copyrigth", MachineConfig::kDefaultCopyright, c.copyrigth);
  r.lenientKey("delay tara", "0", c.delay_tara);
  r.lenientKey("distanza fc", "0", c.distanza_fc);
  r.lenientKey("point gest", "0", c.point_gest);
  r.textKey("password_inst", MachineConfig::kDefaultPassword, c.password_inst);
  if (r.ok()) c.v_tazzebad = r.text(kSection, "v_tazzebad", "no") == QLatin1String("si");
  for (int n = 0; n < 4; ++n) r.integerKey(key("limpercq", n + 2).constData(), 0, c.limpercq[n]);
  r.integerKey("ritfc", 1, c.ritfc);
  r.integerKey("ncopie", 1, c.ncopie);
  r.textKey("direxp", QStringLiteral("c:\\camp"), c.direxp);
  r.integerKey("fine_part_auto", 1, c.fine_part_auto);

  if (!r.ok()) return report(r.error());
  line_ = c.baseLine();
  return true;
}

bool Configuration::SaveConfiguration() {
  const MachineConfig& c = config_;
  if (!report(sidefile::writeAtStart(workDir_.filePath(QString::fromLatin1(kRecordFile)),
                                     c.c31Record())))
    return false;
  line_ = c.baseLine();

  const QString s = QString::fromLatin1(kSection);
  store_.beginBatch();
  const auto put = [&](const QString& name, const QString& value) { store_.writeText(s, name, value); };
  const auto putInt = [&](const QString& name, int value) { put(name, QString::number(value)); };
  const auto indexed = [](const char* prefix, int n) { return QString::fromLatin1(prefix) + QString::number(n); };

  putInt(QStringLiteral("porta_com"), c.porta_com);
  putInt(QStringLiteral("porta_aux"), c.porta_aux);
  putInt(QStringLiteral("porta_scarti"), c.porta_scarti);
  putInt(QStringLiteral("numlinee"), c.numlinee);
  putInt(QStringLiteral("numuscite"), c.numuscite);
  putInt(QStringLiteral("numtazze"), c.numtazze);
  putInt(QStringLiteral("tipoatt"), c.tipoatt);
  putInt(QStringLiteral("totaligrammi"), c.totaligrammi);
  putInt(QStringLiteral("stampagrammi"), c.stampagrammi);
  putInt(QStringLiteral("archiviazione"), c.archiviazione);
  putInt(QStringLiteral("stampa"), c.stampa);
  putInt(QStringLiteral("txremoto"), c.txremoto);
  putInt(QStringLiteral("zeroencoder"), c.zeroencoder);
  for (int n = 0; n < 4; ++n) {
    putInt(indexed("inenc", n + 1), c.inenc[n]);
    putInt(indexed("fienc", n + 1), c.fienc[n]);
  }
  for (int n = 0; n < 4; ++n) putInt(indexed("kpeso", n + 1), c.kpeso[n]);
  putInt(QStringLiteral("apermagn"), c.apermagn);
  for (int n = 0; n < 30; ++n) putInt(indexed("uscita", n + 1), c.uscita[n]);
  for (int n = 0; n < 4; ++n) putInt(indexed("qualitaL", n + 1), c.qualitaL[n] + 1);
  put(QStringLiteral("rotdirection"), c.rotdirectionRight ? QStringLiteral("rigth") : QStringLiteral("left"));
  if (c.delay_tara >= 0)
    put(QStringLiteral("delay tara"),
        c.delay_tara >= 256 ? QStringLiteral("255") : text::fixedRight(c.delay_tara, 3));
  put(QStringLiteral("distanza fc"),
      c.distanza_fc >= 1000 ? QStringLiteral("999") : text::fixedRight(c.distanza_fc, 3));
  put(QStringLiteral("point gest"),
      c.point_gest >= 100 ? QStringLiteral("94") : text::fixedRight(c.point_gest, 2));
  switch (c.tare()) {
    case MachineConfig::Tare::Incremental:
      put(QStringLiteral("taratazza"), QStringLiteral("S"));
      put(QStringLiteral("tarainc"), QStringLiteral("S"));
      putInt(QStringLiteral("lev_dtara"), c.lev_dtara);
      break;
    case MachineConfig::Tare::PerCup:
      put(QStringLiteral("taratazza"), QStringLiteral("S"));
      put(QStringLiteral("tarainc"), QStringLiteral("N"));
      put(QStringLiteral("lev_dtara"), QStringLiteral("1"));
      break;
    case MachineConfig::Tare::PerLine:
      put(QStringLiteral("taratazza"), QStringLiteral("N"));
      put(QStringLiteral("tarainc"), QStringLiteral("N"));
      put(QStringLiteral("lev_dtara"), QStringLiteral("1"));
      break;
  }
  if (c.durata_magneti >= 0)
    put(QStringLiteral("durata magneti"),
        c.durata_magneti > 100 ? QStringLiteral("255") : text::fixedRight(c.durata_magneti, 3));
  put(QStringLiteral("langinterface"), c.langinterface);
  for (int n = 0; n < 4; ++n) store_.writeInteger(s, indexed("limpercq", n + 2), c.limpercq[n]);
  store_.writeInteger(s, QStringLiteral("ritfc"), c.ritfc);
  store_.writeInteger(s, QStringLiteral("ncopie"), c.ncopie);
  put(QStringLiteral("direxp"), c.direxp);
  store_.writeInteger(s, QStringLiteral("fine_part_auto"), c.fine_part_auto);
  if (!store_.commit()) return report(store_.lastError());
  return true;
}

void Configuration::appendSuffix() { line_ += config_.suffix(); }

QString Configuration::printSettingsPath() const {
  const QStringList found = workDir_.entryList({QStringLiteral("piltol.ini")}, QDir::Files);
  if (!found.isEmpty()) return workDir_.filePath(found.front());
  return QFileInfo(store_.path()).dir().filePath(QStringLiteral("pilto.ini"));
}

bool Configuration::SavePrintSettings(const PrintSettings& p) {
  QString set = p.bold ? QStringLiteral("fsBold") : QString();
  if (p.italic) set += QStringLiteral(",fsItalic");
  if (p.underline) set += QStringLiteral(",fsUnderline");
  if (p.strikeOut) set += QStringLiteral(",fsStrikeout");
  set += QLatin1Char('.');
  return report(inifile::writeEntries(
      printSettingsPath(),
      {{QStringLiteral("print"), QStringLiteral("font_name"), p.fontName},
       {QStringLiteral("print"), QStringLiteral("font_size"), QString::number(p.fontSize)},
       {QStringLiteral("print"), QStringLiteral("font_set"), set},
       {QStringLiteral("custom"), QStringLiteral("autorefresh"), QString::number(p.autorefresh)}}));
}

QStringList Configuration::LoadCompanyHeader() const { return sidefiles::loadCompanyHeader(workDir_); }

bool Configuration::SaveCompanyHeader(const QStringList& lines) {
  return report(sidefiles::saveCompanyHeader(workDir_, lines));
}

sidefiles::Costs Configuration::LoadCosts() const { return sidefiles::loadCosts(workDir_); }

bool Configuration::SaveCosts(const sidefiles::Costs& costs) {
  return report(sidefiles::saveCosts(workDir_, costs));
}
