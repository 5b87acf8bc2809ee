#include "reports/page.h"

#include <QFont>
#include <QPainter>
#include <QPrinter>
#include <algorithm>

namespace report {

QStringList Page::texts() const {
  QList<const Item*> shown;
  for (const Item& i : items)
    if (i.kind == Item::Text && !i.text.isEmpty()) shown.append(&i);
  std::stable_sort(shown.begin(), shown.end(), [](const Item* a, const Item* b) {
    return a->mm.top() != b->mm.top() ? a->mm.top() < b->mm.top() : a->mm.left() < b->mm.left();
  });
  QStringList t;
  for (const Item* i : shown) t << i->text;
  return t;
}

double companyHeader(Page& page, const QStringList& lines) {
  double y = kMargin;
  for (int i = 0; i < 4; ++i) {
    page.text(kLeft, y, 90, 4.5, lines.value(i).trimmed(), 0x0001 | 0x0080, i == 0 ? 11 : 9, i == 0);
    y += i == 0 ? 5.5 : 4.2;
  }
  return y + 1;
}

void paintPage(const Page& page, QPainter& painter, double k) {
  const auto rect = [k](const QRectF& mm) {
    return QRectF(mm.left() * k, mm.top() * k, mm.width() * k, mm.height() * k);
  };
  QPen pen(Qt::black);
  pen.setWidthF(0.25 * k);
  painter.setPen(pen);
  painter.setBrush(Qt::NoBrush);
  for (const Item& i : page.items) {
    switch (i.kind) {
      case Item::Box: painter.drawRect(rect(i.mm)); break;
      case Item::Rule: painter.drawLine(QPointF(i.mm.left() * k, i.mm.top() * k), QPointF(i.mm.right() * k, i.mm.top() * k)); break;
      case Item::Text: {
        QFont font(QString::fromLatin1(kFontFamily));
        font.setPointSizeF(i.size);
        font.setBold(i.bold);
        painter.setFont(font);
        painter.drawText(rect(i.mm), i.align, i.text);
        break;
      }
    }
  }
}

bool paint(const Document& document, QPrinter& printer) {
  printer.setFullPage(true);
  QPainter painter;
  if (!painter.begin(&printer)) return false;
  const double k = printer.resolution() / 25.4;
  for (int p = 0; p < document.pages.size(); ++p) {
    if (p > 0 && !printer.newPage()) return false;
    paintPage(document.pages[p], painter, k);
  }
  return painter.end();
}

}  // namespace report
