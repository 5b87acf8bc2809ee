#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QVariant>
#include <QVector>
#include <array>
#include <functional>
#include <optional>

#include "programs/programbuffer.h"
#include "programs/programeditormodel.h"
#include "programs/tlistaprogrammi.h"

class cSelvik;
class EventLog;
class ModalUi;
class TDataModule1;
class TNewProgram;
struct MachineConfig;

// Where the current program is shown: the main window implements it.
class ProgramDisplay {
 public:
  virtual ~ProgramDisplay() = default;
  // Status bar panel 0.
  virtual void showProgramDescription(const QString& description) = 0;
  virtual void showClass(int c, int q, const QString& name, const QString& range) = 0;
  // No program: empty class labels, every total and percentage "0" (the caller zeroes the
  // running totals).
  virtual void showNoProgram() = 0;
  // Program n is not in the archive: the text says so where the program's description
  // and classes are shown; no other program's data stays there.
  virtual void showMissingProgram(int n, const QString& text) = 0;
};

// The 52 lines that give the board a program (4 weight lines "F", 48 exit lines "G") and
// their stepwise sending, one line per call of the main cycle.
class ProgramTransfer {
 public:
  static constexpr int kEndProgress = 171;

  static constexpr int kLines = 52;

  bool running = false;
  int phase = 0;
  int step = 0;
  int progress = 0;
  int linesSent = 0;
  // The line the board did not take; the transfer stopped there and starts again from
  // the first line at the next load.
  QByteArray failedLine;

  // How far the transfer is, 0 to 100, counted in lines the board took.
  int percent() const { return linesSent * 100 / kLines; }

  // The payloads, built by Programs::PrepareProgramLines.
  std::array<QByteArray, 4> weightLines;
  std::array<std::array<QByteArray, 12>, 4> exitLines;

  void StartProgramTransfer();
  // One step; sends at most one line. A line the board does not take stops the transfer
  // (failedLine says which). Returns whether the transfer still runs.
  bool TransferStep(cSelvik& link);

 private:
  bool send(cSelvik& link, const QByteArray& letter, const QByteArray& payload);
};

// The grading programs: the program buffer and its storage in `programmi`, the editor's
// filling and reading, the program list, the current program on the main window, and the
// preparation of the board's program lines.
class Programs {
 public:
  // The window's side passes the editor and the program list; the board's side (the
  // worker's copy, with its own archive connection) passes none.
  Programs(TDataModule1& data, TNewProgram* editor, TListaProgrammi* list, const MachineConfig& config, ModalUi& ui);

  ProgramBuffer buffer;
  ProgramTransfer transfer;
  // What the program editor shows and edits; the editor window is bound to it.
  ProgramEditorModel editing;

  // A program as the editor shows it with weight multiplier m.
  static ProgramEditorModel editorModelOf(const ProgramBuffer& program, int m);

  void setDisplay(ProgramDisplay* display) { display_ = display; }
  void setEventLog(EventLog* log) { log_ = log; }
  // Further users of the program list (the lot editor's program choice).
  std::function<void(const QList<ProgramEntry>&)> onProgramListChanged;

  // Reads the program with that code into the buffer; false (and the buffer as it was)
  // when the archive does not hold it.
  bool LoadProgram(const QString& code);
  // Loads the program into the buffer and the editor's model, and shows it in the editor;
  // false, and the editor as it was, when the archive does not hold it.
  bool ShowProgramInEditor(const QString& code);
  // Edit: stores what the editor holds under the code, over the row the editor opened on
  // (a column another station changed meanwhile is refused with the conflict message).
  // New: never over a stored program; a code taken meanwhile gives the smallest free one
  // and the operator is told. Returns whether the program was stored; errors are reported.
  enum class StoreMode { Edit, New };
  bool StoreProgram(const QString& code, StoreMode mode = StoreMode::Edit);
  void ClearEditor();
  void RefreshProgramList();
  const QList<ProgramEntry>& programList() const { return list_; }
  // Shows the board's current program on the main window (never in the editor); false
  // when the archive does not hold it, which is then shown and logged.
  bool ShowCurrentProgram(int currentProgram);
  static QString missingText(int n);
  // What the operator is told when a program is not in the archive, or all codes are used.
  static QString notInArchiveMessage(const QString& code);
  static QString allCodesUsedMessage();
  // The code a new program goes under: `announced` when it is free, otherwise the smallest
  // free one; empty when all 99 are taken. Reads the list as RefreshProgramList left it.
  QString freeCode(int announced = 0) const;
  // Removes the row with that code, if there is one.
  void DeleteProgram(const QString& code);

  // Builds the 52 lines of program n from a program as the editor shows it. A weight that
  // is not a whole number of 0 to 999 board units, or an exit that is not two digits, on
  // a quality some line grades, refuses the program: the text says which program, class
  // and field, and the lines prepared before stay.
  std::optional<QString> PrepareProgramLines(int programNumber, const ProgramEditorModel& program);
  // The same from what the editor holds.
  std::optional<QString> PrepareProgramLines(int programNumber) { return PrepareProgramLines(programNumber, editing); }

  // Loads program n, prepares its lines and, when the board's last state is above '0',
  // starts the transfer. The editor and what it holds are not touched. A program the
  // archive does not hold, or one that does not fit the board, is not sent: the result
  // says why (the caller tells the operator when the command was theirs).
  struct BoardLoad {
    enum Result { Loaded, Missing, Refused } result;
    QString message;
  };
  BoardLoad LoadProgramForBoard(int n, int lastBoardState);

  // After the board's current program n was edited and stored: shows it, prepares its
  // lines from the editor and, with the board in a state above '0', starts the transfer.
  // A program that does not fit the board is not sent: the text says why.
  std::optional<QString> SendEditedProgram(int n, int lastBoardState, const ProgramEditorModel& edited);

 private:
  std::optional<int> weightValue(const ProgramEditorModel& program, int b, int q) const;
  bool loadRow(const QString& code, QVector<QVariant>* row);
  void log(const QString& message);

  TDataModule1& data_;
  TNewProgram* editor_;
  TListaProgrammi* listWindow_;
  const MachineConfig& config_;
  ModalUi& ui_;
  ProgramDisplay* display_ = nullptr;
  EventLog* log_ = nullptr;
  QList<ProgramEntry> list_;
  QString openedCode_;
  QVector<QVariant> openedRow_;
};
