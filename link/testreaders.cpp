#include "link/testreaders.h"

#include <poll.h>

#include "link/clPort.h"

namespace frames {

std::optional<QByteArray> take(QByteArray& buffer, char letter) {
  const qsizetype s = buffer.indexOf(letter);
  const qsizetype c = buffer.indexOf('\r');
  if (s >= 0 && c >= 0 && s < c) {
    const QByteArray frame = buffer.mid(s, c - s + 1);
    buffer.remove(0, c + 1);
    return frame;
  }
  // The remains of an unfinished or foreign line before the next frame go.
  if (c >= 0 && buffer.indexOf(letter, c + 1) >= 0) buffer.remove(0, c + 1);
  return std::nullopt;
}

int wholeValue(const QByteArray& field) {
  qsizetype i = 0;
  while (i < field.size() && field.at(i) == ' ') ++i;
  bool negative = false;
  if (i < field.size() && (field.at(i) == '-' || field.at(i) == '+')) negative = field.at(i++) == '-';
  qint64 v = 0;
  for (; i < field.size() && field.at(i) >= '0' && field.at(i) <= '9' && v < 1'000'000'000; ++i) v = v * 10 + (field.at(i) - '0');
  return static_cast<int>(negative ? -v : v);
}

namespace {
// The body of a frame: its characters from the letter up to (without) the CR.
QByteArray body(const QByteArray& frame) { return frame.endsWith('\r') ? frame.chopped(1) : frame; }
QString field(const QByteArray& b, int from, int count) { return QString::fromLatin1(b.mid(from, count)); }
}  // namespace

std::optional<rcTracciaGrafica> trace(const QByteArray& frame) {
  const QByteArray b = body(frame);
  if (b.size() < 13 + 400) return std::nullopt;
  rcTracciaGrafica r;
  r.cup = field(b, 1, 4);
  r.minimum = field(b, 5, 4);
  r.maximum = field(b, 9, 4);
  for (int k = 0; k < 100; ++k) r.samples[k] = field(b, 13 + 4 * k, 4);
  r.frame = frame;
  return r;
}

std::optional<rcCOntrolloTazzeVuote> emptyCup(const QByteArray& frame) {
  const QByteArray b = body(frame);
  if (b.size() < 6) return std::nullopt;
  return rcCOntrolloTazzeVuote{field(b, 1, 1), field(b, 2, 4), QString::fromLatin1(b.mid(6))};
}

std::optional<rcCalibrazioneLinee> calibration(const QByteArray& frame) {
  const QByteArray b = body(frame);
  if (b.size() < 14) return std::nullopt;
  return rcCalibrazioneLinee{field(b, 1, 1), field(b, 2, 4), field(b, 6, 4), field(b, 10, 4)};
}

std::optional<Memorised> memorised(const QByteArray& frame) {
  const QByteArray b = body(frame);
  if (b.size() < 14 || b.at(1) < '1' || b.at(1) > '4') return std::nullopt;
  return Memorised{b.at(1) - '0', wholeValue(b.mid(2, 4)), wholeValue(b.mid(6, 4)), wholeValue(b.mid(10, 4))};
}

std::optional<std::array<int, 7>> encoder(const QByteArray& frame) {
  const QByteArray b = body(frame);
  if (b.size() < 28) return std::nullopt;
  std::array<int, 7> v{};
  v[0] = wholeValue(b.mid(1, 3));
  for (int i = 0; i < 6; ++i) v[1 + i] = wholeValue(b.mid(4 + 4 * i, 4));
  return v;
}

}  // namespace frames

StreamReader::StreamReader(cPort& port, char letter, int readSize)
    : port_(port), letter_(letter), readSize_(readSize) {}

StreamReader::~StreamReader() { Terminate(); }

void StreamReader::Run(const QByteArray& alreadyRead) {
  if (thread_.joinable()) return;
  buffer_ = alreadyRead;
  stop_ = false;
  thread_ = std::thread([this] { loop(); });
}

void StreamReader::Terminate() {
  stop_ = true;
  if (thread_.joinable()) thread_.join();
}

void StreamReader::loop() {
  QByteArray chunk;
  while (!stop_) {
    // One frame per pass; a frame already in the buffer (or behind the remains of a line
    // just dropped) needs no new bytes.
    const qsizetype before = buffer_.size();
    if (const auto frame = frames::take(buffer_, letter_)) {
      ++frames_;
      if (!onFrame(*frame)) countDropped();
      continue;
    }
    if (buffer_.size() != before) continue;
    pollfd p{port_.handle(), POLLIN, 0};
    if (p.fd < 0) break;
    if (::poll(&p, 1, kWaitCapMs) <= 0) continue;
    if (port_.Read(chunk, readSize_)) buffer_ += chunk;
    if (port_.lost()) break;
    // A stream with no frame end is not kept without bound.
    if (buffer_.size() > kBufferCap) buffer_ = buffer_.right(kBufferCap / 2);
  }
}

QByteArray tTracciaGrafica::lastFrame() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return last_;
}

bool tTracciaGrafica::onFrame(const QByteArray& frame) {
  auto r = frames::trace(frame);
  if (!r) return false;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    last_ = frame;
  }
  push(std::move(*r));
  return true;
}

bool tControlloTazzeVuote::onFrame(const QByteArray& frame) {
  auto r = frames::emptyCup(frame);
  if (!r) return false;
  push(std::move(*r));
  return true;
}

bool tCalibrazioneLinee::onFrame(const QByteArray& frame) {
  auto r = frames::calibration(frame);
  if (!r) return false;
  push(std::move(*r));
  return true;
}

rcTestMemorizzato tTestMemorizzato::GetLine(int line) const {
  const int l = line >= 1 && line <= 4 ? line : 1;
  std::lock_guard<std::mutex> lock(mutex_);
  const auto& v = values_[l - 1];
  const auto text = [](int n) { return QString::number(n).rightJustified(4); };
  return rcTestMemorizzato{QString::number(l), text(v[0]), text(v[1]), text(v[2])};
}

bool tTestMemorizzato::onFrame(const QByteArray& frame) {
  const auto m = frames::memorised(frame);
  if (!m) return false;
  std::lock_guard<std::mutex> lock(mutex_);
  values_[m->line - 1] = {m->cup, m->tare, m->net};
  return true;
}

rcTestEncoder tTestEncoder::GetValues() const {
  std::lock_guard<std::mutex> lock(mutex_);
  const auto text = [](int n) { return QString::number(n).rightJustified(4); };
  rcTestEncoder r;
  r.turns = text(values_[0]);
  r.value = text(values_[1]);
  for (int i = 0; i < 5; ++i) r.errors[i] = text(values_[2 + i]);
  return r;
}

bool tTestEncoder::onFrame(const QByteArray& frame) {
  const auto v = frames::encoder(frame);
  if (!v) return false;
  std::lock_guard<std::mutex> lock(mutex_);
  values_ = *v;
  return true;
}
