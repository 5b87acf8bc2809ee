#include "db/calcfields.h"
#include "db/databaseacc.h"

namespace {

using Type = ColumnDef::Type;

QString cellName(const char* prefix, int i) {
  return QStringLiteral("%1%2q%3").arg(QLatin1String(prefix)).arg(i % calc::kClasses + 1).arg(i / calc::kClasses + 1);
}

// The stored class totals and the quality-5 total of the current row, empty reading as 0.
template <typename Input>
Input storedTotals(TTable& t) {
  struct Indexes {
    std::array<int, calc::kCells> tot{};
    int totq5 = -1;
    int totpartita = -1;
  };
  // The positions depend only on the table's definition; looked up once per table.
  static thread_local const TableDef* cachedFor = nullptr;
  static thread_local Indexes idx;
  if (cachedFor != &t.def()) {
    for (int i = 0; i < calc::kCells; ++i) idx.tot[i] = t.def().indexOf(cellName("tot", i));
    idx.totq5 = t.def().indexOf(QStringLiteral("totq5"));
    idx.totpartita = t.def().indexOf(QStringLiteral("totpartita"));
    cachedFor = &t.def();
  }
  Input in;
  for (int i = 0; i < calc::kCells; ++i) in.tot[i] = t.storedValue(idx.tot[i]).toLongLong();
  in.totq5 = t.storedValue(idx.totq5).toLongLong();
  if constexpr (std::is_same_v<Input, calc::LotInput>) in.totpartita = t.storedValue(idx.totpartita).toLongLong();
  return in;
}

}  // namespace

QList<TTable::CalcColumn> TDataModule1::lotCalcColumns() {
  QList<TTable::CalcColumn> c;
  for (int q = 1; q <= 4; ++q) c.append({QStringLiteral("totaleq%1").arg(q), Type::Integer, {}});
  c.append({QStringLiteral("totale_gen"), Type::Integer, {}});
  for (int i = 0; i < calc::kCells; ++i) c.append({cellName("perc", i), Type::Float, QStringLiteral("##0.00")});
  c.append({QStringLiteral("Percq1"), Type::Float, QStringLiteral("##0.00")});
  for (int q = 2; q <= 5; ++q) c.append({QStringLiteral("percq%1").arg(q), Type::Float, QStringLiteral("##0.00")});
  for (int i = 0; i < calc::kCells; ++i) c.append({cellName("ttot", i), Type::Float, QStringLiteral("#####0.00")});
  for (int q = 1; q <= 5; ++q) c.append({QStringLiteral("ttotq%1").arg(q), Type::Float, QStringLiteral("#####0.00")});
  return c;
}

QList<TTable::CalcColumn> TDataModule1::runningCalcColumns() {
  QList<TTable::CalcColumn> c;
  for (int q = 1; q <= 4; ++q) c.append({QStringLiteral("totq%1").arg(q), Type::Integer, {}});
  c.append({QStringLiteral("totgen"), Type::Integer, {}});
  for (int i = 0; i < calc::kCells; ++i) c.append({cellName("perc", i), Type::Float, QStringLiteral("##0.00")});
  for (int q = 1; q <= 5; ++q) c.append({QStringLiteral("percq%1").arg(q), Type::Float, QStringLiteral("##0.00")});
  return c;
}

void TDataModule1::Table3CalcFields(TTable& t) {
  const calc::LotCalc r = calc::lot(storedTotals<calc::LotInput>(t));
  QVector<QVariant>& out = t.calculated();
  int k = 0;
  for (qint64 v : r.totaleq) out[k++] = QVariant(v);
  out[k++] = QVariant(r.totale_gen);
  for (double v : r.perc) out[k++] = QVariant(v);
  for (double v : r.percq) out[k++] = QVariant(v);
  for (double v : r.ttot) out[k++] = QVariant(v);
  for (double v : r.ttotq) out[k++] = QVariant(v);
}

void TDataModule1::Table5CalcFields(TTable& t) {
  const calc::RunningCalc r = calc::running(storedTotals<calc::RunningInput>(t));
  QVector<QVariant>& out = t.calculated();
  int k = 0;
  for (qint64 v : r.totq) out[k++] = QVariant(v);
  out[k++] = QVariant(r.totgen);
  for (double v : r.perc) out[k++] = QVariant(v);
  for (double v : r.percq) out[k++] = QVariant(v);
}

TDataModule1::TDataModule1(const TDatabase::Target& target, ModalUi& ui)
    : Database1(target, ui),
      Table1(Database1, *schema::table(QStringLiteral("programmi"))),
      Table2(Database1, *schema::table(QStringLiteral("produttori"))),
      Table3(Database1, *schema::table(QStringLiteral("bolle")), lotCalcColumns(), &TDataModule1::Table3CalcFields),
      Table4(Database1, *schema::table(QStringLiteral("temporary"))),
      Table5(Database1, *schema::table(QStringLiteral("totali_temp")), runningCalcColumns(),
             &TDataModule1::Table5CalcFields) {}
