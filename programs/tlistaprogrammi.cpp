#include "programs/tlistaprogrammi.h"

TListaProgrammi::TListaProgrammi(QWidget* parent)
    : ListWindow(QStringLiteral("ListaProgrammi"), tr("Lista Programmi"), tr("Numero  Programmi"),
                 // How to choose, for whoever meets the list for the first time.
                 tr("Selezionare il programma: un clic o Invio lo sceglie, Esc annulla"), 4, parent) {
  resize(460, 520);
}

void TListaProgrammi::setEntries(const QList<ProgramEntry>& entries) {
  entries_ = entries;
  QList<Entry> shown;
  shown.reserve(entries.size());
  for (const ProgramEntry& e : entries) shown.append({e.text, e.code});
  ListWindow::setEntries(shown);
}
