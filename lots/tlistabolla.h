#pragma once

#include "base/listwindow.h"

class QCheckBox;

// The lot list window "Lista Bolle": the stored lots, one entry each, with the check box
// "Partita" the print of a stored lot reads (and the hidden "Scarto").
class TListaBolla : public ListWindow {
  Q_OBJECT

 public:
  explicit TListaBolla(QWidget* parent = nullptr);
  QCheckBox* Partita = nullptr;
  QCheckBox* Scarto = nullptr;
  // The registration number of the chosen lot; 0 before a choice.
  int chosenLot() const { return chosenData().toInt(); }
};
