// The two calculations as functions, and the reading of list texts.
#include "core/CalcData.h"
#include "core/NumberFormat.h"
#include "core/Separators.h"
#include "core/ThreadCalc.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

QString Nb(const char* s) { return QString::fromUtf8(s).replace(QChar(' '), QChar(0x00A0)); }

TEST(ThreadCalcLists, ListTextsReadWithTheCommaWhateverTheLocale) {
  core::SetLocaleSeparators(QChar('.'), QChar(','));
  EXPECT_DOUBLE_EQ(ListNumber(QStringLiteral("0,00125")), 0.00125);
  EXPECT_DOUBLE_EQ(ListNumber(QStringLiteral("2,5")), 2.5);
  core::SetLocaleSeparators(QChar(','), QChar(0x00A0));
  EXPECT_DOUBLE_EQ(ListNumber(QStringLiteral("52")), 52);
  EXPECT_EQ(ListNumber(QString()), 0.0);
}

TEST(ThreadCalcLists, EveryItemIsANumberAndTheListsMatchUp) {
  for (const char* t : kNominalDiameters) EXPECT_GT(ListNumber(QString::fromUtf8(t)), 0) << t;
  for (std::size_t i = 0; i < kPitchesMm.size(); ++i) {
    // The metre list holds the millimetre pitches / 1000, item for item.
    EXPECT_NEAR(ListNumber(QString::fromUtf8(kPitchesM[i])), ListNumber(QString::fromUtf8(kPitchesMm[i])) / 1000,
                1e-15);
  }
  for (std::size_t i = 0; i < kMeanDiametersM.size(); ++i) {
    // A mean diameter lies below its nominal diameter.
    const double d2 = ListNumber(QString::fromUtf8(kMeanDiametersM[i])) * 1000;
    const double d = ListNumber(QString::fromUtf8(kNominalDiameters[i]));
    EXPECT_LT(d2, d) << i;
    EXPECT_GT(d2, d * 0.85) << i;
  }
}

TEST(ThreadCalcStrength, WorkedExamples) {
  // Сталь 35 нормализованная, M10 x 1,5.
  TStrengthInputs a{kMaterials[2].Sigma, 1.5, 10, 9.026, 0.14, 16, 10.5};
  auto r = TorqueFromStrength(a);
  ASSERT_TRUE(r);
  EXPECT_EQ(FormatResult(r->Force), Nb("1 851,39"));
  EXPECT_EQ(FormatResult(r->Torque), "39,14");
  // Сталь 40Х закалка, отпуск, M20 x 2,5.
  TStrengthInputs b{kMaterials[4].Sigma, 2.5, 20, 18.376, 0.14, 30, 21};
  r = TorqueFromStrength(b);
  ASSERT_TRUE(r);
  EXPECT_NEAR(r->Force, 14734.7875, 0.01);
  EXPECT_EQ(FormatResult(r->Force), Nb("14 734,80"));
  EXPECT_EQ(FormatResult(r->Torque), "605,95");
}

TEST(ThreadCalcStrength, TorqueGrowsWithFrictionAndForceIgnoresIt) {
  TStrengthInputs in{45, 1.5, 10, 9.026, 0.1, 16, 10.5};
  const auto lo = TorqueFromStrength(in);
  in.Friction = 0.35;
  const auto hi = TorqueFromStrength(in);
  ASSERT_TRUE(lo && hi);
  EXPECT_EQ(lo->Force, hi->Force);
  EXPECT_GT(hi->Torque, lo->Torque);
  // With no friction only the pitch term is left: F/2 * P / 3.1416 / 100.
  in.Friction = 0;
  const auto bare = TorqueFromStrength(in);
  ASSERT_TRUE(bare);
  EXPECT_NEAR(bare->Torque, bare->Force / 2 * 1.5 / 3.1416 / 100, 1e-12);
}

TEST(ThreadCalcStrength, AResultPastTheRangeOfADoubleIsNoResult) {
  TStrengthInputs in{1e308, 1.5, 10, 9.026, 0.14, 16, 10.5};
  EXPECT_FALSE(TorqueFromStrength(in));
  in.Sigma = 1e300;  // force finite, torque still finite
  EXPECT_TRUE(TorqueFromStrength(in));
  in.Sigma = 1e306;
  in.Friction = -1e300;  // force finite, torque terms overflow
  EXPECT_FALSE(TorqueFromStrength(in));
}

TEST(ThreadCalcPreload, WorkedExamples) {
  TPreloadInputs in{50, 0.0015, 0.009026, 0.14, 0.016, 0.0105};
  auto f = PreloadFromTorque(in);
  ASSERT_TRUE(f);
  EXPECT_EQ(FormatResult(*f), Nb("26 237,00"));
  in.Friction = in.OuterBearing = in.InnerBearing = 0;
  f = PreloadFromTorque(in);
  ASSERT_TRUE(f);
  EXPECT_EQ(FormatResult(*f), Nb("207 039,00"));
  in.Torque = 0;
  f = PreloadFromTorque(in);
  ASSERT_TRUE(f);
  EXPECT_EQ(FormatResult(*f), "0,00");
}

TEST(ThreadCalcPreload, AZeroDivisorGivesNoResult) {
  // Thread term 0.25 * 0.583 * 4 = 0.583 cancels the bearing term
  // 0.25 * 4 * (-0.583) exactly; no pitch.
  TPreloadInputs in{50, 0, 0.25, 4, -0.583, 0};
  EXPECT_FALSE(PreloadFromTorque(in));
  in.Torque = 0;  // 0 / 0 as well
  EXPECT_FALSE(PreloadFromTorque(in));
  in.Pitch = 0.001;  // the pitch term alone keeps it finite
  EXPECT_TRUE(PreloadFromTorque(in));
}

TEST(ThreadCalcPreload, AnOverflowingPreloadIsNoResult) {
  TPreloadInputs in{1e308, 0.0005, 0.00535, 0, 0, 0};
  EXPECT_FALSE(PreloadFromTorque(in));
  in.Torque = -1e308;
  EXPECT_FALSE(PreloadFromTorque(in));
}

}  // namespace
