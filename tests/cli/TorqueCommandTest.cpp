// momenty bolt / nut: for every choice of the windows' lists the command line
// answers with what the window writes (through the same core functions), and
// takes loosely written inputs as the same choice.
#include "cli/CommandLine.h"
#include "core/TorqueTables.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

#include <functional>

namespace {

using cli::Execute;

struct TWindow {
  const char* Command;
  const QString* Noun;
  std::function<QStringList()> Classes;
  std::function<std::optional<QString>(const QString&, const QString&)> MaxTorque;
};
const TWindow kWindows[] = {
    {"bolt", &torque::kBoltNoun, torque::BoltClasses, torque::BoltMaxTorque},
    {"nut", &torque::kNutNoun, torque::NutGroups, torque::NutMaxTorque},
};

bool IsWording(const QString& v) { return v == torque::kNotDefined || v == torque::kNotRegulated; }

TEST(TorqueCommand, EveryChoicePrintsWhatTheWindowWritesAndFlagsTheUndefinedOnes) {
  int choices = 0, undefined = 0;
  for (const TWindow& w : kWindows) {
    for (const QString& d : torque::Diameters()) {
      for (const QString& c : w.Classes()) {
        for (const QString& j : torque::JointClasses()) {
          SCOPED_TRACE((QString::fromLatin1(w.Command) + ' ' + d + ' ' + c + ' ' + j).toStdString());
          ++choices;
          // What the window's "Показать" leaves in its field for this choice.
          const QString max = w.MaxTorque(d, c).value();
          const QString windowText = torque::ResultText(*w.Noun, max, j).value();
          const QString value = torque::JointRange(max, j).value();
          const auto r = Execute({QString::fromLatin1(w.Command), d, c, j});
          EXPECT_EQ(r.Out, windowText + '\n');
          const auto t = Execute({QString::fromLatin1(w.Command), QStringLiteral("M") + d, c, j, QStringLiteral("--torque")});
          if (IsWording(value)) {
            ++undefined;
            EXPECT_EQ(r.Status, cli::kNoAnswer);
            EXPECT_EQ(r.Err.count('\n'), 1);
            EXPECT_TRUE(r.Err.contains(value));
            EXPECT_EQ(t.Out, max + '\n');
            EXPECT_EQ(t.Status, cli::kNoAnswer);
          } else {
            EXPECT_EQ(r.Status, cli::kAnswered);
            EXPECT_TRUE(r.Err.isEmpty());
            EXPECT_EQ(t.Out, value + ' ' + max + '\n');
            EXPECT_EQ(t.Status, cli::kAnswered);
          }
        }
      }
    }
  }
  EXPECT_EQ(choices, 2 * 50 * 4);
  EXPECT_GT(undefined, 0);
}

TEST(TorqueCommand, JsonCarriesTheInputsTheRangeAndTheSentence) {
  for (const TWindow& w : kWindows) {
    const QString d = torque::Diameters().at(3);
    const QString c = w.Classes().at(2);
    const QString max = w.MaxTorque(d, c).value();
    const auto r = Execute({QString::fromLatin1(w.Command), d, c, QStringLiteral("2"), QStringLiteral("--json")});
    ASSERT_EQ(r.Status, cli::kAnswered) << r.Err.toStdString();
    ASSERT_TRUE(r.Out.endsWith('\n'));
    EXPECT_EQ(r.Out.count('\n'), 1);
    QJsonParseError error;
    const QJsonObject o = QJsonDocument::fromJson(r.Out.toUtf8(), &error).object();
    ASSERT_EQ(error.error, QJsonParseError::NoError);
    EXPECT_EQ(o.value("fastener").toString(), QString::fromLatin1(w.Command));
    EXPECT_EQ(o.value("diameter").toString(), d);
    EXPECT_EQ(o.value("class").toString(), c);
    EXPECT_EQ(o.value("joint").toString(), "2");
    EXPECT_EQ(o.value("max").toInt(), max.toInt());
    EXPECT_EQ(o.value("min").toInt(), torque::JointRange(max, "2")->toInt());
    EXPECT_EQ(o.value("sentence").toString(), torque::ResultText(*w.Noun, max, "2"));
  }
  // Where the standard gives no minimum: null, the window's wording, status 1.
  for (const auto& row : torque::RangeRows()) {
    if (!IsWording(row.Value)) continue;
    for (const QString& d : torque::Diameters())
      for (const QString& c : torque::BoltClasses()) {
        if (torque::BoltMaxTorque(d, c) != row.MaxTorque) continue;
        const auto r = Execute({"bolt", d, c, row.JointClass, "--json"});
        const QJsonObject o = QJsonDocument::fromJson(r.Out.toUtf8()).object();
        EXPECT_TRUE(o.value("min").isNull());
        EXPECT_EQ(o.value("sentence").toString(), row.Value);
        EXPECT_EQ(r.Status, cli::kNoAnswer);
      }
  }
}

TEST(TorqueCommand, LooseSpellingsNameTheSameChoice) {
  const QString expected = Execute({"bolt", "12", "8.8", "2"}).Out;
  ASSERT_FALSE(expected.isEmpty());
  const char* const diameters[] = {"M12", "m12", "М12" /* Cyrillic */, "м12", " M12 "};
  for (const char* d : diameters) {
    const auto r = Execute({"bolt", QString::fromUtf8(d), "8,8", "2"});
    EXPECT_EQ(r.Out, expected) << d;
    EXPECT_EQ(r.Status, cli::kAnswered) << d;
  }
  // A class that only differs in the decimal mark must not match another one.
  EXPECT_EQ(Execute({"bolt", "M12", "10,9", "1"}).Out, Execute({"bolt", "12", "10.9", "1"}).Out);
  EXPECT_NE(Execute({"bolt", "M12", "10,9", "1"}).Out, Execute({"bolt", "12", "8.8", "1"}).Out);
  // A nut group is written as in the list; "5;6" is not "4;5;6".
  EXPECT_EQ(Execute({"nut", "M10", "5;6", "3"}).Out, torque::ResultText(torque::kNutNoun, *torque::NutMaxTorque("10", "5;6"), "3").value() + '\n');
  // "M" before something other than a digit is no diameter; "18" is not "8".
  EXPECT_EQ(Execute({"bolt", "MM12", "8.8", "2"}).Status, cli::kUsage);
  EXPECT_EQ(Execute({"bolt", "8", "8.8", "2"}).Out,
            torque::ResultText(torque::kBoltNoun, *torque::BoltMaxTorque("8", "8.8"), "2").value() + '\n');
}

}  // namespace
