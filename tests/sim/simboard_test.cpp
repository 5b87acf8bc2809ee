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

const QByteArray kConfig =
    "C2081000020802080208020801000100010001000050" + QByteArray(60, '0') + "L50";

}  // namespace

TEST(SimBoard, EchoesAsTheStationExpects) {
  SimBoard b;
  EXPECT_EQ(b.onBytes("A", 0), QByteArray("A"));
  EXPECT_EQ(b.onBytes("0", 0), QByteArray("0"));
  EXPECT_EQ(b.onBytes("\r", 0), b.statusReply());
  // Whole-line commands: the first character at once, the rest with its CR at the end.
  EXPECT_EQ(b.onBytes("-", 0), QByteArray("-"));
  EXPECT_EQ(b.onBytes("30301209005\r", 0), QByteArray("30301209005\r"));
  // Commands without echo.
  EXPECT_EQ(b.onBytes("Q", 0), QByteArray());
  EXPECT_EQ(b.onBytes("\x1b", 0), QByteArray("\x1b"));
}

TEST(SimBoard, WorksALotWithTheProgramItReceived) {
  SimBoard::Settings s;
  s.meanWeight = 150;
  s.sdWeight = 30;
  s.lotSize = 400;
  s.phaseMs = 100;
  SimBoard b(s);
  b.advance(0);
  EXPECT_EQ(b.state(), '0');
  send(b, kConfig, 0);
  EXPECT_EQ(b.state(), '1');
  EXPECT_EQ(b.linesConfigured(), 2);
  // Classes of 20 g from 60 g on both lines.
  send(b, weightLine(7, 0, 60, 20), 0);
  send(b, weightLine(7, 1, 60, 20), 0);
  send(b, "G02005060708", 0);
  EXPECT_EQ(b.program(), 7);
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
  SimBoard b;
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
}
