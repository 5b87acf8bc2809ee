#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

#include "base/eventlog.h"
#include "link/tpolling.h"
#include "sim/ptypeer.h"
#include "sim/simscanner.h"
#include "support/testenv.h"

TEST(AuxLineCutter, EveryLineEndEndsALineAndEmptyLinesAreDropped) {
  struct Case {
    QList<QByteArray> reads;
    QStringList lines;
    QByteArray left;
  };
  const QList<Case> cases = {
      {{"8012345678901\r\n"}, {"8012345678901"}, ""},
      {{"A1\r\nB2\r\n"}, {"A1", "B2"}, ""},
      {{"abc\rdef\rghi"}, {"abc", "def"}, "ghi"},            // CR alone loses nothing
      {{"abc\r", "\nxyz\r\n"}, {"abc", "xyz"}, ""},           // the LF after the read is no line
      {{"x\ny\n"}, {"x", "y"}, ""},                           // LF alone
      {{"\r\n", "\r\n\r\n"}, {}, ""},                         // empty lines
      {{"123456789012345678901234567890", "\r\n"}, {"123456789012345678901234567890"}, ""},
  };
  for (const Case& c : cases) {
    AuxLineCutter cut;
    QStringList got;
    for (const QByteArray& r : c.reads) {
      cut.feed(r);
      while (auto l = cut.takeLine()) got << *l;
    }
    EXPECT_EQ(got, c.lines) << c.reads.join("|").toStdString();
    EXPECT_EQ(cut.pending(), c.left);
  }
  AuxLineCutter flood;
  EXPECT_FALSE(flood.feed(QByteArray(AuxLineCutter::kPendingCap, 'x')));
  EXPECT_TRUE(flood.feed("yz")) << "text without a line end beyond the cap is discarded";
  EXPECT_EQ(flood.pending().size(), AuxLineCutter::kPendingCap);
  EXPECT_TRUE(flood.pending().endsWith("yz"));
}

namespace {

// The reader against the simulated scanner on a pseudo-terminal, with short passes.
struct ScannerFixture : ::testing::Test {
  TestEnv env;
  SimScanner* scanner = new SimScanner();
  PtyPeer peer{std::unique_ptr<SerialDevice>(scanner)};
  void SetUp() override { ASSERT_TRUE(peer.start()) << peer.errorString().toStdString(); }
  void send(const std::function<void(SimScanner&)>& f) { peer.with<SimScanner>(f); }
  static bool waitFor(const std::function<bool()>& check, int ms = 5000) {
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms) {
      if (check()) return true;
      QThread::msleep(2);
    }
    return check();
  }
  QByteArray log() const { return env.readFile(QStringLiteral("morvel.log")); }
};

}  // namespace

TEST_F(ScannerFixture, APassTakesAtMost25BytesAndOneLine) {
  tPolling reader(2, peer.devicePath(), env.log.get(), 30);
  reader.start();
  ASSERT_TRUE(waitFor([&] { return reader.portOpen(); }));
  send([](SimScanner& s) {
    s.scan(QStringLiteral("123456789012345678901234567890"));  // 32 bytes with CR LF
  });
  ASSERT_TRUE(waitFor([&] { return reader.LineCount() == 1; }));
  EXPECT_GE(reader.passes(), 2) << "the 32 bytes take two passes";
  EXPECT_EQ(reader.TakeLine(), QStringLiteral("123456789012345678901234567890"));

  send([](SimScanner& s) { s.sendRaw("A1\r\nB2\r\n"); });
  ASSERT_TRUE(waitFor([&] { return reader.LineCount() >= 1; }));
  const int passesAtA1 = reader.passes();
  ASSERT_TRUE(waitFor([&] { return reader.LineCount() == 2; }));
  EXPECT_GT(reader.passes(), passesAtA1) << "the second line comes with the next pass";
  EXPECT_EQ(reader.TakeLine(), QStringLiteral("A1"));
  EXPECT_EQ(reader.TakeLine(), QStringLiteral("B2"));
  EXPECT_EQ(reader.TakeLine(), QString()) << "a line taken is never handed out again";
}

TEST_F(ScannerFixture, AFullQueueLeavesTheInputInThePortAndLogsOnce) {
  tPolling reader(2, peer.devicePath(), env.log.get(), 1);
  reader.start();
  ASSERT_TRUE(waitFor([&] { return reader.portOpen(); }));
  send([](SimScanner& s) {
    for (int i = 1; i <= tPolling::kQueueCap + 1; ++i) s.scan(QStringLiteral("C%1").arg(i, 3, 10, QLatin1Char('0')));
  });
  ASSERT_TRUE(waitFor([&] { return reader.LineCount() == tPolling::kQueueCap; }, 15000));
  const int passes = reader.passes();
  ASSERT_TRUE(waitFor([&] { return reader.passes() > passes + 5; }));
  EXPECT_EQ(reader.LineCount(), tPolling::kQueueCap);
  EXPECT_EQ(log().count("251 codici in attesa"), 1);
  EXPECT_EQ(reader.TakeLine(), QStringLiteral("C001"));
  ASSERT_TRUE(waitFor([&] { return reader.LineCount() == tPolling::kQueueCap; }));
  QString last;
  while (reader.LineCount() > 0) last = reader.TakeLine();
  EXPECT_EQ(last, QStringLiteral("C252")) << "the 252nd line waited and was not lost";
}

TEST_F(ScannerFixture, StopReturnsAtOnceAndAScannerPluggedInLaterIsPickedUp) {
  QTemporaryDir dir;
  const QString device = dir.filePath(QStringLiteral("scanner"));
  tPolling reader(4, device, env.log.get(), 20);
  reader.start();
  ASSERT_TRUE(waitFor([&] { return reader.passes() >= 3; }));
  EXPECT_FALSE(reader.portOpen());
  EXPECT_EQ(log().count("linea ausiliaria: impossibile aprire COM4"), 1) << "logged once, tried at every pass";
  ASSERT_TRUE(QFile::link(peer.devicePath(), device));  // plugged in
  send([](SimScanner& s) { s.scan(QStringLiteral("LATE1")); });
  ASSERT_TRUE(waitFor([&] { return reader.LineCount() == 1; }));
  EXPECT_EQ(reader.TakeLine(), QStringLiteral("LATE1"));
  reader.stop();

  tPolling slow(4, device, env.log.get(), 60'000);
  slow.start();
  QElapsedTimer t;
  t.start();
  slow.stop();
  EXPECT_LT(t.elapsed(), 500) << "the stop wakes the wait between passes";
  EXPECT_FALSE(slow.running());
}
