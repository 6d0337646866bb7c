#pragma once
// Framed boxes with a caption, and the radio group built on them.
#include "skin/SkinControl.h"

#include <QList>
#include <QStringList>

enum class TbsBevelStyle { bvFrame, bvRaised, bvLowered, bvNone };
enum class TbsAlignment { taLeftJustify, taRightJustify, taCenter };

// Where the item buttons of a group go: item i of `count`, laid out in
// `columns` columns inside `client`. Rows = ceil(count / columns); each button
// is client width / columns - 2 wide and client height / rows high; item i
// sits in column i / rows, row i % rows, one pixel in from the column's left.
QRect GroupButtonRect(const QRect& client, int count, int columns, int index);

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
  TbsAlignment DefaultAlignment = TbsAlignment::taLeftJustify;
  int DefaultCaptionHeight = 22;
  int Spacing = 2;
  int NumGlyphs = 1;
  bool AutoEnabledControls = true;

  // The area that holds child controls and item buttons. Without a skin record:
  // the box inset by one pixel (none with bvNone), and in caption mode its top
  // lowered by DefaultCaptionHeight.
  virtual QRect ClientArea() const;
  // The band the caption text is drawn in (empty when there is none).
  QRect CaptionRect() const;

protected:
  void DrawPlain(QImage& image) override;
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;
  virtual void ClientAreaChanged() {}

private:
  QString FCaption;
  bool FCaptionMode = true;
  TbsBevelStyle FBorderStyle = TbsBevelStyle::bvFrame;
};

class TbsSkinRadioGroup;

// One item of a radio group: a round mark and the item's text. Skin record
// "radiobox".
class TbsGroupButton : public TbsSkinCustomControl {
  Q_OBJECT
public:
  TbsGroupButton(TbsSkinRadioGroup* group, int index);

  int Index() const { return FIndex; }
  QString Caption() const { return FCaption; }
  void SetCaption(const QString& caption);
  bool Checked() const { return FChecked; }
  // Ticks or unticks the button; ticking tells the group.
  void SetChecked(bool value);

protected:
  void DrawPlain(QImage& image) override;
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
  TbsSkinRadioGroup* FGroup;
  int FIndex;
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
