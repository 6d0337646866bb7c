#include "skin/SkinNumericEdit.h"

#include "platform/Clipboard.h"
#include "platform/Platform.h"
#include "skin/SkinFitText.h"
#include "skin/SkinPlainLook.h"

#include <QContextMenuEvent>
#include <QDropEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
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
  // Every way text enters besides typing ends in the field's PasteText: the
  // paste keys, the context menu's paste, the middle button's paste of the
  // selection, and a drop.
  void keyPressEvent(QKeyEvent* event) override {
    if (event->matches(QKeySequence::Paste)) {
      FOwner->PasteText(platform::ClipboardText());
      event->accept();
      return;
    }
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

  void contextMenuEvent(QContextMenuEvent* event) override {
    QMenu* menu = createStandardContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    // The standard menu's paste goes past the field's rules: find it by its
    // connection and send it through them.
    for (QAction* action : menu->actions())
      if (QObject::disconnect(action, SIGNAL(triggered()), this, SLOT(paste())) ||
          QObject::disconnect(action, &QAction::triggered, this, &QLineEdit::paste))
        connect(action, &QAction::triggered, this, [this] { FOwner->PasteText(platform::ClipboardText()); });
    menu->popup(event->globalPos());
    event->accept();
  }

  void mousePressEvent(QMouseEvent* event) override {
    // The middle button pastes on release; pressing it moves nothing.
    if (event->button() == Qt::MiddleButton && platform::HasSelectionText()) {
      event->accept();
      return;
    }
    QLineEdit::mousePressEvent(event);
  }

  void mouseReleaseEvent(QMouseEvent* event) override {
    if (event->button() == Qt::MiddleButton && platform::HasSelectionText()) {
      // Pasted where the button was released, as a text field does.
      PasteAt(cursorPositionAt(event->position().toPoint()), platform::SelectionText());
      event->accept();
      return;
    }
    QLineEdit::mouseReleaseEvent(event);
  }

  // A drag moves the cursor along as it passes; a refused drop puts the
  // cursor and the selection back where they were before it came.
  void dragEnterEvent(QDragEnterEvent* event) override {
    FBeforeDrag = {cursorPosition(), selectionStart(), selectionLength()};
    QLineEdit::dragEnterEvent(event);
  }

  void dragLeaveEvent(QDragLeaveEvent* event) override {
    QLineEdit::dragLeaveEvent(event);
    Restore(FBeforeDrag);
  }

  void dropEvent(QDropEvent* event) override {
    const QMimeData* data = event->mimeData();
    const int at = cursorPositionAt(event->position().toPoint());
    Restore(FBeforeDrag);
    if (data && data->hasText() && PasteAt(at, data->text())) {
      event->acceptProposedAction();
      // A field that is not being edited shows its value written out.
      if (!hasFocus()) FOwner->Rewrite();
    } else {
      event->ignore();
    }
    update();
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
  struct TCursor {
    int Position = 0, SelectionStart = -1, SelectionLength = 0;
  };
  void Restore(const TCursor& c) {
    if (c.SelectionStart >= 0)
      setSelection(c.SelectionStart, c.SelectionLength);
    else
      setCursorPosition(c.Position);
  }

  // Pastes at `position` with nothing selected; a refused text leaves the
  // cursor and the selection where they were.
  bool PasteAt(int position, const QString& text) {
    const TCursor before{cursorPosition(), selectionStart(), selectionLength()};
    deselect();
    setCursorPosition(position);
    if (FOwner->PasteText(text)) return true;
    Restore(before);
    return false;
  }

  TbsSkinNumericEdit* FOwner;
  TCursor FBeforeDrag;
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

bool TbsSkinNumericEdit::PasteText(const QString& text) {
  const QChar sep = platform::DecimalSeparator();
  const QString number = numtext::PastedNumber(text, sep, ValueType == TbsValueType::vtFloat);
  // The text as it would read, the number over the selection or at the cursor.
  QString result = FEditor->text();
  const int at = FEditor->hasSelectedText() ? FEditor->selectionStart() : FEditor->cursorPosition();
  if (FEditor->hasSelectedText()) result.remove(at, FEditor->selectionLength());
  result.insert(at, number);
  if (number.isEmpty() || !numtext::IsNumber(result, sep)) {
    platform::Beep();
    return false;
  }
  FEditor->insert(number);  // an edit like typing: TextEdited takes the value
  return true;
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
