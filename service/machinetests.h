#pragma once

#include <QDialog>
#include <QString>
#include <QStringList>
#include <array>
#include <functional>
#include <optional>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;
class QTableWidget;

// The rules of the machine tests' fields.
namespace machinetests {

// A weight as the board sends it, shown with the weight multiplier: unchanged below 2,
// otherwise times it with at least 4 digits ("0000" for a text that is no number; empty
// stays empty).
QString scaledWeight(const QString& received, int xmoltiply);
// A tare of the memorised-net test: times the multiplier when above 0, in 4 characters.
QString tareWeight(const QString& received, int xmoltiply);
// The limit the empty-cup test shows for a spinner position, and the one it sends.
QString emptyCupLimitShown(int position, int xmoltiply);
QByteArray emptyCupLimitSent(const QString& shown, int xmoltiply);
// An empty-cup value as shown: as received below 2, otherwise its sign and the scaled rest.
QString emptyCupValue(const QString& received, int xmoltiply);
// The commands of the magnet test when "Inizio" is pressed in a group (1 dynamic,
// 2 static) for an exit: U000 first when the group changes.
QList<QByteArray> magnetCommands(int& currentGroup, int group, int exit);
// The tare table's request for n cups: "001" and n in 3 digits; n capped at 512.
QByteArray tareTableRequest(int cups);
constexpr int kMaxCups = 512;

}  // namespace machinetests

// "Test Celle": the four load cells.
class TTestCelle : public QDialog {
  Q_OBJECT
 public:
  explicit TTestCelle(QWidget* parent = nullptr);
  std::array<QLineEdit*, 4> Cella{};
};

// "TEST NETTO MEMORIZZATO": cup, tare and net of each line.
class TTestMem : public QDialog {
  Q_OBJECT
 public:
  explicit TTestMem(QWidget* parent = nullptr);
  std::array<QLineEdit*, 4> Ntazza{}, Tara{}, Netto{};
};

// "Test Encoder": turns, value and the last five errors.
class TTestEncoder : public QDialog {
  Q_OBJECT
 public:
  explicit TTestEncoder(QWidget* parent = nullptr);
  QLineEdit* NGiro = nullptr;
  QLineEdit* Valore = nullptr;
  std::array<QLineEdit*, 5> Errore{};
};

// "Test Magneti": a dynamic and a static test of one exit.
class TTestMagneti : public QDialog {
  Q_OBJECT
 public:
  explicit TTestMagneti(QWidget* parent = nullptr);
  QLineEdit* UscitaDin = nullptr;
  QSpinBox* UpDown1 = nullptr;
  QPushButton* Button1 = nullptr;
  QLineEdit* UscitaStat = nullptr;
  QSpinBox* UpDown2 = nullptr;
  QPushButton* Button2 = nullptr;
  // "Inizio" of a group (1 dynamic, 2 static) with the group's exit.
  std::function<void(int group, int exit)> onStart;
};

// "Test Tazze Vuote": the cups whose empty weight strays beyond the limit.
class TTestTazzeVuote : public QDialog {
  Q_OBJECT
 public:
  explicit TTestTazzeVuote(QWidget* parent = nullptr);
  std::array<QLineEdit*, 4> NTazza{}, Valore{};
  QLineEdit* LimiteGr = nullptr;
  QSpinBox* UpDown1 = nullptr;
  QPushButton* Button1 = nullptr;
  QPlainTextEdit* Memo1 = nullptr;
  std::function<void()> onStart;
  std::function<void(int)> onLimit;
};

// The transfer window: a small window without buttons that tells the operator the board
// is sending a long reply (the tare table) and the station is not stuck.
class TrasfView : public QDialog {
  Q_OBJECT
 public:
  explicit TrasfView(QWidget* parent = nullptr);
  QLabel* Label1 = nullptr;
};

// "TABELLA TARA": the tare of every cup on the four lines.
class Ttabtara : public QDialog {
  Q_OBJECT
 public:
  explicit Ttabtara(QWidget* parent = nullptr);
  QTableWidget* StringGrid1 = nullptr;
  QPushButton* Button1 = nullptr;
  std::function<void()> onRefresh;
  // Rows of cups 1 to n: the cup and its four tares ("----" until read).
  void prepare(int cups);
  void fill(const std::function<QString(int line, int cup)>& tare, int cups);
};
