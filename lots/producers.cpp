#include "lots/producers.h"

#include <QCoreApplication>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSet>
#include <QVBoxLayout>

#include "base/fields.h"
#include "base/modalui.h"
#include "base/text.h"
#include "db/databaseacc.h"

Producers::Producers(TDataModule1& data) : data_(data) {}

Producers::Listing Producers::buildProducerList() {
  Listing listing;
  QSet<qint64> used;
  bool missing = false;
  const bool read = data_.Database1.scan(
      QStringLiteral("produttori"), QStringLiteral("SELECT num, codice, descrizione FROM produttori ORDER BY codice"),
      {},
      [&](const TDatabase::Row& row) {
        const QString code = row.text(1).trimmed();
        // A row another program wrote may lack its number: the code stands for it.
        const QString number = row.isNull(0) ? code : QString::number(row.integer(0));
        if (!row.isNull(0)) used.insert(row.integer(0));
        if (const auto n = text::strictInt(code)) used.insert(*n);
        listing.entries.append({QLatin1Char('(') + number.rightJustified(4) + QStringLiteral(") ") + row.text(2), code});
      },
      &missing);
  listing.read = read || missing;
  while (used.contains(listing.next)) ++listing.next;
  return listing;
}

std::optional<int> Producers::nextProducerNumber() {
  const Listing l = buildProducerList();
  if (!l.read) return std::nullopt;
  return l.next;
}

std::optional<QString> Producers::loadProducer(const QString& code) {
  if (code.trimmed().isEmpty()) return std::nullopt;
  TTable& t = data_.Table2;
  if (!t.Exists() || !t.Open()) return std::nullopt;
  if (!t.FindKey(code.trimmed())) return std::nullopt;
  return t.FieldByName(QStringLiteral("descrizione")).AsString();
}

bool Producers::fill(int n, const QString& name) {
  TTable& t = data_.Table2;
  return t.FieldByName(QStringLiteral("num")).SetAsInteger(n) &&
         t.FieldByName(QStringLiteral("codice")).SetAsString(QString::number(n)) &&
         t.FieldByName(QStringLiteral("descrizione")).SetAsString(name);
}

std::optional<int> Producers::newProducer(const QString& name) {
  TTable& t = data_.Table2;
  if (!t.Open()) return std::nullopt;
  return t.InsertNumbered([this] { return nextProducerNumber(); }, [&](int k) { return fill(k, name); });
}

bool Producers::storeProducer(const QString& code, const QString& name) {
  TTable& t = data_.Table2;
  if (!t.Open()) return false;
  bool ok = false;
  if (t.FindKey(code.trimmed())) {
    ok = t.Edit() && t.FieldByName(QStringLiteral("descrizione")).SetAsString(name) && t.Post();
  } else if (const auto n = text::strictInt(code.trimmed())) {
    ok = t.Insert() && fill(*n, name) && t.Post();
  } else {
    data_.Database1.report(QCoreApplication::translate("Producers", "Il produttore %1 non è più in archivio").arg(code));
  }
  if (!ok) t.Cancel();
  return ok;
}

void Producers::deleteProducer(const QString& code) {
  TTable& t = data_.Table2;
  if (!t.Open()) return;
  if (t.FindKey(code.trimmed())) t.Delete();
}

std::optional<ChosenProducer> chooseProducer(Producers& producers, TListaProduttori& list, ModalUi& ui) {
  list.setEntries(producers.buildProducerList().entries);
  list.borrowForLot();
  list.clearChoice();
  std::optional<ChosenProducer> chosen;
  if (ui.exec(list) == QDialog::Accepted && list.chosenIndex() >= 0) {
    const QString code = list.chosenData().toString();
    if (const auto name = producers.loadProducer(code)) chosen = ChosenProducer{code, *name};
  }
  list.restore();
  return chosen;
}

TListaProduttori::TListaProduttori(QWidget* parent)
    : ListWindow(QStringLiteral("ListaProduttori"), tr("Lista Produttori"), tr("Numero  Produttori"),
                 tr("Selezionare il produttore"), 4, parent) {
  resize(460, 520);
}

void TListaProduttori::borrowForLot() {
  borrow(tr("Lista Produttori"), tr("Numero Produttori"), tr("selezionare il produttore"));
}

TProduttori::TProduttori(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("Produttori"));
  setWindowTitle(tr("Dato Produttore"));
  auto* v = new QVBoxLayout(this);
  auto* form = new QFormLayout;
  Edit1 = new QLineEdit(this);
  Edit1->setObjectName(QStringLiteral("Edit1"));
  Edit1->setMaximumWidth(90);
  Edit2 = new QLineEdit(this);
  Edit2->setObjectName(QStringLiteral("Edit2"));
  Edit2->setMaxLength(45);
  Edit2->setMinimumWidth(320);
  form->addRow(tr("codice produttore"), Edit1);
  form->addRow(tr("descrizione produttore"), Edit2);
  v->addLayout(form);
  fields::addSaveButton(this, v, &saveAction)->setDefault(true);
}
