#pragma once
// The reference tables as printed for designers, transcribed separately from
// the program's own tables so that the two transcriptions check each other.
#include <QHash>
#include <QString>
#include <QStringList>

namespace tabledata {

// Maximum torque grid: diameter rows, class columns (bolt classes 5.8 .. 12.9
// or nut groups 4;5;6 .. 10;12 at the same positions).
inline const char* const kMaxGrid = R"(
| 6 | 5 | 8 | 10 | 12 | 16 |
| 8 | 16 | 18 | 25 | 36 | 40 |
| 10 | 32 | 36 | 56 | 70 | 90 |
| 12 | 56 | 62 | 100 | 125 | 160 |
| 14 | 80 | 100 | 160 | 200 | 250 |
| 16 | 110 | 140 | 220 | 320 | 360 |
| 18 | 160 | 200 | 320 | 440 | 500 |
| 20 | 220 | 280 | 500 | 620 | 700 |
| 22 | 280 | 360 | 620 | 800 | 900 |
| 24 | 360 | 440 | 800 | 1000 | 1100 |
)";

// Joint-class ranges: maximum, then the minimum for joint classes 1 to 4.
inline const char* const kRangeGrid = R"(
| 5 | 4 | 3 | 2 | "Не определён" |
| 8 | 7 | 6 | 5 | 4 |
| 10 | 9 | 8 | 7 | 5 |
| 12 | 11 | 10 | 9 | 5 |
| 16 | 14 | 12 | 11 | 7 |
| 18 | 16 | 14 | 12 | 8 |
| 25 | 22 | 20 | 18 | 11 |
| 32 | 28 | 25 | 22 | 14 |
| 36 | 32 | 28 | 24 | 16 |
| 40 | 35 | 32 | 28 | 18 |
| 56 | 50 | 44 | 40 | 24 |
| 62 | 56 | 50 | 44 | 28 |
| 70 | 60 | 55 | 50 | 29 |
| 80 | 70 | 65 | 55 | 34 |
| 90 | 80 | 70 | 60 | 39 |
| 100 | 90 | 80 | 70 | 44 |
| 110 | 100 | 90 | 80 | 49 |
| 125 | 110 | 100 | 90 | 54 |
| 140 | 125 | 110 | 100 | 64 |
| 160 | 140 | 120 | 110 | 67 |
| 200 | 180 | 160 | 140 | 88 |
| 220 | 200 | 180 | 160 | 98 |
| 250 | 220 | 200 | 180 | 108 |
| 280 | 250 | 220 | 200 | 118 |
| 320 | 280 | 250 | 220 | 135 |
| 360 | 320 | 280 | 240 | 155 |
| 440 | 400 | 360 | 320 | 195 |
| 500 | 440 | 400 | 360 | 215 |
| 620 | 560 | 500 | 440 | 275 |
| 700 | 600 | 550 | 500 | 295 |
| 800 | 700 | 650 | 550 | 340 |
| 900 | 800 | 700 | 600 | 390 |
| 1000 | 900 | 800 | 700 | 400 |
| 1100 | 920 | "Не регламентирован" | "Не регламентирован" | "Не регламентирован" |
)";

inline const QStringList kBoltClasses = {"5.8", "6.8", "8.8", "10.9", "12.9"};
inline const QStringList kNutGroups = {"4;5;6", "5;6", "6;8", "8;10", "10;12"};
inline const QStringList kJointClasses = {"1", "2", "3", "4"};

// Rows of a grid, cells without the quotes.
inline QList<QStringList> Rows(const char* grid) {
  QList<QStringList> rows;
  for (const QString& line : QString::fromUtf8(grid).split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
    QStringList cells;
    for (QString c : line.split(QLatin1Char('|'), Qt::SkipEmptyParts)) {
      c = c.trimmed();
      if (c.startsWith(QLatin1Char('"'))) c = c.mid(1, c.size() - 2);
      if (!c.isEmpty()) cells << c;
    }
    rows << cells;
  }
  return rows;
}

}  // namespace tabledata
