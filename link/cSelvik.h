#pragma once

#include <QByteArray>
#include <QString>
#include <array>
#include <memory>
#include <optional>

#include "link/clPort.h"
#include "link/testreaders.h"

class Clock;
class EventLog;
class ModalUi;

// The last status reply of the board, cut into its fields (texts, never converted here).
struct rcStateMachine {
  QString state;      // '0' to '5'
  QString program;    // 2: program loaded in the board, 0 none
  QString cadence;    // 3: cups per second times ten
  QString cup;        // 3: cup at the weighing station
  QString wrongCups;  // 4
  std::array<QString, 5> fc;  // 3 each, long form only
};

// The totals of one board line: the weight of size classes 1 to 15, 8 characters each.
struct rcRichiestaTotali {
  std::array<QString, 15> classValue;
};

// A four-value reply: one value of 4 characters per weighing line (9 places).
struct rcTestCelle {
  std::array<QString, 9> values;
};

// The cup tare table: the tare of cup c (from 1) on line l (1 to 4) is
// tare[(l - 1) * 512 + c - 1].
struct rcTestTaraTazza {
  static constexpr int kCupsPerLine = 512;
  QString firstCup;
  std::array<QString, 4 * kCupsPerLine> tare;
};

// The station's side of the controller board protocol: framed command lines sent
// character by character with an echo check and up to five attempts, replies collected and
// cut into records. Every operation is synchronous and waits through the clock.
class cSelvik {
 public:
  enum class Echo { PerCharacter, WholeLine };

  // Times in the board unit of 0.864 ms.
  static constexpr int kEchoWait = 2000;        // 1728 ms
  static constexpr int kReplyPause = 10;        // 8.64 ms
  static constexpr int kShortTimeout = 500;     // 432 ms: status, identity, model, direction
  static constexpr int kMediumTimeout = 1500;   // 1296 ms: four values, "S"
  static constexpr int kLongTimeout = 5000;     // 4320 ms: totals
  static constexpr int kTarePerCup = 150;       // 129.6 ms per cup of the tare table
  static constexpr int kAttempts = 5;

  static constexpr char kCR = '\r';
  static constexpr char kESC = 27;

  cSelvik(int portNumber, int baudRate, const QString& devicePath, Clock& clock, ModalUi& ui);
  ~cSelvik();

  // Open logs a port that cannot be opened with its device and the system's reason; the
  // link then keeps trying at every status request, so a board plugged in later is found.
  bool Open();
  bool Close();
  bool isOpen() const { return port_->isOpen(); }
  cPort& port() { return *port_; }
  // Where the link writes what happens to its line (lost, opened again, bad replies).
  void setEventLog(EventLog* log) { log_ = log; }
  // The raw trace log: every trace handed out is appended to this file, byte for byte,
  // only while the file exists (a technician creates it to record a session).
  void setTraceLog(const QString& path) { traceLog_ = path; }

  // Line level.
  bool SendLine(const QByteArray& line, Echo echo);
  // The reply once it ends with CR (and holds the marker, when one is given), or nothing
  // when the time-out passes first.
  std::optional<QByteArray> CollectReply(int timeoutUnits, const QByteArray& marker = {});

  // Requests with a reply; true when the reply arrived and was stored.
  bool RequestStatus(int timeoutUnits);
  rcStateMachine GetStatus() const { return status_; }
  bool QueryFour(const QByteArray& request, int timeoutUnits);
  rcTestCelle GetCells() const { return cells_; }
  // Payload: the first cup (3 digits) and the number of cups (3 digits).
  bool RequestTareTable(const QByteArray& payload, int timeoutUnits);
  const rcTestTaraTazza& GetTareTable() const { return *tareTable_; }
  bool RequestTotals(const QByteArray& code, int timeoutUnits);
  rcRichiestaTotali GetTotals() const { return totals_; }
  bool RequestMemorisedTotals(const QByteArray& code, int timeoutUnits);
  rcRichiestaTotali GetMemorisedTotals() const { return memorisedTotals_; }
  bool RequestIdentity(int timeoutUnits);
  bool HasIdentity() const { return !identityReply_.isEmpty(); }
  QString GetIdentity() const;
  // A reply whose second character is not a digit (after a first character above '0')
  // names no model: the request fails and the previous model reply stays.
  bool RequestModel(int timeoutUnits);
  int GetModel() const;
  bool ReadEncoderDirection(int timeoutUnits);
  bool SetEncoderDirection(bool clockwise, int timeoutUnits);
  int GetEncoderDirection() const { return encoderDirection_; }

  // Commands without a reply.
  bool SendCommand(const QByteArray& letter, const QByteArray& payload);
  bool SendMachineParameters(int delayTara, int distanzaFc, int pointGest, int ritfc);
  bool SendMagnetOption(int flag);
  bool SendCalibrationFactors(const QString& factors);

  // The line "-3..." for the four machine parameters, with the out-of-range rules.
  static QByteArray machineParametersLine(int delayTara, int distanzaFc, int pointGest, int ritfc);
  // Caption suffix of a board model: " : Pilto" ... " : Dravo-1"; empty above 3.
  static QString modelSuffix(int model);
  // Status text of a board state character, as the main cycle shows it.
  static QString stateText(QChar state);

  // Parsers of the board's replies (the reply with its final CR).
  static rcStateMachine parseStatus(const QByteArray& reply);
  static rcRichiestaTotali parseTotals(const QByteArray& reply);
  static int modelFromReply(const QByteArray& reply);
  // Whether a reply has its layout. A status needs its 14 characters and a known state;
  // totals need 15 fields of 8 characters, each blanks then digits (no sign); a model
  // reply above '0' needs a digit second. A reply that fails is not used.
  static bool validStatus(const QByteArray& reply);
  static bool validTotals(const QByteArray& reply);
  static bool validModel(const QByteArray& reply);
  // The last request failed because its reply arrived without its layout (as opposed to
  // no reply at all).
  bool lastReplyBad() const { return lastReplyBad_; }
  static rcTestCelle parseFour(const QByteArray& reply);
  static void parseTareTable(const QByteArray& reply, const QByteArray& payload, rcTestTaraTazza& table);

  // The quality alarm, carried by every status request ("A1" while set).
  bool qualityAlarm = false;

  // The streaming service tests. A start sends its command and, when the board took it,
  // starts the test's reader on the line with what came after the command's echo or reply;
  // a start while a reader runs is refused. While a reader runs, the link refuses every
  // other exchange; a stop ends the reader (nobody reads the line after it) and sends ESC.
  // A start the board did not take sounds the beep and still sends ESC: the board may
  // already stream.
  bool StartTrace(const QByteArray& payload);
  std::optional<rcTracciaGrafica> NextTrace();
  QByteArray lastTraceFrame() const;
  bool StopTrace();
  bool StartEmptyCupTest(const QByteArray& payload);
  std::optional<rcCOntrolloTazzeVuote> NextEmptyCup();
  bool StopEmptyCupTest() { return stopReader('N'); }
  bool StartLineCalibration(const QByteArray& payload);
  std::optional<rcCalibrazioneLinee> NextCalibration();
  bool StopLineCalibration() { return stopReader('P'); }
  bool StartMemorisedTest(int timeoutUnits);
  rcTestMemorizzato GetMemorised(int line) const;
  bool StopMemorisedTest() { return stopReader('S'); }
  bool StartEncoderTest(int timeoutUnits);
  rcTestEncoder GetEncoder() const;
  bool StopEncoderTest() { return stopReader('T'); }
  // The letter of the test whose reader runs; 0 when none.
  char streaming() const { return readerLetter_; }
  StreamReader* reader() const { return reader_.get(); }

 private:
  bool startReader(char letter, std::unique_ptr<StreamReader> reader, bool accepted);
  bool stopReader(char letter);
  template <typename R>
  R* readerOf(char letter) const {
    return readerLetter_ == letter ? static_cast<R*>(reader_.get()) : nullptr;
  }
  std::unique_ptr<StreamReader> reader_;
  char readerLetter_ = 0;
  bool stopping_ = false;  // the stop's ESC is the one line sent while a reader runs
  // Bytes that came after a command's echo or reply in the same read (the first frame of
  // a stream), for the reader the command starts.
  QByteArray leftover_;

  // One request: send with per-character echo, pause, collect. A failed send beeps unless
  // told not to; a missing reply always beeps.
  std::optional<QByteArray> request(const QByteArray& line, int timeoutUnits, bool beepOnSendFailure);
  bool waitEcho(char expected, qint64 deadlineUs);
  bool waitWholeLine(const QByteArray& line, qint64 deadlineUs);
  qint64 deadline(int units) const;
  qint64 remaining(qint64 deadlineUs) const;
  bool writeByte(char c);
  // After every exchange: a device that failed under the link is closed and logged once.
  void checkLine();
  // Before a status request: a link that should be open and is not tries to open again.
  void reopenIfLost();
  bool openPort();
  // Whether the reply to `request` has its layout; one without is logged, once a run of
  // bad replies, and marks the request as failed for lastReplyBad().
  bool hasLayout(const QByteArray& request, const QByteArray& reply, bool (*valid)(const QByteArray&));
  bool requestTotals(char letter, const QByteArray& code, int timeoutUnits, rcRichiestaTotali& into);
  void log(const QString& message);

  std::unique_ptr<cPort> port_;
  Clock& clock_;
  ModalUi& ui_;
  rcStateMachine status_;
  rcTestCelle cells_;
  std::unique_ptr<rcTestTaraTazza> tareTable_;
  rcRichiestaTotali totals_;
  rcRichiestaTotali memorisedTotals_;
  QByteArray identityReply_;
  QByteArray modelReply_;
  int encoderDirection_ = 0;
  EventLog* log_ = nullptr;
  QString traceLog_;
  bool wanted_ = false;        // opened by the station and not closed by it
  bool openFailureLogged_ = false;
  bool lastReplyBad_ = false;
  bool badReplyLogged_ = false;
};
