#include "skin/SkinButton.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

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

TbsGlyphTextPlacement PlaceGlyphAndText(const QRect& client, QSize glyph, QSize text, int margin,
                                        int spacing, TbsButtonLayout layout) {
  // Centre of the client rectangle, as the integer halves of its extent.
  const int cx = client.left() + client.width() / 2;
  const int cy = client.top() + client.height() / 2;
  const int gw = glyph.width(), gh = glyph.height();
  const int tw = text.width(), th = text.height();
  TbsGlyphTextPlacement r;
  int gx = 0, gy = 0, tx = 0, ty = 0;
  const bool horizontal = layout == TbsButtonLayout::blGlyphLeft || layout == TbsButtonLayout::blGlyphRight;
  if (horizontal) {
    gy = cy - gh / 2;
    ty = cy - th / 2;
  } else {
    gx = cx - gw / 2;
    tx = cx - tw / 2;
  }
  if (margin < 0) {
    if (horizontal) {
      const int half = (gw + tw + spacing) / 2;
      if (layout == TbsButtonLayout::blGlyphLeft) {
        gx = cx - half;
        tx = cx + half - tw;
      } else {
        tx = cx - half;
        gx = cx + half - gw;
      }
    } else {
      const int half = (th + gh + spacing) / 2;
      if (layout == TbsButtonLayout::blGlyphTop) {
        gy = cy - half;
        ty = cy + half - th;
      } else {
        ty = cy - half;
        gy = cy + half - gh;
      }
    }
  } else {
    switch (layout) {
      case TbsButtonLayout::blGlyphLeft:
        gx = client.left() + margin;
        tx = gx + gw + spacing;
        break;
      case TbsButtonLayout::blGlyphRight:
        gx = client.left() + client.width() - gw - margin;
        tx = gx - spacing - tw;
        break;
      case TbsButtonLayout::blGlyphTop:
        gy = client.top() + margin;
        ty = gy + gh + spacing;
        break;
      case TbsButtonLayout::blGlyphBottom:
        gy = client.top() + client.height() - gh - margin;
        ty = gy - spacing - th;
        break;
    }
  }
  r.Glyph = QPoint(gx, gy);
  r.Text = QRect(tx, ty, tw, th);
  return r;
}

TbsSkinButton::TbsSkinButton(QWidget* parent)
    : TbsSkinCustomControl(parent, QStringLiteral("button")),
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
    update();
  }
  QWidget::mouseMoveEvent(event);
}

void TbsSkinButton::enterEvent(QEnterEvent* event) {
  FMouseIn = true;
  StartMorph();
  update();
  QWidget::enterEvent(event);
}

void TbsSkinButton::leaveEvent(QEvent* event) {
  FMouseIn = false;
  StartMorph();
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
