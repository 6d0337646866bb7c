#include "skin/SkinButton.h"

#include "skin/SkinAccessible.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <memory>
#include <utility>

namespace {
constexpr TColor kPlainNavy = 8388608;        // frame of the active and pressed looks
constexpr TColor kPlainDownFace = 11899781;   // face while pressed
constexpr TColor kPlainActiveFace = 13811126; // face while focused or under the mouse
constexpr int kTextFlags = Qt::TextShowMnemonic | Qt::TextSingleLine;
}  // namespace

QString StripAccelerator(const QString& caption) {
  QString out;
  out.reserve(caption.size());
  for (int i = 0; i < caption.size(); ++i) {
    if (caption.at(i) == QLatin1Char('&')) {
      if (i + 1 < caption.size()) out += caption.at(++i);
      continue;
    }
    out += caption.at(i);
  }
  return out;
}

QChar AcceleratorOf(const QString& caption) {
  for (int i = 0; i + 1 < caption.size(); ++i) {
    if (caption.at(i) == QLatin1Char('&')) {
      if (caption.at(i + 1) == QLatin1Char('&')) {
        ++i;
        continue;
      }
      return caption.at(i + 1).toLower();
    }
  }
  return {};
}

namespace {
// Glyph and text along one axis of the client area (start, extent): as a
// block centred on the middle when `margin` is -1, else the glyph `margin`
// pixels in from the near edge (glyph first) or the far edge, the text
// `spacing` pixels beyond it. Returns the glyph's and the text's positions.
std::pair<int, int> PlaceAlong(int start, int extent, int glyph, int text, int margin, int spacing,
                               bool glyphFirst) {
  if (margin < 0) {
    const int middle = start + extent / 2;
    const int half = (glyph + text + spacing) / 2;
    if (glyphFirst) return {middle - half, middle + half - text};
    return {middle + half - glyph, middle - half};
  }
  if (glyphFirst) return {start + margin, start + margin + glyph + spacing};
  const int g = start + extent - glyph - margin;
  return {g, g - spacing - text};
}
}  // namespace

TbsGlyphTextPlacement PlaceGlyphAndText(const QRect& client, QSize glyph, QSize text, int margin,
                                        int spacing, TbsButtonLayout layout) {
  // Along the layout's axis by PlaceAlong; across it each centred on the
  // client rectangle's middle (the integer half of its extent).
  const bool glyphFirst = layout == TbsButtonLayout::blGlyphLeft || layout == TbsButtonLayout::blGlyphTop;
  TbsGlyphTextPlacement r;
  if (layout == TbsButtonLayout::blGlyphLeft || layout == TbsButtonLayout::blGlyphRight) {
    const int cy = client.top() + client.height() / 2;
    const auto [gx, tx] =
        PlaceAlong(client.left(), client.width(), glyph.width(), text.width(), margin, spacing, glyphFirst);
    r.Glyph = QPoint(gx, cy - glyph.height() / 2);
    r.Text = QRect(tx, cy - text.height() / 2, text.width(), text.height());
  } else {
    const int cx = client.left() + client.width() / 2;
    const auto [gy, ty] =
        PlaceAlong(client.top(), client.height(), glyph.height(), text.height(), margin, spacing, glyphFirst);
    r.Glyph = QPoint(cx - glyph.width() / 2, gy);
    r.Text = QRect(cx - text.width() / 2, ty, text.width(), text.height());
  }
  return r;
}

TbsSkinButton::TbsSkinButton(QWidget* parent)
    : TbsSkinCustomControl(parent, QStringLiteral("button"), IsRecordOf<TbsDataSkinButtonControl>),
      FRepeatTimer(new QTimer(this)),
      FMorphTimer(new QTimer(this)) {
  resize(75, 25);
  setFocusPolicy(Qt::StrongFocus);
  setMouseTracking(true);
  setAttribute(Qt::WA_Hover);
  connect(FRepeatTimer, &QTimer::timeout, this, [this] {
    if (FDown) ButtonClick();
  });
  FMorphTimer->setInterval(kMorphInterval);
  connect(FMorphTimer, &QTimer::timeout, this, &TbsSkinButton::MorphTick);
}

TbsSkinButton::~TbsSkinButton() = default;

void TbsSkinButton::SetCanFocused(bool value) {
  FCanFocused = value;
  setFocusPolicy(value ? Qt::StrongFocus : Qt::NoFocus);
}

void TbsSkinButton::SetCaption(const QString& caption) {
  FCaption = caption;
  update();
}

void TbsSkinButton::SetGlyph(const QImage& glyph) {
  FGlyph = glyph.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  update();
}

void TbsSkinButton::SetNumGlyphs(int n) {
  FNumGlyphs = std::max(1, n);
  update();
}

void TbsSkinButton::SetGroupIndex(int value) {
  FGroupIndex = value;
  if (FDown) ReleaseGroup();
}

void TbsSkinButton::SetDown(bool value) {
  if (FDown == value) return;
  ChangeDown(value);
  if (FDown && FGroupIndex != 0) ReleaseGroup();
}

void TbsSkinButton::ChangeDown(bool value) {
  FDown = value;
  DownChanged();
  update();
  QAccessible::State pressed;
  pressed.pressed = true;
  AccessibleStateChanged(this, pressed);
}

void TbsSkinButton::ReleaseGroup() {
  if (FGroupIndex == 0 || !parentWidget()) return;
  const auto siblings = parentWidget()->findChildren<TbsSkinButton*>(Qt::FindDirectChildrenOnly);
  for (TbsSkinButton* b : siblings) {
    if (b != this && b->FGroupIndex == FGroupIndex && b->FDown) b->ChangeDown(false);
  }
}

void TbsSkinButton::ButtonClick() {
  if (FCanFocused) {
    if (auto* form = qobject_cast<TForm*>(window()); form && ModalResult != mrNone)
      form->SetModalResult(ModalResult);
  }
  FireEvent(OnClick, this);
}

void TbsSkinButton::StopRepeat() { FRepeatTimer->stop(); }

void TbsSkinButton::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) {
    QWidget::mousePressEvent(event);
    return;
  }
  if (FCanFocused) setFocus(Qt::MouseFocusReason);
  FMousePressed = true;
  if (FGroupIndex == 0) {
    if (!FDown) ChangeDown(true);
    if (RepeatMode) FRepeatTimer->start(RepeatInterval);
  } else {
    if (FDown && AllowAllUp) {
      ChangeDown(false);
      ButtonClick();
    } else if (!FDown) {
      ChangeDown(true);
      ReleaseGroup();
      ButtonClick();
    }
  }
}

void TbsSkinButton::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || !FMousePressed) {
    QWidget::mouseReleaseEvent(event);
    return;
  }
  FMousePressed = false;
  if (FGroupIndex != 0) return;
  StopRepeat();
  const bool wasDown = FDown;
  ChangeDown(false);
  if (wasDown && rect().contains(event->position().toPoint())) ButtonClick();
}

void TbsSkinButton::mouseMoveEvent(QMouseEvent* event) {
  const bool in = rect().contains(event->position().toPoint());
  if (in != FMouseIn) {
    FMouseIn = in;
    StartMorph();
    StartAnimation();
    update();
  }
  QWidget::mouseMoveEvent(event);
}

void TbsSkinButton::enterEvent(QEnterEvent* event) {
  FMouseIn = true;
  StartMorph();
  StartAnimation();
  update();
  QWidget::enterEvent(event);
}

void TbsSkinButton::leaveEvent(QEvent* event) {
  FMouseIn = false;
  StartMorph();
  StartAnimation();
  update();
  QWidget::leaveEvent(event);
}

void TbsSkinButton::keyPressEvent(QKeyEvent* event) {
  if (!FCanFocused) {
    event->ignore();
    return;
  }
  switch (event->key()) {
    case Qt::Key_Space:
      if (event->isAutoRepeat()) {
        event->accept();
        return;
      }
      FSpacePressed = true;
      if (FGroupIndex == 0) {
        ChangeDown(true);
        if (RepeatMode) {
          ButtonClick();
          FRepeatTimer->start(RepeatInterval);
        }
      }
      event->accept();
      return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      event->accept();
      ButtonClick();
      return;
    default:
      event->ignore();
      QWidget::keyPressEvent(event);
  }
}

void TbsSkinButton::keyReleaseEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Space && !event->isAutoRepeat() && FSpacePressed) {
    FSpacePressed = false;
    event->accept();
    if (FGroupIndex == 0) {
      StopRepeat();
      ChangeDown(false);
      ButtonClick();
    } else if (!FDown || AllowAllUp) {
      SetDown(!FDown);
      ButtonClick();
    }
    return;
  }
  QWidget::keyReleaseEvent(event);
}

void TbsSkinButton::focusInEvent(QFocusEvent* event) {
  QWidget::focusInEvent(event);
  StartMorph();
  update();
}

void TbsSkinButton::focusOutEvent(QFocusEvent* event) {
  QWidget::focusOutEvent(event);
  if (FSpacePressed && FGroupIndex == 0) {
    FSpacePressed = false;
    FDown = false;
    StopRepeat();
  }
  StartMorph();
  update();
}

void TbsSkinButton::changeEvent(QEvent* event) {
  if (event->type() == QEvent::EnabledChange) {
    if (!isEnabled()) {
      StopRepeat();
      FMousePressed = FSpacePressed = false;
      if (FGroupIndex == 0 && FDown) {
        FDown = false;
        DownChanged();
      }
    }
    update();
  }
  QWidget::changeEvent(event);
}

QImage TbsSkinButton::CurrentGlyph() const {
  if (FGlyph.isNull()) return {};
  const int gw = FGlyph.width() / FNumGlyphs;
  if (gw <= 0) return {};
  int n = 1;
  const bool active = IsActive();
  if (FDown && active && FNumGlyphs > 2)
    n = 3;
  else if (active && FNumGlyphs > 3)
    n = 4;
  else if (!isEnabled() && FNumGlyphs >= 2)
    n = 2;
  return FGlyph.copy((n - 1) * gw, 0, gw, FGlyph.height());
}

void TbsSkinButton::DrawGlyphAndText(QPainter& p, const QRect& client, const TFont& textFont,
                                     const QColor& textColor, bool shifted) {
  const QImage glyph = CurrentGlyph();
  const QFont font = ToQFont(textFont);
  p.setFont(font);
  const QFontMetrics fm(font);
  QSize textSize = FCaption.isEmpty() ? QSize(0, 0) : fm.size(kTextFlags, FCaption);
  const TbsGlyphTextPlacement place =
      PlaceGlyphAndText(client, glyph.size(), textSize, Margin, Spacing, Layout);
  const QPoint shift = shifted ? QPoint(1, 1) : QPoint(0, 0);
  if (!glyph.isNull()) p.drawImage(place.Glyph + shift, glyph);
  if (!FCaption.isEmpty()) {
    p.setPen(textColor);
    // Centred in its measured rectangle widened by 2 pixels.
    const QRect box = place.Text.adjusted(-1, 0, 1, 0).translated(shift);
    p.drawText(box, kTextFlags | Qt::AlignCenter, FCaption);
  }
}

void TbsSkinButton::DrawPlain(QImage& image) {
  QPainter p(&image);
  const QRect r = image.rect();
  const bool pressed = ShowsPressed();
  QColor frame, face;
  if (pressed && isEnabled()) {
    frame = ToQColor(kPlainNavy);
    face = ToQColor(kPlainDownFace);
  } else if (IsActive() && isEnabled()) {
    frame = ToQColor(kPlainNavy);
    face = ToQColor(kPlainActiveFace);
  } else {
    frame = ToQColor(clBtnShadow);
    face = ToQColor(clBtnFace);
  }
  p.fillRect(r, face);
  p.setPen(frame);
  p.drawRect(r.adjusted(0, 0, -1, -1));
  const QColor text = isEnabled() ? ToQColor(DefaultFont.Color) : ToQColor(clBtnShadow);
  DrawGlyphAndText(p, r, DefaultFont, text, pressed && isEnabled());
}
