#include "skin/SkinHint.h"

#include "skin/SkinAccessible.h"

#include "platform/Platform.h"
#include "skin/SkinData.h"

#include <QApplication>
#include <QFontMetrics>
#include <QHelpEvent>
#include <QPainter>
#include <QStringList>
#include <QToolTip>

namespace {

constexpr QRgb kMaskOutside = 0xFFFFFFFFu;  // white: not part of the window
// How long a hint stays: ten seconds, longer for long texts, as tooltips do.
int HideDelay(const QString& text) { return 10000 + 40 * std::max<qsizetype>(0, text.size() - 100); }

// Hint texts break lines at CR, LF or both.
QStringList HintLines(const QString& text) {
  QString t = text;
  t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  t.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return t.split(QLatin1Char('\n'));
}

QSize TextSize(const QString& text, const QFont& font) {
  const QFontMetrics fm(font);
  const QStringList lines = HintLines(text);
  int w = 0;
  for (const QString& line : lines) w = std::max(w, fm.horizontalAdvance(line));
  return {w, fm.height() * int(lines.size())};
}

QImage NinePieces(const QImage& picture, const TbsPieceLayout& layout, QSize size, QRgb background) {
  const TbsPieceGeometry target = GeometryForSize(TbsResizeMode::rmFree, picture.size(), layout, size);
  const QImage piece = CutPiece(picture, TRect{0, 0, picture.width(), picture.height()}, background);
  return ComposeNinePiece(piece, layout, size, target, true, background);
}

}  // namespace

TbsSkinData* FindSkinDataFor(const QWidget* widget) {
  if (!widget) return nullptr;
  const QWidget* window = widget->window();
  return window ? window->findChild<TbsSkinData*>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
}

// --- The look -------------------------------------------------------------------

TbsHintLook TbsHintLook::From(const TbsSkinData* data) {
  TbsHintLook look;
  if (!data || data->Empty()) return look;
  const TbsDataSkinHintWindow& r = data->HintWindow;
  look.Picture = data->ActivePicture(r.WindowPictureIndex);
  if (look.Picture.isNull()) return look;
  look.MaskPicture = data->ActivePicture(r.MaskPictureIndex);
  look.Layout = PieceLayoutOf(r, r.ClientRect, false);
  look.Font = r.Font.ToFont();
  return look;
}

QMargins TbsHintLook::Margins() const {
  if (!Skinned()) return {kPlainHintMargin, kPlainHintMargin, kPlainHintMargin, kPlainHintMargin};
  const TRect& c = Layout.ClientRect;
  // A client rectangle reaching outside the picture leaves no border there.
  return {std::max(0, c.Left) + kHintTextPadding, std::max(0, c.Top) + kHintTextPadding,
          std::max(0, Picture.width() - c.Right) + kHintTextPadding,
          std::max(0, Picture.height() - c.Bottom) + kHintTextPadding};
}

QSize TbsHintLook::SizeFor(const QString& text) const {
  const QSize t = TextSize(text, ToQFont(Font));
  const QMargins m = Margins();
  return {t.width() + m.left() + m.right(), t.height() + m.top() + m.bottom()};
}

QImage TbsHintLook::Render(const QString& text, QSize size) const {
  QImage image(size, QImage::Format_ARGB32_Premultiplied);
  if (size.isEmpty()) return image;
  if (Skinned()) {
    image = NinePieces(Picture, Layout, size, qRgb(255, 255, 225));
  } else {
    // Pale yellow with a black one-pixel frame.
    image.fill(ToQColor(clInfoBk));
    QPainter p(&image);
    p.setPen(ToQColor(clInfoText));
    p.drawRect(QRect(QPoint(0, 0), size).adjusted(0, 0, -1, -1));
  }
  QPainter p(&image);
  const QFont font = ToQFont(Font);
  const QFontMetrics fm(font);
  p.setFont(font);
  p.setPen(ToQColor(Font.Color));
  const QMargins m = Margins();
  const QRect area = QRect(QPoint(0, 0), size).marginsRemoved(m);
  p.setClipRect(area);
  int y = area.top();
  for (const QString& line : HintLines(text)) {
    p.drawText(QRect(area.left(), y, area.width(), fm.height()), Qt::AlignLeft | Qt::AlignVCenter, line);
    y += fm.height();
  }
  return image;
}

QRegion TbsHintLook::Region(QSize size) const {
  if (!Skinned() || MaskPicture.isNull()) return {};
  // The mask covers the window picture pixel for pixel.
  return MaskToRegion(NinePieces(MaskPicture, Layout, size, kMaskOutside));
}

QPoint HintPosition(const QPoint& cursor, QSize size, const QRect& area) {
  int x = cursor.x() + kHintOffsetX;
  int y = cursor.y() + kHintOffsetY;
  if (x + size.width() > area.right() + 1) x = area.right() + 1 - size.width();
  if (y + size.height() > area.bottom() + 1) y = cursor.y() - size.height() - kHintOffsetX;
  x = std::max(x, area.left());
  y = std::max(y, area.top());
  return {x, y};
}

// --- The window -------------------------------------------------------------------

TbsSkinHintWindow::TbsSkinHintWindow()
    : QWidget(nullptr, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus),
      FHideTimer(new QTimer(this)) {
  setObjectName(QStringLiteral("bsSkinHint"));
  setAttribute(Qt::WA_ShowWithoutActivating);
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setAttribute(Qt::WA_OpaquePaintEvent);
  FHideTimer->setSingleShot(true);
  connect(FHideTimer, &QTimer::timeout, this, &TbsSkinHintWindow::HideHint);
}

void TbsSkinHintWindow::ShowHint(QWidget* owner, const QPoint& globalPos, const QString& text) {
  if (text.isEmpty()) {
    HideHint();
    return;
  }
  if (isVisible() && owner == FOwner && text == FText) {
    // The same hint asked for again: it stays where it is, for longer.
    FHideTimer->start(HideDelay(text));
    return;
  }
  const bool renamed = isVisible() && text != FText;
  FOwner = owner;
  FText = text;
  if (renamed) AccessibleNotify(this, QAccessible::NameChanged);
  FLook = TbsHintLook::From(FindSkinDataFor(owner));
  const QSize size = FLook.SizeFor(text);
  const QRect area = platform::WorkAreaAt(globalPos);
  setGeometry(QRect(HintPosition(globalPos, size, area), size));
  const QRegion region = FLook.Region(size);
  if (region.isEmpty())
    clearMask();
  else
    setMask(region);
  FHideTimer->start(HideDelay(text));
  show();
  raise();
  update();
}

void TbsSkinHintWindow::HideHint() {
  FHideTimer->stop();
  FOwner = nullptr;
  hide();
}

void TbsSkinHintWindow::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.drawImage(0, 0, FLook.Render(FText, size()));
}

// --- One hint window for the application -------------------------------------------

namespace {

QPointer<TbsSkinHintWindow> gHint;

// The global reference is cleared before the window goes: the events its
// destruction sends reach the filter, which must not see a half-destroyed
// hint window through it.
void DeleteHintWindow() {
  TbsSkinHintWindow* hint = gHint.data();
  gHint.clear();
  delete hint;
}

TbsSkinHintWindow* HintWindow() {
  if (!gHint) {
    gHint = new TbsSkinHintWindow;
    // A window of no owner: it goes when the application goes, before the
    // application's own widget clean-up.
    static bool registered = false;
    if (!registered) qAddPostRoutine(DeleteHintWindow);
    registered = true;
  }
  return gHint;
}

// Routes tooltip requests of skinned windows to the hint window and hides it
// the way tooltips go away: the mouse leaving the control, a press, a key, a
// wheel turn, the control's window going away.
class TbsSkinHintFilter : public QObject {
public:
  using QObject::QObject;

protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    TbsSkinHintWindow* hint = VisibleSkinHint();
    if (hint) {
      switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::KeyPress:
        case QEvent::Wheel:
          HideSkinHint();
          break;
        case QEvent::Leave:
        case QEvent::Hide:
        case QEvent::WindowDeactivate: {
          const QWidget* owner = hint->Owner();
          if (!owner || watched == owner || watched == owner->window()) HideSkinHint();
          break;
        }
        default:
          break;
      }
    }
    if (event->type() != QEvent::ToolTip || !watched->isWidgetType()) return false;
    auto* widget = static_cast<QWidget*>(watched);
    if (widget == gHint) return false;
    const TbsSkinData* data = FindSkinDataFor(widget);
    if (!data || data->Empty()) return false;  // the ordinary tooltip
    // A widget without a hint of its own passes the request on to its parent,
    // which comes through here again.
    const QString text = widget->toolTip();
    if (text.isEmpty()) return false;
    QToolTip::hideText();
    ShowSkinHint(widget, static_cast<QHelpEvent*>(event)->globalPos(), text);
    return true;
  }
};

QPointer<TbsSkinHintFilter> gFilter;

}  // namespace

TbsSkinHintWindow::~TbsSkinHintWindow() {
  if (gHint.data() == this) gHint.clear();
}

void ShowSkinHint(QWidget* owner, const QPoint& globalPos, const QString& text) {
  HintWindow()->ShowHint(owner, globalPos, text);
}

void HideSkinHint() {
  if (gHint) gHint->HideHint();
}

TbsSkinHintWindow* VisibleSkinHint() { return gHint && gHint->isVisible() ? gHint.data() : nullptr; }

void InstallSkinHints() {
  if (gFilter || !qApp) return;
  gFilter = new TbsSkinHintFilter(qApp);
  qApp->installEventFilter(gFilter);
}
