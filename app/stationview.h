#pragma once

#include <QImage>
#include <QString>

#include "programs/programs.h"
#include "sampling/runview.h"

// Everything the station object shows: the sampling run's controls and panels, the
// current program, and the few steps of the show sequence that touch the main window
// itself. The main window implements it; tests may implement it without a screen.
class StationView : public RunView, public ProgramDisplay {
 public:
  // The caption as the window was first shown.
  virtual QString caption() const = 0;
  // Every class, quality and grand total and percentage emptied.
  virtual void clearTotalsDisplays() = 0;
  // "gr" or "Kg" after every total.
  virtual void setUnitCaptions(bool grams) = 0;
  // The customer logo; a null image empties its place.
  virtual void showCustomerLogo(const QImage& logo) = 0;
  // The keyboard focus on the lot number field.
  virtual void focusLotNumber() = 0;
  // The station asks to be closed once the command or tick under way has finished.
  virtual void closeWhenIdle() = 0;
  // The command the board's worker is carrying out; empty when none.
  virtual void showCommand(const QString& text) = 0;
  // The barcode queue (Memo1) and the quality alarm's picture (Image2).
  virtual void showBarcodes(const QStringList& lines) = 0;
  virtual void showAlarmPicture(const QImage& picture) = 0;
  // The check mark of a menu entry (the languages).
  virtual void setChecked(const QString& control, bool checked) = 0;
  // Every caption of the windows in the language now in force (a switch is posted to the
  // windows as an event; the station needs them switched before it goes on).
  virtual void retranslate() = 0;
};
