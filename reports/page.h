#pragma once

#include <QList>
#include <QRectF>
#include <QString>
#include <QStringList>

class QPainter;
class QPrinter;

// A report as pages of texts, boxes and rules at positions in millimetres from the top
// left corner of an A4 portrait sheet. The layouts build it; one painter draws it on a
// printer, in the preview or into a PDF, so all three show the same page.
namespace report {

constexpr double kPageWidth = 210.0;
constexpr double kPageHeight = 297.0;
constexpr double kMargin = 10.0;
constexpr double kLeft = kMargin;
constexpr double kRight = kPageWidth - kMargin;
constexpr double kBottom = kPageHeight - kMargin;
// The body font.
constexpr const char* kFontFamily = "Arial";
constexpr double kBodySize = 10.0;

struct Item {
  enum Kind { Text, Box, Rule } kind = Text;
  QRectF mm;               // a rule runs along the top edge of its rectangle
  QString text;
  double size = kBodySize;  // points
  bool bold = false;
  int align = 0x0001 | 0x0080;  // Qt::AlignLeft | Qt::AlignVCenter
};

struct Page {
  QList<Item> items;

  void text(double x, double y, double w, double h, const QString& t, int align = 0x0001 | 0x0080,
            double size = kBodySize, bool bold = false) {
    items.append({Item::Text, QRectF(x, y, w, h), t, size, bold, align});
  }
  void box(double x, double y, double w, double h) { items.append({Item::Box, QRectF(x, y, w, h), {}, 0, false, 0}); }
  void rule(double x, double y, double w) { items.append({Item::Rule, QRectF(x, y, w, 0), {}, 0, false, 0}); }
  // Every text of the page, top to bottom and left to right (for checks and searches).
  QStringList texts() const;
};

struct Document {
  QString title;  // the job's name
  QList<Page> pages;
};

// The company header, four lines at the top left of a page; returns where the page's
// own content may start.
double companyHeader(Page& page, const QStringList& lines);

// Draws the document on the printer, a page per sheet; false when the printer cannot be
// drawn on (the painter does not begin: no queue, a file that cannot be written).
bool paint(const Document& document, QPrinter& printer);
// Draws one page with the painter, whose device has `dotsPerMm` dots per millimetre.
void paintPage(const Page& page, QPainter& painter, double dotsPerMm);

}  // namespace report
