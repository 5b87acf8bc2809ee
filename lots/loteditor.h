#pragma once

#include <functional>
#include <optional>

#include "lots/loteditormodel.h"
#include "lots/lotrecord.h"

class LotArchive;
class ModalUi;
class Producers;
class Programs;
class TListaProduttori;
struct MachineConfig;

// The lot editor's logic: fills its model for a new or a stored lot, shows a program's
// classes, recomputes the totals and percentages (with the projection onto the lot
// quantity), takes the operator's corrections into the lot record and chooses the
// producer. It works on the model alone, so the end of lot can fill and store a lot with
// no window; the window, when there is one, is told to show the model again.
class LotEditor {
 public:
  LotEditor(LotRecord& record, LotEditorModel& model, Programs& programs, Producers& producers,
            const MachineConfig& config, ModalUi& ui);

  // The window shows the model again (set by the window's owner).
  std::function<void()> onChanged;
  // The producer list, for "Cambia"; none on the board's side.
  void setProducerList(TListaProduttori* list) { producerList_ = list; }
  // The program list, for a lot whose program is missing; none on the board's side.
  void setProgramList(TListaProgrammi* list) { programList_ = list; }

  // A new lot: the program list's first program, every total 0, the lot data empty.
  void prepareNewLot();
  // Loads stored lot n and fills the model; a lot whose program is no longer in the
  // archive lets the operator pick one. False when lot n does not exist.
  bool openLotInEditor(int n, LotArchive& archive);
  // Shows the class names and weight ranges of program n (empty when it is missing).
  void showProgram(int n);
  // Recomputes every shown total and percentage from the lot record.
  void refreshLotEditor();
  // Copies the operator's corrections of the totals into the lot record.
  void takeEdits();

  // The operator's actions.
  void programChosen(int index);
  void totalLeft();
  void corrClicked(bool ticked);
  void changeProducer();
  // Everything the editor holds, into the lot record, as the store takes it.
  const LotRecord& takeAll();

  // Note and bar code: at most 30 characters without line breaks; a longer text becomes
  // its first 30 characters on one line.
  static QString limitedNote(const QString& text);
  // A total typed in kilograms as whole grams (× 1000, rounded); nothing when not a number.
  static std::optional<qint64> kilogramsToGrams(const QString& text);

  bool inGrams() const;
  int multiplier() const;

 private:
  void changed();
  void fillLotData();

  LotRecord& record_;
  LotEditorModel& model_;
  Programs& programs_;
  Producers& producers_;
  const MachineConfig& config_;
  ModalUi& ui_;
  TListaProduttori* producerList_ = nullptr;
  TListaProgrammi* programList_ = nullptr;
};
