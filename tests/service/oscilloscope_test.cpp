#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QLineSeries>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QValueAxis>

#include "service/oscilloscope.h"

namespace {

std::array<int, OscilloscopeModel::kSamples> numbered() {
  std::array<int, OscilloscopeModel::kSamples> s{};
  for (int k = 0; k < OscilloscopeModel::kSamples; ++k) s[k] = k + 1;  // sample k holds k
  return s;
}

rcTracciaGrafica traceOf(const QString& cup) {
  rcTracciaGrafica t;
  t.cup = cup;
  t.minimum = QStringLiteral(" 200");
  t.maximum = QStringLiteral(" 700");
  for (int k = 0; k < OscilloscopeModel::kSamples; ++k) t.samples[k] = QString::number(k + 1).rightJustified(4);
  return t;
}

}  // namespace

TEST(Oscilloscope, ThePhaseShiftsTheSamplesRoundThePassage) {
  struct Case {
    int shift, x, sample;
  };
  for (const Case& c : {Case{10, 1, 10}, Case{10, 91, 100}, Case{10, 92, 1}, Case{-5, 1, 95}, Case{-5, 6, 100},
                        Case{-5, 7, 1}, Case{99, 2, 100}, Case{-99, 100, 100}}) {
    const auto d = oscilloscope::draw(numbered(), c.shift, 1, 100);
    EXPECT_EQ(d.green[c.x - 1], c.sample) << "shift " << c.shift << " position " << c.x;
  }
  // Without a shift, every sample is drawn once.
  const auto d = oscilloscope::draw(numbered(), 0, 1, 100);
  std::array<int, OscilloscopeModel::kSamples> seen{};
  for (int v : d.green) ++seen[v - 1];
  for (int k = 0; k < OscilloscopeModel::kSamples; ++k) EXPECT_EQ(seen[k], 1) << "sample " << k + 1;
}

TEST(Oscilloscope, TheWindowBordersAppearInBothSeries) {
  const auto d = oscilloscope::draw(numbered(), 1, 20, 80);  // shift 1: position x shows sample x
  for (int x = 1; x <= 100; ++x) {
    const bool inside = x >= 20 && x <= 80, border = x == 20 || x == 80;
    EXPECT_EQ(d.green[x - 1], inside ? x : 0) << x;
    EXPECT_EQ(d.red[x - 1], inside && !border ? 0 : x) << x;
  }
}

TEST(Oscilloscope, FieldsCommandAndFileFollowTheirLayouts) {
  EXPECT_EQ(oscilloscope::startPayload(1, 300), QByteArray("1300"));
  EXPECT_EQ(oscilloscope::startPayload(4, 1000), QByteArray("41000"));
  EXPECT_EQ(oscilloscope::thresholdText(100), QStringLiteral("100"));
  EXPECT_EQ(oscilloscope::lineOf(QStringLiteral("3")), 3);
  for (const char* bad : {"0", "5", "x", ""}) EXPECT_FALSE(oscilloscope::lineOf(QString::fromLatin1(bad))) << bad;
  EXPECT_FALSE(oscilloscope::thresholdOf(QStringLiteral("099")));
  EXPECT_FALSE(oscilloscope::thresholdOf(QStringLiteral("1001")));
  EXPECT_EQ(oscilloscope::thresholdOf(QStringLiteral("0300")), 300);
  EXPECT_EQ(oscilloscope::borderOf(QStringLiteral(" 20")), 20);
  EXPECT_EQ(oscilloscope::borderOf(QStringLiteral("ab")), 1);
  EXPECT_EQ(oscilloscope::sampleValue(QStringLiteral(" 612")), 612);
  EXPECT_EQ(oscilloscope::sampleValue(QStringLiteral(" 6x2")), 0);

  const auto z = oscilloscope::zoom(QStringLiteral(" 200"), QStringLiteral(" 700"));
  EXPECT_EQ(z.low, 200);
  EXPECT_EQ(z.high, 800);
  const auto none = oscilloscope::zoom(QStringLiteral("--"), QStringLiteral("--"));
  EXPECT_EQ(none.low, 0);
  EXPECT_EQ(none.high, 1228);

  const QByteArray text = oscilloscope::fileText(traceOf(QStringLiteral("  17")));
  const QList<QByteArray> lines = text.split('\n');
  ASSERT_EQ(lines.size(), 3);  // two lines, each ended by CR LF
  EXPECT_EQ(lines[0], QByteArray("T=  17\r"));
  EXPECT_EQ(lines[1].chopped(1).split(',').size(), 100);
  EXPECT_TRUE(lines[1].startsWith("   1,   2,"));
  EXPECT_EQ(oscilloscope::fileName(3), QStringLiteral("ondal3.osc"));
}

TEST(Oscilloscope, CoverageCountsTheMachinesCupsAndSkipsTracesWithoutOne) {
  OscilloscopeModel m;
  m.hits.resize(100);
  for (const char* cup : {"   1", "   2", "   2", "   5", "abcd", " 101", "   0"})
    oscilloscope::take(m, traceOf(QString::fromLatin1(cup)));
  EXPECT_EQ(oscilloscope::coverage(m.hits, 100), QStringLiteral("   3 /  100"));
  EXPECT_EQ(m.skipped, 3) << "no number, and cups the machine does not have";
  EXPECT_EQ(m.hits[0], 1) << "a cup that is no number is not cup 1";
  EXPECT_EQ(m.samples[99], 100);
  // A smaller count of cups than the hits were sized for reads only its own.
  EXPECT_EQ(oscilloscope::coverage(m.hits, 2), QStringLiteral("   2 /    2"));
  EXPECT_EQ(oscilloscope::coverage(m.hits, 600), QStringLiteral("   3 /  600"));
}

TEST(Oscilloscope, TracesAppendToTheLinesFileAndAFileThatCannotBeOpenedIsTold) {
  QTemporaryDir dir;
  const QDir d(dir.path());
  EXPECT_FALSE(oscilloscope::appendTrace(d, 3, traceOf(QStringLiteral("   1"))));
  EXPECT_FALSE(oscilloscope::appendTrace(d, 3, traceOf(QStringLiteral("   2"))));
  QFile f(d.filePath(QStringLiteral("ondal3.osc")));
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  EXPECT_EQ(f.readAll().count("\r\n"), 4);
  ASSERT_TRUE(d.mkdir(QStringLiteral("ondal2.osc")));  // a folder where the file should be
  EXPECT_TRUE(oscilloscope::appendTrace(d, 2, traceOf(QStringLiteral("   1"))).has_value());
}

TEST(Oscilloscope, TheWindowRedrawsAtThePhaseJustChosenAndZooms) {
  OscilloscopeModel m;
  m.samples = numbered();
  m.windowStart = 1;
  m.windowEnd = 100;
  m.hits.assign(100, 1);
  TTestOscilloscopio w;
  w.bind(m);
  w.UpDown3->setValue(10);
  EXPECT_EQ(m.phase, 10);
  EXPECT_EQ(w.Fase->text(), QStringLiteral(" 10"));
  EXPECT_EQ(w.green->at(0).y(), 10) << "drawn at the new phase, not the one before";
  EXPECT_EQ(w.green->at(91).y(), 1);

  w.UpDown2->setValue(1000);
  EXPECT_EQ(w.Limite->text(), QStringLiteral("1000"));
  w.UpDown2->setValue(150);
  EXPECT_EQ(w.Limite->text(), QStringLiteral("150"));
  w.UpDown1->setValue(3);
  EXPECT_EQ(w.Linea->text(), QStringLiteral("3"));
  EXPECT_EQ(m.hits[0], 0) << "a change of line clears the hit counts";

  w.Minimo->setText(QStringLiteral(" 200"));
  w.Massimo->setText(QStringLiteral(" 700"));
  w.Button1->click();
  EXPECT_EQ(w.axisY->min(), 200);
  EXPECT_EQ(w.axisY->max(), 800);
  w.Button2->click();
  EXPECT_EQ(w.axisY->min(), 0);
  EXPECT_EQ(w.axisY->max(), 1024);
  w.saveflag->setChecked(true);
  EXPECT_TRUE(m.save);
}
