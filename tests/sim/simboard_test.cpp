#include <gtest/gtest.h>

#include "sim/commands.h"
#include "sim/simboard.h"

namespace {

// Feeds a whole line (CR added) to the board as the station would send it.
QByteArray send(SimBoard& b, const QByteArray& line, qint64 now) { return b.onBytes(line + '\r', now); }

// A weight line: program p, line index l, boundaries from `start` in steps of `step`.
QByteArray weightLine(int program, int line, int start, int step) {
  QByteArray f = QByteArray::number(program).rightJustified(2, '0') + QByteArray::number(line);
  for (int b = 0; b < 16; ++b) f += QByteArray::number(start + b * step).rightJustified(3, '0');
  return "F" + f;
}

// An exit line: class c on line index l, the exits given.
QByteArray exitLine(int c, int l, const QByteArray& exits = "00000000") {
  return "G" + QByteArray::number(c).rightJustified(2, '0') + QByteArray::number(l) + exits;
}

const QByteArray kConfig =
    "C2081000020802080208020801000100010001000050" + QByteArray(60, '0') + "L50";

}  // namespace

// A board whose replies end exactly at their CR, for checking bytes one by one.
SimBoard plainBoard(SimBoard::Settings s = {}) {
  s.echoCr = false;
  s.afterReply.clear();
  return SimBoard(s);
}

TEST(SimBoard, EchoesAsTheStationExpects) {
  SimBoard b = plainBoard();
  EXPECT_EQ(b.onBytes("A", 0), QByteArray("A"));
  EXPECT_EQ(b.onBytes("0", 0), QByteArray("0"));
  EXPECT_EQ(b.onBytes("\r", 0), b.statusReply());
  // Whole-line commands: the first character at once, the rest with its CR at the end.
  EXPECT_EQ(b.onBytes("-", 0), QByteArray("-"));
  EXPECT_EQ(b.onBytes("30301209005\r", 0), QByteArray("30301209005\r"));
  // Commands without echo.
  EXPECT_EQ(b.onBytes("Q", 0), QByteArray());
  EXPECT_EQ(b.onBytes("\x1b", 0), QByteArray("\x1b"));

  // As a real board may: the command's CR echoed, a line feed after the reply's CR.
  SimBoard real;
  EXPECT_EQ(send(real, "A0", 0), "A0\r" + real.statusReply() + "\n");
  EXPECT_EQ(real.protocolErrors(), 0);
}

TEST(SimBoard, WorksALotWithTheProgramItReceived) {
  SimBoard::Settings s;
  s.meanWeight = 150;
  s.sdWeight = 30;
  s.lotSize = 400;
  s.phaseMs = 100;
  SimBoard b = plainBoard(s);
  b.advance(0);
  EXPECT_EQ(b.state(), '0');
  send(b, kConfig, 0);
  EXPECT_EQ(b.state(), '1');
  EXPECT_EQ(b.linesConfigured(), 2);
  // Classes of 20 g from 60 g on both lines.
  send(b, weightLine(7, 0, 60, 20), 0);
  send(b, weightLine(7, 1, 60, 20), 0);
  send(b, weightLine(7, 2, 0, 0), 0);
  send(b, weightLine(7, 3, 0, 0), 0);
  for (int l = 0; l < 4; ++l)
    for (int c = 1; c <= 12; ++c) {
      EXPECT_EQ(b.program(), 0) << "no program before the whole transfer";
      send(b, exitLine(c, l, c == 2 ? "05060708" : "00000000"), 0);
    }
  EXPECT_EQ(b.program(), 7);
  EXPECT_EQ(b.protocolErrors(), 0) << b.protocolErrorTexts().join('\n').toStdString();
  EXPECT_EQ(b.boundary(0, 1), 80);
  EXPECT_EQ(b.exits(0, 1), QStringLiteral("05060708"));
  for (qint64 t = 0; t <= 400; t += 100) b.advance(t);
  EXPECT_EQ(b.state(), '4');
  b.advance(60'000);
  EXPECT_EQ(b.state(), '5') << "a lot of 400 fruits ends by itself";
  qint64 total = 0;
  for (int l = 0; l < 2; ++l)
    for (int c = 0; c < 15; ++c) {
      total += b.total(l, c);
      EXPECT_EQ(b.memorised(l, c), b.total(l, c));
    }
  EXPECT_GT(total, 400 * 100);
  EXPECT_LT(total, 400 * 200);
  // The heaviest class of 20 g around the mean holds the most.
  EXPECT_GT(b.total(0, 4), b.total(0, 0));

  // The totals reply carries 15 values of 8 digits.
  const QByteArray reply = send(b, "V20", 60'000);
  ASSERT_TRUE(reply.endsWith("\r"));
  EXPECT_EQ(reply.right(121).size(), 121);
  EXPECT_EQ(reply.right(121).left(8).toLongLong(), b.total(0, 0));

  send(b, "V1", 60'000);
  EXPECT_EQ(b.state(), '4');
  EXPECT_EQ(b.total(0, 4), 0);
  EXPECT_GT(b.memorised(0, 4), 0) << "the memorised totals stay until v1";
  send(b, "v1", 60'000);
  EXPECT_EQ(b.memorised(0, 4), 0);
}

TEST(SimBoard, CommandInterfaceScriptsTheBoard) {
  SimBoard b = plainBoard();
  EXPECT_TRUE(simcommands::apply(b, QStringLiteral("power off"), 0).startsWith(QStringLiteral("ok")));
  EXPECT_EQ(b.onBytes("A0\r", 0), QByteArray()) << "a board that is off says nothing";
  simcommands::apply(b, QStringLiteral("power on"), 0);
  EXPECT_EQ(b.onBytes("A", 0), QByteArray("A"));
  b.onBytes("\x1b", 0);
  EXPECT_TRUE(simcommands::apply(b, QStringLiteral("model old"), 0).startsWith(QStringLiteral("ok")));
  EXPECT_EQ(send(b, ">0", 0), QByteArray(">0")) << "echo, but no identity";
  simcommands::apply(b, QStringLiteral("model 1"), 0);
  EXPECT_EQ(send(b, ">1", 0), QByteArray(">110\r"));
  simcommands::apply(b, QStringLiteral("weights 210 20"), 0);
  EXPECT_EQ(b.settings.meanWeight, 210);
  simcommands::apply(b, QStringLiteral("fault slow 5"), 0);
  EXPECT_EQ(b.charDelayUs(), 5000);
  simcommands::apply(b, QStringLiteral("fault none"), 0);
  EXPECT_EQ(b.charDelayUs(), 0);
  EXPECT_TRUE(simcommands::apply(b, QStringLiteral("model 9"), 0).startsWith(QStringLiteral("error")));
  EXPECT_TRUE(simcommands::apply(b, QStringLiteral("fly"), 0).startsWith(QStringLiteral("error")));
  simcommands::apply(b, QStringLiteral("end-lot"), 0);
  EXPECT_EQ(b.state(), '5');
  EXPECT_TRUE(simcommands::apply(b, QStringLiteral("status"), 0).contains(QStringLiteral("state=5")));
  EXPECT_EQ(simcommands::apply(b, QStringLiteral("unit 10"), 0), QStringLiteral("ok: unit 10"));
  EXPECT_EQ(b.settings.unit, 10);
  EXPECT_TRUE(simcommands::apply(b, QStringLiteral("status"), 0).contains(QStringLiteral("unit=10 protocol-errors=0")));
}

TEST(SimBoard, LinesThatBreakTheLayoutsAreProtocolErrors) {
  const QByteArray f = weightLine(7, 0, 60, 20);
  struct Case { QByteArray line; const char* why; };
  const Case cases[] = {
      {f.left(f.size() - 1), "weight line of 50 characters"},
      {"F07" + QByteArray("0") + "-05" + f.mid(7), "non-digit"},
      {"F074" + f.mid(4), "index above 3"},
      {"G13005060708", "class 13"},
      {"G0200506070", "exit line of 10"},
      {"G020ZZ060708", "non-digit"},
      {"C123", "configuration of 3"},
      {"-3123", "machine parameters"},
      {"V24", "totals request"},
  };
  for (const Case& c : cases) {
    SimBoard b;
    QStringList told;
    b.onProtocolError = [&](const QString& t) { told << t; };
    send(b, c.line, 0);
    ASSERT_EQ(b.protocolErrors(), 1) << c.line.toStdString();
    EXPECT_TRUE(b.protocolErrorTexts().front().contains(QLatin1String(c.why))) << b.protocolErrorTexts().front().toStdString();
    EXPECT_EQ(told, b.protocolErrorTexts());
  }
  // A transfer whose weight lines name two programs is refused whole.
  SimBoard b;
  send(b, weightLine(7, 0, 60, 20), 0);
  send(b, weightLine(8, 1, 60, 20), 0);
  EXPECT_EQ(b.protocolErrors(), 1);
  EXPECT_EQ(b.program(), 0);
}

TEST(SimBoard, GradesInTheUnitOfTheWeightMultiplier) {
  SimBoard::Settings s;
  s.meanWeight = 1500;
  s.sdWeight = 0;
  s.fillRate = 1;
  s.wrongCupRate = 0;
  s.phaseMs = 0;
  s.unit = 10;
  SimBoard b = plainBoard(s);
  send(b, kConfig, 0);
  // Classes of 10 units (100 g) from 100 units (1000 g).
  for (int l = 0; l < 4; ++l) send(b, weightLine(3, l, 100, 10), 0);
  for (int l = 0; l < 4; ++l)
    for (int c = 1; c <= 12; ++c) send(b, exitLine(c, l), 0);
  for (qint64 t = 0; t <= 10; ++t) b.advance(t);
  b.advance(1000);
  // 1500 g is 150 units: class 6 (150 to 160), each fruit counted as 150.
  EXPECT_GT(b.total(0, 5), 0);
  EXPECT_EQ(b.total(0, 5) % 150, 0);
  EXPECT_EQ(b.total(0, 4), 0);
}
