#include "core/PneumaticData.h"

namespace {

struct TRowText {
  const char* Name;
  const char* Designation;
  const char* Torque;
  const char* Wrench;
};

const TRowText kGroup1[] = {
    {"Гайка М12х1,5", "374616", "22…28", "17"},
    {"Гайка М16х1,5", "374639", "32…40", "22"},
    {"Гайка М22х1,5", "374640", "40…50", "27"},
    {"Гайка М26х1,5", "375040", "40…50", "36"},
    {"Гайка переходная", "374895", "40…50", "27"},
};
const TRowText kGroup2[] = {
    {"Гайка стяжная 6", "405622", "10…12", "14"},
    {"Гайка стяжная 8", "405623", "12…16", "17"},
    {"Гайка стяжная 10", "405647", "16…22", "19"},
    {"Гайка стяжная 12", "405648", "22…28", "22"},
    {"Гайка стяжная 16", "405676", "32…40", "27"},
    {"Гайка стяжная 18", "405690", "40…50", "32"},
};
const TRowText kGroup3[] = {
    {"Гайка угольника, тройника привертного 6", "", "32…40", "14"},
    {"Гайки угольников привертных 10, 12, 18", "", "40…50", "19, 22, 32"},
    {"Гайки стяжные не трубопроводах медных", "", "35…60", "32"},
    {"Гайки шланга тефлонового (М26х1,5)", "", "40…50", ""},
    {"Гайки стяжные тормозных шлангов", "", "40…50", "22"},
};
const TRowText kGroup4[] = {
    {"Пробка М12х1,5", "378513, 378515", "22…28", "17"},
    {"Пробка М16х1,5", "378520", "32…40", "24"},
    {"Пробка М22х1,5", "378609", "40…50", "27"},
    {"Пробка М26х1,5", "378629", "40…50", "32"},
};
const TRowText kGroup5[] = {
    {"Штуцеры вверные М12х1,5", "", "22…28", ""},
    {"Штуцеры ввертные М16х1,5", "", "32…40", ""},
    {"Штуцеры ввертные М22х1,5", "", "40…50", ""},
    {"Штуцеры ввертные М26х1,5", "", "40…50", ""},
    {"Штуцеры КГ1/2", "", "40…50", ""},
};
const TRowText kGroup6[] = {
    {"Клапан контрольный (М12х1,5)", "", "22…28", ""},
    {"Переходник под глушитель 103-3511156", "", "22…28", ""},
};

template <std::size_t N>
TFittingGroup MakeGroup(TFittingLayout layout, const TRowText (&rows)[N]) {
  TFittingGroup g{layout, {}};
  for (const TRowText& r : rows)
    g.Rows.push_back({QString::fromUtf8(r.Name), QString::fromUtf8(r.Designation),
                      QString::fromUtf8(r.Torque), QString::fromUtf8(r.Wrench)});
  return g;
}

}  // namespace

QString PneumaticTitle() { return QStringLiteral("Моменты затяжки деталей пневмоарматуры"); }

QStringList PneumaticHeader() {
  return {QStringLiteral("Наименование"), QStringLiteral("Обозначение"), QStringLiteral("М кр, Н*м"),
          QStringLiteral("S кл")};
}

const std::vector<TFittingGroup>& PneumaticGroups() {
  static const std::vector<TFittingGroup> groups = {
      MakeGroup(TFittingLayout::Full, kGroup1),          MakeGroup(TFittingLayout::Full, kGroup2),
      MakeGroup(TFittingLayout::NoDesignation, kGroup3), MakeGroup(TFittingLayout::Full, kGroup4),
      MakeGroup(TFittingLayout::NameTorque, kGroup5),    MakeGroup(TFittingLayout::NameTorque, kGroup6),
  };
  return groups;
}
