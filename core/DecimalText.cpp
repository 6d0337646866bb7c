#include "core/DecimalText.h"

#include <charconv>
#include <cmath>
#include <string>

namespace numtext {
namespace {

// |value| as 15 significant decimal digits: value = d0.d1d2...d14 x 10^Exponent.
struct TDecimalForm {
  std::string Digits;
  int Exponent = 0;
};

TDecimalForm DecimalForm(double value) {
  char buf[64];
  const auto res = std::to_chars(buf, buf + sizeof buf, std::fabs(value), std::chars_format::scientific, 14);
  const std::string s(buf, res.ptr);  // "d.ddddddddddddddde+XX"
  TDecimalForm f;
  const auto e = s.find('e');
  for (std::size_t i = 0; i < e; ++i)
    if (s[i] != '.') f.Digits += s[i];
  f.Exponent = std::stoi(s.substr(e + 1));
  return f;
}

// Adds one to a string of decimal digits.
void Increment(std::string& digits) {
  for (auto i = digits.size(); i-- > 0;) {
    if (digits[i] != '9') {
      ++digits[i];
      return;
    }
    digits[i] = '0';
  }
  digits.insert(digits.begin(), '1');
}

QString Grouped(const std::string& intPart, QChar group) {
  QString out;
  const int n = static_cast<int>(intPart.size());
  for (int i = 0; i < n; ++i) {
    if (!group.isNull() && i > 0 && (n - i) % 3 == 0) out += group;
    out += QLatin1Char(intPart[static_cast<std::size_t>(i)]);
  }
  return out;
}

}  // namespace

int LeadingPlace(double value) {
  if (value == 0 || !std::isfinite(value)) return INT_MIN;
  return DecimalForm(value).Exponent;
}

QString RoundedFixed(double value, int roundPlace, int decimals, QChar decimalSeparator, QChar groupSeparator) {
  if (!std::isfinite(value)) return {};
  if (decimals < 0) decimals = 0;
  if (roundPlace < -decimals) roundPlace = -decimals;

  // R: the value in units of 10^roundPlace, rounded half away from zero.
  std::string r;
  if (value == 0) {
    r = "0";
  } else {
    const TDecimalForm f = DecimalForm(value);
    const long long keep = static_cast<long long>(f.Exponent) - roundPlace + 1;  // digits at or above the place
    if (keep < 0) {
      r = "0";
    } else if (keep == 0) {
      r = f.Digits[0] >= '5' ? "1" : "0";
    } else {
      const auto k = static_cast<std::size_t>(keep);
      r = f.Digits.substr(0, std::min(k, f.Digits.size()));
      if (r.size() < k) r.append(k - r.size(), '0');
      if (k < f.Digits.size() && f.Digits[k] >= '5') Increment(r);
    }
  }

  // The digits of R x 10^roundPlace, the last `fraction` of them after the point.
  std::string all = r;
  if (roundPlace > 0) all.append(static_cast<std::size_t>(roundPlace), '0');
  const auto fraction = static_cast<std::size_t>(roundPlace < 0 ? -roundPlace : 0);
  if (all.size() <= fraction) all.insert(0, fraction + 1 - all.size(), '0');
  std::string intPart = all.substr(0, all.size() - fraction);
  std::string fracPart = all.substr(all.size() - fraction);
  fracPart.append(static_cast<std::size_t>(decimals) - fracPart.size(), '0');
  const auto firstNonZero = intPart.find_first_not_of('0');
  intPart = firstNonZero == std::string::npos ? "0" : intPart.substr(firstNonZero);

  const bool zero = intPart == "0" && fracPart.find_first_not_of('0') == std::string::npos;
  QString out;
  if (value < 0 && !zero) out += QLatin1Char('-');
  out += Grouped(intPart, groupSeparator);
  if (decimals > 0) {
    out += decimalSeparator;
    out += QString::fromLatin1(fracPart.data(), static_cast<qsizetype>(fracPart.size()));
  }
  return out;
}

namespace {
// The text in the form from_chars reads; empty when a rule is broken.
std::string Normalised(const QString& text, QChar sep) {
  if (text.isEmpty()) return {};
  std::string out;
  out.reserve(static_cast<std::size_t>(text.size()));
  bool minus = false, point = false, digit = false;
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar c = text.at(i);
    if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) {
      digit = true;
      out += static_cast<char>(c.unicode());
    } else if (c == QLatin1Char('-')) {
      if (i != 0 || minus) return {};
      minus = true;
      out += '-';
    } else if (c == sep) {
      if (i == 0 || point) return {};
      point = true;
      out += '.';
    } else {
      return {};
    }
  }
  if (!digit) return {};
  return out;
}

bool Parse(const QString& text, QChar sep, double& value) {
  const std::string s = Normalised(text, sep);
  if (s.empty()) return false;
  double v = 0;
  const auto res = std::from_chars(s.data(), s.data() + s.size(), v, std::chars_format::fixed);
  if (res.ec != std::errc() || res.ptr != s.data() + s.size() || !std::isfinite(v)) return false;
  value = v;
  return true;
}
}  // namespace

double RoundedToDecimals(double value, int decimals) {
  return ReadNumber(RoundedFixed(value, -decimals, decimals, QLatin1Char('.')), QLatin1Char('.'));
}

bool IsNumber(const QString& text, QChar decimalSeparator) {
  double v;
  return Parse(text, decimalSeparator, v);
}

double ReadNumber(const QString& text, QChar decimalSeparator) {
  double v = 0;
  return Parse(text, decimalSeparator, v) ? v : 0;
}

namespace {
bool IsGroupBlank(QChar c) { return c == QLatin1Char(' ') || c == QChar(0x00A0) || c == QChar(0x202F); }
}  // namespace

QString PastedNumber(const QString& text, QChar sep, bool fraction) {
  QString t = text.trimmed();
  if (sep == QLatin1Char(',') && !t.contains(sep) && t.count(QLatin1Char('.')) == 1)
    t.replace(QLatin1Char('.'), sep);

  QString out;
  qsizetype i = 0;
  if (t.startsWith(QLatin1Char('-'))) {
    out += QLatin1Char('-');
    i = 1;
  }
  // The whole part, its group blanks dropped: the first group has one to
  // three digits, every later one three.
  const qsizetype end = t.indexOf(sep, i) < 0 ? t.size() : t.indexOf(sep, i);
  int group = 0;
  bool grouped = false;
  for (; i < end; ++i) {
    const QChar c = t.at(i);
    if (!IsGroupBlank(c)) {
      out += c;  // anything but a digit fails the number test below
      ++group;
      continue;
    }
    if (group == 0 || (grouped ? group != 3 : group > 3)) return {};
    grouped = true;
    group = 0;
  }
  if (grouped && group != 3) return {};
  out += QStringView(t).sliced(end);
  if (!IsNumber(out, sep) || (!fraction && out.contains(sep))) return {};
  return out;
}

}  // namespace numtext
