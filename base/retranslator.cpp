#include "base/retranslator.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <optional>
#include <QTabWidget>
#include <QTableWidget>
#include <QWidget>

namespace {
// A caption worth translating holds a letter; numbers, units of one letter and rules of
// dashes are data.
bool hasWords(const QString& text) {
  int letters = 0;
  for (QChar ch : text)
    if (ch.isLetter()) ++letters;
  return letters >= 2;
}
}  // namespace

Retranslator::Retranslator(QWidget& root, QStringList extraContexts) : QObject(&root), extra_(std::move(extraContexts)) {
  track(root);
  root.installEventFilter(this);
}

void Retranslator::track(QWidget& window) {
  record(&window, contextsOf(&window));
  for (QObject* o : window.findChildren<QObject*>()) record(o, contextsOf(o));
}

QStringList Retranslator::contextsOf(QObject* o) const {
  QStringList contexts;
  for (QObject* p = o; p; p = p->parent()) {
    const QString name = QString::fromLatin1(p->metaObject()->className());
    if (!contexts.contains(name)) contexts << name;
  }
  for (const QString& e : extra_)
    if (!contexts.contains(e)) contexts << e;
  return contexts;
}

void Retranslator::add(QObject* o, Kind kind, int index, const QString& text, const QStringList& contexts) {
  if (!hasWords(text)) return;
  captions_.append({o, kind, index, text, text, contexts});
}

void Retranslator::record(QObject* o, const QStringList& contexts) {
  if (auto* w = qobject_cast<QWidget*>(o)) {
    if (w->isWindow()) add(o, Kind::WindowTitle, 0, w->windowTitle(), contexts);
    add(o, Kind::ToolTip, 0, w->toolTip(), contexts);
  }
  if (auto* b = qobject_cast<QAbstractButton*>(o)) add(o, Kind::Text, 0, b->text(), contexts);
  else if (auto* l = qobject_cast<QLabel*>(o)) add(o, Kind::Text, 0, l->text(), contexts);
  else if (auto* g = qobject_cast<QGroupBox*>(o)) add(o, Kind::Title, 0, g->title(), contexts);
  else if (auto* e = qobject_cast<QLineEdit*>(o)) add(o, Kind::Placeholder, 0, e->placeholderText(), contexts);
  else if (auto* c = qobject_cast<QComboBox*>(o)) {
    for (int i = 0; i < c->count(); ++i) add(o, Kind::Item, i, c->itemText(i), contexts);
  } else if (auto* t = qobject_cast<QTabWidget*>(o)) {
    for (int i = 0; i < t->count(); ++i) add(o, Kind::Tab, i, t->tabText(i), contexts);
  } else if (auto* t = qobject_cast<QTableWidget*>(o)) {
    for (int i = 0; i < t->columnCount(); ++i)
      if (QTableWidgetItem* h = t->horizontalHeaderItem(i)) add(o, Kind::Header, i, h->text(), contexts);
  } else if (auto* a = qobject_cast<QAction*>(o)) {
    add(o, Kind::Action, 0, a->text(), contexts);
  }
}

QString Retranslator::current(const Caption& c) {
  QObject* o = c.object.data();
  switch (c.kind) {
    case Kind::WindowTitle: return static_cast<QWidget*>(o)->windowTitle();
    case Kind::ToolTip: return static_cast<QWidget*>(o)->toolTip();
    case Kind::Text:
      if (auto* b = qobject_cast<QAbstractButton*>(o)) return b->text();
      return static_cast<QLabel*>(o)->text();
    case Kind::Title: return static_cast<QGroupBox*>(o)->title();
    case Kind::Placeholder: return static_cast<QLineEdit*>(o)->placeholderText();
    case Kind::Item: {
      auto* box = static_cast<QComboBox*>(o);
      return c.index < box->count() ? box->itemText(c.index) : QString();
    }
    case Kind::Tab: {
      auto* tabs = static_cast<QTabWidget*>(o);
      return c.index < tabs->count() ? tabs->tabText(c.index) : QString();
    }
    case Kind::Header: {
      QTableWidgetItem* h = static_cast<QTableWidget*>(o)->horizontalHeaderItem(c.index);
      return h ? h->text() : QString();
    }
    case Kind::Action: return static_cast<QAction*>(o)->text();
  }
  return {};
}

void Retranslator::apply(const Caption& c, const QString& text) {
  QObject* o = c.object.data();
  switch (c.kind) {
    case Kind::WindowTitle: static_cast<QWidget*>(o)->setWindowTitle(text); return;
    case Kind::ToolTip: static_cast<QWidget*>(o)->setToolTip(text); return;
    case Kind::Text:
      if (auto* b = qobject_cast<QAbstractButton*>(o)) b->setText(text);
      else static_cast<QLabel*>(o)->setText(text);
      return;
    case Kind::Title: static_cast<QGroupBox*>(o)->setTitle(text); return;
    case Kind::Placeholder: static_cast<QLineEdit*>(o)->setPlaceholderText(text); return;
    case Kind::Item: static_cast<QComboBox*>(o)->setItemText(c.index, text); return;
    case Kind::Tab: static_cast<QTabWidget*>(o)->setTabText(c.index, text); return;
    case Kind::Header: static_cast<QTableWidget*>(o)->horizontalHeaderItem(c.index)->setText(text); return;
    case Kind::Action: static_cast<QAction*>(o)->setText(text); return;
  }
}

namespace {
// A caption made from a text and values ("Qualita 3", "Us. 12", "Uscita b"): the text with
// its values as %1, %2..., and the values.
struct Template {
  QString text;
  QStringList values;
};
std::optional<Template> templateOf(const QString& caption) {
  static const QRegularExpression digits(QStringLiteral("\\d+"));
  Template t;
  int n = 0;
  qsizetype at = 0;
  for (auto m = digits.globalMatch(caption); m.hasNext();) {
    const QRegularExpressionMatch d = m.next();
    t.text += caption.mid(at, d.capturedStart() - at) + QLatin1Char('%') + QString::number(++n);
    t.values << d.captured();
    at = d.capturedEnd();
  }
  if (n > 0) {
    t.text += caption.mid(at);
    return t;
  }
  // A single letter at the end, after a blank.
  if (caption.size() >= 3 && caption.at(caption.size() - 2) == QLatin1Char(' ') && caption.back().isLetter())
    return Template{caption.chopped(1) + QStringLiteral("%1"), {caption.right(1)}};
  return std::nullopt;
}
}  // namespace

QString Retranslator::translate(const Caption& c) const {
  const auto lookUp = [&c](const QString& source) -> std::optional<QString> {
    const QByteArray s = source.toUtf8();
    for (const QString& context : c.contexts) {
      const QString t = QCoreApplication::translate(context.toLatin1().constData(), s.constData());
      if (t != source) return t;
    }
    return std::nullopt;
  };
  if (const auto t = lookUp(c.source)) return *t;
  if (const auto tpl = templateOf(c.source)) {
    if (const auto t = lookUp(tpl->text)) {
      QString out = *t;
      for (const QString& v : tpl->values) out = out.arg(v);
      return out;
    }
  }
  return c.source;
}

void Retranslator::retranslate() {
  for (Caption& c : captions_) {
    if (!c.object) continue;
    if (current(c) != c.shown) continue;  // the program changed it: its code shows it anew
    const QString t = translate(c);
    if (t != c.shown) apply(c, t);
    c.shown = t;
  }
}

bool Retranslator::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::LanguageChange && watched == parent()) retranslate();
  return QObject::eventFilter(watched, event);
}
