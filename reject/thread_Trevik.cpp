#include "reject/thread_Trevik.h"

#include <pthread.h>
#include <sys/eventfd.h>
#include <time.h>
#include <unistd.h>

#include "base/clock.h"
#include "base/eventlog.h"
#include "base/text.h"

tTrevik::tTrevik(int portNumber, QString devicePath, Clock& clock, EventLog* log)
    : port_(portNumber), devicePath_(std::move(devicePath)), clock_(clock), log_(log) {
  resultFd_ = ::eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC);
}

tTrevik::~tTrevik() {
  stop();
  if (resultFd_ >= 0) ::close(resultFd_);
}

bool tTrevik::start() {
  if (!validPort(port_) || thread_.joinable()) return false;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    stop_ = false;
  }
  link_ = std::make_unique<cKestin>(port_, devicePath_, clock_);
  const bool open = link_->Open();
  if (!open && log_)
    log_->append(QStringLiteral("linea scarti: impossibile aprire COM%1 (%2)\r\n").arg(port_).arg(link_->lastError()));
  {
    std::lock_guard<std::mutex> lock(mutex_);
    results_.lineOpen = open;
  }
  thread_ = std::thread([this] { run(); });
  return true;
}

void tTrevik::stop() {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    stop_ = true;
  }
  wake_.notify_all();
  if (thread_.joinable()) thread_.join();
  if (link_) link_->Close();
}

double tTrevik::cpuMs() const {
  if (!thread_.joinable()) return 0;
  clockid_t id;
  timespec ts{};
  if (pthread_getcpuclockid(const_cast<std::thread&>(thread_).native_handle(), &id) != 0 ||
      clock_gettime(id, &ts) != 0)
    return 0;
  return ts.tv_sec * 1000.0 + ts.tv_nsec / 1e6;
}

void tTrevik::request(unsigned requests) {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    requests_ |= requests;
    if (requests & Z) results_.tBeforeZero = true;
  }
  wake_.notify_all();
}

tTrevik::Results tTrevik::results() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return results_;
}

void tTrevik::publish(const std::function<void(Results&)>& change) {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    change(results_);
    results_.errors = link_->errors();
  }
  const quint64 one = 1;
  if (resultFd_ >= 0) (void)!::write(resultFd_, &one, sizeof one);
}

bool tTrevik::waitFor(const std::function<bool(const Results&)>& ready, qint64 us) {
  const qint64 deadline = clock_.monotonicUs() + us;
  for (;;) {
    if (ready(results())) return true;
    const qint64 left = deadline - clock_.monotonicUs();
    if (left <= 0 || clock_.interrupted() || !running()) return false;
    if (clock_.waitReadable(resultFd_, left)) {
      quint64 count = 0;
      (void)!::read(resultFd_, &count, sizeof count);
    }
  }
}

void tTrevik::run() {
  bool lostTold = false;
  QByteArray badTold;  // a run of the same bad reply is logged once
  for (;;) {
    unsigned pending = 0;
    {
      std::unique_lock<std::mutex> lock(mutex_);
      wake_.wait(lock, [this] { return stop_ || requests_ != 0; });
      if (stop_) break;
      // The requests of this pass are taken in one step; V and Z go back when refused.
      pending = requests_;
      requests_ = 0;
    }
    // A line that did not open, or that failed, is opened again at each pass.
    const bool wasOpen = link_->isOpen();
    if (!wasOpen && !link_->Open()) {
      if (!lostTold && log_) log_->append(QStringLiteral("linea scarti: %1\r\n").arg(link_->lastError()));
      lostTold = true;
    } else if (lostTold) {
      lostTold = false;
      if (log_) log_->append(QStringLiteral("linea scarti: COM%1 di nuovo aperta\r\n").arg(port_));
    }
    {
      std::lock_guard<std::mutex> lock(mutex_);
      results_.lineOpen = link_->isOpen();
    }
    unsigned retry = 0;
    if (pending & V) {
      if (link_->CmdV()) publish([](Results& r) { ++r.vGeneration; });
      else retry |= V;
    }
    if (pending & Z) {
      if (link_->CmdZ()) {
        publish([this](Results& r) {
          ++r.zGeneration;
          r.weight = 0;
          // A zeroing asked again meanwhile keeps the weights that follow suspect.
          r.tBeforeZero = (requests_ & Z) != 0;
        });
      } else {
        retry |= Z;
      }
    }
    if (pending & P) {
      const auto s = link_->CmdP();
      publish([&s](Results& r) {
        ++r.pGeneration;
        r.pOk = s.has_value();
        if (s) r.status = *s;
      });
    }
    if (pending & D) {
      const auto d = link_->CmdD();
      publish([&d](Results& r) {
        ++r.dGeneration;
        r.dOk = d.has_value();
        if (d) r.decimals = *d;
      });
    }
    if (pending & T) {
      const auto parts = link_->CmdT();
      publish([&parts](Results& r) {
        ++r.tGeneration;
        const auto grams = parts ? kestin::weightGrams(parts->first, parts->second, r.decimals) : std::nullopt;
        r.tOk = grams.has_value();
        if (grams) r.weight = *grams;
      });
    }
    if (pending & M) link_->CmdM();
    const QByteArray bad = link_->lastBadReply();
    if (!bad.isEmpty() && bad != badTold && log_)
      log_->append(QStringLiteral("scarti: risposta non valida %1\r\n").arg(text::visible(bad)));
    badTold = bad;
    if (retry) {
      // A command the unit did not take is tried again at a measured pace.
      std::unique_lock<std::mutex> lock(mutex_);
      requests_ |= retry;
      wake_.wait_for(lock, std::chrono::milliseconds(kRetryMs), [this] { return stop_; });
    }
  }
  link_->Close();
}
