// momenty table: whole tables in three forms, read back and compared with
// the program's own data.
#include "cli/CommandLine.h"
#include "core/PneumaticData.h"
#include "core/TorqueTables.h"

#include <gtest/gtest.h>

namespace {

using cli::Execute;

QStringList Args(const char* line) { return QString::fromUtf8(line).split(' ', Qt::SkipEmptyParts); }

// An RFC 4180 reader: records ended by CR LF, fields by ",", a quoted field
// may hold both and doubles its quotes. Fails the test on anything else.
QList<QStringList> ReadCsv(const QString& text) {
  QList<QStringList> records;
  QStringList record;
  QString field;
  bool quoted = false, wasQuoted = false;
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar c = text.at(i);
    if (quoted) {
      if (c != '"') {
        field += c;
      } else if (i + 1 < text.size() && text.at(i + 1) == '"') {
        field += '"';
        ++i;
      } else {
        quoted = false;
      }
    } else if (c == '"') {
      EXPECT_TRUE(field.isEmpty()) << "quote inside an unquoted field";
      quoted = wasQuoted = true;
    } else if (c == ',') {
      record << field;
      field.clear();
      wasQuoted = false;
    } else if (c == '\r') {
      EXPECT_TRUE(i + 1 < text.size() && text.at(i + 1) == '\n') << "CR without LF";
      record << field;
      records << record;
      record.clear();
      field.clear();
      wasQuoted = false;
      ++i;
    } else {
      EXPECT_NE(c, '\n') << "bare LF";
      EXPECT_FALSE(wasQuoted) << "text after a closing quote";
      EXPECT_NE(c, ';') << "an unquoted semicolon splits the field for a reader set to \";\"";
      field += c;
    }
  }
  EXPECT_FALSE(quoted);
  EXPECT_TRUE(field.isEmpty() && record.isEmpty()) << "last record not ended by CR LF";
  return records;
}

TEST(TableCommand, TorqueTablesInCsvReadBackAsTheLookUpsGiveThem) {
  for (const bool nut : {false, true}) {
    const QStringList classes = nut ? torque::NutGroups() : torque::BoltClasses();
    const auto max = nut ? torque::NutMaxTorque : torque::BoltMaxTorque;
    for (const QString& joint : QStringList{QString()} + torque::JointClasses()) {
      QStringList args{"table", nut ? "nut" : "bolt", "--format", "csv"};
      if (!joint.isEmpty()) args << "--joint" << joint;
      const auto r = Execute(args);
      ASSERT_EQ(r.Status, cli::kAnswered) << r.Err.toStdString();
      const QList<QStringList> rows = ReadCsv(r.Out);
      ASSERT_EQ(rows.size(), torque::Diameters().size() + 1);
      EXPECT_EQ(rows.at(0).mid(1), classes);
      for (qsizetype i = 0; i < torque::Diameters().size(); ++i) {
        const QString d = torque::Diameters().at(i);
        ASSERT_EQ(rows.at(i + 1).size(), classes.size() + 1);
        EXPECT_EQ(rows.at(i + 1).at(0), "M" + d);
        for (qsizetype c = 0; c < classes.size(); ++c) {
          const QString m = *max(d, classes.at(c));
          const QString cell = rows.at(i + 1).at(c + 1);
          if (joint.isEmpty()) {
            EXPECT_EQ(cell, m);
            continue;
          }
          const QString min = *torque::JointRange(m, joint);
          EXPECT_TRUE(cell == min || cell == min + QStringLiteral("…") + m) << cell.toStdString();
        }
      }
    }
  }
}

TEST(TableCommand, PneumaticTableKeepsCommasInsideQuotedFields) {
  const auto r = Execute(Args("table pneumatic --format=CSV"));
  ASSERT_EQ(r.Status, cli::kAnswered);
  const QList<QStringList> rows = ReadCsv(r.Out);
  ASSERT_FALSE(rows.isEmpty());
  EXPECT_EQ(rows.at(0).mid(1), PneumaticHeader());
  qsizetype n = 1;
  int group = 0;
  for (const TFittingGroup& g : PneumaticGroups()) {
    ++group;
    for (const TFittingRow& f : g.Rows) {
      ASSERT_LT(n, rows.size());
      EXPECT_EQ(rows.at(n), (QStringList{QString::number(group), f.Name, f.Designation, f.Torque, f.Wrench}));
      ++n;
    }
  }
  EXPECT_EQ(n, rows.size());
}

TEST(TableCommand, TextAndMarkdownShowEveryRow) {
  const auto text = Execute(Args("table bolt --joint 1"));
  const auto md = Execute(Args("table bolt -j 1 -f markdown"));
  ASSERT_EQ(text.Status, cli::kAnswered);
  ASSERT_EQ(md.Status, cli::kAnswered);
  const QStringList textLines = text.Out.split('\n', Qt::SkipEmptyParts);
  const QStringList mdLines = md.Out.split('\n', Qt::SkipEmptyParts);
  // Text: title, header, a row a diameter; Markdown: header, rule, rows.
  EXPECT_EQ(textLines.size(), torque::Diameters().size() + 2);
  ASSERT_EQ(mdLines.size(), torque::Diameters().size() + 2);
  EXPECT_TRUE(mdLines.at(1).startsWith("|---|"));
  for (qsizetype i = 0; i < torque::Diameters().size(); ++i) {
    const QString d = torque::Diameters().at(i);
    const QString last = torque::BoltClasses().constLast();
    const QString max = *torque::BoltMaxTorque(d, last);
    const QString min = *torque::JointRange(max, "1");
    EXPECT_TRUE(textLines.at(i + 2).startsWith("M" + d + ' '));
    EXPECT_TRUE(textLines.at(i + 2).endsWith(min + QStringLiteral("…") + max)) << textLines.at(i + 2).toStdString();
    EXPECT_EQ(mdLines.at(i + 2).count('|'), torque::BoltClasses().size() + 2);
    EXPECT_TRUE(mdLines.at(i + 2).endsWith(min + QStringLiteral("…") + max + " |"));
  }
  // Markdown's own marks in a cell are escaped ("Н*м").
  EXPECT_TRUE(Execute(Args("table pneumatic -f markdown")).Out.contains(QStringLiteral("Н\\*м")));
}

}  // namespace
