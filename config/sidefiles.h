#pragma once

#include <QDir>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>

// The company header "pilto.az" and the crew cost file "c31.cst" of the working folder.
namespace sidefiles {

constexpr const char* kCompanyFile = "pilto.az";
constexpr const char* kCostFile = "c31.cst";
constexpr int kHeaderLineLength = 24;

// The header printed on the reports until the installer enters the company's own.
QStringList defaultCompanyHeader();

// The four header lines (trailing blanks kept); the defaults when the file does not exist.
QStringList loadCompanyHeader(const QDir& workDir);
// Each line cut or blank-padded to 24 characters, 96 characters at the start of the file.
std::optional<QString> saveCompanyHeader(const QDir& workDir, const QStringList& lines);

struct CrewCost {
  QString persons;  // 2 characters
  QString cost;     // 6 characters: lire per person and hour
};
using Costs = std::array<CrewCost, 3>;

// The three crew categories; persons "00" and cost "000000" when the file does not exist.
Costs loadCosts(const QDir& workDir);
std::optional<QString> saveCosts(const QDir& workDir, const Costs& costs);

}  // namespace sidefiles
