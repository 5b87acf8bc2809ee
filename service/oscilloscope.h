#pragma once

#include <QByteArray>
#include <QDialog>
#include <QDir>
#include <QString>
#include <array>
#include <functional>
#include <optional>
#include <vector>

#include "link/testreaders.h"

class QCheckBox;
class QChart;
class QChartView;
class QLabel;
class QLineEdit;
class QLineSeries;
class QPushButton;
class QSpinBox;
class QValueAxis;

// The oscilloscope's state: what survives closing the window (the hit counts) and what
// a capture needs (the line captured, its reading window, the phases, the last samples).
struct OscilloscopeModel {
  static constexpr int kSamples = 100;

  bool capturing = false;
  bool save = false;    // "Salva su File"
  int captureLine = 1;  // the line whose trace file the traces go to, fixed for a capture
  int windowStart = 20, windowEnd = 80;
  int openingPhase = 0;  // z0: zeroencoder when the window opened
  int phase = 0;         // p: the phase spinner's position
  std::array<int, kSamples> samples{};
  std::vector<int> hits;  // cups 1..numtazze
  int skipped = 0;        // traces whose cup was no number or no cup of the machine
  int shift() const { return phase - openingPhase; }
};

// The oscilloscope's rules, apart from the window.
namespace oscilloscope {

constexpr int kMinThreshold = 100;
constexpr int kMaxThreshold = 1000;
constexpr int kMaxPosition = 99;  // the board's reading windows are two-digit positions

// The two series of a drawing: green holds the samples inside the reading window (its
// borders included), red those outside it (borders included), 0 elsewhere.
struct Drawing {
  std::array<int, OscilloscopeModel::kSamples> green{}, red{};
};
// Position x shows sample k = shift + x - 1, brought back into 1..100.
Drawing draw(const std::array<int, OscilloscopeModel::kSamples>& samples, int shift, int start, int end);

// A sample as a number: leading blanks skipped, 0 when it is no number.
int sampleValue(const QString& received);
// The line typed in "Linea in esame" (1 to 4) and the threshold (100 to 1000).
std::optional<int> lineOf(const QString& text);
std::optional<int> thresholdOf(const QString& text);
// The threshold as shown: three digits with leading zeros ("1000" stays whole).
QString thresholdText(int threshold);
// What follows "O" in the start command: the line and the threshold, e.g. "1300".
QByteArray startPayload(int line, int threshold);
// A reading-window border typed in an edit; 1 when it is no number.
int borderOf(const QString& text);

// The Y range of "Zoom": from the minimum to the maximum plus a fifth of the span;
// a minimum that is no number counts as 0, a maximum that is no number as 1024.
struct Range {
  int low, high;
};
Range zoom(const QString& minimo, const QString& massimo);
constexpr Range kGlobal{0, 1024};

// The trace file of a line, and a trace's two lines in it.
QString fileName(int line);
QByteArray fileText(const rcTracciaGrafica& trace);
// Appends a trace to the file of its line in `dir`; the reason when it cannot.
std::optional<QString> appendTrace(const QDir& dir, int line, const rcTracciaGrafica& trace);

// The coverage: cups 1..numtazze hit at least once, over numtazze ("  37 /  100").
QString coverage(const std::vector<int>& hits, int numtazze);

// Takes a trace into the model: its cup counted (a cup that is no number, or is not a
// cup of the machine, is skipped and counted as such), its samples as numbers.
void take(OscilloscopeModel& m, const rcTracciaGrafica& trace);

}  // namespace oscilloscope

// "Funzione Oscilloscopio": the load-cell signal of one line, cup by cup.
class TTestOscilloscopio : public QDialog {
  Q_OBJECT

 public:
  explicit TTestOscilloscopio(QWidget* parent = nullptr);
  void bind(OscilloscopeModel& model) { model_ = &model; }
  OscilloscopeModel& model() { return *model_; }

  // Opening: the chart's Y axis at 0..1023, the capture button at "cattura".
  void FormShow();
  // The capture button's caption for the model's state.
  void showCapturing();
  // A trace just taken into the model: its fields, the coverage, the drawing.
  void showTrace(const rcTracciaGrafica& trace, int numtazze);
  // "Salva su File" as the model has it.
  void showSave();
  // Both series to 0.
  void clearChart();
  void DisegnaTraccia(int shift);
  void setYRange(oscilloscope::Range r);

  std::function<void()> CaptureClick;  // start or stop, on the board
  std::function<bool()> UpdateClick;   // "Aggiorna": whether the window may close with OK
  std::function<void()> onClose;       // any close while capturing

  QLineEdit* Linea = nullptr;
  QSpinBox* UpDown1 = nullptr;
  QLineEdit* Tazza = nullptr;
  QLineEdit* Minimo = nullptr;
  QLineEdit* Massimo = nullptr;
  QLineEdit* Limite = nullptr;
  QSpinBox* UpDown2 = nullptr;
  std::array<QLineEdit*, 4> Inizio{};  // inizio1, Inizio2..Inizio4
  std::array<QLineEdit*, 4> Fine{};
  QLineEdit* Fase = nullptr;
  QSpinBox* UpDown3 = nullptr;
  QPushButton* Update = nullptr;
  QCheckBox* saveflag = nullptr;
  QLineEdit* copertura = nullptr;
  QLabel* scartate = nullptr;
  QPushButton* Capture = nullptr;
  QPushButton* Button1 = nullptr;  // Zoom
  QPushButton* Button2 = nullptr;  // Globale
  QChartView* Chartfx1 = nullptr;
  QLineSeries* green = nullptr;
  QLineSeries* red = nullptr;
  QValueAxis* axisX = nullptr;
  QValueAxis* axisY = nullptr;

 protected:
  void done(int result) override;

 private:
  void UpDown1Click(int position);
  void UpDown2Click(int position);
  void UpDown3Click(int position);
  OscilloscopeModel own_;
  OscilloscopeModel* model_ = &own_;
};
