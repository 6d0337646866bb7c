#include "skin/SkinGroupBox.h"

#include "skin/SkinAccessible.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

QRect GroupButtonRect(const QRect& client, int count, int columns, int index) {
  if (count <= 0 || index < 0 || index >= count) return {};
  columns = std::max(1, columns);
  const int rows = (count + columns - 1) / columns;
  const int width = client.width() / columns - 2;
  const int height = client.height() / rows;
  const int column = index / rows;
  const int row = index % rows;
  return QRect(column * width + client.left() + 1, row * height + client.top(), width, height);
}

// --- Group box ---------------------------------------------------------------

TbsSkinGroupBox::TbsSkinGroupBox(QWidget* parent)
    : TbsSkinCustomControl(parent, QStringLiteral("groupbox"), IsRecordOf<TbsDataSkinPanelControl>) {
  resize(150, 150);
  setFocusPolicy(Qt::NoFocus);
}

void TbsSkinGroupBox::SetCaption(const QString& caption) {
  FCaption = caption;
  update();
}

void TbsSkinGroupBox::SetCaptionMode(bool value) {
  FCaptionMode = value;
  ClientAreaChanged();
  update();
}

void TbsSkinGroupBox::SetBorderStyle(TbsBevelStyle style) {
  FBorderStyle = style;
  ClientAreaChanged();
  update();
}

QRect TbsSkinGroupBox::ClientArea() const {
  if (SkinnedLook()) {
    const bool whole = !FBGPicture.isNull() ||
                       (!FCaptionMode && FBorderStyle == TbsBevelStyle::bvNone && FResizeMode == TbsResizeMode::rmFree);
    return whole ? rect() : SkinClientRect().ToQRect();
  }
  QRect r = rect();
  if (FBorderStyle != TbsBevelStyle::bvNone) r.adjust(1, 1, -1, -1);
  if (FCaptionMode) r.setTop(r.top() + DefaultCaptionHeight);
  return r;
}

QRect TbsSkinGroupBox::CaptionRect() const {
  if (!FCaptionMode) return {};
  if (SkinnedLook()) {
    const TbsDataSkinPanelControl* record = PanelRecord();
    const QSize skin(FSkinRect.Width(), FSkinRect.Height());
    return PlaceSkinArea(record->CaptionRect, FResizeMode, FLayout.Points, skin, size()).ToQRect();
  }
  QRect r = rect();
  if (FBorderStyle != TbsBevelStyle::bvNone) r.adjust(1, 1, -1, -1);
  r.setHeight(std::min(DefaultCaptionHeight, r.height()));
  return r;
}

void TbsSkinGroupBox::resizeEvent(QResizeEvent* event) {
  TbsSkinCustomControl::resizeEvent(event);
  ClientAreaChanged();
}

void TbsSkinGroupBox::changeEvent(QEvent* event) {
  if (event->type() == QEvent::EnabledChange) update();
  TbsSkinCustomControl::changeEvent(event);
}

void TbsSkinGroupBox::DrawPlain(QImage& image) {
  // Plain look: the face in the button-face colour; a one-pixel border whose
  // upper-left and lower-right colours follow BorderStyle (frame: shadow on
  // all sides; raised: highlight then shadow; lowered: shadow then highlight;
  // none: no border); in caption mode the caption band across the top, closed
  // by a shadow line, with the caption at its left, centred vertically.
  QPainter p(&image);
  DrawPlainBevel(p, image.rect(), FBorderStyle);
  const QRect band = CaptionRect();
  if (band.isEmpty()) return;
  p.setPen(ToQColor(clBtnShadow));
  p.drawLine(band.left(), band.bottom(), band.right(), band.bottom());
  if (FCaption.isEmpty()) return;
  p.setFont(ToQFont(DefaultFont));
  p.setPen(ToQColor(isEnabled() ? DefaultFont.Color : clBtnShadow));
  int align = Qt::AlignLeft;
  if (DefaultAlignment == TAlignment::taRightJustify) align = Qt::AlignRight;
  if (DefaultAlignment == TAlignment::taCenter) align = Qt::AlignHCenter;
  p.drawText(band.adjusted(3, 0, -1, -1), align | Qt::AlignVCenter | Qt::TextSingleLine, FCaption);
}

// --- Item button --------------------------------------------------------------

namespace {
constexpr int kMarkSize = 13;      // diameter of the round mark
constexpr int kMarkToText = 5;     // gap between mark and text
}  // namespace

TbsGroupButton::TbsGroupButton(TbsSkinRadioGroup* group, int index)
    : TbsSkinCustomControl(group, group->ButtonSkinDataName, IsRecordOf<TbsDataSkinCheckRadioControl>),
      FGroup(group),
      FButtonIndex(index) {
  setFocusPolicy(Qt::ClickFocus);
  setAttribute(Qt::WA_Hover);
}

void TbsGroupButton::SetCaption(const QString& caption) {
  FCaption = caption;
  update();
}

void TbsGroupButton::SetChecked(bool value) {
  if (FChecked == value) return;
  FChecked = value;
  update();
  QAccessible::State checked;
  checked.checked = true;
  AccessibleStateChanged(this, checked);
  if (value) FGroup->ButtonTicked(this);
}

void TbsGroupButton::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return QWidget::mousePressEvent(event);
  setFocus(Qt::MouseFocusReason);
  FPressed = true;
  update();
}

void TbsGroupButton::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || !FPressed) return QWidget::mouseReleaseEvent(event);
  FPressed = false;
  update();
  if (rect().contains(event->position().toPoint())) SetChecked(true);
}

void TbsGroupButton::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Space:
      if (!event->isAutoRepeat()) {
        FPressed = true;
        update();
      }
      return event->accept();
    case Qt::Key_Up:
    case Qt::Key_Left:
      FGroup->MoveFocus(this, -1);
      return event->accept();
    case Qt::Key_Down:
    case Qt::Key_Right:
      FGroup->MoveFocus(this, +1);
      return event->accept();
    default:
      QWidget::keyPressEvent(event);
  }
}

void TbsGroupButton::keyReleaseEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Space && !event->isAutoRepeat() && FPressed) {
    FPressed = false;
    update();
    SetChecked(true);
    return event->accept();
  }
  QWidget::keyReleaseEvent(event);
}

void TbsGroupButton::focusInEvent(QFocusEvent* event) {
  QWidget::focusInEvent(event);
  update();
}

void TbsGroupButton::focusOutEvent(QFocusEvent* event) {
  QWidget::focusOutEvent(event);
  FPressed = false;
  update();
}

void TbsGroupButton::enterEvent(QEnterEvent* event) {
  FMouseIn = true;
  update();
  QWidget::enterEvent(event);
}

void TbsGroupButton::leaveEvent(QEvent* event) {
  FMouseIn = false;
  update();
  QWidget::leaveEvent(event);
}

void TbsGroupButton::DrawPlain(QImage& image) {
  // Plain look, on the group's face: a round mark at the left, vertically
  // centred (white well, shadow ring, navy ring under the mouse, a dark dot
  // when ticked, grey well while pressed), then the text, centred vertically,
  // framed by a dotted line while the button has the focus.
  QPainter p(&image);
  const QRect r = image.rect();
  p.fillRect(r, ToQColor(clBtnFace));
  p.setRenderHint(QPainter::Antialiasing, true);
  const QRectF mark(1.5, (r.height() - kMarkSize) / 2 + 0.5, kMarkSize - 1, kMarkSize - 1);
  p.setPen(ToQColor(FMouseIn && isEnabled() ? clNavy : clBtnShadow));
  p.setBrush(ToQColor(FPressed || !isEnabled() ? clBtnFace : clWindow));
  p.drawEllipse(mark);
  if (FChecked) {
    p.setPen(Qt::NoPen);
    p.setBrush(ToQColor(isEnabled() ? clWindowText : clBtnShadow));
    p.drawEllipse(mark.center(), 2.5, 2.5);
  }
  p.setRenderHint(QPainter::Antialiasing, false);
  if (FCaption.isEmpty()) return;
  const QFont font = ToQFont(DefaultFont);
  p.setFont(font);
  const int textLeft = 1 + kMarkSize + kMarkToText;
  const QRect textArea(textLeft, 0, r.width() - textLeft, r.height());
  p.setPen(ToQColor(isEnabled() ? DefaultFont.Color : clBtnShadow));
  QRect drawn;
  p.drawText(textArea, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, FCaption, &drawn);
  if (hasFocus()) {
    QPen pen(ToQColor(clWindowText));
    pen.setStyle(Qt::DotLine);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    p.drawRect(drawn.adjusted(-2, 0, 1, -1).intersected(r.adjusted(0, 0, -1, -1)));
  }
}

// --- Radio group --------------------------------------------------------------

TbsSkinRadioGroup::TbsSkinRadioGroup(QWidget* parent) : TbsSkinGroupBox(parent) {}

void TbsSkinRadioGroup::SetItems(const QStringList& items) {
  FItems = items;
  UpdateButtons();
}

void TbsSkinRadioGroup::SetColumns(int columns) {
  FColumns = std::max(1, columns);
  ArrangeButtons();
}

void TbsSkinRadioGroup::SetButtonDefaultFont(const TFont& font) {
  FButtonFont = font;
  for (TbsGroupButton* b : FButtons) b->SetDefaultFont(font);
}

void TbsSkinRadioGroup::SetSkinData(TbsSkinData* data) {
  TbsSkinGroupBox::SetSkinData(data);
  for (TbsGroupButton* b : FButtons) b->SetSkinData(data);
}

void TbsSkinRadioGroup::UpdateButtons() {
  // One button per item: extra buttons are freed from the end, missing ones
  // created there. Ticking here is the group's own and fires nothing.
  const int count = static_cast<int>(FItems.size());
  while (FButtons.size() > count) delete FButtons.takeLast();
  while (FButtons.size() < count) FButtons.append(new TbsGroupButton(this, static_cast<int>(FButtons.size())));
  if (FItemIndex >= count) FItemIndex = -1;
  FRebuilding = true;
  for (int i = 0; i < count; ++i) {
    TbsGroupButton* b = FButtons[i];
    b->FButtonIndex = i;
    b->SetSkinDataName(ButtonSkinDataName);
    b->SetSkinData(FSkinData);
    b->SetDefaultFont(FButtonFont);
    b->UseSkinFont = UseSkinFont;
    b->SetCaption(FItems[i]);
    b->SetChecked(i == FItemIndex);
  }
  FRebuilding = false;
  ArrangeButtons();
  UpdateTabStop();
  update();
}

void TbsSkinRadioGroup::ArrangeButtons() {
  const int count = static_cast<int>(FButtons.size());
  if (count == 0) return;
  const QRect client = ClientArea();
  for (int i = 0; i < count; ++i) {
    QRect place = GroupButtonRect(client, count, FColumns, i);
    if (layoutDirection() == Qt::RightToLeft)
      place.moveLeft(client.left() + client.right() - place.right());
    FButtons[i]->setGeometry(place);
    FButtons[i]->show();
  }
}

void TbsSkinRadioGroup::UpdateTabStop() {
  // Tab reaches the group once: at the ticked button, or the first.
  const int stop = FItemIndex >= 0 ? FItemIndex : 0;
  for (int i = 0; i < FButtons.size(); ++i)
    FButtons[i]->setFocusPolicy(i == stop ? Qt::StrongFocus : Qt::ClickFocus);
}

void TbsSkinRadioGroup::SetItemIndex(int index) {
  index = std::clamp(index, -1, static_cast<int>(FItems.size()) - 1);
  if (index == FItemIndex) return;
  if (index < 0) {
    if (TbsGroupButton* old = Button(FItemIndex)) old->SetChecked(false);
    FItemIndex = -1;
    UpdateTabStop();
    return;
  }
  FButtons[index]->SetChecked(true);
}

void TbsSkinRadioGroup::ButtonTicked(TbsGroupButton* button) {
  if (FRebuilding) return;
  const int index = button->FButtonIndex;
  if (index == FItemIndex) return;
  if (TbsGroupButton* old = Button(FItemIndex)) old->SetChecked(false);
  FItemIndex = index;
  UpdateTabStop();
  FireEvent(OnClick, this);
}

void TbsSkinRadioGroup::MoveFocus(TbsGroupButton* from, int step) {
  const int count = static_cast<int>(FButtons.size());
  if (count == 0) return;
  const int next = ((from->FButtonIndex + step) % count + count) % count;
  TbsGroupButton* b = FButtons[next];
  b->setFocus(Qt::TabFocusReason);
  b->SetChecked(true);
}
