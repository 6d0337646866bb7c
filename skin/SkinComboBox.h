#pragma once
// The skinned drop-down list in its fixed style: it shows the chosen item's
// text and a drop-down button; the items drop down in a popup window of their
// own. The user picks with the mouse, the arrow keys, the wheel or by typing
// an item's first letters, never types free text.
#include "skin/SkinControl.h"

#include <QPointer>
#include <QStringList>
#include <cstdint>

enum TbsComboBoxStyle { bscbEditStyle, bscbFixedStyle };
enum TEditCharCase { ecNormal, ecUpperCase, ecLowerCase };

class QPainter;
class TbsSkinComboBox;

// The arrow of the drop-down button and of the list's scroll bar.
void DrawComboArrow(QPainter& p, const QRect& r, const QColor& color, bool up = false);

// The popup list: a frameless top-level window that never takes the focus
// (the keys stay with the combo box), drawn plainly.
class TbsPopupListBox : public QWidget {
  Q_OBJECT
public:
  explicit TbsPopupListBox(TbsSkinComboBox* owner);

  void SetItems(const QStringList& items);
  int Count() const { return FItems.size(); }
  int ItemIndex() const { return FItemIndex; }
  // Makes the item current and scrolls it into view (-1: none).
  void SetItemIndex(int index);
  int TopIndex() const { return FTopIndex; }
  int Rows() const { return FRows; }
  void SetRows(int rows);
  int RowHeight() const;
  bool HasScrollBar() const { return FItems.size() > FRows; }
  // Item under a point of the list, or -1.
  int ItemAt(const QPoint& point) const;
  QRect ItemRect(int index) const;
  // The list's height for its rows: rows plus the one-pixel border.
  int ListHeight() const { return FRows * RowHeight() + 2; }

  QFont ItemFont;

protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;

private:
  void ScrollTo(int top);
  QRect ScrollBarRect() const;

  TbsSkinComboBox* FOwner;
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

  // Areas of the plain look, control coordinates.
  QRect ButtonRect() const;
  QRect TextRect() const;

  bool MouseIn() const { return FMouseIn; }
  bool ButtonPressed() const { return FButtonPressed; }

protected:
  void DrawPlain(QImage& image) override;

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
