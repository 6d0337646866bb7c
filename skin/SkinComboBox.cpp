#include "skin/SkinComboBox.h"

#include "platform/Platform.h"
#include "skin/SkinAccessible.h"
#include "skin/SkinFitText.h"
#include "skin/SkinRecords.h"

#include <QApplication>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>
#include <algorithm>

namespace {
constexpr int kPlainButtonWidth = 17;  // from width - 19 to width - 2
constexpr std::uint32_t kSearchPause = 500;  // ms; a later key starts a new search
}  // namespace

// A small triangle centred in a rectangle, pointing down (or up).
void DrawComboArrow(QPainter& p, const QRect& r, const QColor& color, bool up) {
  const int cx = r.left() + r.width() / 2;
  const int cy = r.top() + r.height() / 2;
  p.setPen(Qt::NoPen);
  p.setBrush(color);
  QPolygon tri;
  if (up)
    tri << QPoint(cx - 4, cy + 2) << QPoint(cx + 4, cy + 2) << QPoint(cx, cy - 2);
  else
    tri << QPoint(cx - 4, cy - 2) << QPoint(cx + 4, cy - 2) << QPoint(cx, cy + 2);
  p.drawPolygon(tri);
}

// --- TbsSkinComboBox ------------------------------------------------------------

TbsSkinComboBox::TbsSkinComboBox(QWidget* parent)
    : TbsSkinCustomControl(parent, QStringLiteral("combobox"), IsRecordOf<TbsDataSkinComboBox>),
      FListBox(new TbsPopupListBox(this)) {
  resize(120, 20);
  setFocusPolicy(Qt::StrongFocus);
  setMouseTracking(true);
  setAttribute(Qt::WA_Hover);
  setAttribute(Qt::WA_InputMethodEnabled, false);
}

TbsSkinComboBox::~TbsSkinComboBox() {
  if (qApp) qApp->removeEventFilter(this);
  delete FListBox;
}

void TbsSkinComboBox::SetItems(const QStringList& items) {
  if (DroppedDown()) CloseUp(false);
  FItems = items;
  if (Sorted) FItems.sort();
  FListBox->SetItems(FItems);
  FItemIndex = FOldIndex = -1;
  SetText(QString());
  update();
}

void TbsSkinComboBox::SetText(const QString& text) {
  if (text == FText) return;
  const QString before = FText;
  FText = text;
  update();
  AccessibleValueChanged(this, FText);
  AccessibleTextChanged(this, before, FText);
  FireEvent(OnChange, this);
}

void TbsSkinComboBox::SetItemIndex(int index) {
  // Out of range means nothing chosen.
  if (index < -1 || index >= FItems.size()) index = -1;
  FListBox->SetItemIndex(index);
  FItemIndex = index;
  SetText(index >= 0 ? FItems[index] : QString());
  update();
  FireEvent(OnClick, this);
}

void TbsSkinComboBox::Choose(int index) {
  if (index == FItemIndex) return;
  SetItemIndex(index);
}

bool TbsSkinComboBox::DroppedDown() const { return FListBox->isVisible(); }

void TbsSkinComboBox::DropDown() {
  if (FItems.isEmpty() || DroppedDown()) return;
  FireEvent(OnDropDown, this);
  FListBox->ItemFont = ToQFont(DefaultFont);
  FListBox->DefaultFont = DefaultFont;
  FListBox->UseSkinFont = ListBoxUseSkinFont;
  LookUpRecord();
  const TbsDataSkinComboBox* record = ComboRecord();
  FListBox->SetSkinData(FSkinData);
  FListBox->SetListBoxName(record ? record->ListBoxName : QString());
  int width = ListBoxWidth > 0 ? ListBoxWidth : this->width();
  FListBox->SetRows(std::min(DropDownCount, static_cast<int>(FItems.size())));
  // Shown from the top, scrolled only as far as the chosen item needs.
  FListBox->SetTopIndex(0);
  const int height = FListBox->ListHeight();
  // The list may be wider than the box, so that every item shows whole.
  FListBox->resize(width, height);
  width += FListBox->TextShortfall();
  QPoint at = mapToGlobal(QPoint(0, this->height()));
  const QRect area = platform::WorkArea(this);
  if (at.y() + height > area.bottom() + 1) at = mapToGlobal(QPoint(0, 0)) - QPoint(0, height);
  if (at.x() + width > area.right() + 1) at.setX(std::max(area.left(), area.right() + 1 - width));
  FOldIndex = FItemIndex;
  FListBox->SetItemIndex(FItemIndex);
  FListBox->setGeometry(QRect(at, QSize(width, height)));
  FListBox->show();
  FListBox->raise();
  // A press anywhere else closes the list.
  qApp->installEventFilter(this);
  update();
  QAccessible::State expanded;
  expanded.expanded = expanded.collapsed = true;
  AccessibleStateChanged(this, expanded);
  if (FItemIndex >= 0) AccessibleNotify(FListBox, QAccessible::Focus, FItemIndex);
}

void TbsSkinComboBox::CloseUp(bool accept) {
  if (!DroppedDown()) return;
  qApp->removeEventFilter(this);
  FListBox->hide();
  const int li = FListBox->ItemIndex();
  bool accepted = false;
  if (li >= 0 && li < FItems.size() && accept) {
    FItemIndex = li;
    SetText(FItems[li]);
    update();
    FireEvent(OnClick, this);
    accepted = true;
  } else {
    FItemIndex = FOldIndex;
    FListBox->SetItemIndex(FItemIndex);
  }
  FButtonPressed = false;
  update();
  QAccessible::State expanded;
  expanded.expanded = expanded.collapsed = true;
  AccessibleStateChanged(this, expanded);
  // The reader comes back from the list to the control.
  if (hasFocus()) AccessibleNotify(this, QAccessible::Focus);
  if (accepted) FireEvent(OnCloseUp, this);
}

bool TbsSkinComboBox::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonPress && DroppedDown()) {
    auto* w = qobject_cast<QWidget*>(watched);
    if (w && w != this && w != FListBox && !FListBox->isAncestorOf(w)) CloseUp(false);
  }
  return false;
}

QRect TbsSkinComboBox::PlainButtonRect() const {
  return QRect(QPoint(width() - 2 - kPlainButtonWidth, 2), QPoint(width() - 3, height() - 3));
}

QRect TbsSkinComboBox::PlainTextRect() const {
  return QRect(QPoint(2, 2), QPoint(PlainButtonRect().left() - 2, height() - 3));
}

void TbsSkinComboBox::DrawPlain(QImage& image) {
  // A white box with a sunken one-pixel frame; the chosen text left in the
  // text area (on the highlight colour while focused); a plain button with an
  // arrow at the right, navy-framed under the mouse, darker while pressed.
  QPainter p(&image);
  const QRect r = image.rect();
  p.fillRect(r, ToQColor(isEnabled() ? DefaultColor : clBtnFace));
  p.setPen(ToQColor(clBtnShadow));
  p.drawRect(r.adjusted(0, 0, -1, -1));
  const QRect text = PlainTextRect();
  const bool focused = hasFocus() && !DroppedDown();
  if (focused) p.fillRect(text, ToQColor(clHighlight));
  if (!FText.isEmpty()) {
    p.setFont(ToQFont(DefaultFont));
    p.setPen(ToQColor(!isEnabled() ? clGrayText : focused ? clHighlightText : DefaultFont.Color));
    DrawFittedText(p, text.adjusted(2, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, FText);
  }
  DrawPlainButton(p, PlainButtonRect());
}

void TbsSkinComboBox::DrawPlainButton(QPainter& p, const QRect& b) const {
  const bool pressed = FButtonPressed && FMouseInButton;
  p.fillRect(b, ToQColor(pressed ? 11899781 : FMouseInButton ? 13811126 : clBtnFace));
  p.setPen(ToQColor(FMouseInButton || pressed ? clNavy : clBtnShadow));
  p.drawRect(b.adjusted(0, 0, -1, -1));
  DrawComboArrow(p, b.translated(pressed ? 1 : 0, pressed ? 1 : 0),
            ToQColor(isEnabled() ? clBtnText : clGrayText));
}

void TbsSkinComboBox::mousePressEvent(QMouseEvent* event) {
  setFocus(Qt::MouseFocusReason);
  if (event->button() != Qt::LeftButton) return;
  const QPoint pos = event->position().toPoint();
  if (!ButtonRect().contains(pos) && !TextRect().contains(pos)) return;
  FButtonPressed = true;
  if (DroppedDown())
    CloseUp(false);
  else
    DropDown();
  update();
}

void TbsSkinComboBox::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && FButtonPressed) {
    FButtonPressed = false;
    update();
  }
}

void TbsSkinComboBox::mouseMoveEvent(QMouseEvent* event) {
  const bool inButton = ButtonRect().contains(event->position().toPoint());
  if (inButton != FMouseInButton) {
    FMouseInButton = inButton;
    update();
  }
}

void TbsSkinComboBox::enterEvent(QEnterEvent* event) {
  FMouseIn = true;
  update();
  TbsSkinCustomControl::enterEvent(event);
}

void TbsSkinComboBox::leaveEvent(QEvent* event) {
  FMouseIn = false;
  FMouseInButton = false;
  update();
  TbsSkinCustomControl::leaveEvent(event);
}

void TbsSkinComboBox::Step(int index) {
  if (FItems.isEmpty()) return;
  index = std::clamp(index, 0, static_cast<int>(FItems.size()) - 1);
  if (DroppedDown())
    FListBox->SetItemIndex(index);
  else
    Choose(index);
}

void TbsSkinComboBox::keyPressEvent(QKeyEvent* event) {
  const bool open = DroppedDown();
  const int current = open ? FListBox->ItemIndex() : FItemIndex;
  const int last = static_cast<int>(FItems.size()) - 1;
  const bool alt = event->modifiers() & Qt::AltModifier;
  switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Left:
      if (alt) {
        CloseUp(false);
      } else if (current > 0) {
        Step(current - 1);
      }
      break;
    case Qt::Key_Down:
    case Qt::Key_Right:
      if (alt) {
        if (!open) DropDown();
      } else if (current < last) {
        Step(current + 1);
      }
      break;
    case Qt::Key_F4:
      // Opens and closes the list, as Alt+Down and Alt+Up do; Alt+F4 is
      // the window's.
      if (alt) {
        event->ignore();
        return;
      }
      if (open)
        CloseUp(false);
      else
        DropDown();
      break;
    case Qt::Key_PageUp:
      Step(std::max(0, current - (DropDownCount + 1)));
      break;
    case Qt::Key_PageDown:
      Step(std::min(last, current + DropDownCount - 1));
      break;
    case Qt::Key_Escape:
      if (!open) {
        event->ignore();  // the window's cancel button may want it
        return;
      }
      CloseUp(false);
      break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      if (!open) {
        event->ignore();  // the window's default button may want it
        return;
      }
      CloseUp(true);
      break;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
      event->ignore();
      return;
    default: {
      const QString text = event->text();
      if (text.size() == 1 && text.at(0).isPrint() && !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        Search(text.at(0));
        break;
      }
      event->ignore();
      return;
    }
  }
  event->accept();
}

void TbsSkinComboBox::Search(QChar c) {
  const std::uint32_t now = platform::TickCount();
  if (AutoComplete && !FSearch.isEmpty() && now - FSearchTime < kSearchPause)
    FSearch += c;
  else
    FSearch = QString(c);
  FSearchTime = now;
  if (FItems.isEmpty()) return;
  const int count = static_cast<int>(FItems.size());
  int found = -1;
  if (FSearch.size() == 1) {
    // The next item after the chosen one, round past the end.
    const int from = DroppedDown() ? FListBox->ItemIndex() : FItemIndex;
    for (int k = 1; k <= count && found < 0; ++k) {
      const int i = ((from < 0 ? -1 : from) + k) % count;
      if (FItems[i].startsWith(FSearch, Qt::CaseInsensitive)) found = i;
    }
  } else {
    for (int i = 0; i < count && found < 0; ++i)
      if (FItems[i].startsWith(FSearch, Qt::CaseInsensitive)) found = i;
  }
  if (found >= 0) Step(found);
}

void TbsSkinComboBox::wheelEvent(QWheelEvent* event) {
  const int dy = event->angleDelta().y();
  const int current = DroppedDown() ? FListBox->ItemIndex() : FItemIndex;
  if (dy < 0 && current < static_cast<int>(FItems.size()) - 1)
    Step(current + 1);
  else if (dy > 0 && current > 0)
    Step(current - 1);
  event->accept();
}

void TbsSkinComboBox::focusInEvent(QFocusEvent* event) {
  TbsSkinCustomControl::focusInEvent(event);
  update();
}

void TbsSkinComboBox::focusOutEvent(QFocusEvent* event) {
  TbsSkinCustomControl::focusOutEvent(event);
  CloseUp(false);
  update();
}

void TbsSkinComboBox::hideEvent(QHideEvent* event) {
  CloseUp(false);
  TbsSkinCustomControl::hideEvent(event);
}
