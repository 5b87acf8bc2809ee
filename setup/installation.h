#pragma once

#include <QDialog>
#include <QList>
#include <QString>
#include <array>
#include <functional>
#include <variant>

#include "config/machineconfig.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QToolButton;

// What the installation dialog shows and the installer types, apart from the widgets.
struct InstallationForm {
  enum Port { Board, Barcode, Reject };
  std::array<int, 3> ports{};  // port numbers; 0: none ("non abilitata")
  int lines = 1;               // 1 to 4
  int exits = 1;               // 1 to 30
  // 0 "variabile", 1 "100%", 2 "60% /3 Passi", 3 "100% /3 Passi"; -1 none chosen.
  int magnetChoice = -1;
  bool rotRight = false;
  QString durataMagn, faseZero, apertura, rittara, numTazze, distfc, pgest, ritfc;
  std::array<QString, 4> ini, fin, kappa;
  std::array<int, 4> quality{};  // 0 to 4: quality 1 to 5
  int tareIndex = 0;             // 0 per line, 1 per cup, 2 to 7 incremental of 1 to 6 g
  std::array<QString, 30> dist;
};

namespace installation {

constexpr int kMaxCups = 999;  // the board's configuration line holds three digits

// The form filled from the configuration and the magnet option. With no "/3 Passi"
// entries (a board of model 0 or 1) the option is not offered. A `tipoatt` other than 1
// or 2 keeps the choice shown before (`previous`).
InstallationForm fill(const MachineConfig& c, bool magnetOption, bool threePasses, int previous);

// The form taken into a copy of the configuration, every field checked first: the
// configuration and the magnet option, or the message naming the first wrong field.
struct Taken {
  MachineConfig config;
  bool magnetOption = false;
};
std::variant<Taken, QString> take(const InstallationForm& f, const MachineConfig& base, bool magnetOption);

// The entries of a port list: none, then the ports present, plus every stored port whose
// device is missing, so the list always shows what is stored.
QList<int> portEntries(const QList<int>& present, const std::array<int, 3>& stored);

}  // namespace installation

// "Installazione": everything that describes the machine.
class TInstallazione : public QDialog {
  Q_OBJECT

 public:
  explicit TInstallazione(QWidget* parent = nullptr);
  // Shows the form; the port lists hold `ports` (0 first), and the magnet list the two
  // "/3 Passi" entries when `threePasses`.
  void showForm(const InstallationForm& f, const QList<int>& ports, bool threePasses);
  InstallationForm form() const;
  // The direction's picture, built into the program.
  static QPixmap encoderPicture(bool right);

  std::function<bool()> SaveClick;     // "Salva": whether the dialog may close with OK
  std::function<void()> PrintClick;    // "Stampa"; the button is hidden without it

  std::array<QComboBox*, 3> ComSel{};  // ComSel1 board, ComSel2 barcode, ComSel3 reject
  QComboBox* LineeSel1 = nullptr;
  QComboBox* UsciteSel2 = nullptr;
  QComboBox* TipoAttivMagn1 = nullptr;
  QLineEdit* DurataMagn = nullptr;
  QToolButton* SpeedButton1 = nullptr;
  QLineEdit* FaseZero = nullptr;
  QLineEdit* Apertura = nullptr;
  std::array<QLineEdit*, 4> Ini{}, Fin{}, Kappa{};
  std::array<QComboBox*, 4> Comboq{};  // comboq1, Comboq2..Comboq4
  QLineEdit* rittara = nullptr;
  QComboBox* tiptara = nullptr;
  QLineEdit* NumTazze1 = nullptr;
  QLineEdit* distfc = nullptr;
  QLineEdit* pgest = nullptr;
  QLineEdit* ritfc = nullptr;
  std::array<QLineEdit*, 30> Dist{};
  QPushButton* Button1 = nullptr;  // Salva
  QPushButton* Button2 = nullptr;  // Stampa

 protected:
  void showEvent(QShowEvent* e) override;

 private:
  void showDirection();
  bool rotRight_ = false;
};

// "Password Accesso Servizio".
class Tpasswd : public QDialog {
  Q_OBJECT

 public:
  explicit Tpasswd(QWidget* parent = nullptr);
  QLineEdit* passwd = nullptr;
  QPushButton* Entra = nullptr;
};

// What the program-parameter dialog shows and the operator sets.
struct ProgramParametersForm {
  bool finePartita = false, archiviazione = false, stampaBolla = false, txRemoto = false, stpGrammi = false;
  bool archiviazioneEnabled = true;
  bool grams = true;  // `TotaliSmb1`: "grammi" or "Kilogrammi"
  int copies = 1;     // 1 to 9
  int autorefresh = 0;
  std::array<int, 4> limits{};  // qualities 2 to 5, 0 to 59
  QString direxp;
};

namespace programparameters {
ProgramParametersForm fill(const MachineConfig& c, bool resuming);
// The form into the configuration (not the auto-refresh value, which the spinner sets at
// once and the store never holds).
void take(const ProgramParametersForm& f, MachineConfig& c);
// The folder of a file chosen in "Sfoglia..", without a separator at the end.
QString folderOf(const QString& chosenFile);
}  // namespace programparameters

// "Parametri  Programma": the station's own options.
class TParProg : public QDialog {
  Q_OBJECT

 public:
  explicit TParProg(QWidget* parent = nullptr);
  void showForm(const ProgramParametersForm& f);
  ProgramParametersForm form() const;

  std::function<void(int)> onAutoRefresh;  // the spinner's position, at once
  std::function<void()> BrowseClick;       // "Sfoglia.."

  QCheckBox* Archiviazione = nullptr;
  QCheckBox* StpGrammi = nullptr;
  QCheckBox* TxRemoto = nullptr;
  QCheckBox* StampaBolla = nullptr;
  QCheckBox* FinePartita = nullptr;
  QComboBox* TotaliSmb1 = nullptr;
  QLabel* TotaliLabel = nullptr;
  QComboBox* NumCopie = nullptr;
  QLineEdit* Delay_refresh = nullptr;
  QSpinBox* UpDown1 = nullptr;
  std::array<QLineEdit*, 4> limpesoq{};  // limpesoq2..limpesoq4, Edit1
  std::array<QSpinBox*, 4> UpDownQ{};    // UpDownQ2..UpDownQ5
  QLineEdit* direxp = nullptr;
  QPushButton* BitBtn1 = nullptr;  // Sfoglia..
  QPushButton* Button1 = nullptr;  // Salva
};
