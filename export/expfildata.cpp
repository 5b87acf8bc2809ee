#include "export/expfildata.h"

#include <QCoreApplication>
#include <QDateEdit>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QSaveFile>
#include <QVBoxLayout>
#include <cstdio>
#include <cstring>

#include "base/modalui.h"
#include "base/text.h"
#include "config/drivemap.h"
#include "db/calcfields.h"
#include "db/databaseacc.h"

namespace {
QString tr(const char* s) { return QCoreApplication::translate("LotExport", s); }

// The classes the host reads: 1 to 10 of quality 1, class 1 of quality 3.
constexpr std::array<std::pair<int, int>, 11> kCells = {{{1, 1}, {2, 1}, {3, 1}, {4, 1}, {5, 1}, {6, 1}, {7, 1},
                                                        {8, 1}, {9, 1}, {10, 1}, {1, 3}}};
}  // namespace

namespace expfil {

std::optional<QByteArray> exportLine(const ExportLot& lot, QChar separator, QString* error) {
  calc::LotInput in;
  in.tot = lot.tot;
  in.totq5 = lot.totq5;
  in.totpartita = lot.totpartita.value_or(0);
  const calc::LotCalc c = calc::lot(in);
  // The line is built in the file's bytes: thousands of lots are exported at once.
  QByteArray out;
  out.reserve(320);
  // Right-aligned in `width` by leading blanks; a wider value is written whole.
  const auto put = [&out](const char* v, qsizetype size, int width) {
    if (!out.isEmpty()) out.append(',');
    if (size < width) out.append(width - size, ' ');
    out.append(v, size);
  };
  QChar unheld;
  const auto text = [&](const QString& value, int width) {
    const std::optional<QByteArray> bytes = text::toCp1252(value, &unheld);
    if (!bytes) return false;
    put(bytes->constData(), bytes->size(), width);
    return true;
  };
  const std::optional<QByteArray> sep = text::toCp1252(QString(separator));
  const char decimal = sep && sep->size() == 1 ? sep->at(0) : '.';
  const auto number = [&](double v) {
    char buf[64];
    int n = std::snprintf(buf, sizeof buf, "%.2f", v);
    if (n < 0 || n >= static_cast<int>(sizeof buf)) n = 0;
    const char* begin = buf;
    if (std::strcmp(buf, "-0.00") == 0) ++begin, --n;
    for (int i = 0; i < n; ++i)
      if (begin[i] == '.') const_cast<char*>(begin)[i] = decimal;
    put(begin, n, 10);
  };
  if (!text(lot.bolla, 8) || !text(lot.programma, 3) || !text(lot.codicebarre, 18) || !text(lot.produttore, 5)) {
    if (error)
      *error = QCoreApplication::translate("LotExport", "La bolla %1 contiene il carattere '%2', che il file per l'AS400 non può contenere")
                   .arg(lot.bolla.trimmed(), QString(unheld));
    return std::nullopt;
  }
  if (lot.totpartita) number(static_cast<double>(*lot.totpartita));
  else put("", 0, 10);
  for (const auto& [cl, q] : kCells) number(c.ttot[calc::cell(cl, q)]);
  number(c.ttotq[4]);
  for (const auto& [cl, q] : kCells) number(c.perc[calc::cell(cl, q)]);
  number(c.percq[4]);
  out.append("\r\n");
  return out;
}

QString fileName(const QDate& day) {
  return text::formatShortDate(day).replace(QLatin1Char('/'), QLatin1Char('_')) + QStringLiteral(".txt");
}

QString selectColumns() {
  QStringList c = {QStringLiteral("bolla"), QStringLiteral("programma"), QStringLiteral("codicebarre"),
                   QStringLiteral("produttore"), QStringLiteral("totpartita"), QStringLiteral("totq5")};
  for (int q = 1; q <= machine::kQualities; ++q)
    for (int cl = 1; cl <= machine::kClasses; ++cl) c << QStringLiteral("tot%1q%2").arg(cl).arg(q);
  return c.join(QLatin1Char(','));
}

}  // namespace expfil

LotExport::LotExport(TDataModule1& data, const SettingsStore& store, const QDir& workDir, ModalUi& ui)
    : decimalSeparator([] { return text::decimalSeparator(); }), data_(data), store_(store), workDir_(workDir), ui_(ui) {}

std::optional<QString> LotExport::folder() {
  const QString stored = exportFolder();
  const DriveMap drives = DriveMap::fromStore(store_, workDir_);
  const QString local = drives.localPath(stored);
  if (QFileInfo(local).isDir()) return local;
  // The default folder is the station's own and is made; any other is the installer's.
  const bool standard = stored.trimmed().compare(QStringLiteral("c:\\camp"), Qt::CaseInsensitive) == 0 &&
                        drives.isDefaultDrive(stored);
  if (standard && QDir().mkpath(local)) return local;
  ui_.message(tr("La cartella di esportazione %1 (%2) non esiste: i dati per l'AS400 non sono stati esportati")
                  .arg(stored, local),
              ModalUi::Icon::Error);
  return std::nullopt;
}

bool LotExport::write(const QString& path, const QString& where, const QVariantList& binds) {
  QSaveFile file(path);
  const auto failed = [&](const QString& why) {
    file.cancelWriting();
    ui_.message(tr("Il file %1 non è stato scritto: %2").arg(QDir::toNativeSeparators(path), why), ModalUi::Icon::Error);
    return false;
  };
  if (!file.open(QIODevice::WriteOnly)) return failed(file.errorString());
  const QChar separator = decimalSeparator();
  QString error;
  bool missing = false;
  ExportLot lot;
  const QString sql = QStringLiteral("SELECT %1 FROM bolle%2 ORDER BY num")
                          .arg(expfil::selectColumns(), where.isEmpty() ? QString() : QStringLiteral(" WHERE ") + where);
  const bool read = data_.Database1.scan(QStringLiteral("bolle"), sql, binds, [&](const TDatabase::Row& row) {
    if (!error.isEmpty()) return;
    lot.bolla = row.text(0);
    lot.programma = row.text(1).trimmed();
    lot.codicebarre = row.text(2);
    lot.produttore = row.text(3);
    lot.totpartita = row.isNull(4) ? std::nullopt : std::optional<qint64>(row.integer(4));
    lot.totq5 = row.integer(5);
    for (int i = 0; i < static_cast<int>(lot.tot.size()); ++i) lot.tot[i] = row.integer(6 + i);
    const std::optional<QByteArray> line = expfil::exportLine(lot, separator, &error);
    if (line && file.write(*line) != line->size()) error = file.errorString();
  }, &missing);
  if (!read && !missing) {
    file.cancelWriting();
    return false;  // told by the archive
  }
  if (!error.isEmpty()) return failed(error);
  if (!file.commit()) return failed(file.errorString());
  return true;
}

bool LotExport::exportRange(const QDateTime& from, const QDateTime& to) {
  const std::optional<QString> dir = folder();
  if (!dir) return false;
  return write(QDir(*dir).filePath(expfil::fileName(QDate::currentDate())), QStringLiteral("data >= ? AND data <= ?"),
               {TDatabase::dateTimeText(from), TDatabase::dateTimeText(to)});
}

bool LotExport::exportDaily() {
  const QDate today = QDate::currentDate();
  return exportRange(QDateTime(today, QTime(0, 0)), QDateTime(today, QTime(23, 59, 59, 999)));
}

bool LotExport::exportLots(const QList<int>& numbers, const QString& path) {
  if (numbers.isEmpty()) return write(path, QStringLiteral("1 = 0"), {});
  QStringList marks;
  QVariantList binds;
  for (int n : numbers) {
    marks << QStringLiteral("?");
    binds << n;
  }
  return write(path, QStringLiteral("num IN (%1)").arg(marks.join(QLatin1Char(','))), binds);
}

Texpfiltdata::Texpfiltdata(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("expfiltdata"));
  setWindowTitle(tr("Esporta Bolle con filtro per DATA"));
  auto* v = new QVBoxLayout(this);
  const QDate today = QDate::currentDate();
  const auto picker = [this, today, v](const char* name, const QString& caption) {
    v->addWidget(new QLabel(caption, this));
    auto* d = new QDateEdit(today, this);
    d->setObjectName(QString::fromLatin1(name));
    d->setCalendarPopup(true);
    d->setDisplayFormat(text::shortDateFormat());
    v->addWidget(d);
    return d;
  };
  DateTimePicker1 = picker("DateTimePicker1", tr("Data inizio"));
  DateTimePicker2 = picker("DateTimePicker2", tr("Data Fine"));
  Button1 = new QPushButton(tr("ESPORTA"), this);
  Button1->setObjectName(QStringLiteral("Button1"));
  v->addWidget(Button1);
  connect(Button1, &QPushButton::clicked, this, &QDialog::accept);
  resize(300, 180);
}
