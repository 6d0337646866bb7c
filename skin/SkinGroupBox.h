#pragma once
// Framed boxes with a caption, and the radio group built on them.
#include "skin/SkinControl.h"
#include "skin/SkinPlainLook.h"
#include "skin/SkinRecords.h"

#include <QList>
#include <QStringList>

class QPainter;

// Where the item buttons of a group go: item i of `count`, laid out in
// `columns` columns inside `client`. Rows = ceil(count / columns); each button
// is client width / columns - 2 wide and client height / rows high; item i
// sits in column i / rows, row i % rows, one pixel in from the column's left.
QRect GroupButtonRect(const QRect& client, int count, int columns, int index);

// An area given in a record's skin rectangle (a caption band, a check image
// area, a text area) placed on a control of `size` composed by `mode`:
//   rmFree    by the corner areas, like the frame's objects: wholly in a
//             corner area it moves with that corner, spanning two it
//             stretches;
//   rmAcross  across only: right of the right-top x it moves right by dw,
//             spanning the middle its right edge moves by dw;
//   rmDown    the same down the height with the left-bottom y and dh;
//   rmFixed   and rmNone: where it lies.
TRect PlaceSkinArea(const TRect& area, TbsResizeMode mode, const TbsCornerPoints& points, QSize skin,
                    QSize size);

// Where the parts of a caption go in its band: the check image (when
// `check` has a size) first, 2 pixels before what follows; then the text,
// or, with a frame image (`frameWidth` > 0), the frame with the text
// `frameTextLeft` pixels into it. The whole block sits at the band's left
// edge, its right edge or its centre by `alignment`; every part is centred
// vertically in the band.
struct TbsCaptionLayout {
  QRect Check, Frame, Text;
};
TbsCaptionLayout LayoutCaption(const QRect& band, TAlignment alignment, QSize text, QSize check = {},
                               int frameWidth = 0, int frameHeight = 0, int frameTextLeft = 0);

// A box with a caption band and a frame; child controls are placed in the
// box's own coordinates. Skin record "groupbox".
class TbsSkinGroupBox : public TbsSkinCustomControl {
  Q_OBJECT
public:
  explicit TbsSkinGroupBox(QWidget* parent);

  QString Caption() const { return FCaption; }
  void SetCaption(const QString& caption);
  bool CaptionMode() const { return FCaptionMode; }
  void SetCaptionMode(bool value);
  TbsBevelStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TbsBevelStyle style);
  TAlignment DefaultAlignment = TAlignment::taLeftJustify;
  int DefaultCaptionHeight = 22;
  int Spacing = 2;
  int NumGlyphs = 1;
  bool AutoEnabledControls = true;
  // A check image before the caption (the skin's "checkimagerect" when
  // Checked, else "uncheckimagerect"); the windows leave it off.
  bool CheckedMode = false;
  bool Checked = false;

  // The area that holds child controls and item buttons. With the skin's
  // record: its client rectangle at the box's size (the whole box when the
  // record has a background picture, or for a frameless box outside caption
  // mode that takes any size). Without one: the box inset by one pixel (none
  // with bvNone), and in caption mode its top lowered by DefaultCaptionHeight.
  virtual QRect ClientArea() const;
  // The band the caption text is drawn in (empty when there is none): the
  // record's "captionrect" placed by the corner areas, or without a record
  // the DefaultCaptionHeight band inside the border.
  QRect CaptionRect() const;
  // Whether the box draws from its skin record (a "groupbox" panel record
  // with a picture to compose).
  bool SkinnedLook() const;

  void LookUpRecord() override;
  void SkinWillChange() override;
  void SkinChanged() override;

protected:
  void DrawPlain(QImage& image) override;
  bool DrawSkin(QImage& image) override;
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;
  virtual void ClientAreaChanged() {}

private:
  const TbsDataSkinPanelControl* PanelRecord() const;
  void DrawSkinCaption(QPainter& p, const TbsDataSkinPanelControl& record);

  QString FCaption;
  bool FCaptionMode = true;
  TbsBevelStyle FBorderStyle = TbsBevelStyle::bvFrame;
  TbsSkinPicture FBGPicture;  // the record's "bgpictureindex" picture, if any
};

class TbsSkinRadioGroup;

// One item of a radio group: a round mark and the item's text. Skin record
// "radiobox".
class TbsGroupButton : public TbsSkinCustomControl {
  Q_OBJECT
public:
  TbsGroupButton(TbsSkinRadioGroup* group, int index);

  int Index() const { return FButtonIndex; }
  QString Caption() const { return FCaption; }
  void SetCaption(const QString& caption);
  bool Checked() const { return FChecked; }
  // Ticks or unticks the button; ticking tells the group.
  void SetChecked(bool value);

  // Where the check image and the text go at the button's size (skinned
  // look); empty rectangles without a record.
  QRect CheckImageArea() const;
  QRect TextArea() const;

protected:
  void DrawPlain(QImage& image) override;
  bool DrawSkin(QImage& image) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;

private:
  friend class TbsSkinRadioGroup;
  const TbsDataSkinCheckRadioControl* RadioRecord() const;
  // The size the record's image takes in the button: its resize mode's
  // size (a skin of fixed height keeps its height), and where that image
  // sits: centred in the button.
  QSize SkinImageSize() const;
  QPoint ImageOffset() const;
  QRect ToButton(const TRect& area) const;

  TbsSkinRadioGroup* FGroup;
  int FButtonIndex;
  QString FCaption;
  bool FChecked = false;
  bool FMouseIn = false;
  bool FPressed = false;
};

// A group box whose items are radio buttons, one chosen at most. Choosing an
// item that was not chosen fires OnClick; a click on the chosen item, and
// clearing the choice, fire nothing.
class TbsSkinRadioGroup : public TbsSkinGroupBox {
  Q_OBJECT
public:
  explicit TbsSkinRadioGroup(QWidget* parent);

  QStringList Items() const { return FItems; }
  void SetItems(const QStringList& items);
  int ItemIndex() const { return FItemIndex; }
  // Clamped to -1 .. count-1.
  void SetItemIndex(int index);
  int Columns() const { return FColumns; }
  void SetColumns(int columns);
  QString ButtonSkinDataName = QStringLiteral("radiobox");
  TFont ButtonDefaultFont() const { return FButtonFont; }
  void SetButtonDefaultFont(const TFont& font);
  void SetSkinData(TbsSkinData* data) override;

  TbsGroupButton* Button(int index) const { return FButtons.value(index); }
  int ButtonCount() const { return static_cast<int>(FButtons.size()); }

  TNotifyEvent OnClick;

protected:
  void ClientAreaChanged() override { ArrangeButtons(); }

private:
  friend class TbsGroupButton;
  void ButtonTicked(TbsGroupButton* button);
  void MoveFocus(TbsGroupButton* from, int step);
  void UpdateButtons();
  void ArrangeButtons();
  void UpdateTabStop();

  QStringList FItems;
  QList<TbsGroupButton*> FButtons;
  int FItemIndex = -1;
  int FColumns = 1;
  TFont FButtonFont = TFont::Make(QStringLiteral("Arial"), 14, 0);
  bool FRebuilding = false;
};
