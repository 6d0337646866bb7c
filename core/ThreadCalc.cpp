#include "core/ThreadCalc.h"

#include "core/DecimalText.h"
#include "core/NumberFormat.h"

#include <cmath>

double ListNumber(const QString& text) { return numtext::ReadNumber(text, QLatin1Char(',')); }

std::optional<TStrengthResult> TorqueFromStrength(const TStrengthInputs& in) {
  const double k = 1 - 1.22 * in.Pitch / in.Diameter;
  TStrengthResult r;
  r.Force = 0.785 * in.Diameter * in.Diameter * k * k * in.Sigma / 1.5;
  const double dm = (in.OuterBearing + in.InnerBearing) / 2;
  const double half = r.Force * 0.5;
  const double pitchTerm = half * in.Pitch / 3.1416;
  const double bearingTerm = half * in.Friction * dm;
  const double threadTerm = half * in.MeanDiameter * 1.5 * in.Friction;
  r.Torque = (pitchTerm + bearingTerm + threadTerm) / 100;
  if (!std::isfinite(r.Force) || !std::isfinite(r.Torque)) return std::nullopt;
  return r;
}

std::optional<double> PreloadFromTorque(const TPreloadInputs& in) {
  const double threadTerm = in.MeanDiameter * 0.583 * in.Friction;
  const double pitchTerm = 0.161 * in.Pitch;
  const double bearingTerm = 0.25 * in.Friction * (in.OuterBearing + in.InnerBearing);
  const double divisor = threadTerm + pitchTerm + bearingTerm;
  if (divisor == 0) return std::nullopt;
  const double force = in.Torque / divisor;
  if (!std::isfinite(force)) return std::nullopt;
  return force;
}

QString ForceResultLine(double force) {
  return QStringLiteral("Максимальная растягивающая сила при SIGMAрастяж. материала: ") + FormatResult(force) +
         QStringLiteral(" кг.");
}

QString TorqueResultLine(double torque) {
  return QStringLiteral("Максимальный момент затяжки при SIGMAрастяж. материала: ") + FormatResult(torque) +
         QStringLiteral(" Н*м.");
}

QString PreloadResultLine(double force) {
  return QStringLiteral("Усилие затяжки = ") + FormatResult(force) + QStringLiteral(" Н.");
}
