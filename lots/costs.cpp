#include "lots/costs.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <cmath>

#include "base/fields.h"
#include "base/listwindow.h"
#include "base/text.h"

namespace crew {
namespace {


std::optional<double> number(const QString& t) {
  QString s = t.trimmed();
  s.replace(text::decimalSeparator(), QLatin1Char('.'));
  bool ok = false;
  const double v = s.toDouble(&ok);
  if (!ok || !std::isfinite(v)) return std::nullopt;
  return v;
}

qint64 whole(const QString& t) { return text::strictInt(t.trimmed()).value_or(0); }

QString fixed(double v, int decimals, int width) {
  QString s = QString::number(v, 'f', decimals);
  if (decimals > 0) s.replace(QLatin1Char('.'), text::decimalSeparator());
  return s.rightJustified(width);
}

double hourlyLire(const CostModel& m) {
  double total = 0;
  for (int i = 0; i < kCategories; ++i) {
    const auto persons = text::strictInt(m.persons[i].trimmed());
    if (!persons) continue;
    total += static_cast<double>(*persons) * static_cast<double>(whole(m.lire[i]));
  }
  return total;
}

}  // namespace

QString eurText(double lire, int decimals) { return fixed(lire / kLirePerEur, decimals, 0); }

void lireTyped(CostModel& m, int i) {
  if (const auto lire = text::strictInt(m.lire[i].trimmed())) m.eur[i] = fixed(*lire / kLirePerEur, 2, 4);
  recompute(m);
}

void eurTyped(CostModel& m, int i) {
  if (const auto eur = number(m.eur[i])) m.lire[i] = fixed(std::nearbyint(*eur * kLirePerEur), 0, 4);
  recompute(m);
}

void recompute(CostModel& m) {
  const double T = hourlyLire(m);
  m.hourLire = fixed(std::nearbyint(T), 0, 7);
  m.hourEur = fixed(T / kLirePerEur, 3, 0);
  m.minuteLire = fixed(std::nearbyint(T / 60.0), 0, 7);
  m.minuteEur = fixed(T / 60.0 / kLirePerEur, 3, 0);
}

void fromFile(CostModel& m, const sidefiles::Costs& costs) {
  for (int i = 0; i < kCategories; ++i) {
    // Numbers as numbers ("00" is 0); anything else as the file holds it.
    const auto normal = [](const QString& t) {
      const auto n = text::strictInt(t.trimmed());
      return n ? QString::number(*n) : t.trimmed();
    };
    m.persons[i] = normal(costs[i].persons);
    m.lire[i] = normal(costs[i].cost);
    const auto lire = text::strictInt(m.lire[i]);
    m.eur[i] = fixed((lire ? *lire : 0) / kLirePerEur, 2, 4);
  }
  recompute(m);
}

Taken take(const CostModel& m) {
  const qint64 perMinute = static_cast<qint64>(std::nearbyint(hourlyLire(m) / 60.0));
  return {perMinute, perMinute};
}

std::optional<QString> toFile(const CostModel& m, sidefiles::Costs* costs) {
  for (int i = 0; i < kCategories; ++i) {
    const QString persons = m.persons[i].trimmed().isEmpty() ? QStringLiteral("0") : m.persons[i].trimmed();
    const QString lire = m.lire[i].trimmed().isEmpty() ? QStringLiteral("0") : m.lire[i].trimmed();
    const auto p = text::strictInt(persons);
    if (!p || *p < 0 || *p > kMaxPersons)
      return QCoreApplication::translate("TImpCosti", "Categoria %1: il numero di persone deve essere un numero intero da 0 a %2")
          .arg(i + 1).arg(kMaxPersons);
    const auto l = text::strictInt(lire);
    if (!l || *l < 0 || *l > kMaxLire)
      return QCoreApplication::translate("TImpCosti", "Categoria %1: il costo orario deve essere da 0 a %2 lire (%3 EUR)")
          .arg(i + 1).arg(kMaxLire).arg(eurText(kMaxLire, 2));
    (*costs)[i] = {QString::number(*p), QString::number(*l)};
  }
  return std::nullopt;
}

}  // namespace crew

TImpCosti::TImpCosti(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("ImpCosti"));
  setWindowTitle(tr("Impostazione Costi"));
  auto* v = new QVBoxLayout(this);
  auto* g = new QGridLayout;
  g->addWidget(new QLabel(tr("N. Persone")), 0, 1);
  g->addWidget(new QLabel(tr("Costo Orario")), 0, 2, 1, 2);
  const auto field = [this](const QString& name, bool visible) {
    auto* e = new QLineEdit(this);
    e->setObjectName(name);
    e->setAlignment(Qt::AlignRight);
    e->setMaximumWidth(110);
    e->setVisible(visible);
    return e;
  };
  for (int i = 0; i < crew::kCategories; ++i) {
    NPers[i] = field(QStringLiteral("NPers%1").arg(i + 1), true);
    NPers[i]->setMaximumWidth(60);
    CostoL[i] = field(QStringLiteral("CostoL%1").arg(i + 1), false);
    CostoE[i] = field(QStringLiteral("CostoE%1").arg(i + 1), true);
    g->addWidget(new QLabel(tr("Categoria %1").arg(i + 1)), i + 1, 0);
    g->addWidget(NPers[i], i + 1, 1);
    g->addWidget(CostoE[i], i + 1, 2);
    g->addWidget(new QLabel(QStringLiteral("EUR")), i + 1, 3);
    // Only the typing of the operator updates the twin: a change the program makes does not.
    connect(NPers[i], &QLineEdit::textEdited, this, [this, i](const QString& t) {
      model_->persons[i] = t;
      crew::recompute(*model_);
      showModel();
    });
    connect(CostoL[i], &QLineEdit::textEdited, this, [this, i](const QString& t) {
      model_->lire[i] = t;
      crew::lireTyped(*model_, i);
      showModel();
    });
    connect(CostoE[i], &QLineEdit::textEdited, this, [this, i](const QString& t) {
      model_->eur[i] = t;
      crew::eurTyped(*model_, i);
      showModel();
    });
  }
  CostoCompL = field(QStringLiteral("CostoCompL"), false);
  CostoCompE = field(QStringLiteral("CostoCompE"), true);
  CostoMinutoL = field(QStringLiteral("CostoMinutoL"), false);
  CostoMinutoE = field(QStringLiteral("CostoMinutoE"), true);
  for (QLineEdit* e : {CostoCompE, CostoMinutoE}) {
    e->setReadOnly(true);
    e->setFocusPolicy(Qt::NoFocus);
  }
  g->addWidget(new QLabel(tr("Costo orario complessivo")), 4, 0, 1, 2);
  g->addWidget(CostoCompE, 4, 2);
  g->addWidget(new QLabel(QStringLiteral("EUR")), 4, 3);
  g->addWidget(new QLabel(tr("Costo / Minuto")), 5, 0, 1, 2);
  g->addWidget(CostoMinutoE, 5, 2);
  g->addWidget(new QLabel(QStringLiteral("EUR")), 5, 3);
  v->addLayout(g);
  fields::addSaveButton(this, v, &saveAction);
  resize(420, 260);
}

void TImpCosti::showModel() {
  const auto set = [](QLineEdit* e, const QString& t) {
    if (e->text() != t) e->setText(t);
  };
  for (int i = 0; i < crew::kCategories; ++i) {
    set(NPers[i], model_->persons[i]);
    set(CostoL[i], model_->lire[i]);
    set(CostoE[i], model_->eur[i]);
  }
  set(CostoCompL, model_->hourLire);
  set(CostoCompE, model_->hourEur);
  set(CostoMinutoL, model_->minuteLire);
  set(CostoMinutoE, model_->minuteEur);
}

void TImpCosti::showEvent(QShowEvent* event) {
  showModel();
  QDialog::showEvent(event);
  NPers[0]->setFocus();
}

TImpAzienda::TImpAzienda(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("ImpAzienda"));
  setWindowTitle(tr("Impostazione Azienda"));
  auto* v = new QVBoxLayout(this);
  v->addWidget(new QLabel(tr("Intestazione Azienda")));
  Memo1 = new QPlainTextEdit(this);
  Memo1->setObjectName(QStringLiteral("Memo1"));
  Memo1->setFont(fixedPitchFont());
  v->addWidget(Memo1);
  fields::addSaveButton(this, v, &saveAction);
  // At most 96 characters, not counting the line breaks.
  connect(Memo1, &QPlainTextEdit::textChanged, this, [this] {
    const QString t = Memo1->toPlainText();
    int count = 0;
    for (QChar c : t)
      if (c != QLatin1Char('\n')) ++count;
    if (count <= kMaxCharacters) return;
    QString kept;
    count = 0;
    for (QChar c : t) {
      if (c != QLatin1Char('\n') && ++count > kMaxCharacters) break;
      kept += c;
    }
    const QSignalBlocker block(Memo1);
    Memo1->setPlainText(kept);
    Memo1->moveCursor(QTextCursor::End);
  });
  resize(360, 240);
}

void TImpAzienda::setLines(const QStringList& lines) {
  QStringList trimmed;
  for (const QString& l : lines) {
    QString t = l;
    while (t.endsWith(QLatin1Char(' '))) t.chop(1);
    trimmed << t;
  }
  Memo1->setPlainText(trimmed.join(QLatin1Char('\n')));
  QTextCursor c = Memo1->textCursor();
  c.setPosition(std::min(1, static_cast<int>(Memo1->toPlainText().size())));
  Memo1->setTextCursor(c);
}

QStringList TImpAzienda::lines() const { return Memo1->toPlainText().split(QLatin1Char('\n')).mid(0, 4); }
