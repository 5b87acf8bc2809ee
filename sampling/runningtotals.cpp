#include "sampling/runningtotals.h"

#include <QCoreApplication>

#include "base/eventlog.h"
#include "base/modalui.h"
#include "base/text.h"
#include "db/databaseacc.h"
#include "sampling/runview.h"

namespace {

QString cq(const char* prefix, int c, int q) {
  return QStringLiteral("%1%2Q%3").arg(QLatin1String(prefix)).arg(c).arg(q);
}

}  // namespace

void RunningTotals::clearClasses() {
  for (auto& row : T) row.fill(0);
  Q.fill(0);
}

void RunningTotals::sum() {
  for (int q = 0; q < kQualities; ++q) {
    Q[q] = 0;
    for (qint64 v : T[q]) Q[q] += v;
  }
  G = Q[0] + Q[1] + Q[2] + Q[3] + R;
}

void RunningTotals::zero() {
  clearClasses();
  R = 0;
  G = 0;
}

QString RunningTotals::totalText(qint64 grams, bool inGrams) {
  if (inGrams) return QString::number(grams).rightJustified(8);
  return QString::number(static_cast<double>(grams) / 1000.0, 'f', 1).rightJustified(6);
}

QString RunningTotals::percentText(double percent) { return QString::number(percent, 'f', 2); }

QString RunningTotals::storedPercentText(double percent) {
  const double rounded = QString::number(percent, 'g', 3).toDouble();
  return QString::number(rounded, 'f', 2).replace(QLatin1Char('.'), text::decimalSeparator());
}

void RunningTotals::ShowTotals(RunView& view, bool inGrams) const {
  for (int q = 1; q <= kQualities; ++q) {
    for (int c = 1; c <= kClasses; ++c) view.setText(cq("TotC", c, q), totalText(T[q - 1][c - 1], inGrams));
    view.setText(QStringLiteral("LavoratoQ%1").arg(q), totalText(Q[q - 1], inGrams));
  }
  view.setText(QStringLiteral("LavoratoQ5"), totalText(R, inGrams));
  view.setText(QStringLiteral("TotaleG"), totalText(G, inGrams));
  const auto share = [this](qint64 v) { return static_cast<double>(v) / static_cast<double>(G) * 100.0; };
  for (int q = 1; q <= kQualities; ++q) {
    for (int c = 1; c <= kClasses; ++c)
      view.setText(cq("TotP", c, q), G < 1 ? QString() : percentText(share(T[q - 1][c - 1])));
    view.setText(QStringLiteral("LavoratoPQ%1").arg(q), G < 1 ? QString() : percentText(share(Q[q - 1])));
  }
  view.setText(QStringLiteral("LavoratoPQ5"), G < 1 ? QString() : percentText(share(R)));
}

bool RunningTotals::StoreLotInProgress(TDataModule1& data, RunView& view, ModalUi& ui, EventLog* log) {
  TTable& t = data.Table5;
  if (!t.Exists()) return false;
  t.Close();
  bool stored = false;
  QString error;
  {
    // Emptying and refilling is one transaction: a refused value (a total the column
    // cannot hold) leaves the previous row in place.
    TDatabase::Batch batch(data.Database1);
    if (batch.begun() && t.Open() && t.EmptyTable() && t.Insert()) {
      for (int q = 1; q <= kQualities; ++q)
        for (int c = 1; c <= kClasses; ++c)
          t.FieldByName(QStringLiteral("tot%1q%2").arg(c).arg(q)).SetAsInteger(T[q - 1][c - 1]);
      t.FieldByName(QStringLiteral("totq5")).SetAsInteger(R);
      std::array<double, kQualities * kClasses> classPercent{};
      std::array<double, 5> qualityPercent{};
      for (int q = 1; q <= kQualities; ++q)
        for (int c = 1; c <= kClasses; ++c)
          classPercent[(q - 1) * kClasses + c - 1] = t.FieldByName(QStringLiteral("perc%1q%2").arg(c).arg(q)).AsFloat();
      for (int q = 1; q <= 5; ++q) qualityPercent[q - 1] = t.FieldByName(QStringLiteral("percq%1").arg(q)).AsFloat();
      if (t.Post() && batch.commit()) {
        stored = true;
        for (int q = 1; q <= kQualities; ++q)
          for (int c = 1; c <= kClasses; ++c)
            view.setText(cq("TotP", c, q), storedPercentText(classPercent[(q - 1) * kClasses + c - 1]));
        for (int q = 1; q <= 5; ++q) {
          view.setText(QStringLiteral("LavoratoPQ%1").arg(q), storedPercentText(qualityPercent[q - 1]));
          if (q >= 2) qualityPercentages[q - 2] = qualityPercent[q - 1];
        }
      } else {
        t.Cancel();
      }
    }
    error = batch.error();
  }
  t.Close();
  if (stored) {
    lastStoreError_.clear();
    return true;
  }
  if (error.isEmpty()) error = QCoreApplication::translate("RunningTotals", "I totali della bolla in corso non sono stati salvati");
  if (log) log->append(QStringLiteral("totali_temp non salvati: ") + error + QStringLiteral("\r\n"));
  if (error != lastStoreError_) ui.message(error, ModalUi::Icon::Error);
  lastStoreError_ = error;
  return false;
}

LotHeader::Read LotHeader::ReadLotHeader(TDataModule1& data, int* rememberedProgram) {
  TTable& t = data.Table4;
  // A table that cannot be opened (no archive, a damaged or locked file, a missing table)
  // is told with its cause by the data layer; it is not a lot in progress that is absent.
  if (!t.Open()) return Read::Failed;
  Read found = Read::Empty;
  if (!t.First()) {
    program = QStringLiteral("000");
    producer = QStringLiteral("00000");
  } else {
    program = t.FieldByName(QStringLiteral("programma")).AsString();
    producer = t.FieldByName(QStringLiteral("produttore")).AsString();
    if (rememberedProgram) *rememberedProgram = t.FieldByName(QStringLiteral("programma")).AsInteger();
    found = Read::Found;
  }
  t.Close();
  return found;
}

bool LotHeader::StoreLotHeader(TDataModule1& data) const {
  TTable& t = data.Table4;
  if (!t.Exists()) return !data.Database1.lookupFailed() && data.Database1.connected();
  if (!t.Open()) return false;
  const bool stored = (t.First() ? t.Edit() : t.Insert()) &&
                      t.FieldByName(QStringLiteral("programma")).SetAsString(program) &&
                      t.FieldByName(QStringLiteral("produttore")).SetAsString(producer) && t.Post();
  if (!stored) t.Cancel();
  t.Close();
  return stored;
}
