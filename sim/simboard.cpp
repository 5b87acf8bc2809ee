#include "sim/simboard.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr char CR = '\r';
constexpr char ESC = 27;

QByteArray digits(qint64 value, int width) {
  const qint64 max = static_cast<qint64>(std::pow(10.0, width)) - 1;
  value = std::clamp<qint64>(value, 0, max);
  return QByteArray::number(value).rightJustified(width, '0');
}

}  // namespace

SimBoard::SimBoard() : SimBoard(Settings()) {}

SimBoard::SimBoard(Settings s) : settings(std::move(s)), rng_(settings.seed) {}

int SimBoard::charDelayUs() const {
  int us = faults.slowCharMs * 1000;
  if (lineSpeed > 0) us += 10'000'000 / lineSpeed;  // 10 bits per character
  return us;
}

QByteArray SimBoard::onBytes(const QByteArray& in, qint64 nowMs) {
  advance(nowMs);
  QByteArray out;
  for (char c : in) out += receive(c, nowMs);
  return out;
}

QByteArray SimBoard::onTick(qint64 nowMs) {
  advance(nowMs);
  QByteArray out;
  out.swap(noise_);
  return out;
}

bool SimBoard::isLastBeforeCr(const QByteArray& line) const {
  if (line.isEmpty()) return false;
  int expected = 0;
  switch (line.at(0)) {
    case 'A': case '>': case '-': expected = 2; break;
    case 'V': case 'v': expected = (line.size() > 1 && line.at(1) == '1') ? 2 : 3; break;
    case 'Z': case 'S': case 'T': expected = 1; break;
    case 'F': expected = 52; break;
    case 'G': expected = 12; break;
    case '(': expected = 17; break;
    case 'U': case 'N': case 'P': expected = 4; break;
    case 'C': expected = settings.oldBoard ? 104 : 107; break;
    default: return false;
  }
  return line.size() == expected;
}

QByteArray SimBoard::receive(char c, qint64 nowMs) {
  if (!powered_) return {};
  const auto echo = [&](char ch) -> QByteArray {
    if (faults.noEcho) return {};
    if (faults.noLastEcho && isLastBeforeCr(line_)) return {};
    return QByteArray(1, ch);
  };

  if (c == ESC) {
    line_.clear();
    mode_ = Mode::Unknown;
    return faults.noEcho ? QByteArray() : QByteArray(1, ESC);
  }
  if (c == CR) {
    const QByteArray line = line_;
    const Mode mode = mode_;
    line_.clear();
    mode_ = Mode::Unknown;
    if (line.isEmpty()) return {};
    QByteArray out;
    if (mode == Mode::WholeLine && !faults.noEcho) out += line.mid(1) + CR;
    return out + execute(line, nowMs);
  }
  if (line_.size() > 700) {  // noise without a CR: start again
    line_.clear();
    mode_ = Mode::Unknown;
  }
  line_ += c;
  if (line_.size() == 1) {
    if (c == 'Q' || c == 'R') {
      mode_ = Mode::NoEcho;
      return {};
    }
    // The first character comes back at once in every echoed mode; a whole-line command
    // ("-3", "-4", "O") gets the rest of its line back after the CR.
    mode_ = c == 'O' ? Mode::WholeLine : c == '-' ? Mode::Unknown : Mode::PerCharacter;
    return echo(c);
  }
  if (mode_ == Mode::Unknown)
    mode_ = (c == '3' || c == '4') ? Mode::WholeLine : Mode::PerCharacter;
  return mode_ == Mode::PerCharacter ? echo(c) : QByteArray();
}

QByteArray SimBoard::reply(QByteArray line) const {
  if (faults.noReply) return {};
  if (faults.shortReply) return line.left((line.size() - 1) / 2) + CR;
  if (faults.garbledReply) {
    for (qsizetype i = 1; i + 1 < line.size(); i += 3) line[i] = '?';
  }
  return line;
}

void SimBoard::setTotal(int line, int cls, qint64 value, bool memorised) {
  if (line < 0 || line > 3 || cls < 1 || cls > 15) return;
  (memorised ? memorised_ : totals_)[line][cls - 1] = value;
}

QByteArray SimBoard::execute(const QByteArray& line, qint64 nowMs) {
  received_.append(line);
  if (received_.size() > 100000) received_.removeFirst();
  if (onLine) onLine(line);
  const char cmd = line.at(0);
  const char arg = line.size() > 1 ? line.at(1) : '\0';
  switch (cmd) {
    case 'A':
      qualityAlarm_ = arg == '1';
      return reply(statusReply());
    case 'C': {
      configuration_ = QString::fromLatin1(line.mid(1));
      numlinee_ = std::clamp(line.mid(1, 1).toInt(), 1, 4);
      const int cups = line.mid(4, 3).toInt();
      numtazze_ = cups > 0 ? cups : 100;
      if (state_ == '0') setState('1', nowMs);
      return {};
    }
    case 'F': {
      programLines_.append(line);
      const int l = line.mid(3, 1).toInt();
      if (l < 0 || l > 3) return {};
      program_ = line.mid(1, 2).toInt();
      for (int b = 0; b < 16; ++b) boundaries_[l][b] = line.mid(4 + 3 * b, 3).toInt();
      return {};
    }
    case 'G': {
      programLines_.append(line);
      const int c = line.mid(1, 2).toInt();
      const int l = line.mid(3, 1).toInt();
      if (c >= 1 && c <= 12 && l >= 0 && l <= 3) exits_[l][c - 1] = QString::fromLatin1(line.mid(4, 8));
      return {};
    }
    case 'V':
    case 'v': {
      auto& set = cmd == 'V' ? totals_ : memorised_;
      if (line == "V1" || line == "v1") {
        for (auto& l : set) l.fill(0);
        if (cmd == 'V') {
          fruits_ = 0;
          if (state_ == '5') setState('4', nowMs);
        }
        return {};
      }
      if (arg == '2' && line.size() >= 3) {
        const int d = line.at(2) - '0';
        if (d < 0 || d > 3) return {};
        return reply(totalsReply(set[d]));
      }
      return {};
    }
    case 'Z':
      ++resets_;
      zeroTotals();
      for (auto& l : memorised_) l.fill(0);
      program_ = 0;
      programLines_.clear();
      configuration_.clear();
      cup_ = 0;
      wrongCups_ = 0;
      setState('0', nowMs);
      return {};
    case '>':
      if (settings.oldBoard) return {};
      if (arg == '0') return reply(settings.identity.toLatin1() + CR);
      if (arg == '1') {
        const int m = std::clamp(settings.model, 0, 9);
        return reply(m == 0 ? QByteArray("00\r") : QByteArray("1") + char('0' + m - 1) + CR);
      }
      return {};
    case '-':
      switch (arg) {
        case '2': return reply(QByteArray("-") + char('0' + direction_) + CR);
        case '1':
        case '0':
          direction_ = arg - '0';
          return reply(QByteArray("-") + char('0' + direction_) + CR);
        case '3': parameters_ = line.mid(2); return {};
        case '4': magnetOption_ = line.mid(2, 1) == "1" ? 1 : 0; return {};
        default: return {};
      }
    case '(':
      factors_ = line.mid(1);
      return {};
    case 'Q': {
      QByteArray r("Q");
      std::uniform_int_distribution<int> jitter(-3, 3);
      for (int l = 0; l < 4; ++l) r += digits(512 + 37 * l + jitter(rng_), 4);
      return reply(r + CR);
    }
    case 'R': {
      if (line.size() == 1) {
        QByteArray r("R");
        for (int l = 1; l <= 4; ++l) r += digits(40 + 3 * l, 4);
        return reply(r + CR);
      }
      return reply(tareTableReply(line.mid(1, 6)));
    }
    case 'S': return reply(QByteArray("S\r"));
    case 'T': return reply(QByteArray("T\r"));
    default: return {};  // "N", "P", "O", "U" and anything unknown: nothing to say
  }
}

QByteArray SimBoard::statusReply() const {
  QByteArray r;
  r += state_;
  r += digits(program_, 2);
  r += digits(state_ == '4' ? settings.cadence : 0, 3);
  r += '0';
  r += digits(cup_, 3);
  r += digits(wrongCups_, 4);
  if (settings.longStatus) {
    for (int i = 0; i < 5; ++i) r += digits((cup_ * (i + 3)) % 1000, 3);
  }
  return r + CR;
}

QByteArray SimBoard::totalsReply(const std::array<qint64, 15>& values) const {
  QByteArray r;
  for (qint64 v : values) r += digits(v, 8);
  return r + CR;
}

int SimBoard::tareOf(int cup, int line) { return 40 + (cup * 7 + line * 3) % 25; }

QByteArray SimBoard::tareTableReply(const QByteArray& payload) const {
  QByteArray r = "R" + payload;
  const int first = payload.left(3).toInt();
  const int count = payload.mid(3, 3).toInt();
  for (int k = 0; k < count; ++k)
    for (int l = 1; l <= 4; ++l) r += digits(tareOf(first + k, l), 4);
  return r + CR;
}

void SimBoard::setState(char s, qint64 nowMs) {
  state_ = s;
  stateSinceMs_ = nowMs;
  cupBacklog_ = 0.0;
}

void SimBoard::zeroTotals() {
  for (auto& l : totals_) l.fill(0);
  fruits_ = 0;
}

void SimBoard::advance(qint64 nowMs) {
  if (lastAdvanceMs_ < 0 || nowMs < lastAdvanceMs_) {
    lastAdvanceMs_ = nowMs;
    return;
  }
  const qint64 dt = nowMs - lastAdvanceMs_;
  lastAdvanceMs_ = nowMs;
  if (!powered_) return;
  if (state_ >= '1' && state_ <= '3') {
    if (nowMs - stateSinceMs_ >= settings.phaseMs) setState(static_cast<char>(state_ + 1), nowMs);
    return;
  }
  if (state_ != '4') return;
  cupBacklog_ += static_cast<double>(dt) / 1000.0 * settings.cadence / 10.0;
  // A simulator that was not looked at for a long time does not grade a whole day at once.
  cupBacklog_ = std::min(cupBacklog_, 2000.0);
  while (cupBacklog_ >= 1.0 && state_ == '4') {
    cupBacklog_ -= 1.0;
    gradeCup();
  }
}

void SimBoard::gradeCup() {
  cup_ = cup_ % numtazze_ + 1;
  std::uniform_real_distribution<double> uniform(0.0, 1.0);
  std::normal_distribution<double> weight(settings.meanWeight, settings.sdWeight);
  for (int l = 0; l < numlinee_; ++l) {
    if (uniform(rng_) < settings.wrongCupRate) ++wrongCups_;
    if (uniform(rng_) >= settings.fillRate) continue;
    const double grams = std::max(1.0, weight(rng_));
    const qint64 units = std::llround(grams / std::max(1, settings.unit));
    ++fruits_;
    if (program_ <= 0) continue;
    const auto& b = boundaries_[l];
    for (int c = 0; c < 15; ++c) {
      if (b[c + 1] > b[c] && units >= b[c] && units < b[c + 1]) {
        totals_[l][c] += units;
        break;
      }
    }
  }
  if (settings.lotSize > 0 && fruits_ >= settings.lotSize) endLotNow();
}

void SimBoard::endLotNow() {
  memorised_ = totals_;
  state_ = '5';
  cupBacklog_ = 0.0;
}

void SimBoard::powerOff() {
  powered_ = false;
  line_.clear();
  mode_ = Mode::Unknown;
}

void SimBoard::powerOn(qint64 nowMs) {
  powered_ = true;
  zeroTotals();
  program_ = 0;
  configuration_.clear();
  cup_ = 0;
  wrongCups_ = 0;
  setState('0', nowMs);
}

QString SimBoard::describe() const {
  qint64 grand = 0;
  for (const auto& l : totals_)
    for (qint64 v : l) grand += v;
  return QStringLiteral("power=%1 state=%2 program=%3 cup=%4 wrong=%5 fruits=%6 total=%7 model=%8%9")
      .arg(powered_ ? "on" : "off")
      .arg(QChar(state_))
      .arg(program_)
      .arg(cup_)
      .arg(wrongCups_)
      .arg(fruits_)
      .arg(grand)
      .arg(settings.oldBoard ? QStringLiteral("old") : QString::number(settings.model))
      .arg(configuration_.isEmpty() ? QStringLiteral(" (not configured)") : QString());
}
