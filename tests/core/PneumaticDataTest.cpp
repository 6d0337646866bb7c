// The pneumatic fittings reference table as printed.
#include "core/PneumaticData.h"

#include <gtest/gtest.h>

TEST(PneumaticData, HoldsTheSixGroupsAsPrinted) {
  EXPECT_EQ(PneumaticTitle(), QStringLiteral("Моменты затяжки деталей пневмоарматуры"));
  EXPECT_EQ(PneumaticHeader(), (QStringList{QStringLiteral("Наименование"), QStringLiteral("Обозначение"),
                                            QStringLiteral("М кр, Н*м"), QStringLiteral("S кл")}));
  // name | designation | torque | wrench, one line per row, groups apart.
  const char* kPrinted =
      "Гайка М12х1,5|374616|22…28|17\n"
      "Гайка М16х1,5|374639|32…40|22\n"
      "Гайка М22х1,5|374640|40…50|27\n"
      "Гайка М26х1,5|375040|40…50|36\n"
      "Гайка переходная|374895|40…50|27\n"
      "\n"
      "Гайка стяжная 6|405622|10…12|14\n"
      "Гайка стяжная 8|405623|12…16|17\n"
      "Гайка стяжная 10|405647|16…22|19\n"
      "Гайка стяжная 12|405648|22…28|22\n"
      "Гайка стяжная 16|405676|32…40|27\n"
      "Гайка стяжная 18|405690|40…50|32\n"
      "\n"
      "Гайка угольника, тройника привертного 6||32…40|14\n"
      "Гайки угольников привертных 10, 12, 18||40…50|19, 22, 32\n"
      "Гайки стяжные не трубопроводах медных||35…60|32\n"
      "Гайки шланга тефлонового (М26х1,5)||40…50|\n"
      "Гайки стяжные тормозных шлангов||40…50|22\n"
      "\n"
      "Пробка М12х1,5|378513, 378515|22…28|17\n"
      "Пробка М16х1,5|378520|32…40|24\n"
      "Пробка М22х1,5|378609|40…50|27\n"
      "Пробка М26х1,5|378629|40…50|32\n"
      "\n"
      "Штуцеры вверные М12х1,5||22…28|\n"
      "Штуцеры ввертные М16х1,5||32…40|\n"
      "Штуцеры ввертные М22х1,5||40…50|\n"
      "Штуцеры ввертные М26х1,5||40…50|\n"
      "Штуцеры КГ1/2||40…50|\n"
      "\n"
      "Клапан контрольный (М12х1,5)||22…28|\n"
      "Переходник под глушитель 103-3511156||22…28|";
  QStringList lines;
  for (const TFittingGroup& g : PneumaticGroups()) {
    if (!lines.isEmpty()) lines << QString();
    for (const TFittingRow& r : g.Rows)
      lines << QStringList{r.Name, r.Designation, r.Torque, r.Wrench}.join(QLatin1Char('|'));
  }
  EXPECT_EQ(lines.join(QLatin1Char('\n')), QString::fromUtf8(kPrinted));
  const TFittingLayout layouts[6] = {TFittingLayout::Full, TFittingLayout::Full, TFittingLayout::NoDesignation,
                                     TFittingLayout::Full, TFittingLayout::NameTorque, TFittingLayout::NameTorque};
  ASSERT_EQ(PneumaticGroups().size(), 6u);
  for (int g = 0; g < 6; ++g) EXPECT_EQ(PneumaticGroups()[g].Layout, layouts[g]) << g;
}
