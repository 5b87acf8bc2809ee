#pragma once

#include <QDialog>
#include <QString>
#include <array>
#include <functional>
#include <optional>

#include "config/sidefiles.h"
#include "sampling/runstate.h"

class QLabel;
class QLineEdit;

// The crew costs: three categories of personnel, each with a number of persons and an
// hourly cost per person, held in lire and shown in EUR at the fixed rate.
namespace crew {

constexpr double kLirePerEur = RunState::kLirePerEur;
constexpr int kCategories = 3;
constexpr int kMaxPersons = 99;       // two digits in the cost file
constexpr int kMaxLire = 999999;      // six digits in the cost file

// What the cost dialog shows, as texts.
struct CostModel {
  std::array<QString, kCategories> persons;
  std::array<QString, kCategories> lire;  // hourly cost per person
  std::array<QString, kCategories> eur;
  QString hourLire, hourEur;              // "Costo orario complessivo"
  QString minuteLire, minuteEur;          // "Costo / Minuto"
};

// What the station takes over: the cost per minute and the initial cost of the run, in
// whole lire.
struct Taken {
  qint64 costPerMinute = 0;
  qint64 initialCost = 0;
};

// The twin of a field the operator typed: EUR from lire (two decimals), lire from EUR
// (whole, rounded to nearest). A text that is no number changes nothing.
void lireTyped(CostModel& m, int category);
void eurTyped(CostModel& m, int category);
// The hourly and per-minute totals; a category whose persons are no whole number adds
// nothing, and costs that are no number count as 0.
void recompute(CostModel& m);
// Fills the model from the cost file: the EUR fields from the lire, then the totals.
void fromFile(CostModel& m, const sidefiles::Costs& costs);
Taken take(const CostModel& m);
// The cost file's fields; an error naming the field when a value does not fit its width.
std::optional<QString> toFile(const CostModel& m, sidefiles::Costs* costs);

// Lire as EUR with `decimals` decimals, the system's decimal separator.
QString eurText(double lire, int decimals);

}  // namespace crew

// The cost dialog "Impostazione Costi".
class TImpCosti : public QDialog {
  Q_OBJECT

 public:
  explicit TImpCosti(QWidget* parent = nullptr);
  void bind(crew::CostModel& model) { model_ = &model; }
  crew::CostModel& model() { return *model_; }
  void showModel();
  // What "Salva" runs; the window closes only when it succeeds.
  std::function<bool()> saveAction;

  std::array<QLineEdit*, crew::kCategories> NPers{};
  std::array<QLineEdit*, crew::kCategories> CostoL{};  // not visible
  std::array<QLineEdit*, crew::kCategories> CostoE{};
  QLineEdit* CostoCompL = nullptr;  // not visible
  QLineEdit* CostoCompE = nullptr;
  QLineEdit* CostoMinutoL = nullptr;  // not visible
  QLineEdit* CostoMinutoE = nullptr;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  crew::CostModel own_;
  crew::CostModel* model_ = &own_;
};

// The company header dialog "Impostazione Azienda": four lines of 24 characters.
class TImpAzienda : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kMaxCharacters = 96;
  explicit TImpAzienda(QWidget* parent = nullptr);
  // Fills the text with the header lines, the caret after the first character.
  void setLines(const QStringList& lines);
  // The first four lines of the text.
  QStringList lines() const;
  std::function<bool()> saveAction;
  class QPlainTextEdit* Memo1 = nullptr;
};
