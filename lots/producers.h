#pragma once

#include <QList>
#include <QString>
#include <functional>
#include <optional>

#include "base/listwindow.h"

class QLineEdit;
class TDataModule1;

// The growers, rows of `produttori`: a number, the same number as decimal text (`codice`,
// what a lot refers to) and a name.
class Producers {
 public:
  explicit Producers(TDataModule1& data);

  struct Listing {
    // "(", the number right-aligned in 4 characters, ") ", the name; in the order of the
    // codes as text (10 before 2). Each entry's data is its code.
    QList<ListWindow::Entry> entries;
    int next = 1;  // the smallest number no producer uses
    bool read = false;
  };
  Listing buildProducerList();

  // The name of the producer with that code; nothing when there is none.
  std::optional<QString> loadProducer(const QString& code);

  // Gives the producer with that code the name, keeping its number and code; a producer
  // whose row has gone is appended again under its number. False when refused (told).
  bool storeProducer(const QString& code, const QString& name);
  // A new producer never goes over a stored one: it is inserted under the smallest free
  // number now, or the next one when another station took it meanwhile. Returns the
  // number stored under.
  std::optional<int> newProducer(const QString& name);
  void deleteProducer(const QString& code);

  std::optional<int> nextProducerNumber();

 private:
  bool fill(int n, const QString& name);
  TDataModule1& data_;
};

class ModalUi;
class TListaProduttori;

// The producer the operator picks for a lot ("Cambia"): the list with every producer,
// titled for the lot windows; its code and name, or nothing when cancelled or no longer
// there.
struct ChosenProducer {
  QString code;
  QString name;
};
std::optional<ChosenProducer> chooseProducer(Producers& producers, TListaProduttori& list, ModalUi& ui);

// The producer list window "Lista Produttori".
class TListaProduttori : public ListWindow {
  Q_OBJECT
 public:
  explicit TListaProduttori(QWidget* parent = nullptr);
  // The titles the lot windows show it with when choosing a lot's producer.
  void borrowForLot();
};

// The producer window "Dato Produttore": the code and the name, and "Salva".
class TProduttori : public QDialog {
  Q_OBJECT
 public:
  explicit TProduttori(QWidget* parent = nullptr);
  QLineEdit* Edit1 = nullptr;  // "codice produttore"
  QLineEdit* Edit2 = nullptr;  // "descrizione produttore"
  // What "Salva" runs; the window closes only when it succeeds.
  std::function<bool()> saveAction;
};
