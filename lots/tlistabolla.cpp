#include "lots/tlistabolla.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

TListaBolla::TListaBolla(QWidget* parent)
    : ListWindow(QStringLiteral("ListaBolla"), tr("Lista Bolle"), tr("Numero  Bolle"), tr("Selezionare la Bolla"), 5,
                 parent) {
  auto* boxes = new QHBoxLayout;
  //: check box: print the lot projected onto its whole quantity
  Partita = new QCheckBox(tr("Partita"), this);
  Partita->setObjectName(QStringLiteral("Partita"));
  Scarto = new QCheckBox(tr("Scarto"), this);
  Scarto->setObjectName(QStringLiteral("Scarto"));
  Scarto->setVisible(false);
  boxes->addWidget(Partita);
  boxes->addWidget(Scarto);
  boxes->addStretch();
  layout_->addLayout(boxes);
  startAtEnd_ = true;
  resize(720, 560);
}
