#include "config/machineconfig.h"

#include "base/text.h"

const QString MachineConfig::kDefaultCopyright =
    QStringLiteral("Copyright (C) Corvane elettronica snc - tutti i diritti riservati");
const QString MachineConfig::kDefaultPassword = QStringLiteral("5");

namespace {

// A number in a field of the board's records: right-aligned, blanks replaced by '0'. A
// value too wide for its field is held at the largest (or smallest) value the field can
// carry, so the record keeps its length and the board never reads a shifted field.
QString field(int value, int width) {
  QString s = QString::number(value);
  if (s.size() > width) s = QString(width, value < 0 ? QLatin1Char('0') : QLatin1Char('9'));
  return text::fixedRight(s, width).replace(QLatin1Char(' '), QLatin1Char('0'));
}

QString flag(int value) { return value == 1 ? QStringLiteral("S") : QStringLiteral("N"); }

}  // namespace

MachineConfig::Tare MachineConfig::tare() const {
  if (!taratazza) return Tare::PerLine;
  return tarainc ? Tare::Incremental : Tare::PerCup;
}

int MachineConfig::tareIndex() const {
  switch (tare()) {
    case Tare::PerLine: return 0;
    case Tare::PerCup: return 1;
    case Tare::Incremental: return 1 + lev_dtara;
  }
  return 0;
}

void MachineConfig::setTareIndex(int index) {
  taratazza = index >= 1;
  tarainc = index >= 2;
  lev_dtara = index >= 2 && index <= 7 ? index - 1 : 1;
}

QChar MachineConfig::tareLetter() const {
  switch (tare()) {
    case Tare::PerLine: return QLatin1Char('L');
    case Tare::PerCup: return QLatin1Char('T');
    case Tare::Incremental: return QLatin1Char(static_cast<char>('0' + lev_dtara));
  }
  return QLatin1Char('L');
}

QString MachineConfig::baseLine() const {
  QString line;
  line.reserve(103);
  line += field(numlinee, 1);
  line += field(numuscite, 2);
  line += field(numtazze, 3);
  line += field(zeroencoder, 2);
  for (int n = 0; n < 4; ++n) line += field(inenc[n], 2) + field(fienc[n], 2);
  for (int n = 0; n < 4; ++n) line += field(kpeso[n], 4);
  line += tipoatt == 2 ? QLatin1Char('1') : QLatin1Char('0');
  line += field(apermagn, 2);
  for (int n = 0; n < 30; ++n) line += field(uscita[n], 2);
  return line;
}

QString MachineConfig::suffix() const {
  // Only a blank first character of the magnet duration becomes '0'.
  QString duration = QString::number(durata_magneti);
  if (duration.size() > 2) duration = durata_magneti < 0 ? QStringLiteral("00") : QStringLiteral("99");
  duration = text::fixedRight(duration, 2);
  if (duration[0] == QLatin1Char(' ')) duration[0] = QLatin1Char('0');
  return QString(tareLetter()) + duration;
}

QByteArray MachineConfig::c31Record() const {
  QString r;
  r.reserve(151);
  r += QLatin1Char('1');
  r += field(porta_com, 1);
  r += QLatin1Char('9');
  r += field(porta_aux, 1);
  r += field(numlinee, 1);
  r += field(numuscite, 2);
  r += field(numtazze, 4);
  r += tipoatt == 1 ? QLatin1Char('0') : QLatin1Char('1');
  r += totaligrammi == 1 ? QLatin1Char('1') : QLatin1Char('0');
  r += flag(stampagrammi) + flag(archiviazione) + flag(stampa) + flag(txremoto);
  r += field(zeroencoder, 2);
  for (int n = 0; n < 4; ++n) r += field(inenc[n], 2) + field(fienc[n], 2);
  for (int n = 0; n < 4; ++n) r += field(kpeso[n], 4);
  r += QStringLiteral("1000").repeated(8);
  r += QStringLiteral("00").repeated(3);
  r += field(apermagn, 2);
  for (int n = 0; n < 30; ++n) r += field(uscita[n], 2);
  return r.toLatin1();
}
