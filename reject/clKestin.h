#pragma once

#include <QByteArray>
#include <QString>
#include <array>
#include <memory>
#include <optional>

class Clock;
class cPort;

// The reject unit's protocol: one capital letter and CR; a reply "---" and fixed fields
// when the command worked, "E" and a two-digit code when it did not.
namespace kestin {

constexpr int kErrorCodes = 100;

struct Reply {
  enum Kind { Ok, Error, Bad } kind = Bad;
  int errorCode = -1;  // Error: 0 to 99
  QByteArray body;     // Ok: the reply from its 4th character, without the CR
};
// A reply up to its CR, as the unit sent it.
Reply parse(const QByteArray& reply);

struct Status {
  int firstTimeMs = 0;   // the P reply's two times, in tenths of a second, times 100
  int secondTimeMs = 0;
  int active = 0;        // 0: the unit is not working
  int state = 0;         // 0 to 9
};
// The fields of a positive reply; nothing when one is missing or not made of digits.
std::optional<Status> status(const Reply& r);
std::optional<std::pair<qint64, qint64>> weightParts(const Reply& r);
std::optional<int> decimals(const Reply& r);
// (a + b) scaled by the decimals code: × 1000, × 100, × 10, × 1 for 0 to 3.
std::optional<qint64> weightGrams(qint64 a, qint64 b, int decimalsCode);

}  // namespace kestin

// The reject unit's line: commands written without echo, replies read up to their CR
// within the time-out, all waits through the clock (on the line's descriptor).
class cKestin {
 public:
  static constexpr int kBaud = 9600;
  static constexpr int kReplyTimeout = 1900;  // units of 0.864 ms: 1641.6 ms
  static constexpr int kPauseUnits = 10;      // 8.64 ms between the command and its reply

  cKestin(int portNumber, const QString& devicePath, Clock& clock);
  ~cKestin();

  bool Open();
  void Close();
  bool isOpen() const;
  QString lastError() const;

  // Each writes its command and reads the reply; false when the unit did not answer in
  // its layout (an error reply sets its code's flag).
  std::optional<int> CmdD();
  bool CmdV() { return simple('V'); }
  bool CmdZ() { return simple('Z'); }
  bool CmdM() { return simple('M'); }
  std::optional<std::pair<qint64, qint64>> CmdT();
  std::optional<kestin::Status> CmdP();

  void SetError(int code);
  const std::array<bool, kestin::kErrorCodes>& errors() const { return errors_; }
  // The last reply that was not in its layout, for the event log; cleared by a good one.
  QByteArray lastBadReply() const { return lastBad_; }

 private:
  bool simple(char command);
  std::optional<kestin::Reply> exchange(char command);

  std::unique_ptr<cPort> port_;
  Clock& clock_;
  std::array<bool, kestin::kErrorCodes> errors_{};
  QByteArray lastBad_;
  QByteArray lastReply_;
  // A positive reply whose fields are not in their layout is a bad reply too.
  template <typename T>
  T checked(T fields) {
    if (!fields) lastBad_ = lastReply_;
    return fields;
  }
};
