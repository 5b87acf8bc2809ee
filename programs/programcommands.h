#pragma once

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

  // `currentProgram` is the number the board reports and `lastBoardState` its last state,
  // both read as they are when the editor closes (the main cycle goes on meanwhile).
  void Modifica1Click(const int& currentProgram, const int& lastBoardState);
  void Nuovo1Click();
  void Cancella1Click(int currentProgram);
  void Controldbase1Click();

 private:
  Programs& programs_;
  TNewProgram& editor_;
  TListaProgrammi& list_;
  ModalUi& ui_;
};
