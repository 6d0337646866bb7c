// momenty calc: the calculation window's two calculations on the numbers its
// fields and lists would hold, in the window's result lines or as bare numbers.
#include "cli/CommandLine.h"
#include "core/CalcData.h"
#include "core/ThreadCalc.h"

#include <gtest/gtest.h>

namespace {

using cli::Execute;

QStringList Args(const char* line) { return QString::fromUtf8(line).split(' ', Qt::SkipEmptyParts); }

QString Lines(const TStrengthResult& r) { return ForceResultLine(r.Force) + '\n' + TorqueResultLine(r.Torque) + '\n'; }

TEST(CalcCommand, TorqueGivesTheWindowsLinesForItsExamples) {
  // Сталь 35 нормализованная, M10 x 1,5; Сталь 40Х закалка, отпуск, M20 x 2,5.
  auto r = Execute({"calc", "torque", "--material", QString::fromUtf8(kMaterials[2].Name), "--pitch", "1,5", "-d", "10",
                    "--d2", "9,026", "--dn", "16", "--dv", "10,5", "--mu", "0,14"});
  EXPECT_EQ(r.Status, cli::kAnswered) << r.Err.toStdString();
  EXPECT_EQ(r.Out, Lines(*TorqueFromStrength({kMaterials[2].Sigma, 1.5, 10, 9.026, 0.14, 16, 10.5})));
  EXPECT_TRUE(r.Out.contains(QStringLiteral("1\u00A0851,39 кг.")));
  r = Execute({"calc", "torque", "--material", QString::fromUtf8(kMaterials[4].Name), "--pitch", "2.5", "--diameter",
               "20", "--d2", "18.376", "--dn", "30", "--dv", "21", "--mu", "0.14"});
  EXPECT_EQ(r.Out, Lines(*TorqueFromStrength({kMaterials[4].Sigma, 2.5, 20, 18.376, 0.14, 30, 21})));
  EXPECT_TRUE(r.Out.contains(QStringLiteral("605,95 Н*м.")));
}

TEST(CalcCommand, TorqueTakesNumbersAsTheWindowsFieldsKeepThem) {
  const QString material = Execute(Args("calc torque --material АK8 --pitch 1,5 -d 10 --d2 9,026 --dn 16 --dv 10,5 --mu 0,14")).Out;
  ASSERT_FALSE(material.isEmpty());
  // The material named in Latin letters only, or in Cyrillic only, or in capitals.
  EXPECT_EQ(Execute(Args("calc torque --material AK8 --pitch 1.5 -d M10 --d2 9.026 --dn 16 --dv 10.5 --mu .14")).Out, material);
  EXPECT_EQ(Execute(Args("calc torque --material ак8 --pitch 1,50 --d=10 --d2 9,0264 --dn 16,004 --dv 10,5 --mu 0,137")).Out,
            material);
  // A typed strength gives what the material with that strength gives.
  EXPECT_EQ(Execute(Args("calc torque --strength 31 --pitch 1,5 -d 10 --d2 9,026 --dn 16 --dv 10,5 --mu 0,14")).Out, material);
  // Negative numbers pass, as in the window.
  EXPECT_EQ(Execute(Args("calc torque --strength -31 --pitch 1,5 -d 10 --d2 9,026 --dn 16 --dv 10,5 --mu 0,14")).Status,
            cli::kAnswered);
}

TEST(CalcCommand, PreloadGivesTheWindowsLineAndZerosPass) {
  const TPreloadInputs in{50, 0.0015, 0.009026, 0.14, 0.016, 0.0105};
  auto r = Execute(Args("calc preload --torque 50 --pitch 0,0015 --d2 0,009026 --dn 0,016 --dv 0,0105 --mu 0,14"));
  EXPECT_EQ(r.Status, cli::kAnswered);
  EXPECT_EQ(r.Out, PreloadResultLine(*PreloadFromTorque(in)) + '\n');
  EXPECT_TRUE(r.Out.contains(QStringLiteral("26\u00A0237,00 Н.")));
  r = Execute(Args("calc preload --torque 0 --pitch 0.0015 --d2 0.009026 --dn 0 --dv 0 --mu 0"));
  EXPECT_EQ(r.Status, cli::kAnswered);
  EXPECT_EQ(r.Out, PreloadResultLine(0) + '\n');
  // A diameter is kept to four decimals, as the field keeps it.
  TPreloadInputs rounded = in;
  rounded.OuterBearing = 0.0123;
  EXPECT_EQ(Execute(Args("calc preload --torque 50 --pitch 0,0015 --d2 0,009026 --dn 0,01234 --dv 0,0105 --mu 0,14")).Out,
            PreloadResultLine(*PreloadFromTorque(rounded)) + '\n');
}

TEST(CalcCommand, PlainPrintsBareNumbersWithAPointWhateverTheLocale) {
  const auto r = Execute(Args("calc torque --strength 98 --pitch 2,5 -d 20 --d2 18,376 --dn 30 --dv 21 --mu 0,14 --plain"));
  EXPECT_EQ(r.Out, "14734.80\n605.95\n");
  EXPECT_EQ(Execute(Args("calc preload --plain --torque 50 --pitch 0,0015 --d2 0,009026 --dn 0 --dv 0 --mu 0")).Out,
            "207039.00\n");
}

TEST(CalcCommand, AResultPastTheRangeOfADoubleIsNoAnswer) {
  const QString huge = QStringLiteral("1") + QString(308, '0');  // 1e308, written out
  auto r = Execute({"calc", "torque", "--strength", huge, "--pitch", "1,5", "-d", "52", "--d2", "48", "--dn", "80",
                    "--dv", "60", "--mu", "0,35"});
  EXPECT_EQ(r.Status, cli::kNoAnswer);
  EXPECT_TRUE(r.Out.isEmpty());
  EXPECT_EQ(r.Err.count('\n'), 1);
  r = Execute({"calc", "preload", "--torque", huge, "--pitch", "0,0005", "--d2", "0,00535", "--dn", "0", "--dv", "0",
               "--mu", "0"});
  EXPECT_EQ(r.Status, cli::kNoAnswer);
  EXPECT_TRUE(r.Out.isEmpty());
  EXPECT_EQ(r.Err.count('\n'), 1);
}

}  // namespace
