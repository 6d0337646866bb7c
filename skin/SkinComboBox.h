#pragma once
// The skinned drop-down list in its fixed style: it shows the chosen item's
// text and a drop-down button; the items drop down in a popup window of their
// own. The user picks with the mouse, the arrow keys, the wheel or by typing
// an item's first letters, never types free text.
#include "skin/SkinControl.h"
#include "skin/SkinScrollBar.h"

#include <QMargins>
#include <QPointer>
#include <QStringList>
#include <cstdint>

enum TbsComboBoxStyle { bscbEditStyle, bscbFixedStyle };
enum TEditCharCase { ecNormal, ecUpperCase, ecLowerCase };

class QPainter;
class TbsSkinComboBox;
class TbsDataSkinComboBox;
class TbsDataSkinCustomControl;
class TbsDataSkinListBox;

// The arrow of the plain drop-down button (and of a skinned one without its own).
void DrawComboArrow(QPainter& p, const QRect& r, const QColor& color, bool up = false);

// An item image ("itemrect" and its kin) of a list at `size`: the piece's
// `leftOffset` columns at the left and `rightOffset` columns at the right
// unscaled, the middle stretched (or tiled) between them; scaled down or up
// to the height. A null image when the piece is empty.
QImage ComposeItemImage(const QImage& picture, const TRect& piece, int leftOffset, int rightOffset, bool stretch,
                        QSize size);
// The item text rectangle of an item piece at `size`: its right and bottom
// moved by the growth of the item; the item inset by 3 and 2 pixels when the
// skin gives none.
QRect ItemTextArea(const TRect& itemTextRect, const TRect& piece, const QRect& item);
// Whether a button image carries a glyph of its own: some row of its middle
// part has pixels of clearly different brightness (a face that is plain or
// shaded from top to bottom has none).
bool HasGlyph(const QImage& image);

// The popup list: a frameless top-level window that never takes the focus
// (the keys stay with the combo box). It wears the skin's list-box record
// named by the combo box's record, or the plain look.
class TbsPopupListBox : public QWidget {
  Q_OBJECT
public:
  explicit TbsPopupListBox(TbsSkinComboBox* owner);

  TbsSkinComboBox* Owner() const { return FOwner; }

  void SetItems(const QStringList& items);
  int Count() const { return FItems.size(); }
  int ItemIndex() const { return FItemIndex; }
  // Makes the item current and scrolls it into view (-1: none). While the
  // list shows, the new current item is announced as focused.
  void SetItemIndex(int index);
  int TopIndex() const { return FTopIndex; }
  // Scrolls so that `top` is the first row shown (as far as the items allow).
  void SetTopIndex(int top) { ScrollTo(top); }
  int Rows() const { return FRows; }
  void SetRows(int rows);
  int RowHeight() const;
  bool HasScrollBar() const { return FItems.size() > FRows; }
  // Item under a point of the list, or -1.
  int ItemAt(const QPoint& point) const;
  QRect ItemRect(int index) const;
  // The list's height for its rows: rows plus the one-pixel border.
  int ListHeight() const { return FRows * RowHeight() + Borders().top() + Borders().bottom(); }
  // How much wider than now the list must be for its widest item to show
  // whole in every row look (0 when all fit).
  int TextShortfall() const;

  QFont ItemFont;            // the plain look's font
  TFont DefaultFont;         // the skinned look's font without UseSkinFont
  bool UseSkinFont = true;   // the record's font name, height and style

  // The skin: the data and the name of the list-box record to wear.
  void SetSkinData(TbsSkinData* data);
  TbsSkinData* SkinData() const { return FSkinData; }
  void SetListBoxName(const QString& name);
  QString ListBoxName() const { return FListBoxName; }
  void SkinWillChange();  // plain until SkinChanged
  void SkinChanged();
  // The record in use, or null for the plain look.
  const TbsDataSkinListBox* ListRecord() const;

  // Space between the list's edges and its rows: one pixel plain, the
  // record's borders around its client rectangle when skinned.
  QMargins Borders() const;
  QRect ScrollBarRect() const;
  TbsScrollState ScrollState() const;
  int HotIndex() const { return FHotIndex; }
  // The list's image as painted.
  QImage Render() const;
  // The font the rows are drawn in.
  QFont DrawFont() const;

protected:
  void paintEvent(QPaintEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;

private:
  void ScrollTo(int top);
  void PaintPlain(QPainter& p) const;
  void PaintSkin(QPainter& p, const TbsDataSkinListBox& record) const;

  TbsSkinComboBox* FOwner;
  QPointer<TbsSkinData> FSkinData;
  QString FListBoxName;
  bool FSuspended = false;
  int FHotIndex = -1;     // item under the mouse
  int FScrollPressed = 0; // 1 while the thumb is dragged
  int FGrabOffset = 0;
  QStringList FItems;
  int FItemIndex = -1;
  int FTopIndex = 0;
  int FRows = 1;
  bool FCaptured = false;  // left button held inside the list
};

class TbsSkinComboBox : public TbsSkinCustomControl {
  Q_OBJECT
public:
  explicit TbsSkinComboBox(QWidget* parent);
  ~TbsSkinComboBox() override;

  TbsComboBoxStyle Style = bscbFixedStyle;
  int DropDownCount = 8;
  int ListBoxWidth = 0;  // 0: the control's width
  bool AutoComplete = true;
  bool Sorted = false;
  bool UseSkinSize = true;
  TColor DefaultColor = clWindow;
  bool HideSelection = true;
  TEditCharCase CharCase = ecNormal;
  bool ListBoxUseSkinFont = true;

  TNotifyEvent OnClick;     // after each change of the chosen item
  TNotifyEvent OnChange;    // after the text changed
  TNotifyEvent OnDropDown;  // before the list opens
  TNotifyEvent OnCloseUp;   // after an accepted close

  const QStringList& Items() const { return FItems; }
  // Replaces the items; nothing is chosen afterwards.
  void SetItems(const QStringList& items);
  int ItemIndex() const { return FItemIndex; }
  void SetItemIndex(int index);
  QString Text() const { return FText; }

  void DropDown();
  void CloseUp(bool accept);
  bool DroppedDown() const;
  TbsPopupListBox* ListBox() const { return FListBox; }

  // The drop-down button's and the text's areas, control coordinates: the
  // record's "buttonrect" and "clientrect" moved for the control's size when
  // the skin is in use, else the plain ones.
  QRect ButtonRect() const;
  QRect TextRect() const;
  // The combo-box record in use, or null for the plain look.
  const TbsDataSkinComboBox* ComboRecord() const;
  // The record the drop-down button wears ("combobutton", else "editbutton",
  // else "resizebutton"), or null.
  const TbsDataSkinCustomControl* DropButtonRecord() const;

  bool MouseIn() const { return FMouseIn; }
  bool MouseInButton() const { return FMouseInButton; }
  bool ButtonPressed() const { return FButtonPressed; }

  void SetSkinData(TbsSkinData* data) override;
  void SkinWillChange() override;
  void SkinChanged() override;

protected:
  void DrawPlain(QImage& image) override;
  bool DrawSkin(QImage& image) override;
  bool FollowsSkinSize() const override { return UseSkinSize; }
  // Not following the skin's size, the control keeps the record's borders
  // around its client rectangle and stretches everything between.
  bool GrowsAroundClient() const override { return !UseSkinSize; }

  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  friend class TbsPopupListBox;
  // Choose the item `index` (clamped to the items) in the closed control or
  // make it current in the open list.
  void Step(int index);
  void Search(QChar c);
  void Choose(int index);
  void SetText(const QString& text);
  QRect PlainButtonRect() const;
  QRect PlainTextRect() const;
  void DrawPlainButton(QPainter& p, const QRect& b) const;
  // The drop-down button from its record at `size` for its state; null when
  // there is no such record.
  QImage DropButtonImage(QSize size) const;

  QStringList FItems;
  int FItemIndex = -1;
  int FOldIndex = -1;  // chosen before the list opened
  QString FText;
  QString FSearch;
  std::uint32_t FSearchTime = 0;
  bool FMouseIn = false;
  bool FMouseInButton = false;
  bool FButtonPressed = false;
  TbsPopupListBox* FListBox;
};
