#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <array>
#include <functional>
#include <random>

#include "sim/serialdevice.h"

// The simulated controller board. It answers the station's command lines with the echoes
// the station expects, keeps the state machine from "0 - Accesa" to "5 - Fine partita",
// takes the configuration line and the program lines, grades simulated fruit with them and
// keeps running and memorised totals. Faults can be switched on to test the station's
// retries and time-outs.
class SimBoard : public SerialDevice {
 public:
  struct Settings {
    int model = 3;              // 0 Pilto, 1 Piltomod, 2 Dravo, 3 Dravo-1
    bool oldBoard = false;      // no identity and no model: the board of the "-o" option
    QString identity = QStringLiteral("DRAVO-1 REL.3.02");
    bool longStatus = false;    // status with the five "fc" values
    double meanWeight = 180.0;  // grams
    double sdWeight = 45.0;
    double fillRate = 0.92;     // share of cups that carry a fruit
    double wrongCupRate = 0.002;
    int cadence = 100;          // cups per second times ten
    int lotSize = 0;            // fruits per lot; 0: the lot ends only when told
    int unit = 1;               // grams per board weight unit
    int phaseMs = 1000;         // time in each of the states 1 to 3 before working
    // How a real board may end its lines: the CR of a per-character command echoed before
    // the reply, and bytes after a reply's CR (a line feed). The station must take both.
    bool echoCr = true;
    QByteArray afterReply = QByteArrayLiteral("\n");
    quint32 seed = 12345;
    double rejectRate = 0.04;   // share of fruit rejected (quality 5), besides fruit outside every class
  };

  struct Faults {
    bool noEcho = false;        // echoes nothing
    bool noLastEcho = false;    // echoes every character but the last one before the CR
    bool noReply = false;       // echoes, but never replies
    bool shortReply = false;    // replies with half the line and CR
    bool garbledReply = false;  // replies with some characters replaced
    int slowCharMs = 0;         // every character sent takes this long
    QByteArray replyWith;       // every reply is this line instead (a board answering badly)
  };
  // How the test streams misbehave, for the station's readers.
  struct StreamFaults {
    bool fast = false;       // fifty frames a second instead of ten
    bool split = false;      // each frame in two writes
    bool joined = false;     // two frames in one write
    bool shortFrames = false;  // every frame cut to half before its CR
    bool badLine = false;    // "S" frames of line 7
    bool emptyValue = false; // "N" frames with no value
    bool noise = false;      // foreign text before every frame
    bool ignoreEsc = false;  // ESC does not stop the stream
  };
  StreamFaults streamFaults;

  SimBoard();
  explicit SimBoard(Settings settings);

  Settings settings;
  Faults faults;
  // Emulated line speed in baud (0: as fast as the pseudo-terminal goes).
  int lineSpeed = 0;

  QByteArray onBytes(const QByteArray& in, qint64 nowMs) override;
  QByteArray onTick(qint64 nowMs) override;
  int charDelayUs() const override;

  // Moves the machine on to the given time: cups pass and fruit is graded while working.
  void advance(qint64 nowMs);

  // Scripting.
  void powerOff();
  void powerOn(qint64 nowMs = 0);
  void endLotNow();
  // The board takes a program as if its whole transfer had arrived (scripting a program
  // chosen at the machine): the same boundaries on every line, no exits.
  void selectProgram(int program, const std::array<int, 16>& boundaries);
  bool powered() const { return powered_; }
  // The service test streaming now (its letter), 0 when none.
  char streaming() const { return stream_; }

  // What the board holds, for tests and the simulator's status command.
  char state() const { return state_; }
  int program() const { return program_; }
  const QString& configuration() const { return configuration_; }
  int linesConfigured() const { return numlinee_; }
  int cup() const { return cup_; }
  int wrongCups() const { return wrongCups_; }
  qint64 total(int line, int cls) const { return totals_[line][cls]; }
  qint64 memorised(int line, int cls) const { return memorised_[line][cls]; }
  int boundary(int line, int b) const { return boundaries_[line][b]; }
  QString exits(int line, int cls) const { return exits_[line][cls]; }
  int encoderDirection() const { return direction_; }
  QByteArray machineParameters() const { return parameters_; }
  int magnetOption() const { return magnetOption_; }
  QByteArray calibrationFactors() const { return factors_; }
  bool qualityAlarm() const { return qualityAlarm_; }
  int fruitsInLot() const { return fruits_; }
  int resets() const { return resets_; }
  // Lines that broke the board's layouts, counted since the board was made, with what was
  // wrong; each also goes to onProtocolError (the simulator's trace). Tests fail on any.
  int protocolErrors() const { return static_cast<int>(protocolErrors_.size()); }
  const QStringList& protocolErrorTexts() const { return protocolErrors_; }
  std::function<void(const QString&)> onProtocolError;
  // A rejected fruit, in grams: the reject unit weighs it.
  std::function<void(qint64)> onReject;
  // Every program line ("F" and "G", with the letter) received since power-on or reset.
  const QList<QByteArray>& programLines() const { return programLines_; }
  // Every command line received, without its CR, in order.
  const QList<QByteArray>& receivedLines() const { return received_; }
  void clearReceived() { received_.clear(); }
  // Bytes the board sends on its own at the next moment (line noise, a late reply).
  void injectNoise(const QByteArray& bytes) { noise_ += bytes; }
  // Scripting of the totals: running (memorised = false) or memorised, grams of class
  // cls (1 to 15) on board line (0 to 3).
  void setTotal(int line, int cls, qint64 value, bool memorised = false);
  // Called with every command line received (the simulator's trace).
  std::function<void(const QByteArray&)> onLine;
  QString describe() const;

  // The replies, as the board builds them.
  QByteArray statusReply() const;
  QByteArray totalsReply(const std::array<qint64, 15>& values) const;
  QByteArray tareTableReply(const QByteArray& payload) const;
  static int tareOf(int cup, int line);

 private:
  enum class Mode { Unknown, PerCharacter, WholeLine, NoEcho };

  QByteArray receive(char c, qint64 nowMs);
  QByteArray execute(const QByteArray& line, qint64 nowMs, bool check);
  QByteArray reply(QByteArray line) const;
  bool isLastBeforeCr(const QByteArray& line) const;
  // Checks a command line against the board's layouts; false (and a protocol error) when
  // it breaks them.
  bool valid(const QByteArray& line, bool report);
  void protocolError(const QByteArray& line, const QString& what);
  bool echoWithheld_ = false;  // an echo of the current line was not given (a fault)
  void takeProgramLine(const QByteArray& line);
  void setState(char s, qint64 nowMs);
  void zeroTotals();
  void gradeCup();

  bool powered_ = true;
  QByteArray line_;
  Mode mode_ = Mode::Unknown;

  char state_ = '0';
  qint64 stateSinceMs_ = 0;
  qint64 lastAdvanceMs_ = -1;
  double cupBacklog_ = 0.0;
  int program_ = 0;
  QString configuration_;
  int numlinee_ = 2;
  int numtazze_ = 100;
  int zeroencoder_ = 0;  // the encoder phase of the last configuration
  int cup_ = 0;
  int wrongCups_ = 0;
  int fruits_ = 0;
  int direction_ = 0;
  QByteArray parameters_;
  int magnetOption_ = 0;
  QByteArray factors_;
  bool qualityAlarm_ = false;
  int resets_ = 0;
  QList<QByteArray> programLines_;
  QList<QByteArray> received_;
  QByteArray noise_;
  // A service test streaming its frames until ESC: its letter, its payload, and when the
  // next frame is due (ten a second).
  char stream_ = 0;
  QByteArray streamPayload_;
  qint64 nextFrameMs_ = 0;
  int streamCount_ = 0;
  quint32 noiseSeed_ = 12345;
  QByteArray streamFrame();
  QByteArray splitRest_;
  QStringList protocolErrors_;
  // A program arrives in 52 lines; it is graded with only once all have come.
  struct Pending {
    int program = -1;
    std::array<bool, 4> weights{};
    std::array<std::array<bool, 12>, 4> exits{};
    std::array<std::array<int, 16>, 4> boundaries{};
    std::array<std::array<QString, 12>, 4> exitTexts;
  } pending_;
  std::array<std::array<int, 16>, 4> boundaries_{};
  std::array<std::array<QString, 12>, 4> exits_;
  std::array<std::array<qint64, 15>, 4> totals_{};
  std::array<std::array<qint64, 15>, 4> memorised_{};
  std::mt19937 rng_;
};
