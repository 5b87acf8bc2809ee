#include "reports/reports.h"

#include <QCoreApplication>
#include <QCheckBox>
#include <QDateEdit>
#include <QLabel>
#include <QDateTime>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QPrinter>

#include "base/modalui.h"
#include "base/text.h"
#include "config/machineconfig.h"
#include "db/databaseacc.h"
#include "lots/lots.h"
#include "lots/tlistabolla.h"
#include "programs/programs.h"

namespace {
QString tr(const char* s) { return QCoreApplication::translate("Reports", s); }

// The program a lot names: its number padded with "0" to two characters ("5" is 05).
QString programOfLot(const QString& programma) {
  const QString t = programma.trimmed();
  if (const auto n = text::strictInt(t)) return program::code(*n);
  return t.rightJustified(2, QLatin1Char('0'));
}

QString whole(TTable& t, const QString& column) { return QString::number(t.FieldByName(column).AsLargeInt()); }
QString shown(TTable& t, const QString& column) { return t.FieldByName(column).DisplayText(); }
QString mask(TTable& t, const QString& column) { return report::masked(t.FieldByName(column).AsFloat(), QStringLiteral("###.##")); }
QString cq(const char* prefix, int c, int q) { return QStringLiteral("%1%2q%3").arg(QLatin1String(prefix)).arg(c).arg(q); }
}  // namespace

TPeriodoStampa::TPeriodoStampa(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("PeriodoStampa"));
  setWindowTitle(tr("Periodo"));
  auto* form = new QFormLayout(this);
  const QDate today = QDate::currentDate();
  DataDa = new QDateEdit(QDate(today.year(), 1, 1), this);
  DataDa->setObjectName(QStringLiteral("DataDa"));
  DataA = new QDateEdit(today, this);
  DataA->setObjectName(QStringLiteral("DataA"));
  for (QDateEdit* d : {DataDa, DataA}) {
    d->setCalendarPopup(true);
    d->setDisplayFormat(text::shortDateFormat());
  }
  form->addRow(tr("Dal"), DataDa);
  form->addRow(tr("Al"), DataA);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  form->addRow(buttons);
}

Reports::Reports(TDataModule1& data, Programs& programs, Lots& lots, const MachineConfig& config, ModalUi& ui,
                 const QDir& workDir, const Windows& windows)
    : data_(data), programs_(programs), lots_(lots), config_(config), ui_(ui), windows_(windows), output_(ui, workDir) {}

QString Reports::now() const {
  const QDateTime t = QDateTime::currentDateTime();
  return text::formatShortDate(t.date()) + QLatin1Char(' ') + text::formatLongTime(t.time());
}

bool Reports::programInto(const QString& code, std::array<QString, LotSheet::kCells>& names,
                          std::array<QString, LotSheet::kCells>& ranges, QString* description) {
  if (!programs_.LoadProgram(code)) return false;
  const ProgramBuffer& p = programs_.buffer;
  for (int q = 1; q <= machine::kQualities; ++q)
    for (int c = 1; c <= machine::kClasses; ++c) {
      names[LotSheet::cell(c, q)] = p.name(c, q);
      ranges[LotSheet::cell(c, q)] = report::weightRange(p.boundary(c, q), p.boundary(c + 1, q), config_.xmoltiply);
    }
  *description = p.description;
  return true;
}

std::optional<LotSheet> Reports::storedLotSheet(int n, bool projected) {
  TTable& t = data_.Table3;
  if (!t.Open()) return std::nullopt;
  if (!t.FindKey(n)) {
    ui_.message(tr("La bolla %1 non è più in archivio").arg(n), ModalUi::Icon::Information);
    return std::nullopt;
  }
  LotSheet s;
  s.num = QString::number(n);
  s.bolla = t.FieldByName(QStringLiteral("bolla")).AsString();
  s.programCode = t.FieldByName(QStringLiteral("programma")).AsString().trimmed();
  s.producerCode = t.FieldByName(QStringLiteral("produttore")).AsString().trimmed();
  s.note = t.FieldByName(QStringLiteral("note")).AsString();
  // A lot without a quantity always prints its sample.
  projected = projected && t.FieldByName(QStringLiteral("totpartita")).AsLargeInt() >= 1;
  s.layout = projected ? LotSheet::Layout::stp_totpart : LotSheet::Layout::QuickRep1;
  for (int q = 1; q <= machine::kQualities; ++q) {
    for (int c = 1; c <= machine::kClasses; ++c) {
      s.totals[LotSheet::cell(c, q)] = projected ? shown(t, cq("ttot", c, q)) : whole(t, cq("tot", c, q));
      s.percents[LotSheet::cell(c, q)] = shown(t, cq("perc", c, q));
    }
    s.qualityTotals[q - 1] =
        projected ? shown(t, QStringLiteral("ttotq%1").arg(q)) : whole(t, QStringLiteral("totaleq%1").arg(q));
    s.qualityPercents[q - 1] = mask(t, q == 1 ? QStringLiteral("Percq1") : QStringLiteral("percq%1").arg(q));
  }
  s.qualityTotals[4] = projected ? shown(t, QStringLiteral("ttotq5")) : whole(t, QStringLiteral("totq5"));
  s.qualityPercents[4] = mask(t, QStringLiteral("percq5"));
  s.grandTotal = whole(t, QStringLiteral("totale_gen"));
  s.lotQuantity = shown(t, QStringLiteral("totpartita"));
  const QString code = programOfLot(s.programCode);
  if (!programInto(code, s.names, s.ranges, &s.programDescription)) {
    ui_.message(tr("Il programma %1 della bolla %2 non è in archivio: la bolla non può essere stampata").arg(code).arg(n),
                ModalUi::Icon::Information);
    return std::nullopt;
  }
  s.producerName = lots_.producers.loadProducer(s.producerCode).value_or(QString());
  s.company = lots_.companyHeader;
  s.printDate = now();
  return s;
}

std::optional<LotSheet> Reports::lotInProgressSheet(int currentProgram, const LotData& d, const QString& production,
                                                    const QString& cost) {
  LotSheet s;
  s.layout = LotSheet::Layout::QuickRep_temp;
  const QString code = program::code(currentProgram);
  if (currentProgram < 1 || currentProgram > 99 || !programInto(code, s.names, s.ranges, &s.programDescription)) {
    ui_.message(tr("errore programma in stampa"), ModalUi::Icon::Information);
    return std::nullopt;
  }
  s.programCode = code;
  TTable& t = data_.Table5;
  if (!t.Open()) return std::nullopt;
  if (!t.First()) {
    ui_.message(tr("Non ci sono totali della bolla in corso da stampare"), ModalUi::Icon::Information);
    return std::nullopt;
  }
  for (int q = 1; q <= machine::kQualities; ++q) {
    for (int c = 1; c <= machine::kClasses; ++c) {
      s.totals[LotSheet::cell(c, q)] = whole(t, cq("tot", c, q));
      s.percents[LotSheet::cell(c, q)] = shown(t, cq("perc", c, q));
    }
    s.qualityTotals[q - 1] = whole(t, QStringLiteral("totq%1").arg(q));
    s.qualityPercents[q - 1] = mask(t, QStringLiteral("percq%1").arg(q));
  }
  s.qualityTotals[4] = whole(t, QStringLiteral("totq5"));
  s.qualityPercents[4] = mask(t, QStringLiteral("percq5"));
  s.grandTotal = whole(t, QStringLiteral("totgen"));
  s.producerCode = d.codice;
  s.producerName = d.descrizione;
  s.note = d.note;
  s.bolla = d.numero;
  s.production = production;
  s.cost = cost;
  s.company = lots_.companyHeader;
  s.printDate = now();
  return s;
}

std::optional<ProgramSheet> Reports::programSheet(const QString& code) {
  ProgramSheet s;
  if (!programInto(code, s.names, s.ranges, &s.description)) {
    ui_.message(Programs::notInArchiveMessage(code), ModalUi::Icon::Information);
    return std::nullopt;
  }
  s.code = code;
  s.company = lots_.companyHeader;
  s.printDate = now();
  return s;
}

std::optional<ProducerStatement> Reports::producerStatement(const QString& code, const QDate& from, const QDate& to) {
  ProducerStatement s;
  s.producerCode = code;
  s.producerName = lots_.producers.loadProducer(code).value_or(QString());
  s.from = text::formatShortDate(from);
  s.to = text::formatShortDate(to);
  s.unit = config_.totaligrammi == 1 ? QStringLiteral("gr") : QStringLiteral("Kg");
  s.company = lots_.companyHeader;
  s.printDate = now();
  QStringList columns = {QStringLiteral("data"), QStringLiteral("bolla"), QStringLiteral("programma"),
                         QStringLiteral("totq5")};
  for (int q = 1; q <= machine::kQualities; ++q)
    for (int c = 1; c <= machine::kClasses; ++c) columns << cq("tot", c, q);
  const QString sql = QStringLiteral("SELECT %1 FROM bolle WHERE produttore = ? AND data >= ? AND data <= ? ORDER BY data, num")
                          .arg(columns.join(QLatin1Char(',')));
  const QVariantList binds = {code, TDatabase::dateTimeText(QDateTime(from, QTime(0, 0))),
                              TDatabase::dateTimeText(QDateTime(to, QTime(23, 59, 59, 999)))};
  QDate date;
  QTime time;
  bool missing = false;
  const bool read = data_.Database1.scan(QStringLiteral("bolle"), sql, binds, [&](const TDatabase::Row& row) {
    ProducerStatement::Line l;
    l.date = row.dateTime(0, &date, &time) ? text::formatShortDate(date) : QString();
    l.bolla = row.text(1);
    l.programma = row.text(2).trimmed();
    l.qualities[4] = row.integer(3);
    for (int q = 0; q < machine::kQualities; ++q)
      for (int c = 0; c < machine::kClasses; ++c) l.qualities[q] += row.integer(4 + q * machine::kClasses + c);
    for (qint64 v : l.qualities) l.total += v;
    s.lines.append(l);
  }, &missing);
  if (!read && !missing) return std::nullopt;
  return s;
}

InstallationSheet Reports::installationSheet(const QStringList& ports) const {
  (void)ports;  // the sheet names the ports by their numbers, whatever the list holds
  return installationSheet(config_);
}

InstallationSheet Reports::installationSheet(const MachineConfig& c) const {
  // A port by its number: the list of ports present may skip numbers, so its position
  // says nothing about the port.
  const auto port = [](int n) { return n >= 1 && n <= 99 ? QStringLiteral("COM%1").arg(n) : tr("non abilitata"); };
  InstallationSheet s;
  s.company = lots_.companyHeader;
  s.printDate = now();
  s.lines = QString::number(c.numlinee);
  s.cups = QString::number(c.numtazze);
  s.tareDelay = QString::number(c.delay_tara);
  s.tareType = QString::number(c.tipoatt);
  s.encoderDirection = c.rotdirectionRight ? tr("destra") : tr("sinistra");
  s.encoderZero = QString::number(c.zeroencoder);
  // The end of the sample: the distance and the time the installer set, never a 0 that
  // nobody filled in.
  s.endDistance = QString::number(c.distanza_fc);
  s.endDuration = QString::number(c.point_gest);
  for (int l = 0; l < machine::kWeighingLines; ++l) {
    s.startPoint[l] = QString::number(c.inenc[l]);
    s.endPoint[l] = QString::number(c.fienc[l]);
    s.kappa[l] = QString::number(c.kpeso[l]);
    s.quality[l] = QString::number(c.qualitaL[l] + 1);
  }
  s.boardPort = port(c.porta_com);
  s.barcodePort = port(c.porta_aux);
  s.rejectPort = port(c.porta_scarti);
  return s;
}

void Reports::StampaBollaClick() {
  programs_.RefreshProgramList();
  const LotArchive::Listing listing = lots_.archive.buildLotList();
  if (!listing.read) return;
  TListaBolla& list = *windows_.lotList;
  list.setEntries(listing.entries);
  list.Partita->setChecked(false);
  list.clearChoice();
  if (ui_.exec(list) != QDialog::Accepted || list.chosenIndex() < 0) return;
  const bool projected = list.Partita->isChecked();
  lots_.model.corr = projected;
  printStoredLot(list.chosenLot(), projected);
}

void Reports::printStoredLot(int n, bool projected) {
  if (const auto sheet = storedLotSheet(n, projected))
    output_.print(printboll::document(*sheet), {QStringLiteral("bolla%1.pdf").arg(n), preview(), config_.ncopie});
}

void Reports::printLotInProgress(int currentProgram, const QString& production, const QString& cost) {
  // The lot record takes the lot in progress, as the end of lot will store it.
  LotRecord& r = lots_.record;
  const LotData& d = lots_.lotData;
  r.programma = QString::number(currentProgram).rightJustified(2);
  r.produttore = d.codice;
  r.producerName = d.descrizione;
  r.note = d.note;
  r.bolla = d.numero;
  if (const auto sheet = lotInProgressSheet(currentProgram, d, production, cost))
    output_.print(printboll::document(*sheet), {QStringLiteral("bolla_in_corso.pdf"), preview(), config_.ncopie});
}

void Reports::StampaProgrammaClick() {
  programs_.RefreshProgramList();
  TListaProgrammi& list = *windows_.programList;
  list.borrow(tr(" Stampa Programma "), tr("Numero  Programmi"), list.Label2->text());
  list.clearChoice();
  const bool chosen = ui_.exec(list) == QDialog::Accepted && list.chosenIndex() >= 0;
  const QString code = list.chosenCode();
  list.restore();
  if (!chosen) return;
  const auto sheet = programSheet(code);
  if (!sheet) return;
  const std::unique_ptr<QPrinter> printer = output_.askPrinter(tr(" Stampa Programma "));
  if (!printer) return;
  output_.print(printprog::document(*sheet),
                {QStringLiteral("programma%1.pdf").arg(code.trimmed()), preview(), 1, printer.get()});
}

void Reports::StampaProduttoreClick() {
  TListaProduttori& list = *windows_.producerList;
  const Producers::Listing listing = lots_.producers.buildProducerList();
  if (!listing.read) return;
  list.restore();
  list.setEntries(listing.entries);
  list.clearChoice();
  if (ui_.exec(list) != QDialog::Accepted || list.chosenIndex() < 0) return;
  const QString code = list.chosenData().toString();
  TPeriodoStampa& period = *windows_.period;
  if (ui_.exec(period) != QDialog::Accepted) return;
  QDate from = period.DataDa->date(), to = period.DataA->date();
  if (from > to) std::swap(from, to);
  const auto statement = producerStatement(code, from, to);
  if (!statement) return;
  if (statement->lines.isEmpty()) {
    ui_.message(tr("Il produttore %1 non ha bolle dal %2 al %3").arg(code, statement->from, statement->to),
                ModalUi::Icon::Information);
    return;
  }
  output_.print(printproducer::document(*statement), {QStringLiteral("produttore%1.pdf").arg(code), preview(), 1});
}

void Reports::printInstallation(const InstallationSheet& sheet) {
  const std::unique_ptr<QPrinter> printer = output_.askPrinter(tr("Stampa Installazione"));
  if (!printer) return;
  output_.print(printinstall::document(sheet), {QStringLiteral("installazione.pdf"), false, 1, printer.get()});
}
