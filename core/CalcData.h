#pragma once
// Fixed data of the calculation window: the materials with their tensile
// strength and the item texts of its four lists.
#include <QStringList>

#include <array>

struct TMaterial {
  const char* Name;  // item text of the material choice
  double Sigma;      // tensile strength, kgf/mm²
};

// Index = item position in the material choice.
inline constexpr std::array<TMaterial, 8> kMaterials = {{
    {"Сталь 25 нормализованная", 45},
    {"Сталь 30 нормализованная", 49},
    {"Сталь 35 нормализованная", 53},
    {"Сталь 35 закалка, отпуск", 65},
    {"Сталь 40Х закалка, отпуск", 98},
    {"АK8", 31},  // Cyrillic А, Latin K
    {"Д16", 48},
    {"Фторопласт4", 30},
}};

// Nominal thread diameters, mm (upper box).
inline constexpr std::array<const char*, 19> kNominalDiameters = {
    "6", "8", "10", "12", "14", "16", "18", "20", "22", "24",
    "27", "30", "33", "36", "39", "42", "45", "48", "52"};

// Thread pitches, mm (upper box).
inline constexpr std::array<const char*, 9> kPitchesMm = {
    "0,5", "0,75", "1", "1,25", "1,5", "1,75", "2", "2,5", "3"};

// The same pitches in metres (lower box).
inline constexpr std::array<const char*, kPitchesMm.size()> kPitchesM = {
    "0,0005", "0,00075", "0,001", "0,00125", "0,0015", "0,00175", "0,002", "0,0025", "0,003"};

// Mean diameters of the coarse threads of kNominalDiameters, in metres, in the
// same order (lower box).
inline constexpr std::array<const char*, kNominalDiameters.size()> kMeanDiametersM = {
    "0,00535", "0,007188", "0,009026", "0,010863", "0,012701", "0,014701", "0,016376",
    "0,018376", "0,020376", "0,022051", "0,025051", "0,027727", "0,030727", "0,033402",
    "0,036402", "0,039077", "0,042077", "0,044752", "0,048752"};

// Digits after the decimal separator that the calculation window's numeric
// fields keep; a typed number is used as the field rounds it.
namespace field_decimals {
inline constexpr int kStrength = 2;  // typed tensile strength
inline constexpr int kOuterMm = 2;   // Dn, upper box
inline constexpr int kInnerMm = 3;   // Dv, upper box
inline constexpr int kFriction = 2;  // μ, both boxes
inline constexpr int kMeanMm = 3;    // d2, upper box
inline constexpr int kTorque = 2;    // M, lower box
inline constexpr int kBearingM = 4;  // Dn and Dv, lower box
}  // namespace field_decimals

QStringList MaterialItems();
template <std::size_t N>
QStringList ItemList(const std::array<const char*, N>& texts) {
  QStringList out;
  for (const char* t : texts) out << QString::fromUtf8(t);
  return out;
}
