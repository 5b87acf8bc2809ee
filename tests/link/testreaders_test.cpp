#include <QElapsedTimer>
#include <QThread>
#include <deque>
#include <gtest/gtest.h>
#include <mutex>

#include "link/clPort.h"
#include "link/testreaders.h"
#include "sim/ptypeer.h"
#include "sim/serialdevice.h"

TEST(StreamFrames, FramesAreCutOnlyAtTheirLetterAndCr) {
  // Foreign text before a frame, a frame split over two reads, two frames in one read.
  QByteArray buffer = "garbage\rN1001 015";
  EXPECT_FALSE(frames::take(buffer, 'N').has_value()) << "no CR after the letter yet";
  buffer += "\rN2002";
  EXPECT_EQ(frames::take(buffer, 'N'), QByteArray("N1001 015\r")) << "the text before the letter goes with it";
  EXPECT_EQ(buffer, QByteArray("N2002"));
  buffer += "   7\rN3003\r";
  EXPECT_EQ(frames::take(buffer, 'N'), QByteArray("N2002   7\r"));
  EXPECT_EQ(frames::take(buffer, 'N'), QByteArray("N3003\r"));
  // A line without the letter stays until a frame follows it, then goes.
  buffer = "noise\r";
  EXPECT_FALSE(frames::take(buffer, 'S').has_value());
  EXPECT_EQ(buffer, QByteArray("noise\r"));
  buffer += "S1";
  EXPECT_FALSE(frames::take(buffer, 'S').has_value());
  EXPECT_EQ(buffer, QByteArray("S1"));

  // Fields only inside the frame's own CR.
  EXPECT_FALSE(frames::calibration("P1000\r").has_value()) << "a short frame";
  const auto p = frames::calibration("P20012098500200\r");
  ASSERT_TRUE(p.has_value());
  EXPECT_EQ(p->line, QStringLiteral("2"));
  EXPECT_EQ(p->passes, QStringLiteral("0012"));
  EXPECT_EQ(p->coefficient, QStringLiteral("0985"));
  EXPECT_EQ(p->weight, QStringLiteral("0020"));
  const auto n = frames::emptyCup("N30012\r");
  ASSERT_TRUE(n.has_value());
  EXPECT_EQ(n->value, QString()) << "an empty value shows empty";
  EXPECT_EQ(frames::emptyCup("N30012 -17\r")->value, QStringLiteral(" -17"));
  const auto s2 = frames::memorised("S2 101  50 175\r");
  ASSERT_TRUE(s2.has_value());
  EXPECT_EQ(s2->line, 2);
  EXPECT_EQ(s2->cup, 101);
  EXPECT_EQ(s2->net, 175);
  EXPECT_FALSE(frames::memorised("S7 101  50 175\r").has_value()) << "no line 7";
  const auto t = frames::encoder("T 12 500   0   1   2   3  -4\r");
  ASSERT_TRUE(t.has_value());
  EXPECT_EQ((*t)[0], 12);
  EXPECT_EQ((*t)[6], -4);
  EXPECT_EQ(frames::wholeValue(" 250"), 250);
  EXPECT_EQ(frames::wholeValue("12x"), 12);
  EXPECT_EQ(frames::wholeValue("abc"), 0);
  QByteArray o = "O0001 100 900";
  for (int k = 0; k < 100; ++k) o += QByteArray::number(500 + k).rightJustified(4);
  EXPECT_EQ(frames::trace(o + "\r")->samples[99], QStringLiteral(" 599"));
  EXPECT_FALSE(frames::trace(o.left(200) + "\r").has_value());
}

namespace {

// A board that sends the chunks it is given, one per tick.
struct Streamer : SerialDevice {
  std::mutex m;
  std::deque<QByteArray> chunks;
  QByteArray onBytes(const QByteArray&, qint64) override { return {}; }
  QByteArray onTick(qint64) override {
    std::lock_guard<std::mutex> lock(m);
    if (chunks.empty()) return {};
    QByteArray c = chunks.front();
    chunks.pop_front();
    return c;
  }
};

bool eventually(const std::function<bool()>& check) {
  QElapsedTimer t;
  t.start();
  while (t.elapsed() < 5000) {
    if (check()) return true;
    QThread::msleep(5);
  }
  return false;
}

}  // namespace

TEST(StreamReaders, ReadersKeepTheirFramesFromTheLine) {
  auto* streamer = new Streamer;
  PtyPeer peer{std::unique_ptr<SerialDevice>(streamer)};
  ASSERT_TRUE(peer.start());
  cPort port(9, 19200, peer.devicePath());
  ASSERT_TRUE(port.Open());
  {
    tTestEncoder encoder(port);
    EXPECT_EQ(encoder.GetValues().turns, QStringLiteral("   0")) << "values before the first frame";
    encoder.Run("T  1 100");  // the first frame began in the start's own read
    peer.with<Streamer>([](Streamer& s) {
      s.chunks = {"   0   0   0   0   0\r", "junk\rT  2 200", "   0   0   0   0   9\r"};
    });
    ASSERT_TRUE(eventually([&] { return encoder.GetValues().turns == QStringLiteral("   2"); }));
    EXPECT_EQ(encoder.GetValues().errors[4], QStringLiteral("   9"));
    encoder.Terminate();
    EXPECT_FALSE(encoder.running());
  }
  {
    tControlloTazzeVuote cups(port);
    cups.Run();
    peer.with<Streamer>([](Streamer& s) { s.chunks = {"N10001  12\rN20002\rN1", "0003 -20\rN9\r"}; });
    ASSERT_TRUE(eventually([&] { return cups.frames() >= 4; }));
    EXPECT_EQ(cups.Take()->value, QStringLiteral("  12"));
    EXPECT_EQ(cups.Take()->value, QString());
    EXPECT_EQ(cups.Take()->cup, QStringLiteral("0003"));
    EXPECT_FALSE(cups.Take().has_value()) << "the short frame N9 is dropped";
    EXPECT_EQ(cups.dropped(), 1);
  }
  port.Close();
}
