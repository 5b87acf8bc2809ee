#include "config/sidefiles.h"

#include <QFileInfo>

#include "base/sidefile.h"
#include "base/text.h"

namespace sidefiles {

QStringList defaultCompanyHeader() {
  return {QStringLiteral("MORVEL CAMPIONATRICE"), QStringLiteral("Corvane elettronica snc"),
          QString(), QString()};
}

QStringList loadCompanyHeader(const QDir& workDir) {
  const QString path = workDir.filePath(QString::fromLatin1(kCompanyFile));
  if (!QFileInfo::exists(path)) return defaultCompanyHeader();
  const QString content =
      text::fromCp1252(sidefile::readStart(path, 4 * kHeaderLineLength).value_or(QByteArray()));
  QStringList lines;
  for (int i = 0; i < 4; ++i) lines << content.mid(i * kHeaderLineLength, kHeaderLineLength);
  return lines;
}

std::optional<QString> saveCompanyHeader(const QDir& workDir, const QStringList& lines) {
  QString content;
  for (int i = 0; i < 4; ++i) content += text::fixedLeft(lines.value(i), kHeaderLineLength);
  QChar unheld;
  const auto bytes = text::toCp1252(content, &unheld);
  if (!bytes) return text::notSingleByteMessage(unheld, QString::fromLatin1(kCompanyFile));
  return sidefile::writeAtStart(workDir.filePath(QString::fromLatin1(kCompanyFile)), *bytes);
}

Costs loadCosts(const QDir& workDir) {
  const QString path = workDir.filePath(QString::fromLatin1(kCostFile));
  Costs costs;
  if (!QFileInfo::exists(path)) {
    for (CrewCost& c : costs) c = {QStringLiteral("00"), QStringLiteral("000000")};
    return costs;
  }
  const QString content = text::fromCp1252(sidefile::readStart(path, 24).value_or(QByteArray()));
  for (int k = 0; k < 3; ++k) {
    costs[k].persons = content.mid(8 * k, 2);
    costs[k].cost = content.mid(8 * k + 2, 6);
  }
  return costs;
}

std::optional<QString> saveCosts(const QDir& workDir, const Costs& costs) {
  QString content;
  for (const CrewCost& c : costs) content += text::fixedRight(c.persons, 2) + text::fixedRight(c.cost, 6);
  QChar unheld;
  const auto bytes = text::toCp1252(content, &unheld);
  if (!bytes) return text::notSingleByteMessage(unheld, QString::fromLatin1(kCostFile));
  return sidefile::writeAtStart(workDir.filePath(QString::fromLatin1(kCostFile)), *bytes);
}

}  // namespace sidefiles
