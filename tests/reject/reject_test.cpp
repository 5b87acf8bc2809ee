#include <QElapsedTimer>
#include <QThread>
#include <gtest/gtest.h>

#include "reject/clKestin.h"
#include "reject/errmap.h"
#include "reject/rejectsupervision.h"
#include "reject/thread_Trevik.h"
#include "sim/ptypeer.h"
#include "sim/simkestin.h"
#include "support/testenv.h"

#include <QCheckBox>
#include <QLabel>

TEST(KestinReplies, FieldsAreTakenOnlyInTheirLayout) {
  const auto p = kestin::status(kestin::parse("---12025014\r"));
  ASSERT_TRUE(p.has_value());
  EXPECT_EQ(p->firstTimeMs, 12000);
  EXPECT_EQ(p->secondTimeMs, 25000);
  EXPECT_EQ(p->active, 1);
  EXPECT_EQ(p->state, 4);
  EXPECT_EQ(kestin::decimals(kestin::parse("---2\r")), 2);
  const auto t = kestin::weightParts(kestin::parse("---0000012300000456\r"));
  ASSERT_TRUE(t.has_value());
  EXPECT_EQ(kestin::weightGrams(t->first, t->second, 2), 5790);
  EXPECT_EQ(kestin::weightGrams(1, 2, 0), 3000);
  EXPECT_FALSE(kestin::weightGrams(1, 2, -1).has_value()) << "no decimals known: no weight";
  const kestin::Reply e = kestin::parse("E13\r");
  EXPECT_EQ(e.kind, kestin::Reply::Error);
  EXPECT_EQ(e.errorCode, 13);

  struct Bad { const char* reply; const char* why; };
  for (const Bad& b : {Bad{"---1202501\r", "short P"}, Bad{"---120250141\r", "long P"}, Bad{"---12O25014\r", "a letter"},
                       Bad{"---12025014", "no CR"}, Bad{"+--12025014\r", "no ---"}, Bad{"---12025-14\r", "a sign"}}) {
    EXPECT_FALSE(kestin::status(kestin::parse(b.reply)).has_value()) << b.why;
  }
  EXPECT_FALSE(kestin::weightParts(kestin::parse("---000001230000045\r")).has_value()) << "short T";
  EXPECT_FALSE(kestin::weightParts(kestin::parse("---00000123000004567\r")).has_value()) << "long T";
  EXPECT_FALSE(kestin::decimals(kestin::parse("---7\r")).has_value()) << "a code beyond 3";
  EXPECT_EQ(kestin::parse("E1x\r").kind, kestin::Reply::Bad) << "an error code that is no number";
  EXPECT_EQ(kestin::parse("E123\r").kind, kestin::Reply::Bad);
}

TEST(KestinErrorMap, KnownCodesTickTheirBoxAndOthersAreListed) {
  TErr_map map;
  std::array<bool, kestin::kErrorCodes> errors{};
  errors[13] = true;
  errors[42] = true;
  map.showErrors(errors);
  EXPECT_TRUE(map.findChild<QCheckBox*>(QStringLiteral("CheckBox9"))->isChecked());
  EXPECT_EQ(map.findChild<QCheckBox*>(QStringLiteral("CheckBox9"))->text(), QStringLiteral("Ciclo On Tara valore errato"));
  EXPECT_FALSE(map.findChild<QCheckBox*>(QStringLiteral("CheckBox1"))->isChecked());
  EXPECT_EQ(map.Unknown->text(), QStringLiteral("Codici di errore sconosciuti: 42"));
}

namespace {

// The polling thread against the simulated unit on a pseudo-terminal.
struct TrevikFixture : ::testing::Test {
  TestEnv env;
  SimKestin* sim = nullptr;
  std::unique_ptr<PtyPeer> peer;
  std::unique_ptr<tTrevik> unit;

  void SetUp() override {
    sim = new SimKestin();
    peer = std::make_unique<PtyPeer>(std::unique_ptr<SerialDevice>(sim));
    ASSERT_TRUE(peer->start());
    unit = std::make_unique<tTrevik>(4, peer->devicePath(), env.clock, env.log.get());
    ASSERT_TRUE(unit->start());
  }
  void TearDown() override {
    unit.reset();
    peer.reset();
  }
  void with(const std::function<void(SimKestin&)>& f) { peer->with<SimKestin>(f); }
  // Asks and waits for the answer (for real, briefly: the unit is another thread).
  tTrevik::Results ask(unsigned request) {
    const tTrevik::Results before = unit->results();
    unit->request(request);
    unit->waitFor([&](const tTrevik::Results& r) {
      return (!(request & tTrevik::P) || r.pGeneration > before.pGeneration) &&
             (!(request & tTrevik::T) || r.tGeneration > before.tGeneration) &&
             (!(request & tTrevik::D) || r.dGeneration > before.dGeneration) &&
             (!(request & tTrevik::Z) || r.zGeneration > before.zGeneration);
    }, 5'000'000);
    return unit->results();
  }
};

}  // namespace

TEST_F(TrevikFixture, TheThreadServesRequestsAndPublishesWholeResults) {
  with([](SimKestin& k) {
    k.settings.firstTime = 120;
    k.settings.secondTime = 250;
    k.settings.state = 4;
    k.setGrams(5790);
  });
  tTrevik::Results r = ask(tTrevik::P);
  ASSERT_TRUE(r.pOk);
  EXPECT_EQ(r.status.secondTimeMs, 25000);
  EXPECT_EQ(r.status.state, 4);
  r = ask(tTrevik::T);
  EXPECT_FALSE(r.tOk) << "no weight before the decimals are known";
  r = ask(tTrevik::D);
  EXPECT_EQ(r.decimals, 2);
  r = ask(tTrevik::T);
  ASSERT_TRUE(r.tOk);
  EXPECT_EQ(r.weight, 5790);

  // A zeroing: the weight read after it is the new one.
  r = ask(tTrevik::Z | tTrevik::T);
  EXPECT_TRUE(r.tOk);
  EXPECT_FALSE(r.tBeforeZero);
  EXPECT_EQ(r.weight, 0);

  // An error reply sets its code; a silent unit fails the command, and comes back.
  with([](SimKestin& k) { k.faults.errorCode = 13; });
  r = ask(tTrevik::P);
  EXPECT_FALSE(r.pOk);
  EXPECT_TRUE(r.errors[13]);
  with([](SimKestin& k) {
    k.faults.errorCode = -1;
    k.faults.garbage = "---12A25014\r";
  });
  EXPECT_FALSE(ask(tTrevik::P).pOk) << "letters in a digit field";
  with([](SimKestin& k) { k.faults.garbage.clear(); });
  EXPECT_TRUE(ask(tTrevik::P).pOk);
  EXPECT_TRUE(env.readFile(QStringLiteral("morvel.log")).contains("scarti: risposta non valida ---12A25014<CR>"));
}

TEST_F(TrevikFixture, AZeroingTheUnitRefusesIsTriedAgainAndNoOlderWeightIsTaken) {
  ask(tTrevik::D);
  with([](SimKestin& k) {
    k.setGrams(800);
    k.faults.errorCode = 4;
  });
  unit->request(tTrevik::Z);
  // While the zeroing is refused, a weight read is not one to take.
  EXPECT_FALSE(reject::readWeight(*unit, 2, 2'000'000).has_value());
  with([](SimKestin& k) { k.faults.errorCode = -1; });
  // At a measured pace, not in a tight loop: a few tries in the second that follows.
  QElapsedTimer t;
  t.start();
  while (unit->results().zGeneration == 0 && t.elapsed() < 5000) QThread::msleep(20);
  EXPECT_EQ(unit->results().zGeneration, 1u);
  int tries = 0;
  with([&](SimKestin& k) { tries = k.count('Z'); });
  EXPECT_LE(tries, 2 + static_cast<int>(t.elapsed() / tTrevik::kRetryMs) + 1);
  EXPECT_EQ(reject::readWeight(*unit, 2, 2'000'000), 0);
}

TEST_F(TrevikFixture, TheSupervisionFollowsTheUnitTickByTick) {
  with([](SimKestin& k) {
    k.settings.state = 4;
    k.setGrams(5790);
  });
  RejectState state;
  std::optional<QString> panel;
  std::optional<qint64> weight;
  int delay = 0;
  QElapsedTimer t;
  t.start();
  int ticks = 0;
  while ((!weight || !panel) && t.elapsed() < 10000) {
    const reject::Supervision s = reject::supervise(*unit, state);
    if (s.panel) panel = s.panel;
    if (s.weight) weight = s.weight;
    if (s.endOfLotDelayMs) delay = *s.endOfLotDelayMs;
    ++ticks;
    QThread::msleep(5);
  }
  EXPECT_GE(ticks, 11) << "the status is asked every 11 ticks";
  EXPECT_EQ(panel, QStringLiteral("4 - tara in corso"));
  EXPECT_EQ(delay, 26000);
  EXPECT_TRUE(state.decimalsKnown);
  EXPECT_EQ(weight, 5790);
  EXPECT_EQ(state.pCountdown <= 50, true);

  // A unit that stops answering: the next weight asked for shows the error text.
  with([](SimKestin& k) { k.faults.silent = true; });
  env.clock.setGraceMs(20);
  unit->request(tTrevik::T);
  std::optional<QString> shown;
  t.restart();
  while (!shown && t.elapsed() < 10000) {
    if (const auto s = reject::supervise(*unit, state); s.panel) shown = s.panel;
    QThread::msleep(5);
  }
  EXPECT_EQ(shown, QStringLiteral("? - errore scarti "));
}

TEST(TrevikPorts, APortOutsideOneToNinetyEightIsNoRejectUnit) {
  TestEnv env;
  for (int port : {0, 99, 200, -1}) {
    tTrevik unit(port, QStringLiteral("/dev/null"), env.clock);
    EXPECT_FALSE(unit.start()) << port;
    EXPECT_FALSE(unit.running());
  }
}
