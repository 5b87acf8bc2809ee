#pragma once

#include <QDialog>
#include <QList>
#include <array>

#include "reject/clKestin.h"

class QCheckBox;
class QLabel;

// The reject unit's error map "Err_map": a check box for each error code the map knows,
// ticked when the unit has reported it since the station started; codes the map does not
// know are listed below as unknown.
class TErr_map : public QDialog {
  Q_OBJECT

 public:
  struct Known {
    int code;
    const char* box;
    const char* text;
  };
  static const QList<Known>& known();

  explicit TErr_map(QWidget* parent = nullptr);
  void showErrors(const std::array<bool, kestin::kErrorCodes>& errors);

  QCheckBox* box(int code) const;
  QLabel* Unknown = nullptr;

 private:
  QList<QCheckBox*> boxes_;
};
