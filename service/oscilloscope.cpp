#include "service/oscilloscope.h"

#include <QCheckBox>
#include <QChart>
#include <QChartView>
#include <QFile>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QPushButton>
#include <QSpinBox>
#include <QValueAxis>
#include <QVBoxLayout>
#include <algorithm>

#include "base/text.h"

namespace oscilloscope {

Drawing draw(const std::array<int, OscilloscopeModel::kSamples>& samples, int shift, int start, int end) {
  constexpr int n = OscilloscopeModel::kSamples;
  Drawing d;
  for (int x = 1; x <= n; ++x) {
    int k = shift + x - 1;
    // One wrap each way is enough: the shift lies within -99..99.
    if (k > n) k -= n;
    if (k < 1) k += n;
    k = std::clamp(k, 1, n);
    const int v = samples[k - 1];
    d.green[x - 1] = start <= x && x <= end ? v : 0;
    d.red[x - 1] = start < x && x < end ? 0 : v;
  }
  return d;
}

int sampleValue(const QString& received) { return text::strictInt(received.trimmed()).value_or(0); }

std::optional<int> lineOf(const QString& text) {
  const auto v = text::strictInt(text.trimmed());
  if (!v || *v < 1 || *v > 4) return std::nullopt;
  return v;
}

std::optional<int> thresholdOf(const QString& text) {
  const auto v = text::strictInt(text.trimmed());
  if (!v || *v < kMinThreshold || *v > kMaxThreshold) return std::nullopt;
  return v;
}

QString thresholdText(int threshold) { return QString::number(threshold).rightJustified(3, QLatin1Char('0')); }

QByteArray startPayload(int line, int threshold) {
  return QByteArray::number(line) + thresholdText(threshold).toLatin1();
}

int borderOf(const QString& text) { return text::strictInt(text.trimmed()).value_or(1); }

Range zoom(const QString& minimo, const QString& massimo) {
  const int low = text::strictInt(minimo.trimmed()).value_or(0);
  const int high = text::strictInt(massimo.trimmed()).value_or(1024);
  return {low, high + (high - low) * 20 / 100};
}

QString fileName(int line) { return QStringLiteral("ondal%1.osc").arg(line); }

QByteArray fileText(const rcTracciaGrafica& trace) {
  QByteArray out = "T=" + trace.cup.toLatin1() + "\r\n";
  out.reserve(out.size() + 5 * OscilloscopeModel::kSamples + 2);
  for (int k = 0; k < OscilloscopeModel::kSamples; ++k) {
    if (k) out += ',';
    out += trace.samples[k].toLatin1();
  }
  return out + "\r\n";
}

std::optional<QString> appendTrace(const QDir& dir, int line, const rcTracciaGrafica& trace) {
  QFile f(dir.filePath(fileName(line)));
  if (!f.open(QIODevice::WriteOnly | QIODevice::Append)) return f.errorString();
  const QByteArray t = fileText(trace);
  if (f.write(t) != t.size() || !f.flush()) return f.errorString();
  return std::nullopt;
}

QString coverage(const std::vector<int>& hits, int numtazze) {
  const int cups = std::min<int>(std::max(numtazze, 0), static_cast<int>(hits.size()));
  int covered = 0;
  for (int c = 0; c < cups; ++c)
    if (hits[c] > 0) ++covered;
  return text::fixedRight(covered, 4) + QStringLiteral(" / ") + text::fixedRight(numtazze, 4);
}

void take(OscilloscopeModel& m, const rcTracciaGrafica& trace) {
  const auto cup = text::strictInt(trace.cup.trimmed());
  if (cup && *cup >= 1 && *cup <= static_cast<int>(m.hits.size())) ++m.hits[*cup - 1];
  else ++m.skipped;
  for (int k = 0; k < OscilloscopeModel::kSamples; ++k) m.samples[k] = sampleValue(trace.samples[k]);
}

}  // namespace oscilloscope

namespace {
QLineEdit* edit(const QString& name, QWidget* parent, bool readOnly) {
  auto* e = new QLineEdit(parent);
  e->setObjectName(name);
  e->setReadOnly(readOnly);
  if (readOnly) e->setFocusPolicy(Qt::NoFocus);
  e->setAlignment(Qt::AlignRight);
  e->setMaximumWidth(80);
  return e;
}
QSpinBox* spinner(const char* name, int low, int high, int value, QWidget* parent) {
  auto* s = new QSpinBox(parent);
  s->setObjectName(QString::fromLatin1(name));
  s->setRange(low, high);
  s->setValue(value);
  return s;
}
QPushButton* button(const char* name, const QString& caption, QWidget* parent) {
  auto* b = new QPushButton(caption, parent);
  b->setObjectName(QString::fromLatin1(name));
  b->setAutoDefault(false);
  return b;
}
}  // namespace

TTestOscilloscopio::TTestOscilloscopio(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("TestOscilloscopio"));
  setWindowTitle(tr("Funzione Oscilloscopio"));
  auto* columns = new QHBoxLayout(this);
  auto* side = new QVBoxLayout;
  columns->addLayout(side);

  auto* trace = new QGridLayout;
  trace->addWidget(new QLabel(tr("Linea in esame")), 0, 0);
  Linea = edit(QStringLiteral("Linea"), this, true);
  Linea->setText(QStringLiteral("1"));
  UpDown1 = spinner("UpDown1", 1, 4, 1, this);
  trace->addWidget(Linea, 0, 1);
  trace->addWidget(UpDown1, 0, 2);
  trace->addWidget(new QLabel(tr("Tazza")), 1, 0);
  Tazza = edit(QStringLiteral("Tazza"), this, true);
  trace->addWidget(Tazza, 1, 1);
  trace->addWidget(new QLabel(tr("minimo")), 2, 0);
  Minimo = edit(QStringLiteral("Minimo"), this, true);
  trace->addWidget(Minimo, 2, 1);
  trace->addWidget(new QLabel(tr("massimo")), 3, 0);
  Massimo = edit(QStringLiteral("Massimo"), this, true);
  trace->addWidget(Massimo, 3, 1);
  trace->addWidget(new QLabel(tr("Soglia lnnesco")), 4, 0);
  Limite = edit(QStringLiteral("Limite"), this, true);
  Limite->setText(oscilloscope::thresholdText(300));
  UpDown2 = spinner("UpDown2", oscilloscope::kMinThreshold, oscilloscope::kMaxThreshold, 300, this);
  trace->addWidget(Limite, 4, 1);
  trace->addWidget(UpDown2, 4, 2);
  side->addLayout(trace);

  auto* windows = new QGroupBox(tr("Finestre di lettura"), this);
  auto* wg = new QGridLayout(windows);
  //: column heading: the sample where the reading window starts
  wg->addWidget(new QLabel(tr("Inizio")), 0, 1);
  //: column heading: the sample where the reading window ends
  wg->addWidget(new QLabel(tr("Fine")), 0, 2);
  for (int i = 0; i < 4; ++i) {
    wg->addWidget(new QLabel(tr("L %1").arg(i + 1)), i + 1, 0);
    Inizio[i] = edit(i == 0 ? QStringLiteral("inizio1") : QStringLiteral("Inizio%1").arg(i + 1), windows, false);
    Fine[i] = edit(QStringLiteral("Fine%1").arg(i + 1), windows, false);
    Inizio[i]->setMaxLength(3);
    Fine[i]->setMaxLength(3);
    wg->addWidget(Inizio[i], i + 1, 1);
    wg->addWidget(Fine[i], i + 1, 2);
  }
  side->addWidget(windows);

  auto* phase = new QGroupBox(tr("Regolazione Fase"), this);
  auto* pg = new QGridLayout(phase);
  pg->addWidget(new QLabel(tr("Fase Zero")), 0, 0);
  Fase = edit(QStringLiteral("Fase"), phase, true);
  UpDown3 = spinner("UpDown3", 0, 99, 0, phase);
  pg->addWidget(Fase, 0, 1);
  pg->addWidget(UpDown3, 0, 2);
  Update = button("Update", tr("Aggiorna"), phase);
  pg->addWidget(Update, 1, 0, 1, 3);
  side->addWidget(phase);

  saveflag = new QCheckBox(tr("Salva su File"), this);
  saveflag->setObjectName(QStringLiteral("saveflag"));
  side->addWidget(saveflag);
  auto* cov = new QHBoxLayout;
  cov->addWidget(new QLabel(tr("Copertura")));
  copertura = edit(QStringLiteral("copertura"), this, true);
  copertura->setMaximumWidth(120);
  copertura->setFont(QFont(QStringLiteral("Monospace")));
  cov->addWidget(copertura);
  side->addLayout(cov);
  scartate = new QLabel(this);
  scartate->setObjectName(QStringLiteral("scartate"));
  side->addWidget(scartate);
  side->addStretch(1);
  Capture = button("Capture", tr("Cattura"), this);
  Button1 = button("Button1", tr("Zoom"), this);
  Button2 = button("Button2", tr("Globale"), this);
  side->addWidget(Capture);
  auto* zoom = new QHBoxLayout;
  zoom->addWidget(Button1);
  zoom->addWidget(Button2);
  side->addLayout(zoom);

  // The chart: the samples inside the reading window in green, outside it in red.
  auto* chart = new QChart;
  chart->legend()->hide();
  chart->setMargins(QMargins(4, 4, 4, 4));
  green = new QLineSeries(chart);
  green->setName(tr("finestra di lettura"));
  green->setPen(QPen(QColor(0, 128, 0), 2));
  red = new QLineSeries(chart);
  red->setName(tr("fuori finestra"));
  red->setPen(QPen(QColor(255, 0, 0), 2));
  chart->addSeries(red);
  chart->addSeries(green);
  axisX = new QValueAxis(chart);
  axisX->setRange(1, OscilloscopeModel::kSamples);
  axisX->setTickType(QValueAxis::TicksDynamic);
  axisX->setTickAnchor(0);
  axisX->setTickInterval(5);
  axisX->setLabelFormat(QStringLiteral("%2d"));
  axisX->setTitleText(tr("campione"));
  axisY = new QValueAxis(chart);
  axisY->setRange(0, 1023);
  axisY->setTickCount(9);
  axisY->setLabelFormat(QStringLiteral("%d"));
  axisY->setTitleText(tr("peso (g)"));
  chart->addAxis(axisX, Qt::AlignBottom);
  chart->addAxis(axisY, Qt::AlignLeft);
  for (QLineSeries* s : {green, red}) {
    s->attachAxis(axisX);
    s->attachAxis(axisY);
  }
  Chartfx1 = new QChartView(chart, this);
  Chartfx1->setObjectName(QStringLiteral("Chartfx1"));
  // Without antialiasing: a trace is redrawn ten times a second, and the samples sit on
  // whole positions anyway.
  Chartfx1->setRenderHint(QPainter::Antialiasing, false);
  Chartfx1->setMinimumSize(640, 420);
  columns->addWidget(Chartfx1, 1);
  clearChart();

  connect(UpDown1, &QSpinBox::valueChanged, this, &TTestOscilloscopio::UpDown1Click);
  connect(UpDown2, &QSpinBox::valueChanged, this, &TTestOscilloscopio::UpDown2Click);
  connect(UpDown3, &QSpinBox::valueChanged, this, &TTestOscilloscopio::UpDown3Click);
  connect(saveflag, &QCheckBox::toggled, this, [this](bool on) { model_->save = on; });
  connect(Capture, &QPushButton::clicked, this, [this] {
    if (CaptureClick) CaptureClick();
  });
  // "Aggiorna" closes with the OK result; the opening stores the phase and opens again.
  connect(Update, &QPushButton::clicked, this, [this] {
    if (!UpdateClick || UpdateClick()) accept();
  });
  connect(Button1, &QPushButton::clicked, this, [this] { setYRange(oscilloscope::zoom(Minimo->text(), Massimo->text())); });
  connect(Button2, &QPushButton::clicked, this, [this] { setYRange(oscilloscope::kGlobal); });
  resize(1180, 640);
}

void TTestOscilloscopio::FormShow() {
  Capture->setText(tr("cattura"));
  setYRange({0, 1023});
}

void TTestOscilloscopio::showCapturing() {
  Capture->setText(model_->capturing ? tr("Ferma") : tr("cattura"));
}

void TTestOscilloscopio::showSave() { saveflag->setChecked(model_->save); }

void TTestOscilloscopio::clearChart() {
  QList<QPointF> zero;
  zero.reserve(OscilloscopeModel::kSamples);
  for (int x = 1; x <= OscilloscopeModel::kSamples; ++x) zero.append(QPointF(x, 0));
  green->replace(zero);
  red->replace(zero);
}

void TTestOscilloscopio::DisegnaTraccia(int shift) {
  const OscilloscopeModel& m = *model_;
  const oscilloscope::Drawing d = oscilloscope::draw(m.samples, shift, m.windowStart, m.windowEnd);
  QList<QPointF> g, r;
  g.reserve(OscilloscopeModel::kSamples);
  r.reserve(OscilloscopeModel::kSamples);
  for (int x = 1; x <= OscilloscopeModel::kSamples; ++x) {
    g.append(QPointF(x, d.green[x - 1]));
    r.append(QPointF(x, d.red[x - 1]));
  }
  green->replace(g);
  red->replace(r);
}

void TTestOscilloscopio::showTrace(const rcTracciaGrafica& trace, int numtazze) {
  copertura->setText(oscilloscope::coverage(model_->hits, numtazze));
  scartate->setText(model_->skipped ? tr("Tracce senza tazza valida: %1").arg(model_->skipped) : QString());
  Tazza->setText(trace.cup);
  Minimo->setText(trace.minimum);
  Massimo->setText(trace.maximum);
  DisegnaTraccia(model_->shift());
}

void TTestOscilloscopio::setYRange(oscilloscope::Range r) { axisY->setRange(r.low, std::max(r.high, r.low + 1)); }

void TTestOscilloscopio::UpDown1Click(int position) {
  Linea->setText(QString::number(position));
  std::fill(model_->hits.begin(), model_->hits.end(), 0);
  model_->skipped = 0;
}

void TTestOscilloscopio::UpDown2Click(int position) { Limite->setText(oscilloscope::thresholdText(position)); }

void TTestOscilloscopio::UpDown3Click(int position) {
  Fase->setText(text::fixedRight(position, 3));
  // The phase takes its new value before the redraw, so the chart shows this position.
  model_->phase = position;
  DisegnaTraccia(model_->shift());
}

void TTestOscilloscopio::done(int result) {
  // Closing in any way stops a capture under way.
  if (model_->capturing && onClose) onClose();
  QDialog::done(result);
}
