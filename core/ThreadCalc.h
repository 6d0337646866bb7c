#pragma once
// The two thread calculations (the calculation window's upper and lower box),
// as plain functions.
#include <QString>

#include <optional>

// The number a list text reads; list texts carry the decimal comma whatever
// the locale. 0 for a text that is not a number.
double ListNumber(const QString& text);

// Upper box: from the material's tensile strength.
struct TStrengthInputs {
  double Sigma = 0;          // tensile strength, kgf/mm²
  double Pitch = 0;          // P, mm
  double Diameter = 0;       // nominal diameter d, mm
  double MeanDiameter = 0;   // d2, mm
  double Friction = 0;       // μ
  double OuterBearing = 0;   // Dn, mm
  double InnerBearing = 0;   // Dv, mm
};
struct TStrengthResult {
  double Force = 0;   // maximum tensile force, kgf
  double Torque = 0;  // maximum tightening torque, N·m
};
// Nothing when the inputs give a result that is not a finite number.
std::optional<TStrengthResult> TorqueFromStrength(const TStrengthInputs& in);

// Lower box: from the tightening torque, everything in SI units.
struct TPreloadInputs {
  double Torque = 0;        // M, N·m
  double Pitch = 0;         // p, m
  double MeanDiameter = 0;  // d2, m
  double Friction = 0;      // μ
  double OuterBearing = 0;  // Dn, m
  double InnerBearing = 0;  // Dv, m
};
// The axial preload in newtons; nothing when the divisor is zero or the result
// is not a finite number.
std::optional<double> PreloadFromTorque(const TPreloadInputs& in);

// The result lines of the calculation window, numbers in the result format
// with the locale's separators.
QString ForceResultLine(double force);    // "Максимальная растягивающая сила ...: <F> кг."
QString TorqueResultLine(double torque);  // "Максимальный момент затяжки ...: <M> Н*м."
QString PreloadResultLine(double force);  // "Усилие затяжки = <F> Н."
