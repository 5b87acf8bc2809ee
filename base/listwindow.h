#pragma once

#include <QDialog>
#include <QList>
#include <QString>
#include <QVariant>

class QLabel;
class QLineEdit;
class QListWidget;
class QVBoxLayout;

// A window that lists entries (programs, lots, producers) and lets the operator pick one:
// the count of entries, a line that says what to choose, and the list. A click or Enter on
// an entry closes it with OK; Esc or the close button cancels. Each entry carries what it
// stands for (a code, a registration number) as its data, so a choice never depends on
// reading the entry's text back.
class ListWindow : public QDialog {
  Q_OBJECT

 public:
  struct Entry {
    QString text;
    QVariant data;
  };

  // `countWidth`: the count is right-aligned in that many characters.
  ListWindow(const QString& name, const QString& title, const QString& countLabel, const QString& prompt,
             int countWidth, QWidget* parent = nullptr);

  QLabel* Label1 = nullptr;  // the count's caption
  QLabel* Label2 = nullptr;  // what to choose
  QLineEdit* NumMax = nullptr;
  QListWidget* ListaBox = nullptr;

  void setEntries(const QList<Entry>& entries);
  int count() const { return static_cast<int>(data_.size()); }

  // The chosen entry: its position from 0 and its data; -1 and a null value before a choice.
  int chosenIndex() const { return chosen_; }
  QVariant chosenData() const { return chosen_ >= 0 ? data_.value(chosen_) : QVariant(); }
  // Chooses the entry at a position and closes with OK (what a click does).
  void choose(int index);
  // Chooses the entry whose data is `data`; false when there is none.
  bool chooseData(const QVariant& data);
  void clearChoice() { chosen_ = -1; }

  // The captions for one use of the window (a command that borrows it); restore() puts
  // back the window's own.
  void borrow(const QString& title, const QString& countLabel, const QString& prompt);
  void restore();

 protected:
  void showEvent(QShowEvent* event) override;
  // Where a window adds its own controls, below the list.
  QVBoxLayout* layout_ = nullptr;
  // The list opens on its last entry (the newest lot) rather than its first.
  bool startAtEnd_ = false;

 private:
  QList<QVariant> data_;
  int chosen_ = -1;
  int countWidth_;
  QString title_, countLabel_, prompt_;
};

// The system's fixed-pitch font, or, where that one is not really of fixed pitch (some
// "monospace" fonts are not), the first family that is: list entries are columns of
// characters.
QFont fixedPitchFont();
