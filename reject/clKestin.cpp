#include "reject/clKestin.h"

#include "base/clock.h"
#include "link/clPort.h"

namespace kestin {

namespace {
std::optional<qint64> digits(const QByteArray& body, int from, int count) {
  if (body.size() < from + count) return std::nullopt;
  qint64 v = 0;
  for (int i = from; i < from + count; ++i) {
    const char c = body.at(i);
    if (c < '0' || c > '9') return std::nullopt;
    v = v * 10 + (c - '0');
  }
  return v;
}
}  // namespace

Reply parse(const QByteArray& reply) {
  Reply r;
  if (!reply.endsWith('\r')) return r;
  const QByteArray line = reply.left(reply.size() - 1);
  if (line.startsWith("---")) {
    r.kind = Reply::Ok;
    r.body = line.mid(3);
  } else if (line.startsWith('E')) {
    // The code is two digits; anything else is no error report but a bad reply.
    if (const auto code = digits(line, 1, 2); code && line.size() == 3) {
      r.kind = Reply::Error;
      r.errorCode = static_cast<int>(*code);
    }
  }
  return r;
}

std::optional<Status> status(const Reply& r) {
  // "---" + 3 + 3 digits of times, the active digit and the state digit: more than 11
  // characters in all.
  if (r.kind != Reply::Ok || r.body.size() != 8) return std::nullopt;
  const auto first = digits(r.body, 0, 3), second = digits(r.body, 3, 3), active = digits(r.body, 6, 1),
             state = digits(r.body, 7, 1);
  if (!first || !second || !active || !state) return std::nullopt;
  return Status{static_cast<int>(*first) * 100, static_cast<int>(*second) * 100, static_cast<int>(*active),
                static_cast<int>(*state)};
}

std::optional<std::pair<qint64, qint64>> weightParts(const Reply& r) {
  if (r.kind != Reply::Ok || r.body.size() != 16) return std::nullopt;
  const auto a = digits(r.body, 0, 8), b = digits(r.body, 8, 8);
  if (!a || !b) return std::nullopt;
  return std::make_pair(*a, *b);
}

std::optional<int> decimals(const Reply& r) {
  if (r.kind != Reply::Ok || r.body.size() != 1) return std::nullopt;
  const auto d = digits(r.body, 0, 1);
  if (!d || *d > 3) return std::nullopt;
  return static_cast<int>(*d);
}

std::optional<qint64> weightGrams(qint64 a, qint64 b, int decimalsCode) {
  static constexpr qint64 kScale[] = {1000, 100, 10, 1};
  if (decimalsCode < 0 || decimalsCode > 3) return std::nullopt;
  return (a + b) * kScale[decimalsCode];
}

}  // namespace kestin

cKestin::cKestin(int portNumber, const QString& devicePath, Clock& clock)
    : port_(std::make_unique<cPort>(portNumber, kBaud, devicePath)), clock_(clock) {}

cKestin::~cKestin() { Close(); }

bool cKestin::Open() { return port_->Open(); }
void cKestin::Close() {
  if (port_->isOpen()) port_->Close();
}
bool cKestin::isOpen() const { return port_->isOpen(); }
QString cKestin::lastError() const { return port_->lastError(); }

void cKestin::SetError(int code) {
  if (code >= 0 && code < kestin::kErrorCodes) errors_[code] = true;
}

std::optional<kestin::Reply> cKestin::exchange(char command) {
  if (!port_->isOpen()) return std::nullopt;
  port_->Purge();
  if (!port_->Write(QByteArray(1, command) + '\r')) return std::nullopt;
  clock_.waitUnits(kPauseUnits);
  // The reply up to its CR, at most 600 bytes, within the time-out.
  QByteArray reply;
  const qint64 deadline = clock_.monotonicUs() + Clock::unitsToUs(kReplyTimeout);
  QByteArray chunk;
  while (!reply.endsWith('\r')) {
    if (reply.size() >= cPort::kMaxBlock) break;
    const qint64 left = deadline - clock_.monotonicUs();
    if (left <= 0 || clock_.interrupted()) break;
    if (!clock_.waitReadable(port_->handle(), left)) continue;
    if (port_->Read(chunk, cPort::kMaxBlock - static_cast<int>(reply.size()))) reply += chunk;
    if (port_->lost()) break;
  }
  lastReply_ = reply;
  const kestin::Reply r = kestin::parse(reply);
  if (r.kind == kestin::Reply::Error) SetError(r.errorCode);
  if (r.kind == kestin::Reply::Bad) {
    lastBad_ = reply;
    return std::nullopt;
  }
  lastBad_.clear();
  return r;
}

bool cKestin::simple(char command) {
  const auto r = exchange(command);
  return r && r->kind == kestin::Reply::Ok;
}

std::optional<int> cKestin::CmdD() {
  const auto r = exchange('D');
  if (!r) return std::nullopt;
  return r->kind == kestin::Reply::Ok ? checked(kestin::decimals(*r)) : std::nullopt;
}

std::optional<std::pair<qint64, qint64>> cKestin::CmdT() {
  const auto r = exchange('T');
  if (!r) return std::nullopt;
  return r->kind == kestin::Reply::Ok ? checked(kestin::weightParts(*r)) : std::nullopt;
}

std::optional<kestin::Status> cKestin::CmdP() {
  const auto r = exchange('P');
  if (!r) return std::nullopt;
  return r->kind == kestin::Reply::Ok ? checked(kestin::status(*r)) : std::nullopt;
}
