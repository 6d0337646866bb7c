#include "skin/SkinNumericEdit.h"

#include "platform/Platform.h"
#include "skin/SkinPlainLook.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>

#include <charconv>
#include <cmath>
#include <string>

// --- Decimal text rules -------------------------------------------------------

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

bool IsNumber(const QString& text, QChar decimalSeparator) {
  double v;
  return Parse(text, decimalSeparator, v);
}

double ReadNumber(const QString& text, QChar decimalSeparator) {
  double v = 0;
  return Parse(text, decimalSeparator, v) ? v : 0;
}

}  // namespace numtext

// --- The line editor inside the field -----------------------------------------

class TbsNumericEditor : public QLineEdit {
public:
  explicit TbsNumericEditor(TbsSkinNumericEdit* owner) : QLineEdit(owner), FOwner(owner) {
    setFrame(false);
    // Digits, "-" and the separator need no input method; text committed
    // through one would pass by the key rules below.
    setAttribute(Qt::WA_InputMethodEnabled, false);
  }

protected:
  void keyPressEvent(QKeyEvent* event) override {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
      platform::Beep();
      event->accept();
      return;
    }
    const QString text = event->text();
    const bool command = event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    const bool control = text.isEmpty() || text.at(0).unicode() < 0x20 || text.at(0).unicode() == 0x7F;
    if (!command && !control) {
      for (QChar c : text) {
        if (!FOwner->AcceptsCharacter(c)) {
          platform::Beep();
          event->accept();
          return;
        }
      }
    }
    QLineEdit::keyPressEvent(event);
  }

  void focusInEvent(QFocusEvent* event) override {
    QLineEdit::focusInEvent(event);
    FOwner->ApplyFont();  // the active look
  }

  void focusOutEvent(QFocusEvent* event) override {
    QLineEdit::focusOutEvent(event);
    FOwner->ApplyFont();
    // A context menu or another window taking over does not move the focus
    // away from the field within its window.
    if (event->reason() != Qt::PopupFocusReason && event->reason() != Qt::ActiveWindowFocusReason)
      FOwner->Rewrite();
  }

private:
  TbsSkinNumericEdit* FOwner;
};

// --- The field ----------------------------------------------------------------

TbsSkinNumericEdit::TbsSkinNumericEdit(QWidget* parent)
    : TbsSkinCustomControl(parent, QStringLiteral("edit"), IsRecordOf<TbsDataSkinEditControl>),
      FEditor(new TbsNumericEditor(this)) {
  resize(121, 21);
  DefaultFont = TFont::Make(QStringLiteral("Arial"), 14, 0, clBlack);
  FEditor->setText(QStringLiteral("0"));
  setFocusPolicy(Qt::StrongFocus);
  setFocusProxy(FEditor);
  setCursor(Qt::IBeamCursor);
  connect(FEditor, &QLineEdit::textEdited, this, [this](const QString& t) { TextEdited(t); });
  ApplyFont();
}

TbsSkinNumericEdit::~TbsSkinNumericEdit() = default;

QLineEdit* TbsSkinNumericEdit::Editor() const { return FEditor; }

QString TbsSkinNumericEdit::Text() const { return FEditor->text(); }

void TbsSkinNumericEdit::SetDecimal(int decimals) { FDecimal = std::max(0, decimals); }

void TbsSkinNumericEdit::SetAlignment(Qt::Alignment alignment) { FEditor->setAlignment(alignment); }

void TbsSkinNumericEdit::SetDefaultFont(const TFont& font) {
  TbsSkinCustomControl::SetDefaultFont(font);
  ApplyFont();
}

void TbsSkinNumericEdit::ApplyFont() {
  // The editor covers the record's client rectangle and lets the body show
  // through; in the plain look it covers the face inside the border.
  QPalette pal = FEditor->palette();
  if (FLook.Valid()) {
    const QFont font = ToQFont(FLook.Font(DefaultFont, UseSkinFont));
    FEditor->setFont(font);
    FEditor->setGeometry(FLook.TextArea(size(), font));
    pal.setColor(QPalette::Base, Qt::transparent);
    pal.setColor(QPalette::Text, ToQColor(FLook.TextColor(isEnabled(), IsActive(), DefaultFont, UseSkinFont)));
    pal.setColor(QPalette::Disabled, QPalette::Text,
                 ToQColor(FLook.TextColor(false, false, DefaultFont, UseSkinFont)));
  } else {
    FEditor->setFont(ToQFont(DefaultFont));
    FEditor->setGeometry(rect().adjusted(2, 2, -2, -2));
    pal.setColor(QPalette::Text, ToQColor(DefaultFont.Color));
    pal.setColor(QPalette::Base, ToQColor(clWindow));
  }
  FEditor->setPalette(pal);
  update();
}

void TbsSkinNumericEdit::SetSkinData(TbsSkinData* data) {
  TbsSkinCustomControl::SetSkinData(data);
  ApplyFont();
}

void TbsSkinNumericEdit::LookUpRecord() {
  TbsSkinCustomControl::LookUpRecord();
  FLook = FIndex >= 0 ? TbsEditLook::From(FSkinData, FSkinDataName) : TbsEditLook();
}

void TbsSkinNumericEdit::SkinWillChange() {
  TbsSkinCustomControl::SkinWillChange();
  FLook = TbsEditLook();
  ApplyFont();
}

void TbsSkinNumericEdit::SkinChanged() {
  TbsSkinCustomControl::SkinChanged();
  ApplyFont();
}

bool TbsSkinNumericEdit::GrowsAroundClient() const {
  return FResizeMode != TbsResizeMode::rmFree && FResizeMode != TbsResizeMode::rmNone;
}

TRect TbsSkinNumericEdit::SkinClientRect() const { return FLook.ClientRect(size()); }

bool TbsSkinNumericEdit::DrawSkin(QImage& image) {
  const QImage body = FLook.Body(size(), IsActive());
  if (body.isNull()) return false;
  QPainter p(&image);
  PutImage(p, body);
  return true;
}

bool TbsSkinNumericEdit::event(QEvent* event) {
  if (event->type() == QEvent::Enter || event->type() == QEvent::Leave) {
    FMouseIn = event->type() == QEvent::Enter;
    if (FLook.Valid()) ApplyFont();
  }
  return TbsSkinCustomControl::event(event);
}

bool TbsSkinNumericEdit::AcceptsCharacter(QChar c) const {
  if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) return true;
  const QChar sep = platform::DecimalSeparator();
  if (c != QLatin1Char('-') && (c != sep || ValueType == TbsValueType::vtInteger)) return false;
  // A second "-" or separator is refused; what the typed character replaces
  // (the selection) no longer counts.
  QString rest = FEditor->text();
  if (FEditor->hasSelectedText()) rest.remove(FEditor->selectionStart(), FEditor->selectedText().size());
  return !rest.contains(c);
}

void TbsSkinNumericEdit::TextEdited(const QString& text) {
  const QChar sep = platform::DecimalSeparator();
  if (numtext::IsNumber(text, sep)) FValue = numtext::ReadNumber(text, sep);
  FireEvent(OnChange, this);
}

void TbsSkinNumericEdit::Rewrite() {
  const QChar sep = platform::DecimalSeparator();
  const QString oldText = FEditor->text();
  const double oldValue = FValue;
  const QString text = numtext::RoundedFixed(FValue, -FDecimal, FDecimal, sep);
  FValue = numtext::ReadNumber(text, sep);
  const bool textChanged = text != oldText;
  if (textChanged) FEditor->setText(text);
  const bool valueChanged = FValue != oldValue;
  if (textChanged) FireEvent(OnChange, this);
  if (valueChanged) FireEvent(OnChange, this);
}

void TbsSkinNumericEdit::SetValue(double value) {
  if (!std::isfinite(value)) return;  // a field only ever holds a number it can write
  FValue = value;
  Rewrite();
}

void TbsSkinNumericEdit::resizeEvent(QResizeEvent* event) {
  TbsSkinCustomControl::resizeEvent(event);
  ApplyFont();
}

void TbsSkinNumericEdit::changeEvent(QEvent* event) {
  TbsSkinCustomControl::changeEvent(event);
  if (event->type() == QEvent::EnabledChange) ApplyFont();
}

void TbsSkinNumericEdit::DrawPlain(QImage& image) {
  // Plain look: the field's face in the window colour inside a two-pixel sunken
  // border (shadow and dark shadow above and left, highlight and light below
  // and right). The editor covers the face.
  QPainter p(&image);
  p.fillRect(image.rect(), ToQColor(isEnabled() ? clWindow : clBtnFace));
  DrawSunkenBorder(p, image.size());
}
