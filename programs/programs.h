#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <array>
#include <functional>

#include "programs/programbuffer.h"
#include "programs/programeditormodel.h"
#include "programs/tlistaprogrammi.h"

class cSelvik;
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
  // No program: empty class labels, every total and percentage "0", running totals zero.
  virtual void showNoProgram() = 0;
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
  Programs(TDataModule1& data, TNewProgram& editor, TListaProgrammi& list, const MachineConfig& config,
           ModalUi& ui);

  ProgramBuffer buffer;
  ProgramTransfer transfer;
  // What the program editor shows and edits; the editor window is bound to it.
  ProgramEditorModel editing;

  // A program as the editor shows it with weight multiplier m.
  static ProgramEditorModel editorModelOf(const ProgramBuffer& program, int m);

  void setDisplay(ProgramDisplay* display) { display_ = display; }
  // Further users of the program list (the lot editor's program choice).
  std::function<void(const QList<ProgramEntry>&)> onProgramListChanged;

  bool LoadProgram(const QString& code);
  // Loads the program into the buffer and the editor's model, and shows it in the editor.
  void ShowProgramInEditor(const QString& code);
  // Returns whether the program was stored; errors are reported to the operator.
  bool StoreProgram(const QString& code);
  void ClearEditor();
  void RefreshProgramList();
  const QList<ProgramEntry>& programList() const { return list_; }
  void ShowCurrentProgram(int currentProgram);
  // Removes the row with that code, if there is one.
  void DeleteProgram(const QString& code);

  // Builds the 52 lines of program n from a program as the editor shows it.
  void PrepareProgramLines(int programNumber, const ProgramEditorModel& program);
  // The same from what the editor holds.
  void PrepareProgramLines(int programNumber) { PrepareProgramLines(programNumber, editing); }
  // Loads program n, prepares its lines and, when the board's last state is above '0',
  // starts the transfer. The editor and what it holds are not touched.
  void LoadProgramForBoard(int n, int lastBoardState);

 private:
  QString weightValue(const ProgramEditorModel& program, int b, int q) const;

  TDataModule1& data_;
  TNewProgram& editor_;
  TListaProgrammi& listWindow_;
  const MachineConfig& config_;
  ModalUi& ui_;
  ProgramDisplay* display_ = nullptr;
  QList<ProgramEntry> list_;
};
