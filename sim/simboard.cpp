#include "sim/simboard.h"

#include <algorithm>
#include <cctype>
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
  if (!splitRest_.isEmpty()) {
    out += splitRest_;
    splitRest_.clear();
  } else if (stream_ && powered_ && nowMs >= nextFrameMs_) {
    const StreamFaults& f = streamFaults;
    nextFrameMs_ = nowMs + (f.fast ? 20 : 100);
    QByteArray frame = streamFrame();
    if (f.shortFrames) frame = frame.left(frame.size() / 2) + CR;
    if (f.badLine && frame.startsWith('S')) frame[1] = '7';
    if (f.emptyValue && frame.startsWith('N')) frame = frame.left(6) + CR;
    if (f.noise) frame.prepend("#x?\r");
    if (f.joined) frame += streamFrame();
    if (f.split) {
      splitRest_ = frame.mid(frame.size() / 2);
      frame = frame.left(frame.size() / 2);
    }
    out += frame;
  }
  return out;
}

QByteArray SimBoard::streamFrame() {
  const int n = streamCount_++;
  const int line = n % 4 + 1;
  const auto num = [](qint64 v, int width) { return QByteArray::number(v).rightJustified(width, ' '); };
  switch (stream_) {
    case 'S':  // cup, tare and net of the lines in turn
      return "S" + QByteArray::number(line) + num(n / 4 % std::max(1, numtazze_) + 1, 4) + num(40 + 3 * line, 4) +
             num(170 + 5 * line + n % 7, 4) + CR;
    case 'T':  // encoder turns, the value and five error counters
      return "T" + num(n / 10, 3) + num(500 + n % 13, 4) + num(0, 4) + num(0, 4) + num(n / 50, 4) + num(0, 4) + num(0, 4) + CR;
    case 'N': {  // a cup whose tare differs beyond the limit, now and then
      const int limit = streamPayload_.toInt();
      return "N" + QByteArray::number(line) + digits(n % std::max(1, numtazze_) + 1, 4) + num(limit + 1 + n % 9, 4) + CR;
    }
    case 'P': {  // calibration passes of each line converging on the sample weight
      const int sample = streamPayload_.toInt();
      const int passes = n / 4 + 1;
      const double gain = 0.96 + 0.02 * line;
      const int weight = static_cast<int>(sample * gain + (sample * (1.0 - gain)) * (1.0 - 1.0 / passes));
      return "P" + QByteArray::number(line) + digits(passes, 4) + digits(static_cast<int>(1000 / gain), 4) +
             digits(weight, 4) + CR;
    }
    case 'O': {  // the load-cell signal of one cup of the line passing over its cell
      // The empty cell reads about 200; the cup rises onto the cell over 8 samples, rests
      // at its tare plus the fruit's weight, and leaves over 8 samples. Where the plateau
      // lies in the 100 samples follows the encoder phase, so the technician sees a phase
      // or reading window that misses it.
      const int cup = n % std::max(1, numtazze_) + 1;
      const int tracedLine = std::clamp(streamPayload_.left(1).toInt(), 1, 4);
      const int plateau = 200 + 40 + (cup * 7 + tracedLine) % 9 + 120 + (cup * 37 + n / numtazze_ * 11) % 230;
      const int offset = 12 - zeroencoder_;
      std::array<int, 100> v{};
      for (int x = 1; x <= 100; ++x) {
        const int k = ((x - 1 - offset) % 100 + 100) % 100 + 1;  // position along the passage
        double level = 200;
        if (k >= 14 && k < 22) level = 200 + (plateau - 200) * (k - 13) / 8.0;
        else if (k >= 22 && k <= 74) level = plateau;
        else if (k > 74 && k <= 82) level = plateau - (plateau - 200) * (k - 74) / 8.0;
        noiseSeed_ = noiseSeed_ * 1103515245u + 12345u;
        v[x - 1] = std::clamp(static_cast<int>(level) + static_cast<int>((noiseSeed_ >> 16) % 9) - 4, 0, 1023);
      }
      const auto [lo, hi] = std::minmax_element(v.begin(), v.end());
      QByteArray f = "O" + digits(cup, 4) + num(*lo, 4) + num(*hi, 4);
      for (int s : v) f += num(s, 4);
      return f + CR;
    }
    default: return {};
  }
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
    if (faults.noEcho || (faults.noLastEcho && isLastBeforeCr(line_))) {
      echoWithheld_ = true;
      return {};
    }
    return QByteArray(1, ch);
  };

  if (c == ESC) {
    line_.clear();
    mode_ = Mode::Unknown;
    if (!streamFaults.ignoreEsc) stream_ = 0;  // a test stream ends
    return faults.noEcho ? QByteArray() : QByteArray(1, ESC);
  }
  if (c == CR) {
    const QByteArray line = line_;
    const Mode mode = mode_;
    // A line whose echo the board withheld is one the station ends early with a CR: what
    // arrives is the station's abort, not a line to check.
    const bool aborted = echoWithheld_;
    line_.clear();
    mode_ = Mode::Unknown;
    echoWithheld_ = false;
    if (line.isEmpty()) return {};
    QByteArray out;
    if (mode == Mode::WholeLine && !faults.noEcho) out += line.mid(1) + CR;
    else if (mode == Mode::PerCharacter && settings.echoCr && !faults.noEcho) out += CR;
    return out + execute(line, nowMs, !aborted);
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
  if (!faults.replyWith.isEmpty()) return faults.replyWith + settings.afterReply;
  line += settings.afterReply;
  if (faults.shortReply) return line.left((line.size() - 1 - settings.afterReply.size()) / 2) + CR + settings.afterReply;
  if (faults.garbledReply) {
    for (qsizetype i = 1; i + 1 + settings.afterReply.size() < line.size(); i += 3) line[i] = '?';
  }
  return line;
}

void SimBoard::setTotal(int line, int cls, qint64 value, bool memorised) {
  if (line < 0 || line > 3 || cls < 1 || cls > 15) return;
  (memorised ? memorised_ : totals_)[line][cls - 1] = value;
}

namespace {

bool allDigits(const QByteArray& b) {
  return std::all_of(b.begin(), b.end(), [](char c) { return c >= '0' && c <= '9'; });
}

}  // namespace

void SimBoard::protocolError(const QByteArray& line, const QString& what) {
  QByteArray shown = line;
  shown.replace('\x1b', "<ESC>");
  const QString text = QStringLiteral("protocol error: %1: %2").arg(QString::fromLatin1(shown), what);
  protocolErrors_.append(text);
  if (onProtocolError) onProtocolError(text);
}

bool SimBoard::valid(const QByteArray& line, bool report) {
  // The payload layouts the board takes, by command; lengths count the payload only.
  const QByteArray p = line.mid(1);
  const char cmd = line.at(0);
  const auto bad = [&](const QString& what) {
    if (report) protocolError(line, what);
    return false;
  };
  switch (cmd) {
    case 'A':
      return (p == "0" || p == "1") ? true : bad(QStringLiteral("status request is A0 or A1"));
    case 'C': {
      // 103 digits; a new board's line has the suffix: the tare letter and two digits.
      if (p.size() != 103 && p.size() != 106) return bad(QStringLiteral("configuration of %1 characters, not 103 or 106").arg(p.size()));
      if (!allDigits(p.left(103))) return bad(QStringLiteral("configuration with a non-digit in its first 103 characters"));
      if (p.size() == 106 && (!std::isalpha(static_cast<unsigned char>(p.at(103))) || !allDigits(p.mid(104))))
        return bad(QStringLiteral("configuration suffix is not a letter and two digits"));
      return true;
    }
    case 'F': {
      // Program number, line index, 16 boundaries of 3 digits; a line grading the reject
      // quality carries no boundaries.
      if (p.size() != 51 && p.size() != 3) return bad(QStringLiteral("weight line of %1 characters, not 51").arg(p.size()));
      if (!allDigits(p)) return bad(QStringLiteral("weight line with a non-digit"));
      if (p.at(2) > '3') return bad(QStringLiteral("weight line index above 3"));
      return true;
    }
    case 'G': {
      if (p.size() != 11) return bad(QStringLiteral("exit line of %1 characters, not 11").arg(p.size()));
      if (!allDigits(p)) return bad(QStringLiteral("exit line with a non-digit"));
      const int c = p.left(2).toInt();
      if (c < 1 || c > 12) return bad(QStringLiteral("exit line for class %1").arg(c));
      if (p.at(2) > '3') return bad(QStringLiteral("exit line index above 3"));
      return true;
    }
    case 'V':
    case 'v':
      if (p == "1") return true;
      if (p.size() == 2 && p.at(0) == '2' && p.at(1) >= '0' && p.at(1) <= '3') return true;
      return bad(QStringLiteral("totals request is %1 1 or %1 20 to 23").arg(QLatin1Char(cmd)));
    case 'Z':
    case 'S':
    case 'T':
      return p.isEmpty() ? true : bad(QStringLiteral("command takes no payload"));
    case '>':
      return (p == "0" || p == "1") ? true : bad(QStringLiteral("identification is >0 or >1"));
    case '-':
      if (p == "0" || p == "1" || p == "2") return true;
      if (p.startsWith('3')) return (p.size() == 11 && allDigits(p)) ? true : bad(QStringLiteral("machine parameters are -3 and 10 digits"));
      if (p == "40" || p == "41") return true;
      return bad(QStringLiteral("unknown - command"));
    case '(':
      return (p.size() == 16 && allDigits(p)) ? true : bad(QStringLiteral("calibration factors are 16 digits"));
    default:
      return true;  // the service commands are checked by their own tests
  }
}

void SimBoard::takeProgramLine(const QByteArray& line) {
  programLines_.append(line);
  const QByteArray p = line.mid(1);
  const int l = p.at(2) - '0';
  if (line.at(0) == 'F') {
    const int number = p.left(2).toInt();
    // Weight line 1 opens a transfer; the others must carry the same program number.
    if (l == 0) pending_ = Pending{};
    if (pending_.program >= 0 && pending_.program != number) {
      protocolError(line, QStringLiteral("program %1 inside the transfer of program %2").arg(number).arg(pending_.program));
      pending_ = Pending{};
      return;
    }
    pending_.program = number;
    pending_.weights[l] = true;
    for (int b = 0; b < 16; ++b) pending_.boundaries[l][b] = p.size() == 51 ? p.mid(3 + 3 * b, 3).toInt() : 0;
  } else {
    if (pending_.program < 0) {
      protocolError(line, QStringLiteral("exit line before any weight line"));
      return;
    }
    const int c = p.left(2).toInt();
    pending_.exits[l][c - 1] = true;
    pending_.exitTexts[l][c - 1] = QString::fromLatin1(p.mid(3, 8));
  }
  bool whole = std::all_of(pending_.weights.begin(), pending_.weights.end(), [](bool b) { return b; });
  for (const auto& lineExits : pending_.exits)
    whole = whole && std::all_of(lineExits.begin(), lineExits.end(), [](bool b) { return b; });
  if (!whole) return;
  program_ = pending_.program;
  boundaries_ = pending_.boundaries;
  exits_ = pending_.exitTexts;
  pending_ = Pending{};
}

QByteArray SimBoard::execute(const QByteArray& line, qint64 nowMs, bool check) {
  received_.append(line);
  if (received_.size() > 100000) received_.removeFirst();
  if (onLine) onLine(line);
  // A line the station ended early is dropped like any malformed one, but it is the
  // board's fault, not the station's.
  if (!valid(line, check)) return {};
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
      zeroencoder_ = std::clamp(line.mid(7, 2).toInt(), 0, 99);
      if (state_ == '0') setState('1', nowMs);
      return {};
    }
    case 'F':
    case 'G':
      takeProgramLine(line);
      return {};
    case 'V':
    case 'v': {
      auto& set = cmd == 'V' ? totals_ : memorised_;
      if (line == "V1" || line == "v1") {
        for (auto& l : set) l.fill(0);
        // Zeroed for the next lot: the running totals start again, and a board at the end
        // of its lot takes the next one.
        if (cmd == 'v') zeroTotals();
        fruits_ = 0;
        if (state_ == '5') setState('4', nowMs);
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
      pending_ = Pending{};
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
    case 'S':
    case 'T':
    case 'N':
    case 'P':
    case 'O':
      // A service test: the frames follow until ESC (S and T answer a line first).
      stream_ = cmd;
      streamPayload_ = line.mid(1);
      streamCount_ = 0;
      nextFrameMs_ = nowMs + 20;
      if (cmd == 'S') return reply(QByteArray("S\r"));
      if (cmd == 'T') return reply(QByteArray("T\r"));
      return {};
    default: return {};  // "U" and anything unknown: nothing to say
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
    bool graded = false;
    if (uniform(rng_) >= settings.rejectRate) {
      for (int c = 0; c < 15 && !graded; ++c) {
        if (b[c + 1] > b[c] && units >= b[c] && units < b[c + 1]) {
          totals_[l][c] += units;
          graded = true;
        }
      }
    }
    if (!graded && onReject) onReject(static_cast<qint64>(grams));
  }
  if (settings.lotSize > 0 && fruits_ >= settings.lotSize) endLotNow();
}

void SimBoard::selectProgram(int program, const std::array<int, 16>& boundaries) {
  program_ = program;
  for (auto& l : boundaries_) l = boundaries;
  for (auto& l : exits_) l.fill(QStringLiteral("00000000"));
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
  pending_ = Pending{};
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
      .arg(configuration_.isEmpty() ? QStringLiteral(" (not configured)") : QString()) +
         QStringLiteral(" unit=%1 protocol-errors=%2").arg(settings.unit).arg(protocolErrors_.size());
}
