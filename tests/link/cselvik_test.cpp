#include <QTemporaryDir>
#include <QFile>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <unistd.h>

#include "link/cSelvik.h"
#include <QElapsedTimer>
#include <QThread>
#include "sim/ptypeer.h"
#include "sim/simboard.h"
#include "support/testenv.h"

namespace {

// The station's link against the simulated board on a real pseudo-terminal, timed by a
// manual clock so the board's long time-outs pass at once.
struct LinkFixture : ::testing::Test {
  TestEnv env;
  SimBoard* board = new SimBoard();
  PtyPeer peer{std::unique_ptr<SerialDevice>(board)};
  std::unique_ptr<cSelvik> link;

  void SetUp() override {
    ASSERT_TRUE(peer.start()) << peer.errorString().toStdString();
    link = std::make_unique<cSelvik>(1, 19200, peer.devicePath(), env.clock, env.ui);
    link->setEventLog(env.log.get());
    ASSERT_TRUE(link->Open());
  }
  void TearDown() override {
    // The station never sends a line that breaks the board's layouts.
    peer.with<SimBoard>([](SimBoard& b) { EXPECT_EQ(b.protocolErrorTexts().join('\n').toStdString(), ""); });
  }
  void board_(const std::function<void(SimBoard&)>& f) { peer.with<SimBoard>(f); }
  // The board works on its own thread: wait (for real, briefly) until it has taken a line.
  bool eventually(const std::function<bool(SimBoard&)>& check) {
    for (int i = 0; i < 200; ++i) {
      bool done = false;
      peer.with<SimBoard>([&](SimBoard& b) { done = check(b); });
      if (done) return true;
      ::usleep(5000);
    }
    return false;
  }
  qint64 elapsedMs(const std::function<void()>& f) {
    const qint64 start = env.clock.monotonicMs();
    f();
    return env.clock.monotonicMs() - start;
  }
};

}  // namespace

TEST_F(LinkFixture, StatusRepliesAreCutIntoTheirFields) {
  board_([](SimBoard& b) { b.settings.longStatus = false; });
  ASSERT_TRUE(link->RequestStatus(cSelvik::kShortTimeout));
  rcStateMachine s = link->GetStatus();
  EXPECT_EQ(s.state, QStringLiteral("0"));
  EXPECT_EQ(s.program, QStringLiteral("00"));
  EXPECT_TRUE(s.fc[0].isEmpty());
  EXPECT_FALSE(board->qualityAlarm());

  board_([](SimBoard& b) { b.settings.longStatus = true; });
  link->qualityAlarm = true;
  ASSERT_TRUE(link->RequestStatus(cSelvik::kShortTimeout));
  s = link->GetStatus();
  for (const QString& fc : s.fc) EXPECT_EQ(fc.size(), 3);
  board_([](SimBoard& b) { EXPECT_TRUE(b.qualityAlarm()); });
  EXPECT_EQ(env.ui.beepCount(), 0);
}

TEST(cSelvikParse, StatusTotalsAndFourValueLayouts) {
  rcStateMachine s = cSelvik::parseStatus("41212300500003\r");
  EXPECT_EQ(s.state, QStringLiteral("4"));
  EXPECT_EQ(s.program, QStringLiteral("12"));
  EXPECT_EQ(s.cadence, QStringLiteral("123"));
  EXPECT_EQ(s.cup, QStringLiteral("050"));
  EXPECT_EQ(s.wrongCups, QStringLiteral("0003"));
  for (const QString& fc : s.fc) EXPECT_TRUE(fc.isEmpty());
  s = cSelvik::parseStatus("41212300500003111222333444555\r");
  EXPECT_EQ(s.fc[0], QStringLiteral("111"));
  EXPECT_EQ(s.fc[4], QStringLiteral("555"));

  QByteArray full;
  for (int k = 1; k <= 15; ++k) full += QByteArray::number(k * 1000).rightJustified(8, '0');
  rcRichiestaTotali t = cSelvik::parseTotals(full + "extra\r");
  EXPECT_EQ(t.classValue[0], QStringLiteral("00001000"));
  EXPECT_EQ(t.classValue[14], QStringLiteral("00015000"));
  t = cSelvik::parseTotals(full.left(60) + "\r");
  EXPECT_EQ(t.classValue[6], QStringLiteral("00007000"));
  EXPECT_EQ(t.classValue[7], QStringLiteral("0000"));
  EXPECT_TRUE(t.classValue[8].isEmpty());
  EXPECT_TRUE(t.classValue[14].isEmpty());

  const rcTestCelle c = cSelvik::parseFour("Q0512054905860623\r");
  EXPECT_EQ(c.values[0], QStringLiteral("0512"));
  EXPECT_EQ(c.values[3], QStringLiteral("0623"));
  EXPECT_TRUE(c.values[4].isEmpty());
}

TEST_F(LinkFixture, ABoardThatEchoesNothingIsTriedFiveTimesThenAborted) {
  board_([](SimBoard& b) { b.faults.noEcho = true; });
  bool ok = true;
  const qint64 ms = elapsedMs([&] { ok = link->RequestStatus(cSelvik::kShortTimeout); });
  EXPECT_FALSE(ok);
  // Five attempts of 1728 ms for the first character, then the ESC's own echo wait.
  EXPECT_GE(ms, 6 * 1728);
  EXPECT_LT(ms, 6 * 1728 + 500);
  EXPECT_EQ(env.ui.beepCount(), 0) << "an unanswered status is silent";
}

TEST_F(LinkFixture, AMissingLastEchoCostsOneWaitAndNoSecondAttempt) {
  board_([](SimBoard& b) { b.faults.noLastEcho = true; });
  bool ok = false;
  const qint64 ms = elapsedMs([&] { ok = link->SendCommand("V", "1"); });
  EXPECT_TRUE(ok);
  EXPECT_GE(ms, 1728);
  EXPECT_LT(ms, 2 * 1728);
  // The status request still gets its reply after the one wait.
  ASSERT_TRUE(link->RequestStatus(cSelvik::kShortTimeout));
  EXPECT_EQ(link->GetStatus().state, QStringLiteral("0"));
}

TEST_F(LinkFixture, MissingShortAndGarbledRepliesAreHandled) {
  board_([](SimBoard& b) { b.faults.noReply = true; });
  EXPECT_FALSE(link->RequestStatus(cSelvik::kShortTimeout));
  EXPECT_EQ(env.ui.beepCount(), 0);
  EXPECT_FALSE(link->RequestTotals("20", cSelvik::kLongTimeout));
  EXPECT_EQ(env.ui.beepCount(), 1) << "other requests beep";
  EXPECT_FALSE(link->lastReplyBad()) << "no reply is not a bad reply";

  board_([](SimBoard& b) { b.faults = {}; b.faults.garbledReply = true; });
  ASSERT_TRUE(link->RequestStatus(cSelvik::kShortTimeout)) << "the state survived: a status";
  EXPECT_EQ(link->GetStatus().program, QStringLiteral("?0"));

  board_([](SimBoard& b) { b.faults = {}; b.faults.slowCharMs = 3; });
  ASSERT_TRUE(link->RequestStatus(cSelvik::kShortTimeout));
  EXPECT_EQ(link->GetStatus().state, QStringLiteral("0"));
}

TEST_F(LinkFixture, RepliesWithoutTheirLayoutAreRefusedAndTheLastGoodOneStays) {
  board_([](SimBoard& b) { b.faults = {}; b.setTotal(0, 1, 4321); });
  ASSERT_TRUE(link->RequestTotals("20", cSelvik::kLongTimeout));
  ASSERT_TRUE(link->RequestStatus(cSelvik::kShortTimeout));
  ASSERT_TRUE(link->RequestModel(cSelvik::kShortTimeout));
  const QByteArray digits = QByteArray(120, '1');
  struct Case { const char* what; QByteArray reply; };
  const Case totals[] = {{"short", digits.left(60) + "\r"},
                         {"garbled", digits.left(50) + "?" + digits.mid(51) + "\r"},
                         {"signed", "-0000001" + digits.mid(8) + "\r"},
                         {"blank field", QByteArray(8, ' ') + digits.mid(8) + "\r"}};
  for (const Case& c : totals) {
    board_([&](SimBoard& b) { b.faults.replyWith = c.reply; });
    EXPECT_FALSE(link->RequestTotals("20", cSelvik::kLongTimeout)) << c.what;
    EXPECT_TRUE(link->lastReplyBad()) << c.what;
    EXPECT_EQ(link->GetTotals().classValue[0], QStringLiteral("00004321")) << c.what;
  }
  board_([](SimBoard& b) { b.faults.replyWith = "   1234567890\r"; });
  EXPECT_FALSE(link->RequestStatus(cSelvik::kShortTimeout)) << "a blank state is no state";
  board_([](SimBoard& b) { b.faults.replyWith = "71212300500003\r"; });
  EXPECT_FALSE(link->RequestStatus(cSelvik::kShortTimeout)) << "state 7 is unknown";
  EXPECT_EQ(link->GetStatus().state, QStringLiteral("0"));
  board_([](SimBoard& b) { b.faults.replyWith = "1R\r"; });
  EXPECT_FALSE(link->RequestModel(cSelvik::kShortTimeout));
  EXPECT_EQ(link->GetModel(), 3) << "the last good model stays";
  // Blanks before the digits are a board's padding, not a fault.
  board_([&](SimBoard& b) { b.faults.replyWith = "    1234" + digits.mid(8) + "\r"; });
  ASSERT_TRUE(link->RequestTotals("20", cSelvik::kLongTimeout));
  EXPECT_EQ(link->GetTotals().classValue[0], QStringLiteral("    1234"));

  // The first bad reply of a run is logged once, with its control bytes made visible; the
  // next run after a good reply is logged again.
  board_([&](SimBoard& b) { b.faults.replyWith = "7\x1b\r"; });
  EXPECT_FALSE(link->RequestStatus(cSelvik::kShortTimeout));
  EXPECT_FALSE(link->RequestStatus(cSelvik::kShortTimeout));
  const QByteArray log = env.readFile(QStringLiteral("morvel.log"));
  EXPECT_TRUE(log.contains("risposta non valida a V20: " + digits.left(60) + "<CR>")) << log.toStdString();
  EXPECT_TRUE(log.contains("risposta non valida a A0: 7<ESC><CR>")) << log.toStdString();
  EXPECT_EQ(log.count("risposta non valida"), 2) << log.toStdString();
}

TEST_F(LinkFixture, NoiseAndLateRepliesLeftOnTheLineAreNotTakenForTheNextReply) {
  // A late totals reply and stray characters wait in the line before a status request.
  board_([](SimBoard& b) { b.injectNoise("00001234A0\r\x01\x00" + QByteArray(120, '7') + "\r"); });
  ::usleep(50000);
  ASSERT_TRUE(link->RequestStatus(cSelvik::kShortTimeout));
  const rcStateMachine s = link->GetStatus();
  EXPECT_EQ(s.state, QStringLiteral("0"));
  EXPECT_EQ(s.program, QStringLiteral("00"));
  EXPECT_EQ(s.wrongCups, QStringLiteral("0000"));
}

TEST_F(LinkFixture, IdentityModelAndDirection) {
  struct Case { int model; QString suffix; };
  for (const Case& c : {Case{0, QStringLiteral(" : Pilto")}, Case{1, QStringLiteral(" : Piltomod")},
                        Case{2, QStringLiteral(" : Dravo")}, Case{3, QStringLiteral(" : Dravo-1")}}) {
    board_([&](SimBoard& b) { b.settings.model = c.model; });
    ASSERT_TRUE(link->RequestModel(cSelvik::kShortTimeout));
    EXPECT_EQ(link->GetModel(), c.model);
    EXPECT_EQ(cSelvik::modelSuffix(link->GetModel()), c.suffix);
  }
  ASSERT_TRUE(link->RequestIdentity(cSelvik::kShortTimeout));
  EXPECT_TRUE(link->HasIdentity());
  EXPECT_EQ(link->GetIdentity(), QStringLiteral("DRAVO-1 REL.3.02"));

  ASSERT_TRUE(link->SetEncoderDirection(true, cSelvik::kShortTimeout));
  EXPECT_EQ(link->GetEncoderDirection(), 1);
  EXPECT_TRUE(eventually([](SimBoard& b) { return b.encoderDirection() == 1; }));
  ASSERT_TRUE(link->SetEncoderDirection(false, cSelvik::kShortTimeout));
  ASSERT_TRUE(link->ReadEncoderDirection(cSelvik::kShortTimeout));
  EXPECT_EQ(link->GetEncoderDirection(), 0);

  // An old board answers neither: no identity, the model stays as it was.
  board_([](SimBoard& b) { b.settings.oldBoard = true; });
  cSelvik fresh(1, 9600, QString(), env.clock, env.ui);
  EXPECT_EQ(fresh.GetModel(), 0);
  EXPECT_FALSE(fresh.HasIdentity());
  EXPECT_FALSE(link->RequestIdentity(cSelvik::kShortTimeout));
  EXPECT_TRUE(link->HasIdentity()) << "a failed request keeps the last reply";
}

TEST(cSelvikParse, ModelNumberRules) {
  // First character '0' or lower: model 0; otherwise the second character plus one.
  struct Case { QByteArray reply; int model; };
  for (const Case& c : {Case{"12\r", 3}, Case{"07\r", 0}, Case{"10\r", 1}, Case{"11\r", 2},
                        Case{"", 0}, Case{" 2\r", 0}})
    EXPECT_EQ(cSelvik::modelFromReply(c.reply), c.model) << c.reply.toStdString();
}

TEST_F(LinkFixture, MachineParametersAndOtherCommandsReachTheBoard) {
  EXPECT_EQ(cSelvik::machineParametersLine(30, 120, 90, 5), QByteArray("-30301209005\r"));
  EXPECT_EQ(cSelvik::machineParametersLine(300, 999, 80, 150), QByteArray("-30000009399\r"));
  EXPECT_EQ(cSelvik::machineParametersLine(-1, -5, 94, -2), QByteArray("-30000009400\r"));

  ASSERT_TRUE(link->SendMachineParameters(30, 120, 90, 5));
  EXPECT_TRUE(eventually([](SimBoard& b) { return b.machineParameters() == QByteArray("0301209005"); }));
  ASSERT_TRUE(link->SendMagnetOption(1));
  EXPECT_TRUE(eventually([](SimBoard& b) { return b.magnetOption() == 1; }));
  ASSERT_TRUE(link->SendCalibrationFactors(QStringLiteral(" 998100110021003")));
  EXPECT_TRUE(eventually([](SimBoard& b) { return b.calibrationFactors() == QByteArray("0998100110021003"); }));
  const QString line = QStringLiteral("2081000020802080208020801000100010001000050") + QString(60, '0') + "L50";
  ASSERT_TRUE(link->SendCommand("C", line.toLatin1()));
  EXPECT_TRUE(eventually([&](SimBoard& b) { return b.configuration() == line && b.state() == '1'; }));
  ASSERT_TRUE(link->SendCommand("Z", ""));
  EXPECT_TRUE(eventually([](SimBoard& b) { return b.state() == '0' && b.resets() == 1; }));
  EXPECT_EQ(env.ui.beepCount(), 0);
}

TEST_F(LinkFixture, FourValuesAndTheTareTable) {
  ASSERT_TRUE(link->QueryFour("Q", cSelvik::kMediumTimeout));
  EXPECT_EQ(link->GetCells().values[0].size(), 4);
  ASSERT_TRUE(link->QueryFour("R", cSelvik::kMediumTimeout));
  EXPECT_EQ(link->GetCells().values[1], QStringLiteral("0046"));

  ASSERT_TRUE(link->RequestTareTable("001003", 3 * cSelvik::kTarePerCup));
  EXPECT_EQ(Clock::unitsToMs(3 * cSelvik::kTarePerCup), 389);  // 388.8 ms
  const rcTestTaraTazza& t = link->GetTareTable();
  EXPECT_EQ(t.firstCup, QStringLiteral("001"));
  for (int cup = 1; cup <= 3; ++cup)
    for (int l = 1; l <= 4; ++l)
      EXPECT_EQ(t.tare[(l - 1) * 512 + cup - 1], QString::number(SimBoard::tareOf(cup, l)).rightJustified(4, '0'));
  EXPECT_TRUE(t.tare[3].isEmpty());

  board_([](SimBoard& b) { b.faults.noReply = true; });
  env.ui.expectMessage(QStringLiteral("Il comando R non ha ricevuto una risposta corretta"));
  EXPECT_FALSE(link->RequestTareTable("001003", 3 * cSelvik::kTarePerCup));
  ASSERT_EQ(env.ui.shownTexts(), QStringList{QStringLiteral("Il comando R non ha ricevuto una risposta corretta")});
  EXPECT_EQ(env.ui.beepCount(), 1);
}

TEST(cSelvikParse, TareTableBeyond512CupsIsNotStored) {
  rcTestTaraTazza t;
  QByteArray reply = "xR511003";
  for (int i = 0; i < 3 * 4; ++i) reply += QByteArray::number(1000 + i);
  cSelvik::parseTareTable(reply + "\r", "511003", t);
  EXPECT_EQ(t.tare[510], QStringLiteral("1000"));
  EXPECT_EQ(t.tare[511], QStringLiteral("1004"));
  EXPECT_EQ(t.tare[512 + 510], QStringLiteral("1001"));
  for (const QString& v : t.tare) EXPECT_NE(v, QStringLiteral("1008"));
}

TEST_F(LinkFixture, ALineThatGoesAwayFailsItsCommandsAndIsOpenedAgainWhenItComesBack) {
  // The station reaches the board through a device name, as through a USB adapter's.
  link->Close();
  const QString device = env.path(QStringLiteral("ttyUSB0"));
  ASSERT_TRUE(QFile::link(peer.devicePath(), device));
  cSelvik usb(1, 19200, device, env.clock, env.ui);
  usb.setEventLog(env.log.get());
  ASSERT_TRUE(usb.Open());
  ASSERT_TRUE(usb.RequestStatus(cSelvik::kShortTimeout));

  peer.stop();  // unplugged
  EXPECT_FALSE(usb.SendCommand("Z", "")) << "a line that cannot be written is no success";
  EXPECT_FALSE(usb.isOpen()) << "the lost device is released";
  EXPECT_FALSE(usb.RequestStatus(cSelvik::kShortTimeout));
  EXPECT_FALSE(usb.RequestStatus(cSelvik::kShortTimeout));

  PtyPeer again{std::make_unique<SimBoard>()};  // plugged back in
  ASSERT_TRUE(again.start());
  QFile::remove(device);
  ASSERT_TRUE(QFile::link(again.devicePath(), device));
  ASSERT_TRUE(usb.RequestStatus(cSelvik::kShortTimeout)) << "the next poll opens it again";
  EXPECT_TRUE(usb.isOpen());

  const QByteArray log = env.readFile(QStringLiteral("morvel.log"));
  EXPECT_EQ(log.count("linea centralina persa ("), 1) << log.toStdString();
  EXPECT_EQ(log.count("linea centralina: impossibile aprire COM1 (" + device.toLocal8Bit()), 1) << log.toStdString();
  EXPECT_EQ(log.count("linea centralina riaperta: COM1 (" + device.toLocal8Bit() + ")"), 1) << log.toStdString();
}

TEST(cSelvikOpen, APortThatCannotBeOpenedIsLoggedWithItsDeviceAndReason) {
  TestEnv env;
  cSelvik link(3, 19200, env.path(QStringLiteral("no-such-device")), env.clock, env.ui);
  link.setEventLog(env.log.get());
  EXPECT_FALSE(link.Open());
  EXPECT_FALSE(link.SendCommand("Z", ""));
  EXPECT_TRUE(env.readFile(QStringLiteral("morvel.log"))
                  .contains("linea centralina: impossibile aprire COM3 (" + env.path(QStringLiteral("no-such-device")).toLocal8Bit() +
                            ": apertura: No such file or directory)"));
}

// Waits up to 5 s of real time for the reader thread to have brought what the check wants.
static bool waitFor(const std::function<bool()>& check) {
  QElapsedTimer t;
  t.start();
  while (t.elapsed() < 5000) {
    if (check()) return true;  // checked once: a check may take a record
    QThread::msleep(10);
  }
  return false;
}

TEST_F(LinkFixture, EachStreamingTestStartsItsReaderAndEndsWithEsc) {
  // The memorised net: a reply line, then the lines' values.
  ASSERT_TRUE(link->StartMemorisedTest(cSelvik::kMediumTimeout));
  EXPECT_EQ(link->streaming(), 'S');
  EXPECT_FALSE(link->StartEncoderTest(cSelvik::kShortTimeout)) << "one test at a time";
  EXPECT_FALSE(link->RequestStatus(cSelvik::kShortTimeout)) << "the line is the reader's";
  ASSERT_TRUE(waitFor([&] { return link->GetMemorised(4).net.trimmed().toInt() > 0; }));
  EXPECT_EQ(link->GetMemorised(4).line, QStringLiteral("4"));
  EXPECT_TRUE(link->StopMemorisedTest());
  EXPECT_EQ(link->streaming(), 0);
  EXPECT_TRUE(eventually([](SimBoard& b) { return b.streaming() == 0; })) << "ESC ended the board's stream";
  EXPECT_FALSE(link->StopMemorisedTest()) << "no reader any more";
  EXPECT_TRUE(link->RequestStatus(cSelvik::kShortTimeout)) << "the line is the link's again";

  ASSERT_TRUE(link->StartEncoderTest(cSelvik::kShortTimeout));
  ASSERT_TRUE(waitFor([&] { return link->GetEncoder().value.trimmed().toInt() >= 500; }));
  EXPECT_TRUE(link->StopEncoderTest());

  ASSERT_TRUE(link->StartEmptyCupTest("015"));
  std::optional<rcCOntrolloTazzeVuote> cup;
  ASSERT_TRUE(waitFor([&] { return (cup = link->NextEmptyCup()).has_value(); }));
  EXPECT_GT(cup->value.trimmed().toInt(), 15) << "a deviation beyond the limit N015";
  EXPECT_TRUE(link->StopEmptyCupTest());

  ASSERT_TRUE(link->StartLineCalibration("200"));
  std::optional<rcCalibrazioneLinee> pass;
  ASSERT_TRUE(waitFor([&] { return (pass = link->NextCalibration()).has_value(); }));
  EXPECT_EQ(pass->line, QStringLiteral("1"));
  EXPECT_TRUE(link->StopLineCalibration());

  ASSERT_TRUE(link->StartTrace("1300"));
  std::optional<rcTracciaGrafica> trace;
  ASSERT_TRUE(waitFor([&] { return (trace = link->NextTrace()).has_value(); }));
  EXPECT_GT(trace->maximum.trimmed().toInt(), trace->minimum.trimmed().toInt()) << "a plateau above the empty cell";
  EXPECT_EQ(trace->cup, QStringLiteral("0001"));
  EXPECT_TRUE(link->lastTraceFrame().startsWith("O"));
  EXPECT_TRUE(link->StopTrace());
  EXPECT_FALSE(link->StopTrace()) << "ESC again, but no reader";
  EXPECT_TRUE(link->RequestStatus(cSelvik::kShortTimeout));
}

TEST_F(LinkFixture, TheTraceLogTakesEachTraceHandedOutOnlyWhileTheFileExists) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("oscilloscopio.log"));
  link->setTraceLog(path);
  ASSERT_TRUE(link->StartTrace("1300"));
  ASSERT_TRUE(waitFor([&] { return link->NextTrace().has_value(); }));
  EXPECT_FALSE(QFile::exists(path)) << "never created by the station";

  { QFile f(path); ASSERT_TRUE(f.open(QIODevice::WriteOnly)); }
  std::optional<rcTracciaGrafica> a, b;
  ASSERT_TRUE(waitFor([&] { return (a = link->NextTrace()).has_value(); }));
  ASSERT_TRUE(waitFor([&] { return (b = link->NextTrace()).has_value(); }));
  EXPECT_TRUE(link->StopTrace());
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  EXPECT_EQ(f.readAll(), a->frame + b->frame) << "each trace's own frame, byte for byte";
  EXPECT_EQ(a->frame.size(), 414);
  EXPECT_TRUE(a->frame.endsWith('\r'));
}

TEST_F(LinkFixture, ClosingTheLinkWithATestStreamingStopsItsReaderAndTheBoard) {
  ASSERT_TRUE(link->StartEncoderTest(cSelvik::kShortTimeout));
  link->Close();
  EXPECT_EQ(link->streaming(), 0);
  EXPECT_TRUE(eventually([](SimBoard& b) { return b.streaming() == 0; }));
}

TEST_F(LinkFixture, ReadersTakeSplitJoinedAndNoisyFramesAndDropBadOnes) {
  board_([](SimBoard& b) {
    b.streamFaults.split = true;
    b.streamFaults.joined = true;
    b.streamFaults.noise = true;
  });
  ASSERT_TRUE(link->StartMemorisedTest(cSelvik::kMediumTimeout));
  QElapsedTimer t;
  t.start();
  while (t.elapsed() < 5000 && link->GetMemorised(4).cup.trimmed().toInt() == 0) QThread::msleep(10);
  EXPECT_GT(link->GetMemorised(4).cup.trimmed().toInt(), 0);
  EXPECT_EQ(link->reader()->dropped(), 0) << "split, joined and noisy frames are whole frames";
  EXPECT_TRUE(link->StopMemorisedTest());

  board_([](SimBoard& b) {
    b.streamFaults = SimBoard::StreamFaults();
    b.streamFaults.badLine = true;
  });
  ASSERT_TRUE(link->StartMemorisedTest(cSelvik::kMediumTimeout));
  t.restart();
  while (t.elapsed() < 5000 && link->reader()->dropped() < 3) QThread::msleep(10);
  EXPECT_GE(link->reader()->dropped(), 3) << "S7 frames are dropped and counted";
  EXPECT_EQ(link->GetMemorised(1).cup, QStringLiteral("   0")) << "no line's values taken from them";
  EXPECT_TRUE(link->StopMemorisedTest());

  board_([](SimBoard& b) {
    b.streamFaults = SimBoard::StreamFaults();
    b.streamFaults.emptyValue = true;
    b.streamFaults.fast = true;
  });
  ASSERT_TRUE(link->StartEmptyCupTest("015"));
  std::optional<rcCOntrolloTazzeVuote> cup;
  t.restart();
  while (t.elapsed() < 5000 && !(cup = link->NextEmptyCup())) QThread::msleep(10);
  ASSERT_TRUE(cup.has_value());
  EXPECT_EQ(cup->value, QString()) << "an empty value stays empty";
  EXPECT_TRUE(link->StopEmptyCupTest());
}
