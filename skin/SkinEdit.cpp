#include "skin/SkinEdit.h"

#include "platform/Messages.h"
#include "skin/SkinFitText.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPalette>
#include <QStyleOptionFrame>

// --- The look read from the record ---------------------------------------------

TbsEditLook TbsEditLook::From(const TbsSkinData* data, const QString& name) {
  TbsEditLook look;
  if (!data || data->Empty()) return look;
  const auto* record = dynamic_cast<const TbsDataSkinEditControl*>(data->Control(data->FindControlIndex(name)));
  if (!record) return look;
  look.Picture = data->ActivePicture(record->PictureIndex);
  look.SkinRect = record->SkinRect;
  look.ActiveSkinRect = record->ActiveSkinRect;
  look.Layout = PieceLayoutOf(*record);
  look.Mode = ResizeModeOf(look.SkinRect, look.Layout.Points);
  look.SkinFont = record->Font;
  look.ActiveFontColor = record->ActiveFontColor;
  look.DisabledFontColor = record->DisabledFontColor;
  if (!look.Valid()) look = TbsEditLook();
  return look;
}

QImage TbsEditLook::Body(QSize size, bool active) const {
  if (!Valid() || size.isEmpty()) return {};
  const TRect& rect = active && HasActiveImage() ? ActiveSkinRect : SkinRect;
  const QImage piece = CutPiece(Picture, rect);
  return ComposeFreely(piece, Mode, Layout, size);
}

TRect TbsEditLook::ClientRect(QSize size) const {
  if (!Valid()) return {};
  const QSize skin(SkinRect.Width(), SkinRect.Height());
  if (Mode == TbsResizeMode::rmFree) return GeometryForSize(Mode, skin, Layout, size).ClientRect;
  return GeometryForSize(TbsResizeMode::rmFree, skin, ClientCornerLayout(Layout.ClientRect), size).ClientRect;
}

QRect TbsEditLook::TextArea(QSize size, const QFont& font) const {
  QRect r = ClientRect(size).ToQRect();
  const int missing = QFontMetrics(font).height() - r.height();
  if (missing > 0 && !r.isEmpty()) {
    r.setTop(std::max(0, r.top() - (missing + 1) / 2));
    r.setBottom(std::min(size.height() - 1, r.bottom() + missing / 2));
  }
  return r;
}

TColor TbsEditLook::TextColor(bool enabled, bool active, const TFont& own, bool useSkinFont) const {
  if (!enabled) return DisabledFontColor;
  if (!useSkinFont) return own.Color;
  return active && HasActiveImage() ? ActiveFontColor : SkinFont.Color;
}

TFont TbsEditLook::Font(const TFont& own, bool useSkinFont) const {
  return SkinFont.AppliedTo(own, useSkinFont && Valid());
}

// --- The field -----------------------------------------------------------------

TbsSkinEdit::TbsSkinEdit(QWidget* parent) : QLineEdit(parent) {
  resize(121, 20);
  ApplyLook();
}

void TbsSkinEdit::SetSkinData(TbsSkinData* data) {
  FSkinData = data;
  SkinChanged();
}

void TbsSkinEdit::SetDefaultFont(const TFont& font) {
  FDefaultFont = font;
  ApplyLook();
}

void TbsSkinEdit::SkinWillChange() {
  FLook = TbsEditLook();
  ApplyLook();
}

void TbsSkinEdit::SkinChanged() {
  FLook = TbsEditLook::From(FSkinData, SkinDataName);
  ApplyLook();
}

void TbsSkinEdit::ApplyLook() {
  QPalette pal = palette();
  if (Skinned()) {
    const QFont font = ToQFont(FLook.Font(FDefaultFont, UseSkinFont));
    setFont(font);
    setFrame(false);
    // The text stays inside the record's client rectangle; the body shows
    // through everywhere else.
    const QRect c = FLook.TextArea(size(), font);
    setTextMargins(c.left(), c.top(), width() - c.right() - 1, height() - c.bottom() - 1);
    pal.setColor(QPalette::Base, Qt::transparent);
    const bool enabled = isEnabled();
    pal.setColor(QPalette::Text, ToQColor(FLook.TextColor(enabled, IsActive(), FDefaultFont, UseSkinFont)));
    pal.setColor(QPalette::Disabled, QPalette::Text,
                 ToQColor(FLook.TextColor(false, false, FDefaultFont, UseSkinFont)));
  } else {
    setFont(ToQFont(FDefaultFont));
    setFrame(true);
    setTextMargins(0, 0, 0, 0);
    pal.setColor(QPalette::Base, ToQColor(clWindow));
    pal.setColor(QPalette::Text, ToQColor(FDefaultFont.Color));
  }
  setPalette(pal);
  update();
}

QImage TbsSkinEdit::RenderBody() const { return FLook.Body(size(), IsActive()); }

bool TbsSkinEdit::event(QEvent* event) {
  if (event->type() == TMessageEvent::EventType()) {
    const auto* msg = static_cast<TMessageEvent*>(event);
    if (msg->WParam && msg->WParam == FSkinData) {
      if (msg->Msg == WM_SKINCHANGING) SkinWillChange();
      if (msg->Msg == WM_SKINCHANGED) SkinChanged();
    }
    return true;
  }
  switch (event->type()) {
    case QEvent::Enter:
      FMouseIn = true;
      if (Skinned()) ApplyLook();
      break;
    case QEvent::Leave:
      FMouseIn = false;
      if (Skinned()) ApplyLook();
      break;
    case QEvent::FocusIn:
    case QEvent::FocusOut: {
      // The line edit handles the focus first; the look follows it.
      const bool handled = QLineEdit::event(event);
      if (Skinned()) ApplyLook();
      return handled;
    }
    default:
      break;
  }
  return QLineEdit::event(event);
}

void TbsSkinEdit::paintEvent(QPaintEvent* event) {
  if (Skinned()) {
    const QImage body = RenderBody();
    QPainter p(this);
    p.drawImage(0, 0, body);
  }
  QStyleOptionFrame panel;
  initStyleOption(&panel);
  if (PaintFittedLineEdit(*this, panel)) return;
  QLineEdit::paintEvent(event);
}

void TbsSkinEdit::resizeEvent(QResizeEvent* event) {
  QLineEdit::resizeEvent(event);
  if (Skinned()) ApplyLook();
}

void TbsSkinEdit::changeEvent(QEvent* event) {
  QLineEdit::changeEvent(event);
  if (event->type() == QEvent::EnabledChange && Skinned()) ApplyLook();
}
