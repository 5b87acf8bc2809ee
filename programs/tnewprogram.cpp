#include "programs/tnewprogram.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QRegularExpressionValidator>
#include <QScrollArea>
#include <QShortcut>
#include <QTabWidget>
#include <QVBoxLayout>
#include <cmath>

#include "base/modalui.h"
#include "base/text.h"

namespace {

QLineEdit* named(const QString& name, QWidget* parent) {
  auto* e = new QLineEdit(parent);
  e->setObjectName(name);
  return e;
}

QString cq(const char* prefix, int c, int q) {
  return QString::fromLatin1(prefix) + QString::number(c) + QLatin1Char('Q') + QString::number(q);
}

}  // namespace

TNewProgram::TNewProgram(ModalUi& ui, QWidget* parent) : QDialog(parent), ui_(ui) {
  setObjectName(QStringLiteral("NewProgram"));
  setWindowTitle(tr("Nuovo programma"));

  auto* top = new QVBoxLayout(this);
  auto* head = new QGridLayout;
  NomeProgramma = named(QStringLiteral("NomeProgramma"), this);
  codprog = named(QStringLiteral("codprog"), this);
  codprog->setReadOnly(true);
  codprog->setMaximumWidth(60);
  codprog->setFocusPolicy(Qt::NoFocus);
  head->addWidget(new QLabel(tr("Descrizione")), 0, 0);
  head->addWidget(NomeProgramma, 0, 1);
  head->addWidget(new QLabel(tr("Codice")), 0, 2);
  head->addWidget(codprog, 0, 3);
  top->addLayout(head);
  connect(NomeProgramma, &QLineEdit::textChanged, this, [this] { keepLength(NomeProgramma, 64); });
  connect(codprog, &QLineEdit::textChanged, this, [this] { keepLength(codprog, 3); });
  for (QLineEdit* e : {NomeProgramma, codprog})
    connect(e, &QLineEdit::textChanged, this, [this, e] { syncToModel(e); });

  PageControl1 = new QTabWidget(this);
  PageControl1->setObjectName(QStringLiteral("PageControl1"));
  for (int q = 1; q <= kQualities; ++q) buildPage(q);
  top->addWidget(PageControl1, 1);

  Button1 = new QPushButton(tr("Salva"), this);
  Button1->setObjectName(QStringLiteral("Button1"));
  Button1->setDefault(false);
  Button1->setAutoDefault(false);
  connect(Button1, &QPushButton::clicked, this, &TNewProgram::Button1Click);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(Button1);
  top->addLayout(buttons);

  // The quality pages from the keyboard: Alt+1 to Alt+4 (Ctrl+Tab also moves between them).
  for (int q = 1; q <= kQualities; ++q) {
    auto* s = new QShortcut(QKeySequence(Qt::ALT | static_cast<Qt::Key>(Qt::Key_0 + q)), this);
    connect(s, &QShortcut::activated, this, [this, q] {
      PageControl1->setCurrentIndex(q - 1);
      nomeCal(1, q)->setFocus();
    });
  }
  setMultiplier(0);
  resize(760, 640);
}

void TNewProgram::buildPage(int q) {
  static const char* const sheetNames[] = {"PesiSheet1", "TabSheet1", "TabSheet2", "TabSheet3"};
  auto* page = new QWidget;
  page->setObjectName(QString::fromLatin1(sheetNames[q - 1]));
  // In the window from the start, so the tab order below can be set.
  PageControl1->addTab(page, tr("Pesi Qualita %1").arg(q));
  auto* g = new QGridLayout(page);
  g->setVerticalSpacing(2);
  // The column heads say what each field holds.
  g->addWidget(new QLabel(tr("Classe")), 0, 0);
  g->addWidget(new QLabel(tr("Calibro")), 0, 1);
  g->addWidget(new QLabel(tr("Peso minimo")), 0, 2);
  g->addWidget(new QLabel(tr("Peso massimo")), 0, 3);
  for (int x = 0; x < 4; ++x) g->addWidget(new QLabel(tr("Uscita %1").arg(QChar('a' + x))), 0, 4 + x);
  QList<QWidget*> nameColumn, minColumn, maxColumn;
  std::array<QList<QWidget*>, 4> exitColumns;
  for (int c = 1; c <= kClasses; ++c) {
    g->addWidget(new QLabel(QString::number(c)), c, 0);
    QLineEdit* name = named(cq("NomeCal", c, q), page);
    name->setMaximumWidth(110);
    connect(name, &QLineEdit::textChanged, this, [name] { keepLength(name, 7); });
    connect(name, &QLineEdit::textChanged, this, [this, name] { syncToModel(name); });
    QLineEdit* lo = named(cq("PesoCalMin", c, q), page);
    QLineEdit* hi = named(cq("PesoCalMax", c, q), page);
    for (QLineEdit* w : {lo, hi}) {
      w->setMaximumWidth(70);
      w->setAlignment(Qt::AlignRight);
      w->installEventFilter(this);
      connect(w, &QLineEdit::textChanged, this, [this, w] { weightChanged(w); });
      connect(w, &QLineEdit::textChanged, this, [this, w] { syncToModel(w); });
    }
    weightPlace_.insert(lo, {c, q});
    weightPlace_.insert(hi, {-c, q});
    names_[(q - 1) * kClasses + c - 1] = name;
    mins_[(q - 1) * kClasses + c - 1] = lo;
    maxs_[(q - 1) * kClasses + c - 1] = hi;
    g->addWidget(name, c, 1);
    g->addWidget(lo, c, 2);
    g->addWidget(hi, c, 3);
    nameColumn << name;
    minColumn << lo;
    maxColumn << hi;
    if (c <= kExitClasses) {
      for (int x = 0; x < 4; ++x) {
        const QString n = QStringLiteral("Uscita%1%2q%3").arg(c).arg(QChar('a' + x)).arg(q);
        QLineEdit* e = named(n, page);
        e->setMaxLength(3);
        // An exit is two digits; the keyboard cannot put anything else into it.
        e->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,2}")), e));
        e->setMaximumWidth(45);
        e->setText(QStringLiteral("00"));
        connect(e, &QLineEdit::textChanged, this, [this, e] { syncToModel(e); });
        exits_[((q - 1) * kExitClasses + c - 1) * 4 + x] = e;
        g->addWidget(e, c, 4 + x);
        exitColumns[x] << e;
      }
    }
  }
  // Tab goes down each column, then to the top of the next one.
  QList<QWidget*> order = nameColumn + minColumn + maxColumn;
  // From the description the keyboard goes straight to the first class name.
  if (q == 1) order.prepend(NomeProgramma);
  for (const auto& column : exitColumns) order += column;
  for (int i = 0; i + 1 < order.size(); ++i) QWidget::setTabOrder(order[i], order[i + 1]);
  g->setColumnStretch(8, 1);
  g->setRowStretch(kClasses + 1, 1);
}

QLineEdit* TNewProgram::nomeCal(int c, int q) const { return names_[(q - 1) * kClasses + c - 1]; }
QLineEdit* TNewProgram::pesoCalMin(int c, int q) const { return mins_[(q - 1) * kClasses + c - 1]; }
QLineEdit* TNewProgram::pesoCalMax(int c, int q) const { return maxs_[(q - 1) * kClasses + c - 1]; }
QLineEdit* TNewProgram::uscita(int c, int x, int q) const {
  return exits_[((q - 1) * kExitClasses + c - 1) * 4 + x];
}

void TNewProgram::bind(ProgramEditorModel& model) {
  model_ = &model;
  modelField_.clear();
  modelField_.insert(NomeProgramma, &model.description);
  modelField_.insert(codprog, &model.code);
  for (int q = 1; q <= kQualities; ++q) {
    for (int c = 1; c <= kClasses; ++c) {
      modelField_.insert(nomeCal(c, q), &model.name(c, q));
      modelField_.insert(pesoCalMin(c, q), &model.min(c, q));
      modelField_.insert(pesoCalMax(c, q), &model.max(c, q));
    }
    for (int c = 1; c <= kExitClasses; ++c)
      for (int x = 0; x < 4; ++x) modelField_.insert(uscita(c, x, q), &model.exit(c, x, q));
  }
  showModel();
}

void TNewProgram::syncToModel(QLineEdit* field) {
  if (loading_) return;
  if (QString* text = modelField_.value(field)) *text = field->text();
}

void TNewProgram::showModel() {
  if (!model_) return;
  // The fields take the model's texts as they are: the field rules apply to typing only.
  loading_ = true;
  setNeighbourLink(false);
  for (auto it = modelField_.constBegin(); it != modelField_.constEnd(); ++it) {
    guard_ = it.key();
    it.key()->setText(*it.value());
    guard_ = nullptr;
  }
  loading_ = false;
}

void TNewProgram::setMultiplier(int m) {
  m_ = m;
  // The field's length; the editor keeps one character fewer.
  const int length = weightMaxLength();
  for (QLineEdit* w : mins_) w->setMaxLength(length);
  for (QLineEdit* w : maxs_) w->setMaxLength(length);
}

void TNewProgram::keepLength(QLineEdit* field, int maxLength) {
  const QString t = field->text();
  if (t.size() <= maxLength - 1) return;
  const int caret = field->cursorPosition();
  field->setText(t.left(maxLength - 1));
  field->setCursorPosition(qMin(caret, maxLength - 1));
}

void TNewProgram::weightChanged(QLineEdit* field) {
  if (guard_ == field) {
    guard_ = nullptr;
    return;
  }
  const int keep = weightMaxLength() - 1;
  if (field->text().size() > keep) {
    const int caret = field->cursorPosition();
    guard_ = field;
    QString t = field->text().left(keep);
    t.replace(QLatin1Char(' '), QLatin1Char('0'));
    field->setText(t);
    if (guard_ == field) guard_ = nullptr;  // the text did not change: nothing absorbed it
    field->setCursorPosition(qMin(caret, keep));
  }
  copyToNeighbour(field);
}

void TNewProgram::copyToNeighbour(QLineEdit* field) {
  if (!neighbourLink_) return;
  const auto [signedClass, q] = weightPlace_.value(field);
  QLineEdit* neighbour = nullptr;
  if (signedClass < 0 && -signedClass < kClasses) neighbour = pesoCalMin(-signedClass + 1, q);
  if (signedClass > 1) neighbour = pesoCalMax(signedClass - 1, q);
  if (neighbour && neighbour->text() != field->text()) neighbour->setText(field->text());
}

void TNewProgram::weightLeft(QLineEdit* field) {
  if (guard_ == field) {
    guard_ = nullptr;
    return;
  }
  QString t = field->text();
  // A weight is a whole number of 0 or more; anything else is told and stays as typed
  // (it never reaches the board: sending checks it again).
  if (m_ > 0 || !t.trimmed().isEmpty()) {
    const auto n = text::strictInt(t.trimmed());
    if (!n || *n < 0) {
      ui_.message(tr("'%1' non è un valore intero valido").arg(t), ModalUi::Icon::Error);
      return;
    }
  }
  if (m_ > 0) {
    const auto n = text::strictInt(t.trimmed());
    qint64 v = static_cast<qint64>(m_) * static_cast<qint64>(std::nearbyint(static_cast<double>(*n) / m_));
    if (v > 999LL * m_) v = 999LL * m_;
    t = QString::number(v);
  }
  if (!t.isEmpty()) {
    while (t.size() > 1 && t.endsWith(QLatin1Char(' '))) t.chop(1);
    t.replace(QLatin1Char(' '), QLatin1Char('0'));
  }
  guard_ = field;
  field->setText(t);
  // When the text did not change no change arrives to clear the guard.
  if (guard_ == field) guard_ = nullptr;
  // The rounded limit is the neighbour's limit too: the screen shows what the board gets.
  copyToNeighbour(field);
}

void TNewProgram::Button1Click() {
  // An exit typed as one digit is that exit: "5" is exit 05.
  for (QLineEdit* e : exits_)
    if (e->text().size() == 1) e->setText(QLatin1Char('0') + e->text());
  for (QLineEdit* w : mins_)
    if (w->text().isEmpty()) w->setText(QStringLiteral("0"));
  for (QLineEdit* w : maxs_)
    if (w->text().isEmpty()) w->setText(QStringLiteral("0"));
  if (save_ && !save_()) return;  // refused: the operator's work stays in the window
  saved_ = true;
  accept();
}

void TNewProgram::FormShow() {
  neighbourLink_ = true;
  PageControl1->setCurrentIndex(0);
}

void TNewProgram::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  FormShow();
}

bool TNewProgram::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FocusOut) {
    if (auto* field = qobject_cast<QLineEdit*>(watched); field && weightPlace_.contains(field)) weightLeft(field);
  }
  return QDialog::eventFilter(watched, event);
}
