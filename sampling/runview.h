#pragma once

#include <QString>
#include <Qt>

// What the sampling run shows and switches on the main window, by the controls' names.
// The main window implements it; controls that a later part of the station adds (the tare
// table entry, the service menu) are switched as soon as they exist.
class RunView {
 public:
  virtual ~RunView() = default;
  virtual void setText(const QString& control, const QString& text) = 0;
  virtual void setVisible(const QString& control, bool visible) = 0;
  // Menus and menu entries.
  virtual void setEnabled(const QString& control, bool enabled) = 0;
  virtual void setPanel(int panel, const QString& text, Qt::Alignment alignment) = 0;
  virtual void setPanelAlignment(int panel, Qt::Alignment alignment) = 0;
  virtual void setCaption(const QString& caption) = 0;
  // A busy cursor while the station waits for the board.
  virtual void setBusy(bool busy) = 0;
};
