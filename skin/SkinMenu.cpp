#include "skin/SkinMenu.h"

#include "platform/Platform.h"
#include "skin/SkinAccessible.h"
#include "skin/SkinCompose.h"
#include "skin/SkinPlainLook.h"
#include "skin/SkinRecords.h"

#include <QEventLoop>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace {

constexpr int kTextIndent = 22;     // room left of the text, as menus keep for marks
constexpr int kTextTrail = 24;      // room right of the longest text
constexpr int kPlainBorder = 3;     // plain box: frame and padding
constexpr int kLeastItemsWidth = 100;

const TbsDataSkinMenuItem* MenuItemRecord(const TbsSkinData* data) {
  if (!data || data->Empty()) return nullptr;
  return data->ObjectRecord<TbsDataSkinMenuItem>(QStringLiteral("menuitem"));
}

// The picture a menu item piece lies in: the normal piece where
// "skinrectinapicture" says, the active one in the active picture.
QImage ItemPicture(const TbsSkinData& data, const TbsDataSkinMenuItem& item, bool active) {
  if (active || item.SkinRectInAPicture) return data.ActivePicture(item.ActivePictureIndex);
  return data.Picture();
}

// A menu item piece across `to`: the two ends unscaled, the middle stretched
// or tiled.
void DrawItemPiece(QPainter& p, const QRect& to, const QImage& picture, const TRect& rect, int leftEnd,
                   int rightEnd, bool stretch) {
  if (picture.isNull() || rect.IsEmpty() || to.isEmpty()) return;
  const QImage piece = CutPiece(picture, rect);
  const int left = std::clamp(leftEnd, 0, piece.width());
  const int rightStart = std::clamp(piece.width() - rightEnd, left, piece.width());
  const QImage across = ComposeAcross(piece, left, rightStart, stretch, QSize(to.width(), piece.height()));
  p.drawImage(to, across);
}

}  // namespace

TbsSkinPopupMenu::TbsSkinPopupMenu(QWidget* owner) : QWidget(owner, Qt::Popup | Qt::FramelessWindowHint) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(true);
  setFocusPolicy(Qt::StrongFocus);
}

TbsSkinPopupMenu::~TbsSkinPopupMenu() {
  if (FLoop) FLoop->exit(-1);
}

void TbsSkinPopupMenu::SetSkinData(TbsSkinData* data) {
  FSkinData = data;
  resize(MenuSize());
  update();
}

int TbsSkinPopupMenu::AddItem(const QString& caption, bool enabled) {
  FEntries.push_back({caption, enabled, false});
  resize(MenuSize());
  return Count() - 1;
}

void TbsSkinPopupMenu::AddDivider() {
  FEntries.push_back({QString(), false, true});
  resize(MenuSize());
}

bool TbsSkinPopupMenu::SkinnedBody() const {
  if (!FSkinData || FSkinData->Empty()) return false;
  const TbsDataSkinPopupWindow& w = FSkinData->PopupWindow;
  const QImage picture = FSkinData->ActivePicture(w.WindowPictureIndex);
  return !picture.isNull() && !w.ItemsRect.IsEmpty() && w.ItemsRect.Right <= picture.width() &&
         w.ItemsRect.Bottom <= picture.height();
}

QFont TbsSkinPopupMenu::ItemFont() const {
  if (const TbsDataSkinMenuItem* item = MenuItemRecord(FSkinData))
    return ToQFont(TFont::Make(item->Font.Name, item->Font.Height, item->Font.Style));
  return ToQFont(TFont::Make(QStringLiteral("Arial"), 14, 0));
}

TbsSkinPopupMenu::TMetrics TbsSkinPopupMenu::Metrics() const {
  TMetrics m;
  const QFontMetrics fm(ItemFont());
  m.ItemHeight = fm.height() + 8;
  m.DividerHeight = 9;
  if (SkinnedBody()) {
    const TbsDataSkinPopupWindow& w = FSkinData->PopupWindow;
    const QImage picture = FSkinData->ActivePicture(w.WindowPictureIndex);
    m.Body = QMargins(w.ItemsRect.Left, w.ItemsRect.Top, picture.width() - w.ItemsRect.Right,
                      picture.height() - w.ItemsRect.Bottom);
  } else {
    m.Body = QMargins(kPlainBorder, kPlainBorder, kPlainBorder, kPlainBorder);
  }
  if (const TbsDataSkinMenuItem* item = MenuItemRecord(FSkinData)) {
    if (!item->SkinRect.IsEmpty()) m.ItemHeight = std::max(item->SkinRect.Height(), fm.height());
    if (!item->DividerRect.IsEmpty()) m.DividerHeight = item->DividerRect.Height();
  }
  return m;
}

QSize TbsSkinPopupMenu::MenuSize() const {
  const TMetrics m = Metrics();
  const QFontMetrics fm(ItemFont());
  int width = kLeastItemsWidth;
  int height = 0;
  for (const TbsMenuEntry& e : FEntries) {
    if (e.Divider) {
      height += m.DividerHeight;
      continue;
    }
    height += m.ItemHeight;
    const QString shown = QString(e.Caption).remove(QLatin1Char('&'));
    width = std::max(width, kTextIndent + fm.horizontalAdvance(shown) + kTextTrail);
  }
  QSize size(width + m.Body.left() + m.Body.right(), height + m.Body.top() + m.Body.bottom());
  if (SkinnedBody()) {
    // The body's corners must fit: never below the picture's own frame.
    const TbsDataSkinPopupWindow& w = FSkinData->PopupWindow;
    const QImage picture = FSkinData->ActivePicture(w.WindowPictureIndex);
    const int cornersWide = w.LeftTopPoint.x() + (picture.width() - w.RightTopPoint.x());
    const int cornersHigh = w.LeftTopPoint.y() + (picture.height() - w.LeftBottomPoint.y());
    size = size.expandedTo(QSize(cornersWide, cornersHigh));
  }
  return size;
}

QRect TbsSkinPopupMenu::ItemRect(int index) const {
  if (index < 0 || index >= Count()) return {};
  const TMetrics m = Metrics();
  const QSize size = MenuSize();
  int top = m.Body.top();
  for (int i = 0; i < index; ++i) top += FEntries[size_t(i)].Divider ? m.DividerHeight : m.ItemHeight;
  const int h = FEntries[size_t(index)].Divider ? m.DividerHeight : m.ItemHeight;
  return QRect(m.Body.left(), top, size.width() - m.Body.left() - m.Body.right(), h);
}

int TbsSkinPopupMenu::ItemAt(const QPoint& point) const {
  for (int i = 0; i < Count(); ++i) {
    const TbsMenuEntry& e = FEntries[size_t(i)];
    if (!e.Divider && e.Enabled && ItemRect(i).contains(point)) return i;
  }
  return -1;
}

void TbsSkinPopupMenu::SetCurrent(int index) {
  if (index < -1 || index >= Count()) index = -1;
  if (index >= 0 && (FEntries[size_t(index)].Divider || !FEntries[size_t(index)].Enabled)) index = -1;
  if (index == FCurrent) return;
  FCurrent = index;
  update();
  if (index >= 0 && isVisible()) AccessibleNotify(this, QAccessible::Focus, index);
}

void TbsSkinPopupMenu::MoveCurrent(int step) {
  if (Count() == 0) return;
  int i = FCurrent;
  for (int n = 0; n < Count(); ++n) {
    i = (i < 0 && step < 0) ? Count() - 1 : (i + step + Count()) % Count();
    const TbsMenuEntry& e = FEntries[size_t(i)];
    if (!e.Divider && e.Enabled) {
      SetCurrent(i);
      return;
    }
  }
}

QImage TbsSkinPopupMenu::Render() const {
  const QSize size = MenuSize();
  QImage image(size, QImage::Format_ARGB32_Premultiplied);
  const bool skinned = SkinnedBody();
  const TbsDataSkinColors colors = skinned ? FSkinData->SkinColors : TbsDataSkinColors();
  image.fill(ToQColor(colors.cBtnFace));
  QPainter p(&image);

  if (skinned) {
    // The body: the popup picture in nine pieces around its items area.
    const TbsDataSkinPopupWindow& w = FSkinData->PopupWindow;
    const QImage picture = FSkinData->ActivePicture(w.WindowPictureIndex);
    const TbsPieceLayout layout = PieceLayoutOf(w, w.ItemsRect, true);
    const TbsPieceGeometry target = GeometryForSize(TbsResizeMode::rmFree, picture.size(), layout, size);
    p.drawImage(0, 0, ComposeNinePiece(picture, layout, size, target));
  } else {
    // Plain: a raised box.
    DrawBevelEdge(p, QRect(QPoint(0, 0), size), TbsBevelStyle::bvRaised);
  }

  const TbsDataSkinMenuItem* item = MenuItemRecord(FSkinData);
  p.setFont(ItemFont());
  for (int i = 0; i < Count(); ++i) {
    const TbsMenuEntry& e = FEntries[size_t(i)];
    const QRect r = ItemRect(i);
    if (e.Divider) {
      if (item && !item->DividerRect.IsEmpty()) {
        DrawItemPiece(p, r, ItemPicture(*FSkinData, *item, false), item->DividerRect, item->DividerLeftOffset,
                      item->DividerRightOffset, item->DividerStretchEffect);
      } else {
        const int y = r.center().y();
        p.setPen(ToQColor(colors.cBtnShadow));
        p.drawLine(r.left() + 2, y, r.right() - 2, y);
        p.setPen(ToQColor(colors.cBtnHighLight));
        p.drawLine(r.left() + 2, y + 1, r.right() - 2, y + 1);
      }
      continue;
    }
    const bool hot = i == FCurrent && e.Enabled;
    // A disabled item without a menu-item object: half-way between the text
    // and the face, so that it reads as greyed on light and dark skins alike.
    QColor text = ToQColor(colors.cBtnText);
    if (!e.Enabled) {
      const QColor face = ToQColor(colors.cBtnFace);
      text = QColor((text.red() + face.red()) / 2, (text.green() + face.green()) / 2,
                    (text.blue() + face.blue()) / 2);
    }
    if (item) {
      const TRect& piece = hot && !item->ActiveSkinRect.IsEmpty() ? item->ActiveSkinRect : item->SkinRect;
      DrawItemPiece(p, r, ItemPicture(*FSkinData, *item, hot && !item->ActiveSkinRect.IsEmpty()), piece,
                    item->ItemLeftOffset, item->ItemRightOffset, item->StretchEffect);
      text = ToQColor(!e.Enabled ? item->UnEnabledFontColor : hot ? item->ActiveFontColor : item->Font.Color);
    } else if (hot) {
      p.fillRect(r, ToQColor(colors.cHighLight));
      text = ToQColor(colors.cHighLightText);
    }
    p.setPen(text);
    const QRect textRect = r.adjusted(kTextIndent, 0, -4, 0);
    p.drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic, e.Caption);
  }
  return image;
}

int TbsSkinPopupMenu::Exec(const QPoint& globalPos) {
  if (FLoop) return -1;  // already open
  const QSize size = MenuSize();
  resize(size);
  const QRect area = platform::WorkAreaAt(globalPos);
  QPoint pos = globalPos;
  if (!area.isEmpty()) {
    pos.setX(std::clamp(pos.x(), area.left(), std::max(area.left(), area.right() + 1 - size.width())));
    pos.setY(std::clamp(pos.y(), area.top(), std::max(area.top(), area.bottom() + 1 - size.height())));
  }
  move(pos);
  FChosen = -1;
  FCurrent = -1;
  QEventLoop loop;
  FLoop = &loop;
  show();
  raise();
  activateWindow();
  setFocus(Qt::PopupFocusReason);
  AccessibleNotify(this, QAccessible::PopupMenuStart);
  QPointer<TbsSkinPopupMenu> self(this);
  const int result = loop.exec();
  if (!self) return -1;
  FLoop = nullptr;
  hide();
  AccessibleNotify(this, QAccessible::PopupMenuEnd);
  return result;
}

void TbsSkinPopupMenu::Finish(int chosen) {
  FChosen = chosen;
  if (FLoop) FLoop->exit(chosen);
  hide();
}

void TbsSkinPopupMenu::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.drawImage(0, 0, Render());
}

void TbsSkinPopupMenu::mouseMoveEvent(QMouseEvent* event) { SetCurrent(ItemAt(event->position().toPoint())); }

void TbsSkinPopupMenu::mousePressEvent(QMouseEvent* event) {
  // A press outside the menu closes it without a choice.
  if (!rect().contains(event->position().toPoint())) Finish(-1);
}

void TbsSkinPopupMenu::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  const int index = ItemAt(event->position().toPoint());
  if (index >= 0) Finish(index);
}

void TbsSkinPopupMenu::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Up:
      MoveCurrent(-1);
      return;
    case Qt::Key_Down:
      MoveCurrent(1);
      return;
    case Qt::Key_Home:
      FCurrent = -1;
      MoveCurrent(1);
      return;
    case Qt::Key_End:
      FCurrent = -1;
      MoveCurrent(-1);
      return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
      if (FCurrent >= 0) Finish(FCurrent);
      return;
    case Qt::Key_Escape:
      Finish(-1);
      return;
    default:
      break;
  }
  // The accelerator letter chooses its item.
  const QString typed = event->text().toLower();
  if (typed.size() == 1 && typed[0].isLetterOrNumber()) {
    for (int i = 0; i < Count(); ++i) {
      const TbsMenuEntry& e = FEntries[size_t(i)];
      const qsizetype amp = e.Caption.indexOf(QLatin1Char('&'));
      if (e.Divider || !e.Enabled || amp < 0 || amp + 1 >= e.Caption.size()) continue;
      if (e.Caption[amp + 1].toLower() == typed[0]) {
        Finish(i);
        return;
      }
    }
  }
}

void TbsSkinPopupMenu::leaveEvent(QEvent*) { SetCurrent(-1); }

void TbsSkinPopupMenu::hideEvent(QHideEvent*) {
  // Hidden by the system (a click elsewhere) counts as closing without a choice.
  if (FLoop) FLoop->exit(FChosen);
}
