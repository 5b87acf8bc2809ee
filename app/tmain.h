#pragma once

#include <QHash>
#include <QMainWindow>
#include <array>
#include <memory>

#include "app/station.h"
#include "app/stationview.h"
#include "base/machine.h"

class QAction;
class QLabel;
class QLineEdit;
class QTabWidget;
class QTimer;
class MainCycle;
class RunCommands;
class TListaProgrammi;
class TNewProgram;
class TNewBolla;
class TListaBolla;
class TModDati;
class TListaProduttori;
class TProduttori;
class TImpCosti;
class TImpAzienda;
class TRicercaBolle;
class TPeriodoStampa;
class Texpfiltdata;
class TErr_map;
class TCalibrazione_Linee;
class TTestCelle;
class TTestMem;
class TTestEncoder;
class TTestMagneti;
class TTestTazzeVuote;
class Ttabtara;
class TrasfView;
class TTestOscilloscopio;
class TInstallazione;
class Tpasswd;
class TParProg;

// The main window of the station: the class grid of the four qualities, the quality
// totals, the lot entry fields, the barcode list, the logo and the status bar. It shows
// what the station object tells it and hands the operator's commands to it.
class TMain : public QMainWindow, public StationView {
  Q_OBJECT

 public:
  static constexpr int kQualities = machine::kQualities;
  static constexpr int kClasses = machine::kClasses;
  static constexpr int kStatusPanels = 5;
  static constexpr int kUnitCaptions = 66;

  explicit TMain(StationEnvironment& env, QWidget* parent = nullptr);
  ~TMain() override;

  // The show sequence; runs once, when the window is first shown.
  void FormShow() { station_->FormShow(); }
  // The close sequence; runs when the window closes.
  void FormClose() { station_->FormClose(); }
  void ApplyConfiguration() { station_->ApplyConfiguration(); }

  // Menu "Programmi".
  void Modifica1Click() { station_->Modifica1Click(); }
  void Nuovo1Click() { station_->Nuovo1Click(); }
  void Cancella1Click() { station_->Cancella1Click(); }
  void Controldbase1Click() { station_->Controldbase1Click(); }
  void SalvasuFloppy1Click() { station_->SalvasuFloppy1Click(); }
  void RipristinadaFloppy1Click() { station_->RipristinadaFloppy1Click(); }

  // Menu "Lavorazione" and the function keys.
  void FormKeyDown(int key) { station_->FormKeyDown(key); }

  // What the sampling run shows.
  void setText(const QString& control, const QString& text) override;
  void setVisible(const QString& control, bool visible) override;
  using QMainWindow::setVisible;
  void setEnabled(const QString& control, bool enabled) override;
  using QMainWindow::setEnabled;
  void setPanel(int panel, const QString& text, Qt::Alignment alignment) override;
  void setPanelAlignment(int panel, Qt::Alignment alignment) override;
  void setCaption(const QString& caption) override;
  void setChecked(const QString& control, bool checked) override;
  void retranslate() override;
  void setBusy(bool busy) override;

  // Where the current program is shown.
  void showProgramDescription(const QString& description) override;
  void showClass(int c, int q, const QString& name, const QString& range) override;
  void showNoProgram() override;
  void showMissingProgram(int n, const QString& text) override;

  // The steps of the show sequence that touch the window itself.
  QString caption() const override { return windowTitle(); }
  void clearTotalsDisplays() override;
  void setUnitCaptions(bool grams) override;
  void showCustomerLogo(const QImage& logo) override;
  void focusLotNumber() override;
  void closeWhenIdle() override;
  void showCommand(const QString& text) override;
  void showBarcodes(const QStringList& lines) override;
  void showAlarmPicture(const QImage& picture) override;
  QString commandText() const;

  Station& station() { return *station_; }
  // The board side (tests step it inline).
  MainCycle& mainCycle() { return station_->mainCycle(); }
  RunCommands& runCommands() { return station_->runCommands(); }
  RunningTotals& totals() { return station_->totals(); }
  Programs& programs() { return station_->programs(); }

  cSelvik* link() { return station_->link(); }
  QStringList portSelectorItems() const { return station_->portSelectorItems(); }
  Configuration& configuration() { return station_->configuration(); }
  RunState& runState() { return station_->runState(); }
  const StationEnvironment& environment() const { return station_->environment(); }
  TNewProgram& programEditor() { return *newProgram_; }
  TListaProgrammi& programList() { return *listaProgrammi_; }
  TNewBolla& lotEditor() { return *newBolla_; }
  TListaBolla& lotList() { return *listaBolla_; }
  TModDati& lotDataWindow() { return *modDati_; }
  TListaProduttori& producerList() { return *listaProduttori_; }
  TProduttori& producerWindow() { return *produttori_; }
  TImpCosti& costsWindow() { return *impCosti_; }
  TImpAzienda& companyWindow() { return *impAzienda_; }
  TRicercaBolle& archiveSearch() { return *ricercaBolle_; }
  TPeriodoStampa& printPeriod() { return *periodoStampa_; }
  Texpfiltdata& exportRangeWindow() { return *expfiltdata_; }
  TErr_map& errorMap() { return *errMap_; }
  TCalibrazione_Linee& calibrationWindow() { return *calibrazione_; }
  TTestCelle& cellsWindow() { return *testCelle_; }
  TTestMem& memorisedWindow() { return *testMem_; }
  TTestEncoder& encoderWindow() { return *testEncoder_; }
  TTestMagneti& magnetsWindow() { return *testMagneti_; }
  TTestTazzeVuote& emptyCupsWindow() { return *testTazzeVuote_; }
  Ttabtara& tareTableWindow() { return *tabTara_; }
  TrasfView& transferWindow() { return *trasfView_; }
  TTestOscilloscopio& oscilloscopeWindow() { return *oscilloscopio_; }
  TInstallazione& installationWindow() { return *installazione_; }
  Tpasswd& passwordWindow() { return *passwd_; }
  TParProg& parametersWindow() { return *parProg_; }
  QTimer* timer1() { return timer1_; }

  // A control of the main window itself (its grid, side panel, status bar and menus),
  // never one of the windows it owns, which reuse some of its names.
  template <typename T>
  T* own(const QString& name) const {
    for (QWidget* part : ownParts()) {
      if (part->objectName() == name)
        if (T* self = qobject_cast<T*>(part)) return self;
      if (T* found = part->findChild<T*>(name)) return found;
    }
    return nullptr;
  }

  // Status bar panels 0 to 4.
  void setPanelText(int panel, const QString& text, Qt::Alignment alignment = Qt::AlignLeft);
  QString panelText(int panel) const;

 protected:
  void showEvent(QShowEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void buildMenus();
  QWidget* buildClassTabs();
  QWidget* buildQualityTotals();
  QWidget* buildSidePanel();
  void buildStatusBar();
  QWidget* control(const QString& name) const;
  QList<QWidget*> ownParts() const;

  StationEnvironment& env_;
  // The windows the station's commands show; created once, before the station.
  std::unique_ptr<TNewProgram> newProgram_;
  std::unique_ptr<TListaProgrammi> listaProgrammi_;
  std::unique_ptr<TNewBolla> newBolla_;
  std::unique_ptr<TListaBolla> listaBolla_;
  std::unique_ptr<TModDati> modDati_;
  std::unique_ptr<TListaProduttori> listaProduttori_;
  std::unique_ptr<TProduttori> produttori_;
  std::unique_ptr<TImpCosti> impCosti_;
  std::unique_ptr<TImpAzienda> impAzienda_;
  std::unique_ptr<TRicercaBolle> ricercaBolle_;
  std::unique_ptr<TPeriodoStampa> periodoStampa_;
  std::unique_ptr<Texpfiltdata> expfiltdata_;
  std::unique_ptr<TErr_map> errMap_;
  std::unique_ptr<TCalibrazione_Linee> calibrazione_;
  std::unique_ptr<TTestCelle> testCelle_;
  std::unique_ptr<TTestMem> testMem_;
  std::unique_ptr<TTestEncoder> testEncoder_;
  std::unique_ptr<TTestMagneti> testMagneti_;
  std::unique_ptr<TTestTazzeVuote> testTazzeVuote_;
  std::unique_ptr<Ttabtara> tabTara_;
  std::unique_ptr<TrasfView> trasfView_;
  std::unique_ptr<TTestOscilloscopio> oscilloscopio_;
  std::unique_ptr<TInstallazione> installazione_;
  std::unique_ptr<Tpasswd> passwd_;
  std::unique_ptr<TParProg> parProg_;
  class Retranslator* retranslator_ = nullptr;
  std::unique_ptr<Station> station_;
  QTimer* timer1_ = nullptr;
  int busy_ = 0;
  QHash<QString, QWidget*> controls_;
  bool shown_ = false;

  QTabWidget* qualityTabs_ = nullptr;
  std::array<QLabel*, kStatusPanels> panels_{};
  QLabel* command_ = nullptr;
  QList<QLabel*> unitCaptions_;
  QLineEdit* numBolla_ = nullptr;
  QLineEdit* totPartita_ = nullptr;
  QLabel* image1_ = nullptr;
};
