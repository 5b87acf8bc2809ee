#pragma once

#include <QDialog>
#include <QString>
#include <array>
#include <functional>
#include <optional>

#include "link/testreaders.h"

class QLabel;
class QLineEdit;
class QPushButton;

// What the line calibration shows and the technician types, as texts.
struct CalibrationModel {
  QString pesoCamp = QStringLiteral("200");
  std::array<QString, 4> kappa, npass, peso;
  bool running = false;
};

// The line calibration's rules: the sample weight per line, the coefficient string, the
// corrections, and what a calibration pass of the board changes.
namespace calibration {

constexpr int kMinWeight = 150;
constexpr int kMaxWeight = 999;

// The per-line weight of the sample typed (divided by the weight multiplier when it is 2
// or more; `shown` then becomes the weight the machine really weighs); nothing when the
// text is no number.
struct SampleWeight {
  int perLine;
  QString shown;
};
std::optional<SampleWeight> sampleWeight(const QString& typed, int xmoltiply);

// The four coefficients right-aligned in 4 characters, blanks as "0": 0985100010100995.
QString coefficientString(const std::array<QString, 4>& kappa);
// A coefficient the station stores and sends: a whole number of 1 to 9999.
std::optional<int> validCoefficient(const QString& text);

// The correction buttons: +50 and +20 below 1100, -20 and -50 above 700, each coefficient
// on its own; a text that is no number counts as 0.
enum class Correction { Plus5, Plus1, Minus1, Minus5 };
void correct(std::array<QString, 4>& kappa, Correction c);

// One pass of the board: passes, weight (times the multiplier when it is 2 or more) and
// coefficient of its line; a line outside 1 to 4 changes nothing.
void apply(CalibrationModel& m, const rcCalibrazioneLinee& pass, int xmoltiply);

}  // namespace calibration

// The dialog "Calibrazione Linee".
class TCalibrazione_Linee : public QDialog {
  Q_OBJECT

 public:
  explicit TCalibrazione_Linee(QWidget* parent = nullptr);
  void bind(CalibrationModel& model) { model_ = &model; }
  CalibrationModel& model() { return *model_; }
  void showModel();

  std::function<void()> onStart;  // "Inizia"
  std::function<void()> onStop;   // "Fine", and any close
  std::function<bool()> saveAction;

  QLineEdit* PesoCamp = nullptr;
  QPushButton* Button1 = nullptr;  // Inizia
  QPushButton* Button2 = nullptr;  // Fine
  QPushButton* Button3 = nullptr;  // Salva
  QLabel* Animate1 = nullptr;
  std::array<QLineEdit*, 4> Kappa{};
  std::array<QLabel*, 4> NPass{};
  std::array<QLabel*, 4> Peso{};
  std::array<QPushButton*, 4> BitBtn{};

 protected:
  void done(int result) override;

 private:
  CalibrationModel own_;
  CalibrationModel* model_ = &own_;
};
