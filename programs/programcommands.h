#pragma once

#include <functional>

#include "programs/programeditormodel.h"

class ModalUi;
class Programs;
class TListaProgrammi;
class TNewProgram;

// The commands of the menu "Programmi": edit, new, delete and the removal of a program
// stored under a blank code. Every command that acts on a stored program lets the
// operator pick it in the program list window.
class ProgramCommands {
 public:
  ProgramCommands(Programs& programs, TNewProgram& editor, TListaProgrammi& list, ModalUi& ui);

  // The board's current program as it is now (the main cycle goes on while the windows
  // are open), and what to do when the operator stored an edit of the program the board
  // runs: the station hands it to the board's worker.
  std::function<int()> currentProgram = [] { return 0; };
  std::function<void(int, const ProgramEditorModel&)> onCurrentProgramEdited;

  void Modifica1Click();
  void Nuovo1Click();
  void Cancella1Click(int currentProgram);
  void Controldbase1Click();

 private:
  Programs& programs_;
  TNewProgram& editor_;
  TListaProgrammi& list_;
  ModalUi& ui_;
};
