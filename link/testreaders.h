#pragma once

#include <QByteArray>
#include <QString>
#include <array>
#include <atomic>
#include <deque>
#include <mutex>
#include <optional>
#include <thread>

class cPort;

// The records of the streaming service tests, every field a text as the board sends it.
struct rcTracciaGrafica {
  QString cup, minimum, maximum;
  std::array<QString, 102> samples;  // a frame fills 1 to 100; 101 and 102 stay empty
  QByteArray frame;                  // the frame it came from, "O" through CR, for the trace log
};
struct rcCOntrolloTazzeVuote {
  QString line, cup, value;  // value: the rest of the frame, possibly empty
};
struct rcCalibrazioneLinee {
  QString line, passes, coefficient, weight;
};
struct rcTestMemorizzato {
  QString line, cup, tare, net;  // numbers right-aligned in 4 characters
};
struct rcTestEncoder {
  QString turns, value;
  std::array<QString, 5> errors;
};

// Cutting the board's stream into frames: a frame is its letter up to the first CR after
// it; text before a letter, or a line with no letter, is dropped.
namespace frames {

// Takes the first complete frame of the letter out of the buffer (the letter through the
// CR); without one, drops what a CR closes before the next letter, and leaves the rest.
std::optional<QByteArray> take(QByteArray& buffer, char letter);

// Whole-number value: leading blanks skipped, an optional sign, the digits up to the
// first other character (0 when there are none).
int wholeValue(const QByteArray& field);

// The fields of a frame, only from inside its own CR: a frame shorter than its layout, or
// an "S" frame whose line is not 1 to 4, gives nothing.
std::optional<rcTracciaGrafica> trace(const QByteArray& frame);
std::optional<rcCOntrolloTazzeVuote> emptyCup(const QByteArray& frame);
std::optional<rcCalibrazioneLinee> calibration(const QByteArray& frame);
struct Memorised {
  int line;  // 1 to 4
  int cup, tare, net;
};
std::optional<Memorised> memorised(const QByteArray& frame);
std::optional<std::array<int, 7>> encoder(const QByteArray& frame);

}  // namespace frames

// A reader of one streaming test: a thread that reads the board's line (blocking on its
// descriptor, a few tens of milliseconds at most, so an idle stream costs nothing), cuts
// the stream into the test's frames and keeps what they carry under a lock. It never
// writes to the line. The owner stops it (Terminate) before using the line again.
class StreamReader {
 public:
  static constexpr int kBufferCap = 4096;   // bytes kept while waiting for a frame's CR
  static constexpr int kWaitCapMs = 20;

  StreamReader(cPort& port, char letter, int readSize);
  virtual ~StreamReader();
  StreamReader(const StreamReader&) = delete;
  StreamReader& operator=(const StreamReader&) = delete;

  // Starts the thread with what already arrived after the start command's reply.
  void Run(const QByteArray& alreadyRead = {});
  // Ends the thread and waits for it: afterwards nobody reads the line.
  void Terminate();
  bool running() const { return thread_.joinable(); }
  // Frames dropped: too short, a bad line, or pushed out of a full queue.
  int dropped() const { return dropped_.load(); }
  int frames() const { return frames_.load(); }

 protected:
  // Takes one frame's results; false when the frame was not in its layout.
  virtual bool onFrame(const QByteArray& frame) = 0;
  void countDropped() { ++dropped_; }
  mutable std::mutex mutex_;

 private:
  void loop();

  cPort& port_;
  char letter_;
  int readSize_;
  QByteArray buffer_;
  std::thread thread_;
  std::atomic<bool> stop_{false};
  std::atomic<int> dropped_{0};
  std::atomic<int> frames_{0};
};

// A reader that keeps every record until taken, the oldest first; the queue is bounded, and
// when it is full the oldest record goes (counted).
template <typename Record>
class QueueReader : public StreamReader {
 public:
  static constexpr std::size_t kQueueCap = 2000;
  using StreamReader::StreamReader;
  ~QueueReader() override { Terminate(); }

  std::optional<Record> Take() {
    std::lock_guard<std::mutex> lock(mutex_);
    if (queue_.empty()) return std::nullopt;
    Record r = std::move(queue_.front());
    queue_.pop_front();
    return r;
  }

 protected:
  void push(Record r) {
    std::lock_guard<std::mutex> lock(mutex_);
    if (queue_.size() >= kQueueCap) {
      queue_.pop_front();
      countDropped();
    }
    queue_.push_back(std::move(r));
  }

 private:
  std::deque<Record> queue_;
};

class tTracciaGrafica : public QueueReader<rcTracciaGrafica> {
 public:
  explicit tTracciaGrafica(cPort& port) : QueueReader(port, 'O', 128) {}
  ~tTracciaGrafica() override { Terminate(); }
  // The last complete frame, from its "O" through its CR.
  QByteArray lastFrame() const;

 protected:
  bool onFrame(const QByteArray& frame) override;

 private:
  QByteArray last_;
};

class tControlloTazzeVuote : public QueueReader<rcCOntrolloTazzeVuote> {
 public:
  explicit tControlloTazzeVuote(cPort& port) : QueueReader(port, 'N', 600) {}
  ~tControlloTazzeVuote() override { Terminate(); }

 protected:
  bool onFrame(const QByteArray& frame) override;
};

class tCalibrazioneLinee : public QueueReader<rcCalibrazioneLinee> {
 public:
  explicit tCalibrazioneLinee(cPort& port) : QueueReader(port, 'P', 60) {}
  ~tCalibrazioneLinee() override { Terminate(); }

 protected:
  bool onFrame(const QByteArray& frame) override;
};

// The latest cup, tare and net of each of the four lines, read whole.
class tTestMemorizzato : public StreamReader {
 public:
  explicit tTestMemorizzato(cPort& port) : StreamReader(port, 'S', 60) {}
  ~tTestMemorizzato() override { Terminate(); }
  rcTestMemorizzato GetLine(int line) const;

 protected:
  bool onFrame(const QByteArray& frame) override;

 private:
  std::array<std::array<int, 3>, 4> values_{};
};

// The latest turns, value and five errors, read whole.
class tTestEncoder : public StreamReader {
 public:
  explicit tTestEncoder(cPort& port) : StreamReader(port, 'T', 600) {}
  ~tTestEncoder() override { Terminate(); }
  rcTestEncoder GetValues() const;

 protected:
  bool onFrame(const QByteArray& frame) override;

 private:
  std::array<int, 7> values_{};
};
