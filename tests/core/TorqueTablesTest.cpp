// The torque tables' own invariants and their agreement with the printed
// reference; the exact-text lookup and the result sentence.
#include "core/TorqueTables.h"
#include "tests/common/TableData.h"

#include <QSet>
#include <gtest/gtest.h>

namespace {

using namespace torque;

bool IsNumber(const QString& s) {
  bool ok = false;
  s.toInt(&ok);
  return ok;
}

TEST(TorqueTables, ListsHoldTheWindowsItemsInOrder) {
  EXPECT_EQ(Diameters(), (QStringList{"6", "8", "10", "12", "14", "16", "18", "20", "22", "24"}));
  EXPECT_EQ(BoltClasses(), tabledata::kBoltClasses);
  EXPECT_EQ(NutGroups(), tabledata::kNutGroups);
  EXPECT_EQ(JointClasses(), tabledata::kJointClasses);
}

TEST(TorqueTables, MaximumTablesMatchTheReferenceAndEachOtherColumnForColumn) {
  const auto grid = tabledata::Rows(tabledata::kMaxGrid);
  ASSERT_EQ(grid.size(), 10);
  for (const QStringList& row : grid) {
    ASSERT_EQ(row.size(), 6);
    for (int c = 0; c < 5; ++c) {
      EXPECT_EQ(BoltMaxTorque(row[0], tabledata::kBoltClasses[c]), row[c + 1]) << row[0].toStdString();
      EXPECT_EQ(NutMaxTorque(row[0], tabledata::kNutGroups[c]), BoltMaxTorque(row[0], tabledata::kBoltClasses[c]));
    }
  }
}

TEST(TorqueTables, MaximumGrowsWithDiameterAndClass) {
  const QStringList d = Diameters();
  for (int c = 0; c < 5; ++c)
    for (int i = 1; i < d.size(); ++i)
      EXPECT_LT(BoltMaxTorque(d[i - 1], BoltClasses()[c])->toInt(), BoltMaxTorque(d[i], BoltClasses()[c])->toInt());
  for (const QString& di : d)
    for (int c = 1; c < 5; ++c)
      EXPECT_LT(BoltMaxTorque(di, BoltClasses()[c - 1])->toInt(), BoltMaxTorque(di, BoltClasses()[c])->toInt());
}

TEST(TorqueTables, RangeTableHasEveryKeyOnceForThe34MaximumTexts) {
  const QList<TRangeRow> rows = RangeRows();
  ASSERT_EQ(rows.size(), 136);
  QSet<QString> maxima, keys;
  for (const TRangeRow& r : rows) {
    maxima.insert(r.MaxTorque);
    keys.insert(r.MaxTorque + QLatin1Char('/') + r.JointClass);
  }
  EXPECT_EQ(keys.size(), 136) << "a key occurs twice";
  EXPECT_EQ(maxima.size(), 34);
  QSet<QString> fromGrid;
  for (const QString& d : Diameters())
    for (const QString& c : BoltClasses()) fromGrid.insert(*BoltMaxTorque(d, c));
  EXPECT_EQ(fromGrid, maxima);
  // Stored by ascending maximum, joint classes 1 to 4 within each.
  for (int i = 0; i < rows.size(); ++i) {
    EXPECT_EQ(rows[i].JointClass, JointClasses()[i % 4]);
    if (i >= 4) {
      EXPECT_LT(rows[i - 4].MaxTorque.toInt(), rows[i].MaxTorque.toInt());
    }
  }
}

TEST(TorqueTables, MinimumsFallAcrossJointClassesAndNeverFallAsTheMaximumGrows) {
  const QList<TRangeRow> rows = RangeRows();
  QHash<QString, int> lastInClass;
  for (int i = 0; i < rows.size(); ++i) {
    const TRangeRow& r = rows[i];
    if (!IsNumber(r.Value)) continue;
    const int min = r.Value.toInt();
    EXPECT_LT(min, r.MaxTorque.toInt()) << r.MaxTorque.toStdString();
    if (i % 4 != 0 && IsNumber(rows[i - 1].Value)) {
      EXPECT_LT(min, rows[i - 1].Value.toInt()) << r.MaxTorque.toStdString() << "/" << r.JointClass.toStdString();
    }
    if (lastInClass.contains(r.JointClass)) {
      EXPECT_GE(min, lastInClass[r.JointClass]) << r.MaxTorque.toStdString() << "/" << r.JointClass.toStdString();
    }
    lastInClass[r.JointClass] = min;
  }
}

TEST(TorqueTables, RangesMatchTheReferenceAndOnlyFourAreWordings) {
  int wordings = 0;
  for (const QStringList& row : tabledata::Rows(tabledata::kRangeGrid)) {
    ASSERT_EQ(row.size(), 5);
    for (int j = 0; j < 4; ++j) {
      EXPECT_EQ(JointRange(row[0], tabledata::kJointClasses[j]), row[j + 1]);
      if (!IsNumber(row[j + 1])) ++wordings;
    }
  }
  EXPECT_EQ(wordings, 4);
}

TEST(TorqueTables, LookupIsByExactWholeText) {
  EXPECT_EQ(BoltMaxTorque("8", "8.8"), QStringLiteral("25"));
  EXPECT_FALSE(BoltMaxTorque("8.8", "8.8"));
  EXPECT_FALSE(BoltMaxTorque("08", "8.8"));
  EXPECT_FALSE(BoltMaxTorque(" 8", "8.8"));
  EXPECT_FALSE(BoltMaxTorque("8", "8,8"));
  EXPECT_FALSE(BoltMaxTorque("", ""));
  EXPECT_FALSE(NutMaxTorque("12", "5;6 "));
  EXPECT_EQ(NutMaxTorque("12", "5;6"), QStringLiteral("62"));
  EXPECT_EQ(NutMaxTorque("12", "4;5;6"), QStringLiteral("56"));
  EXPECT_FALSE(NutMaxTorque("12", "8.8")) << "bolt classes are not nut groups";
  EXPECT_FALSE(BoltMaxTorque("12", "6;8"));
  EXPECT_EQ(JointRange("10", "1"), QStringLiteral("9"));
  EXPECT_EQ(JointRange("100", "1"), QStringLiteral("90"));
  EXPECT_FALSE(JointRange("1000 ", "1"));
  EXPECT_FALSE(JointRange("100", "5"));
  EXPECT_FALSE(JointRange("", "1"));
  EXPECT_FALSE(ResultText(kBoltNoun, "99", "1"));
}

TEST(TorqueTables, SentenceIsWordedLetterForLetter) {
  EXPECT_EQ(*ResultText(kBoltNoun, "100", "2"),
            QStringLiteral("Момент затяжки болта поз.  Мкр от 80 Nm до 100 Nm, класс 2 по СТБ 1879-2008."));
  EXPECT_EQ(*ResultText(kNutNoun, "1100", "1"),
            QStringLiteral("Момент затяжки гайки поз.  Мкр от 920 Nm до 1100 Nm, класс 1 по СТБ 1879-2008."));
  EXPECT_EQ(*ResultText(kBoltNoun, "8", "4"),
            QStringLiteral("Момент затяжки болта поз.  Мкр от 4 Nm до 8 Nm, класс 4 по СТБ 1879-2008."));
  // "Nm" in Latin letters, "Мкр" and "СТБ" in Cyrillic ones.
  const QString s = *ResultText(kBoltNoun, "8", "4");
  EXPECT_TRUE(s.contains(QStringLiteral(" N") + QLatin1String("m")));
  EXPECT_EQ(s.at(s.indexOf(QStringLiteral("кр от")) - 1), QChar(0x041C));
  EXPECT_TRUE(s.endsWith(QStringLiteral("1879-2008.")));
  EXPECT_EQ(*ResultText(kBoltNoun, "5", "4"), QStringLiteral("Не определён"));
  for (const char* j : {"2", "3", "4"}) EXPECT_EQ(*ResultText(kNutNoun, "1100", j), QStringLiteral("Не регламентирован"));
}

}  // namespace
