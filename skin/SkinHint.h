#pragma once
// The hint window: a small frameless window that shows a control's hint near
// the mouse, drawn from the skin's hint-window record of the control's
// window, or as a plain pale yellow box when that window has no skin.
//
// An application-wide event filter (InstallSkinHints) takes the tooltip
// requests of every widget whose window carries a loaded skin and shows them
// here; widgets of windows without a skin keep the ordinary tooltips.
#include "platform/Graphics.h"
#include "skin/SkinCompose.h"

#include <QPointer>
#include <QString>
#include <QTimer>
#include <QWidget>

class TbsSkinData;

// Pixels between the text and the record's client rectangle, on every side.
constexpr int kHintTextPadding = 2;
// The plain box: its one-pixel frame and the space inside it.
constexpr int kPlainHintMargin = 3;
// Where the hint goes relative to the mouse.
constexpr int kHintOffsetX = 2, kHintOffsetY = 18;

// The skin data of the window `widget` lies in: a TbsSkinData owned by the
// window (directly), or null. An empty (unloaded) skin data is returned too;
// callers check Empty().
TbsSkinData* FindSkinDataFor(const QWidget* widget);

// The hint's look, taken from a skin data's hint-window record.
struct TbsHintLook {
  // From `data`; an empty skin, or a record whose picture the skin does not
  // have, gives the plain look.
  static TbsHintLook From(const TbsSkinData* data);

  bool Skinned() const { return !Picture.isNull(); }
  // Space around the text: the record's borders (client rectangle to the
  // picture's edges) plus the padding, or the plain box's margin.
  QMargins Margins() const;
  // The window's size for a text.
  QSize SizeFor(const QString& text) const;
  // The window's image for a text at `size`: the picture grown by nine
  // pieces (corners unscaled, edges and middle by the record's stretch flags)
  // or the plain box, with the text inside the margins.
  QImage Render(const QString& text, QSize size) const;
  // The window region from the record's mask, or an empty region.
  QRegion Region(QSize size) const;

  QImage Picture, MaskPicture;
  TbsPieceLayout Layout;
  TFont Font = TFont::Make(QStringLiteral("Arial"), 14, 0, clInfoText);
};

// Where a hint of `size` goes for the mouse at `cursor`: below and right of
// it, moved left and, when there is no room below, above the mouse so that
// it stays inside `area`.
QPoint HintPosition(const QPoint& cursor, QSize size, const QRect& area);

class TbsSkinHintWindow : public QWidget {
  Q_OBJECT
public:
  TbsSkinHintWindow();
  ~TbsSkinHintWindow() override;

  // Shows `text` for `owner` with the look of the owner's skin. The hint
  // already shown for the same owner and text stays where it is.
  void ShowHint(QWidget* owner, const QPoint& globalPos, const QString& text);
  void HideHint();

  QWidget* Owner() const { return FOwner; }
  QString Text() const { return FText; }
  const TbsHintLook& Look() const { return FLook; }
  QTimer* HideTimer() const { return FHideTimer; }

protected:
  void paintEvent(QPaintEvent* event) override;

private:
  QPointer<QWidget> FOwner;
  QString FText;
  TbsHintLook FLook;
  QTimer* FHideTimer;
};

// Shows a hint for `owner` at a screen point (the mouse position), replacing
// any hint already shown; an empty text hides it.
void ShowSkinHint(QWidget* owner, const QPoint& globalPos, const QString& text);
void HideSkinHint();
// The hint window while a hint is shown, else null.
TbsSkinHintWindow* VisibleSkinHint();

// Installs the application-wide filter that routes tooltip requests of
// skinned windows to the hint window; a second call does nothing.
void InstallSkinHints();
