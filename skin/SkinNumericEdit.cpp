#include "skin/SkinNumericEdit.h"

#include "platform/Platform.h"
#include "skin/SkinFitText.h"
#include "skin/SkinPlainLook.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QStyleOptionFrame>

#include <cmath>

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

  void paintEvent(QPaintEvent* event) override {
    QStyleOptionFrame panel;
    initStyleOption(&panel);
    if (!PaintFittedLineEdit(*this, panel)) QLineEdit::paintEvent(event);
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
