#include "link/cSelvik.h"

#include <QCoreApplication>
#include <QFile>

#include "base/clock.h"
#include "base/eventlog.h"
#include "base/modalui.h"
#include "base/text.h"

namespace {

QString latin1(const QByteArray& b) { return QString::fromLatin1(b); }

// The reply without its final CR; positions of the layouts count in this text.
QByteArray body(const QByteArray& reply) {
  return reply.endsWith('\r') ? reply.left(reply.size() - 1) : reply;
}

// A field of the machine parameters line: the value right-aligned, blanks as '0'.
QByteArray paramField(int value, int width) {
  return text::fixedRight(value, width).replace(QLatin1Char(' '), QLatin1Char('0')).toLatin1();
}

}  // namespace

cSelvik::cSelvik(int portNumber, int baudRate, const QString& devicePath, Clock& clock, ModalUi& ui)
    : port_(std::make_unique<cPort>(portNumber, baudRate, devicePath)),
      clock_(clock),
      ui_(ui),
      tareTable_(std::make_unique<rcTestTaraTazza>()) {}

cSelvik::~cSelvik() {
  // The reader reads the port: it ends first.
  if (reader_) reader_->Terminate();
}

bool cSelvik::Open() {
  wanted_ = true;
  openFailureLogged_ = false;
  return openPort();
}

bool cSelvik::openPort() {
  if (port_->Open()) {
    openFailureLogged_ = false;
    return true;
  }
  // Told once until the port opens again; the polls keep trying.
  if (!openFailureLogged_)
    log(QStringLiteral("linea centralina: impossibile aprire COM%1 (%2)\r\n")
            .arg(port_->portNumber())
            .arg(port_->lastError()));
  openFailureLogged_ = true;
  return false;
}

bool cSelvik::Close() {
  wanted_ = false;
  // A test still streaming: its reader ends, and ESC stops the board's stream (written
  // without waiting for its echo: the station is closing).
  if (reader_) {
    reader_->Terminate();
    reader_.reset();
    readerLetter_ = 0;
    writeByte(kESC);
  }
  return port_->Close();
}

void cSelvik::log(const QString& message) {
  if (log_) log_->append(message);
}

void cSelvik::checkLine() {
  if (!port_->isOpen() || !port_->lost()) return;
  log(QStringLiteral("linea centralina persa (%1): chiusa, sara' riaperta\r\n").arg(port_->lastError()));
  // The device is gone; the descriptor is released so the adapter can come back under
  // the same name. Its modem lines can no longer be dropped.
  port_->Release();
}

void cSelvik::reopenIfLost() {
  if (!wanted_ || port_->isOpen()) return;
  if (openPort())
    log(QStringLiteral("linea centralina riaperta: COM%1 (%2)\r\n").arg(port_->portNumber()).arg(port_->devicePath()));
}

bool cSelvik::hasLayout(const QByteArray& request, const QByteArray& reply, bool (*valid)(const QByteArray&)) {
  if (valid(reply)) {
    badReplyLogged_ = false;
    return true;
  }
  // The first bad reply of a run is logged; the next good one ends the run.
  lastReplyBad_ = true;
  if (!badReplyLogged_)
    log(QStringLiteral("risposta non valida a %1: %2\r\n").arg(QString::fromLatin1(request), text::visible(reply)));
  badReplyLogged_ = true;
  return false;
}

qint64 cSelvik::deadline(int units) const { return clock_.monotonicUs() + Clock::unitsToUs(units); }

qint64 cSelvik::remaining(qint64 deadlineUs) const { return deadlineUs - clock_.monotonicUs(); }

bool cSelvik::writeByte(char c) { return port_->Write(QByteArray(1, c)); }

bool cSelvik::waitEcho(char expected, qint64 deadlineUs) {
  QByteArray byte;
  for (;;) {
    const qint64 left = remaining(deadlineUs);
    // A closing station abandons the exchange at once.
    if (left <= 0 || clock_.interrupted()) return false;
    if (!clock_.waitReadable(port_->handle(), left)) continue;
    // Bytes that differ from the character sent are noise and are dropped.
    if (port_->Read(byte, 1) && byte.at(0) == expected) return true;
  }
}

bool cSelvik::waitWholeLine(const QByteArray& line, qint64 deadlineUs) {
  QByteArray buffer, chunk;
  for (;;) {
    const qint64 left = remaining(deadlineUs);
    // A closing station abandons the exchange at once.
    if (left <= 0 || clock_.interrupted()) return false;
    if (!clock_.waitReadable(port_->handle(), left)) continue;
    if (port_->Read(chunk, static_cast<int>(line.size()) + 5)) buffer += chunk;
    // A stream the line starts may follow its echo in the same read: it is kept for the
    // reader the line starts.
    if (buffer.startsWith(line)) {
      leftover_ = buffer.mid(line.size());
      return true;
    }
  }
}

bool cSelvik::SendLine(const QByteArray& line, Echo echo) {
  // While a test streams, the line is its reader's: only the stop's ESC goes out.
  if (readerLetter_ && !stopping_) return false;
  leftover_.clear();
  const qsizetype n = line.size();
  for (int attempt = 1; attempt <= kAttempts; ++attempt) {
    if (clock_.interrupted()) return false;
    // A late reply or noise left on the line would be taken for this command's echo or
    // reply; it goes before the command does.
    port_->Purge();
    qsizetype failedAt = -1;
    for (qsizetype i = 0; i < n; ++i) {
      const char c = line.at(i);
      // A character that cannot be written (port closed, device gone) fails the send: the
      // board never got the line, whatever later characters do.
      if (!writeByte(c)) {
        checkLine();
        return false;
      }
      if (echo == Echo::PerCharacter) {
        if (c == kCR) continue;
        if (!waitEcho(c, deadline(kEchoWait))) {
          failedAt = i;
          break;
        }
      } else if (c == kCR) {
        if (!waitWholeLine(line, deadline(kEchoWait))) failedAt = i;
      }
    }
    checkLine();
    if (!port_->isOpen()) return false;
    if (failedAt < 0) return true;
    if (clock_.interrupted()) return false;  // abandoned, not a missing last echo
    // The CR ends the partial line at the board. A missing echo of the last character
    // (or of the CR) needs no new attempt: that CR completes the line.
    writeByte(kCR);
    if (failedAt >= n - 2) return true;
  }
  return false;
}

std::optional<QByteArray> cSelvik::CollectReply(int timeoutUnits, const QByteArray& marker) {
  const qint64 end = deadline(timeoutUnits);
  QByteArray buffer, chunk;
  for (;;) {
    const qint64 left = remaining(end);
    if (left <= 0 || clock_.interrupted()) return std::nullopt;
    if (!clock_.waitReadable(port_->handle(), left)) continue;
    if (port_->Read(chunk, cPort::kMaxBlock)) buffer += chunk;
    checkLine();
    if (!port_->isOpen()) return std::nullopt;
    // A board may echo the command's CR before its reply; a reply is never empty.
    while (buffer.startsWith('\r')) buffer.remove(0, 1);
    // The reply ends at its CR (the first one after the marker, when there is one);
    // bytes after it are noise, dropped before the next command.
    qsizetype from = 0;
    if (!marker.isEmpty()) {
      const qsizetype m = buffer.indexOf(marker);
      if (m < 0) continue;
      from = m;
    }
    const qsizetype cr = buffer.indexOf('\r', from);
    if (cr >= 0) {
      leftover_ = buffer.mid(cr + 1);
      return buffer.left(cr + 1);
    }
  }
}

std::optional<QByteArray> cSelvik::request(const QByteArray& line, int timeoutUnits,
                                           bool beepOnSendFailure) {
  if (!SendLine(line, Echo::PerCharacter)) {
    if (beepOnSendFailure) ui_.beep();
    return std::nullopt;
  }
  clock_.waitUnits(kReplyPause);
  auto reply = CollectReply(timeoutUnits);
  if (!reply) ui_.beep();
  return reply;
}

bool cSelvik::RequestStatus(int timeoutUnits) {
  lastReplyBad_ = false;
  reopenIfLost();
  if (!port_->isOpen()) return false;
  const QByteArray line = QByteArray(qualityAlarm ? "A1" : "A0") + kCR;
  if (!SendLine(line, Echo::PerCharacter)) {
    SendLine(QByteArray(1, kESC), Echo::PerCharacter);
    return false;
  }
  clock_.waitUnits(kReplyPause);
  const auto reply = CollectReply(timeoutUnits);
  if (!reply || !hasLayout(line.left(2), *reply, validStatus)) return false;
  status_ = parseStatus(*reply);
  return true;
}

bool cSelvik::validStatus(const QByteArray& reply) {
  const QByteArray b = body(reply);
  return b.size() >= 14 && b.at(0) >= '0' && b.at(0) <= '5';
}

bool cSelvik::validTotals(const QByteArray& reply) {
  const QByteArray b = body(reply);
  if (b.size() < 120) return false;
  for (int k = 0; k < 15; ++k) {
    const QByteArray field = b.mid(8 * k, 8);
    qsizetype i = 0;
    while (i < field.size() && field.at(i) == ' ') ++i;
    if (i == field.size()) return false;
    for (; i < field.size(); ++i)
      if (field.at(i) < '0' || field.at(i) > '9') return false;
  }
  return true;
}

bool cSelvik::validModel(const QByteArray& reply) {
  if (reply.isEmpty() || static_cast<unsigned char>(reply.at(0)) <= '0') return true;
  const QByteArray b = body(reply);
  return b.size() < 2 || (b.at(1) >= '0' && b.at(1) <= '9');
}

rcStateMachine cSelvik::parseStatus(const QByteArray& reply) {
  const QByteArray b = body(reply);
  rcStateMachine s;
  s.state = latin1(b.mid(0, 1));
  s.program = latin1(b.mid(1, 2));
  s.cadence = latin1(b.mid(3, 3));
  s.cup = latin1(b.mid(7, 3));
  s.wrongCups = latin1(b.mid(10, 4));
  const bool longForm = b.size() >= 15 && static_cast<unsigned char>(b.at(14)) > 13;
  for (int i = 0; i < 5; ++i) s.fc[i] = longForm ? latin1(b.mid(14 + 3 * i, 3)) : QString();
  return s;
}

rcRichiestaTotali cSelvik::parseTotals(const QByteArray& reply) {
  const QByteArray b = body(reply);
  rcRichiestaTotali t;
  for (int k = 0; k < 15; ++k) t.classValue[k] = latin1(b.mid(8 * k, 8));
  return t;
}

rcTestCelle cSelvik::parseFour(const QByteArray& reply) {
  rcTestCelle c;
  for (int i = 0; i < 4; ++i) c.values[i] = latin1(reply.mid(1 + 4 * i, 4));
  // A value that runs into the final CR keeps only its characters before it.
  for (int i = 0; i < 4; ++i) {
    const int cr = c.values[i].indexOf(QLatin1Char('\r'));
    if (cr >= 0) c.values[i].truncate(cr);
  }
  return c;
}

void cSelvik::parseTareTable(const QByteArray& reply, const QByteArray& payload, rcTestTaraTazza& table) {
  const QByteArray b = body(reply);
  const qsizetype r = b.indexOf('R');
  table.firstCup = latin1(payload.left(3));
  const int first = payload.left(3).toInt();
  const int count = payload.mid(3, 3).toInt();
  if (r < 0) return;
  for (int k = 0; k < count; ++k) {
    const int cup = first + k;
    if (cup < 1 || cup > rcTestTaraTazza::kCupsPerLine) continue;
    for (int l = 1; l <= 4; ++l) {
      const qsizetype at = r + 7 + 16 * k + 4 * (l - 1);
      table.tare[(l - 1) * rcTestTaraTazza::kCupsPerLine + cup - 1] = latin1(b.mid(at, 4));
    }
  }
}

bool cSelvik::QueryFour(const QByteArray& request, int timeoutUnits) {
  port_->Purge();
  if (!port_->Write(request + kCR)) {
    checkLine();
    ui_.beep();
    return false;
  }
  const auto reply = CollectReply(timeoutUnits, request);
  if (!reply) {
    ui_.beep();
    return false;
  }
  cells_ = parseFour(*reply);
  return true;
}

bool cSelvik::RequestTareTable(const QByteArray& payload, int timeoutUnits) {
  port_->Purge();
  if (!port_->Write(QByteArray("R") + payload + kCR)) {
    checkLine();
    ui_.beep();
    return false;
  }
  const auto reply = CollectReply(timeoutUnits, QByteArray("R"));
  if (!reply) {
    ui_.beep();
    ui_.message(QCoreApplication::translate("cSelvik", "Il comando R non ha ricevuto una risposta corretta"),
                ModalUi::Icon::Error);
    return false;
  }
  parseTareTable(*reply, payload, *tareTable_);
  return true;
}

bool cSelvik::requestTotals(char letter, const QByteArray& code, int timeoutUnits, rcRichiestaTotali& into) {
  lastReplyBad_ = false;
  const QByteArray line = QByteArray(1, letter) + code;
  const auto reply = request(line + kCR, timeoutUnits, true);
  if (!reply || !hasLayout(line, *reply, validTotals)) return false;
  into = parseTotals(*reply);
  return true;
}

bool cSelvik::RequestTotals(const QByteArray& code, int timeoutUnits) {
  return requestTotals('V', code, timeoutUnits, totals_);
}

bool cSelvik::RequestMemorisedTotals(const QByteArray& code, int timeoutUnits) {
  return requestTotals('v', code, timeoutUnits, memorisedTotals_);
}

bool cSelvik::RequestIdentity(int timeoutUnits) {
  const auto reply = request(QByteArray(">0") + kCR, timeoutUnits, false);
  if (!reply) return false;
  identityReply_ = *reply;
  return true;
}

QString cSelvik::GetIdentity() const {
  if (identityReply_.isEmpty()) return {};
  return latin1(identityReply_.left(identityReply_.size() - 1));
}

bool cSelvik::RequestModel(int timeoutUnits) {
  lastReplyBad_ = false;
  const auto reply = request(QByteArray(">1") + kCR, timeoutUnits, false);
  if (!reply || !hasLayout(">1", *reply, validModel)) return false;
  modelReply_ = *reply;
  return true;
}

int cSelvik::GetModel() const { return modelFromReply(modelReply_); }

int cSelvik::modelFromReply(const QByteArray& reply) {
  if (reply.isEmpty() || static_cast<unsigned char>(reply.at(0)) <= '0') return 0;
  const char second = reply.size() > 1 ? reply.at(1) : '0';
  return (second - '0') + 1;
}

bool cSelvik::ReadEncoderDirection(int timeoutUnits) {
  const auto reply = request(QByteArray("-2") + kCR, timeoutUnits, true);
  if (!reply) return false;
  const QByteArray b = body(*reply);
  encoderDirection_ = (!b.isEmpty() && b.back() == '0') ? 0 : 1;
  return true;
}

bool cSelvik::SetEncoderDirection(bool clockwise, int timeoutUnits) {
  const auto reply = request(QByteArray(clockwise ? "-1" : "-0") + kCR, timeoutUnits, true);
  if (!reply) return false;
  const QByteArray b = body(*reply);
  encoderDirection_ = (!b.isEmpty() && b.back() == '0') ? 0 : 1;
  return true;
}

bool cSelvik::SendCommand(const QByteArray& letter, const QByteArray& payload) {
  if (SendLine(letter + payload + kCR, Echo::PerCharacter)) return true;
  ui_.beep();
  return false;
}

QByteArray cSelvik::machineParametersLine(int delayTara, int distanzaFc, int pointGest, int ritfc) {
  // A value outside its field is replaced as the board expects; a negative value, which
  // would put a '-' among the digits, counts as out of range too.
  const QByteArray delay = (delayTara >= 256 || delayTara < 0) ? QByteArray("000") : paramField(delayTara, 3);
  const QByteArray distance = (distanzaFc >= 999 || distanzaFc < 0) ? QByteArray("000") : paramField(distanzaFc, 3);
  const QByteArray point = (pointGest < 85 || pointGest > 94) ? QByteArray("93") : paramField(pointGest, 2);
  const QByteArray delayFc = ritfc > 99 ? QByteArray("99") : ritfc < 0 ? QByteArray("00") : paramField(ritfc, 2);
  return QByteArray("-3") + delay + distance + point + delayFc + kCR;
}

bool cSelvik::SendMachineParameters(int delayTara, int distanzaFc, int pointGest, int ritfc) {
  if (!SendLine(machineParametersLine(delayTara, distanzaFc, pointGest, ritfc), Echo::WholeLine)) {
    ui_.beep();
    return false;
  }
  clock_.waitUnits(kReplyPause);
  return true;
}

bool cSelvik::SendMagnetOption(int flag) {
  if (!SendLine(QByteArray(flag == 1 ? "-41" : "-40") + kCR, Echo::WholeLine)) {
    ui_.beep();
    return false;
  }
  clock_.waitUnits(kReplyPause);
  return true;
}

bool cSelvik::SendCalibrationFactors(const QString& factors) {
  QString t = factors;
  t.replace(QLatin1Char(' '), QLatin1Char('0'));
  if (SendLine(QByteArray("(") + t.toLatin1() + kCR, Echo::PerCharacter)) return true;
  ui_.beep();
  return false;
}

QString cSelvik::modelSuffix(int model) {
  switch (model) {
    case 0: return QStringLiteral(" : Pilto");
    case 1: return QStringLiteral(" : Piltomod");
    case 2: return QStringLiteral(" : Dravo");
    case 3: return QStringLiteral(" : Dravo-1");
    default: return {};
  }
}

QString cSelvik::stateText(QChar state) {
  static const char* const kTexts[] = {
      QT_TRANSLATE_NOOP("cSelvik", "0 - Accesa    "),       QT_TRANSLATE_NOOP("cSelvik", "1 - Stand By"),
      QT_TRANSLATE_NOOP("cSelvik", "2 - Attesa Encoder"),   QT_TRANSLATE_NOOP("cSelvik", "3 - Tara iniziale"),
      QT_TRANSLATE_NOOP("cSelvik", "4 - Lavorazione"),      QT_TRANSLATE_NOOP("cSelvik", "5 - Fine partita")};
  const int digit = state.unicode() - '0';
  return digit >= 0 && digit <= 5 ? QCoreApplication::translate("cSelvik", kTexts[digit]) : QString();
}

bool cSelvik::startReader(char letter, std::unique_ptr<StreamReader> reader, bool accepted) {
  if (!accepted) {
    ui_.beep();
    // The board may stream already: ESC stops it.
    SendLine(QByteArray(1, kESC), Echo::PerCharacter);
    return false;
  }
  reader_ = std::move(reader);
  readerLetter_ = letter;
  reader_->Run(leftover_);
  leftover_.clear();
  return true;
}

bool cSelvik::stopReader(char letter) {
  const bool existed = readerLetter_ == letter && reader_;
  if (existed) {
    reader_->Terminate();
    reader_.reset();
    readerLetter_ = 0;
  }
  // ESC only for the test that runs (or, for the trace, always): never into another
  // test's stream.
  if (existed || (letter == 'O' && !readerLetter_)) {
    stopping_ = true;
    SendLine(QByteArray(1, kESC), Echo::PerCharacter);
    stopping_ = false;
  }
  return existed;
}

bool cSelvik::StartTrace(const QByteArray& payload) {
  if (readerLetter_) return false;
  const bool sent = SendLine("O" + payload + kCR, Echo::WholeLine);
  return startReader('O', std::make_unique<tTracciaGrafica>(*port_), sent);
}

std::optional<rcTracciaGrafica> cSelvik::NextTrace() {
  auto* r = readerOf<tTracciaGrafica>('O');
  if (!r) return std::nullopt;
  auto t = r->Take();
  // The frame of the trace handed out (not the newest one, which may be queued behind it),
  // so the log holds each trace once. The file is never created here.
  if (t && !traceLog_.isEmpty()) {
    QFile f(traceLog_);
    if (f.open(QIODevice::Append | QIODevice::ExistingOnly)) f.write(t->frame);
  }
  return t;
}

QByteArray cSelvik::lastTraceFrame() const {
  auto* r = readerOf<tTracciaGrafica>('O');
  return r ? r->lastFrame() : QByteArray();
}

bool cSelvik::StopTrace() { return stopReader('O'); }

bool cSelvik::StartEmptyCupTest(const QByteArray& payload) {
  if (readerLetter_) return false;
  const bool sent = SendLine("N" + payload + kCR, Echo::PerCharacter);
  return startReader('N', std::make_unique<tControlloTazzeVuote>(*port_), sent);
}

std::optional<rcCOntrolloTazzeVuote> cSelvik::NextEmptyCup() {
  auto* r = readerOf<tControlloTazzeVuote>('N');
  return r ? r->Take() : std::nullopt;
}

bool cSelvik::StartLineCalibration(const QByteArray& payload) {
  if (readerLetter_) return false;
  const bool sent = SendLine("P" + payload + kCR, Echo::PerCharacter);
  return startReader('P', std::make_unique<tCalibrazioneLinee>(*port_), sent);
}

std::optional<rcCalibrazioneLinee> cSelvik::NextCalibration() {
  auto* r = readerOf<tCalibrazioneLinee>('P');
  return r ? r->Take() : std::nullopt;
}

bool cSelvik::StartMemorisedTest(int timeoutUnits) {
  if (readerLetter_) return false;
  // A reply line (its content is not used) says the board took it.
  bool accepted = SendLine(QByteArray("S") + kCR, Echo::PerCharacter);
  if (accepted) {
    clock_.waitUnits(kReplyPause);
    accepted = CollectReply(timeoutUnits).has_value();
  }
  return startReader('S', std::make_unique<tTestMemorizzato>(*port_), accepted);
}

rcTestMemorizzato cSelvik::GetMemorised(int line) const {
  auto* r = readerOf<tTestMemorizzato>('S');
  return r ? r->GetLine(line) : rcTestMemorizzato{};
}

bool cSelvik::StartEncoderTest(int timeoutUnits) {
  if (readerLetter_) return false;
  bool accepted = SendLine(QByteArray("T") + kCR, Echo::PerCharacter);
  if (accepted) {
    clock_.waitUnits(kReplyPause);
    accepted = CollectReply(timeoutUnits, "T").has_value();
  }
  return startReader('T', std::make_unique<tTestEncoder>(*port_), accepted);
}

rcTestEncoder cSelvik::GetEncoder() const {
  auto* r = readerOf<tTestEncoder>('T');
  return r ? r->GetValues() : rcTestEncoder{};
}
