#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>

class QWidget;

// Retranslates the captions of a window and every window in it, in place, at each language
// change: window titles, labels, buttons, check boxes, group titles, menus and actions,
// tabs, list entries, table headers, tool tips and placeholders. Nothing is rebuilt, so
// what the operator typed, the lists and an open dialog's content stay as they are.
//
// The captions are recorded while the station shows its own Italian texts (before any
// language module), and each is looked up in the contexts of the classes it sits in,
// nearest first. A caption the program has since changed by itself (a value, a state) is
// left to the code that shows it: only a caption still showing what was last put there is
// retranslated.
class Retranslator : public QObject {
 public:
  // Records the captions of `root` and everything in it; `extraContexts` are tried after
  // the classes around each caption (texts the station object sets on the window).
  explicit Retranslator(QWidget& root, QStringList extraContexts = {});

  // Records the captions of a window made later (a window of its own, not a child).
  void track(QWidget& window);
  // Translates every recorded caption that still shows what it last showed.
  void retranslate();
  int captionCount() const { return static_cast<int>(captions_.size()); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  enum class Kind { WindowTitle, Text, Title, Action, Tab, Item, Header, ToolTip, Placeholder };
  struct Caption {
    QPointer<QObject> object;
    Kind kind;
    int index;
    QString source;
    QString shown;
    QStringList contexts;
  };
  void record(QObject* o, const QStringList& contexts);
  void add(QObject* o, Kind kind, int index, const QString& text, const QStringList& contexts);
  static QString current(const Caption& c);
  static void apply(const Caption& c, const QString& text);
  QString translate(const Caption& c) const;
  QStringList contextsOf(QObject* o) const;

  QList<Caption> captions_;
  QStringList extra_;
};
