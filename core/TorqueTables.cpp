#include "core/TorqueTables.h"

#include <array>

namespace torque {

const QString kNotDefined = QStringLiteral("Не определён");
const QString kNotRegulated = QStringLiteral("Не регламентирован");
const QString kBoltNoun = QStringLiteral("болта");
const QString kNutNoun = QStringLiteral("гайки");

namespace {

constexpr int kClassCount = 5;
constexpr int kJointCount = 4;

const char* const kDiameters[] = {"6", "8", "10", "12", "14", "16", "18", "20", "22", "24"};
const char* const kBoltClasses[kClassCount] = {"5.8", "6.8", "8.8", "10.9", "12.9"};
// Nut class groups in the columns of the bolt classes they match.
const char* const kNutGroups[kClassCount] = {"4;5;6", "5;6", "6;8", "8;10", "10;12"};
const char* const kJointClasses[kJointCount] = {"1", "2", "3", "4"};

// Maximum tightening torque, N·m, by diameter (rows) and class column. The
// bolt and nut tables are equal column for column, so one grid serves both.
struct TMaxRow {
  const char* Diameter;
  std::array<const char*, kClassCount> Torque;
};
const TMaxRow kMaxTorque[] = {
    {"6", {"5", "8", "10", "12", "16"}},
    {"8", {"16", "18", "25", "36", "40"}},
    {"10", {"32", "36", "56", "70", "90"}},
    {"12", {"56", "62", "100", "125", "160"}},
    {"14", {"80", "100", "160", "200", "250"}},
    {"16", {"110", "140", "220", "320", "360"}},
    {"18", {"160", "200", "320", "440", "500"}},
    {"20", {"220", "280", "500", "620", "700"}},
    {"22", {"280", "360", "620", "800", "900"}},
    {"24", {"360", "440", "800", "1000", "1100"}},
};
static_assert(std::size(kMaxTorque) == std::size(kDiameters), "one row per diameter");

// Joint-class ranges of STB 1879-2008: for each maximum torque the minimum
// torque of joint classes 1 to 4, or a fixed wording (nullptr for "Не
// определён", "-" for "Не регламентирован").
constexpr const char* kUndefined = nullptr;
constexpr const char* kUnregulated = "-";
struct TRange {
  const char* Max;
  std::array<const char*, kJointCount> Min;
};
const TRange kRanges[] = {
    {"5", {"4", "3", "2", kUndefined}},
    {"8", {"7", "6", "5", "4"}},
    {"10", {"9", "8", "7", "5"}},
    {"12", {"11", "10", "9", "5"}},
    {"16", {"14", "12", "11", "7"}},
    {"18", {"16", "14", "12", "8"}},
    {"25", {"22", "20", "18", "11"}},
    {"32", {"28", "25", "22", "14"}},
    {"36", {"32", "28", "24", "16"}},
    {"40", {"35", "32", "28", "18"}},
    {"56", {"50", "44", "40", "24"}},
    {"62", {"56", "50", "44", "28"}},
    {"70", {"60", "55", "50", "29"}},
    {"80", {"70", "65", "55", "34"}},
    {"90", {"80", "70", "60", "39"}},
    {"100", {"90", "80", "70", "44"}},
    {"110", {"100", "90", "80", "49"}},
    {"125", {"110", "100", "90", "54"}},
    {"140", {"125", "110", "100", "64"}},
    {"160", {"140", "120", "110", "67"}},
    {"200", {"180", "160", "140", "88"}},
    {"220", {"200", "180", "160", "98"}},
    {"250", {"220", "200", "180", "108"}},
    {"280", {"250", "220", "200", "118"}},
    {"320", {"280", "250", "220", "135"}},
    {"360", {"320", "280", "240", "155"}},
    {"440", {"400", "360", "320", "195"}},
    {"500", {"440", "400", "360", "215"}},
    {"620", {"560", "500", "440", "275"}},
    {"700", {"600", "550", "500", "295"}},
    {"800", {"700", "650", "550", "340"}},
    {"900", {"800", "700", "600", "390"}},
    {"1000", {"900", "800", "700", "400"}},
    {"1100", {"920", kUnregulated, kUnregulated, kUnregulated}},
};
static_assert(std::size(kRanges) == 34, "one row per maximum torque of the tables");

template <std::size_t N>
QStringList ToList(const char* const (&texts)[N]) {
  QStringList list;
  for (const char* t : texts) list << QString::fromUtf8(t);
  return list;
}

QString ValueText(const char* v) {
  if (v == kUndefined) return kNotDefined;
  if (QLatin1String(v) == QLatin1String(kUnregulated)) return kNotRegulated;
  return QString::fromLatin1(v);
}

std::optional<QString> MaxTorque(const QString& diameter, const QString& column,
                                 const char* const (&columns)[kClassCount]) {
  for (int c = 0; c < kClassCount; ++c) {
    if (column != QString::fromUtf8(columns[c])) continue;
    for (const TMaxRow& row : kMaxTorque)
      if (diameter == QLatin1String(row.Diameter)) return QString::fromLatin1(row.Torque[c]);
  }
  return std::nullopt;
}

}  // namespace

QStringList Diameters() { return ToList(kDiameters); }
QStringList BoltClasses() { return ToList(kBoltClasses); }
QStringList NutGroups() { return ToList(kNutGroups); }
QStringList JointClasses() { return ToList(kJointClasses); }

std::optional<QString> BoltMaxTorque(const QString& diameter, const QString& boltClass) {
  return MaxTorque(diameter, boltClass, kBoltClasses);
}

std::optional<QString> NutMaxTorque(const QString& diameter, const QString& nutGroup) {
  return MaxTorque(diameter, nutGroup, kNutGroups);
}

std::optional<QString> JointRange(const QString& maxTorque, const QString& jointClass) {
  for (int j = 0; j < kJointCount; ++j) {
    if (jointClass != QLatin1String(kJointClasses[j])) continue;
    for (const TRange& r : kRanges)
      if (maxTorque == QLatin1String(r.Max)) return ValueText(r.Min[j]);
  }
  return std::nullopt;
}

QList<TRangeRow> RangeRows() {
  QList<TRangeRow> rows;
  for (const TRange& r : kRanges)
    for (int j = 0; j < kJointCount; ++j)
      rows.append({QString::fromLatin1(r.Max), QString::fromLatin1(kJointClasses[j]), ValueText(r.Min[j])});
  return rows;
}

QString ResultSentence(const QString& noun, const QString& minTorque, const QString& maxTorque,
                       const QString& jointClass) {
  return QStringLiteral("Момент затяжки ") + noun + QStringLiteral(" поз.  Мкр от ") + minTorque +
         QStringLiteral(" Nm до ") + maxTorque + QStringLiteral(" Nm, класс ") + jointClass +
         QStringLiteral(" по СТБ 1879-2008.");
}

std::optional<QString> ResultText(const QString& noun, const QString& maxTorque, const QString& jointClass) {
  const std::optional<QString> value = JointRange(maxTorque, jointClass);
  if (!value) return std::nullopt;
  if (*value == kNotDefined || *value == kNotRegulated) return value;
  return ResultSentence(noun, *value, maxTorque, jointClass);
}

}  // namespace torque
