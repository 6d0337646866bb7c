#include "skin/SkinMemo.h"

#include "skin/SkinPlainLook.h"
#include "skin/SkinRecords.h"
#include "skin/SkinScrollBar.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QTextBlock>

namespace {
// The square where the two bars meet, in the skin's button face.
class TCornerBox : public QWidget {
public:
  using QWidget::QWidget;
  QColor Color = QColor(212, 208, 200);

protected:
  void paintEvent(QPaintEvent*) override { QPainter(this).fillRect(rect(), Color); }
};
}  // namespace

TbsSkinMemo::TbsSkinMemo(QWidget* parent)
    : TbsSkinCustomControl(parent, QStringLiteral("memo"), IsRecordOf<TbsDataSkinMemoControl>),
      FViewer(new QPlainTextEdit(this)),
      FVBar(new TbsSkinScrollBar(Qt::Vertical)),
      FHBar(new TbsSkinScrollBar(Qt::Horizontal)),
      FCorner(new TCornerBox) {
  resize(185, 89);
  FViewer->setFrameShape(QFrame::NoFrame);
  FViewer->setReadOnly(true);
  FViewer->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  FViewer->setLineWrapMode(QPlainTextEdit::NoWrap);
  FViewer->setVerticalScrollBar(FVBar);
  FViewer->setHorizontalScrollBar(FHBar);
  FViewer->setCornerWidget(FCorner);
  FViewer->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  FViewer->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  FViewer->setUndoRedoEnabled(false);
  FViewer->installEventFilter(this);
  FViewer->viewport()->installEventFilter(this);
  setFocusPolicy(Qt::StrongFocus);
  setFocusProxy(FViewer);
  ApplyLook();
}

QStringList TbsSkinMemo::Lines() const {
  QStringList lines;
  for (QTextBlock b = FViewer->document()->begin(); b.isValid(); b = b.next()) lines << b.text();
  return lines;
}

void TbsSkinMemo::SetLines(const QStringList& lines) { FViewer->setPlainText(lines.join(QLatin1Char('\n'))); }

QString TbsSkinMemo::Text() const { return FViewer->toPlainText(); }

void TbsSkinMemo::SetDefaultFont(const TFont& font) {
  TbsSkinCustomControl::SetDefaultFont(font);
  ApplyLook();
}

const TbsDataSkinMemoControl* TbsSkinMemo::MemoRecord() const {
  if (!FSkinData || FSkinData->Empty() || FPicture.isNull() || FResizeMode == TbsResizeMode::rmNone) return nullptr;
  return RecordAs<TbsDataSkinMemoControl>();
}

bool TbsSkinMemo::IsActive() const { return FMouseIn || FViewer->hasFocus(); }

QRect TbsSkinMemo::ViewerRect() const {
  if (MemoRecord()) {
    const QRect client = SkinClientRect().ToQRect().intersected(rect());
    if (!client.isEmpty()) return client;
  }
  return rect().adjusted(2, 2, -2, -2);
}

void TbsSkinMemo::SetSkinData(TbsSkinData* data) {
  FVBar->SetSkinData(data);
  FHBar->SetSkinData(data);
  TbsSkinCustomControl::SetSkinData(data);
  ApplyLook();
}

void TbsSkinMemo::SkinWillChange() {
  TbsSkinCustomControl::SkinWillChange();
  FVBar->SkinWillChange();
  FHBar->SkinWillChange();
  ApplyLook();
}

void TbsSkinMemo::SkinChanged() {
  TbsSkinCustomControl::SkinChanged();
  FVBar->SkinChanged();
  FHBar->SkinChanged();
  ApplyLook();
}

void TbsSkinMemo::ApplyLook() {
  const TbsDataSkinMemoControl* r = MemoRecord();
  const bool active = IsActive();
  TFont font = DefaultFont;
  QColor text = ToQColor(DefaultFont.Color), back = ToQColor(clWindow), face = ToQColor(clBtnFace);
  if (r) {
    font = r->Font.AppliedTo(font, UseSkinFont);
    text = ToQColor(!isEnabled() ? r->DisabledFontColor : active ? r->ActiveFontColor : r->Font.Color);
    back = ToQColor(active ? r->ActiveBGColor : r->BGColor);
    face = ToQColor(FSkinData->SkinColors.cBtnFace);
  }
  if (FViewer->font() != ToQFont(font)) FViewer->setFont(ToQFont(font));
  QPalette pal = FViewer->palette();
  if (pal.color(QPalette::Text) != text || pal.color(QPalette::Base) != back) {
    pal.setColor(QPalette::Text, text);
    pal.setColor(QPalette::Base, back);
    FViewer->setPalette(pal);
  }
  static_cast<TCornerBox*>(FCorner)->Color = face;
  FCorner->update();
  // With both bars shown the horizontal one is the shorter "both" bar.
  FHBar->SetSkinDataName(FViewer->verticalScrollBarPolicy() == Qt::ScrollBarAlwaysOff
                             ? QStringLiteral("hscrollbar")
                             : QStringLiteral("bothhscrollbar"));
  FViewer->setGeometry(ViewerRect());
  // The bars' thickness may have changed: lay the view out again.
  QEvent relayout(QEvent::LayoutRequest);
  QCoreApplication::sendEvent(FViewer, &relayout);
  update();
}

void TbsSkinMemo::resizeEvent(QResizeEvent* event) {
  TbsSkinCustomControl::resizeEvent(event);
  FViewer->setGeometry(ViewerRect());
}

void TbsSkinMemo::enterEvent(QEnterEvent* event) {
  FMouseIn = true;
  ApplyLook();
  TbsSkinCustomControl::enterEvent(event);
}

void TbsSkinMemo::leaveEvent(QEvent* event) {
  FMouseIn = false;
  ApplyLook();
  TbsSkinCustomControl::leaveEvent(event);
}

bool TbsSkinMemo::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) ApplyLook();
  return TbsSkinCustomControl::eventFilter(watched, event);
}

bool TbsSkinMemo::DrawSkin(QImage& image) {
  // The record's "activeskinrect" while focused or under the mouse (when it
  // has an area), else its "skinrect", grown to the memo's size by its
  // resize mode; the text view covers the client rectangle.
  const TbsDataSkinMemoControl* r = MemoRecord();
  if (!r) return false;
  const TRect& from = IsActive() && !r->ActiveSkinRect.IsEmpty() ? r->ActiveSkinRect : FSkinRect;
  const QImage body = ComposeSkinRect(from, size(), ToQColor(r->BGColor).rgba());
  if (body.isNull()) return false;
  QPainter p(&image);
  PutImage(p, body);
  return true;
}

void TbsSkinMemo::DrawPlain(QImage& image) {
  // Plain look: a two-pixel sunken border (shadow and dark shadow above and
  // left, highlight and light below and right) around the text view.
  QPainter p(&image);
  p.fillRect(image.rect(), ToQColor(clWindow));
  DrawSunkenBorder(p, image.size());
}
