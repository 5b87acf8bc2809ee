#pragma once

#include <QHash>
#include <QMainWindow>
#include <array>
#include <memory>

#include "app/station.h"
#include "link/cSelvik.h"
#include "programs/programcommands.h"
#include "programs/programs.h"
#include "programs/tlistaprogrammi.h"
#include "programs/tnewprogram.h"
#include "config/configuration.h"
#include "db/databaseacc.h"
#include "sampling/maincycle.h"
#include "sampling/runcommands.h"
#include "sampling/runningtotals.h"
#include "sampling/runstate.h"
#include "sampling/runview.h"

class QAction;
class QCheckBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QTabWidget;
class QTimer;
class ConfigBackup;

// The main window of the station and the composition root: it creates, once, everything
// that lives for the whole run and wires it together.
class TMain : public QMainWindow, public ProgramDisplay, public RunView {
  Q_OBJECT

 public:
  static constexpr int kQualities = 4;
  static constexpr int kClasses = 15;
  static constexpr int kStatusPanels = 5;
  static constexpr int kUnitCaptions = 66;

  explicit TMain(StationEnvironment& env, QWidget* parent = nullptr);
  ~TMain() override;

  // The show sequence; runs once, when the window is first shown.
  void FormShow();
  // The close sequence; runs when the window closes.
  void FormClose();

  // Loads the configuration, hands it to the windows that keep their own copies and, unless
  // the old board was chosen, appends the suffix to the configuration line.
  void ApplyConfiguration();

  // Menu "Programmi".
  void Modifica1Click();
  void Nuovo1Click();
  void Cancella1Click();
  void Controldbase1Click();

  // Menu "Lavorazione" and the function keys.
  void FormKeyDown(int key);

  // What the sampling run shows.
  void setText(const QString& control, const QString& text) override;
  void setVisible(const QString& control, bool visible) override;
  using QMainWindow::setVisible;
  void setEnabled(const QString& control, bool enabled) override;
  using QMainWindow::setEnabled;
  void setPanel(int panel, const QString& text, Qt::Alignment alignment) override;
  void setPanelAlignment(int panel, Qt::Alignment alignment) override;
  void setCaption(const QString& caption) override;
  void setBusy(bool busy) override;

  MainCycle& mainCycle() { return *mainCycle_; }
  RunCommands& runCommands() { return *runCommands_; }
  RunningTotals& totals() { return totals_; }
  QTimer* timer1() { return timer1_; }

  // Where the current program is shown.
  void showProgramDescription(const QString& description) override;
  void showClass(int c, int q, const QString& name, const QString& range) override;
  void showNoProgram() override;

  Programs& programs() { return *programs_; }
  TNewProgram& programEditor() { return *newProgram_; }
  TListaProgrammi& programList() { return *listaProgrammi_; }

  void SalvasuFloppy1Click();
  void RipristinadaFloppy1Click();

  // Status bar panels 0 to 4.
  void setPanelText(int panel, const QString& text, Qt::Alignment alignment = Qt::AlignLeft);
  QString panelText(int panel) const;

  // The data-access object of the archive.
  TDataModule1& data() { return *data_; }

  // The controller link; null when `porta_com` is 99 or more.
  cSelvik* link() { return link_.get(); }
  // The entries of the installation dialog's three port selectors: "non abilitata" and
  // the serial ports found at start-up.
  QStringList portSelectorItems() const { return portSelectorItems_; }

  Configuration& configuration() { return configuration_; }
  RunState& runState() { return state_; }
  const StationEnvironment& environment() const { return env_; }

 protected:
  void showEvent(QShowEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void buildMenus();
  QWidget* buildClassTabs();
  QWidget* buildQualityTotals();
  QWidget* buildSidePanel();
  void buildStatusBar();
  void clearTotalsDisplays();
  void setUnitCaptions(bool grams);
  void loadCustomerLogo();
  RunContext runContext();
  QWidget* control(const QString& name) const;

  StationEnvironment& env_;
  Configuration configuration_;
  RunState state_;
  std::unique_ptr<ConfigBackup> backup_;
  std::unique_ptr<TDataModule1> data_;
  std::unique_ptr<TNewProgram> newProgram_;
  std::unique_ptr<TListaProgrammi> listaProgrammi_;
  std::unique_ptr<Programs> programs_;
  std::unique_ptr<ProgramCommands> programCommands_;
  RunningTotals totals_;
  LotHeader lotHeader_;
  std::unique_ptr<RunCommands> runCommands_;
  std::unique_ptr<MainCycle> mainCycle_;
  QTimer* timer1_ = nullptr;
  bool inTick_ = false;
  int busy_ = 0;
  QHash<QString, QWidget*> controls_;
  std::unique_ptr<cSelvik> link_;
  QStringList portSelectorItems_;
  bool shown_ = false;
  bool closed_ = false;

  QTabWidget* qualityTabs_ = nullptr;
  std::array<QLabel*, kStatusPanels> panels_{};
  QList<QLabel*> unitCaptions_;
  QLabel* label55_ = nullptr;
  QLineEdit* tazzebad_ = nullptr;
  QLineEdit* numtazza_ = nullptr;
  QLineEdit* numBolla_ = nullptr;
  QLineEdit* totPartita_ = nullptr;
  QLabel* image1_ = nullptr;
  QLabel* production_ = nullptr;
  QLabel* lavorPrec_ = nullptr;
  QLabel* costo_ = nullptr;
};
