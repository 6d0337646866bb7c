#pragma once
// A multi-line text the user can read, scroll and select but not edit.
#include "skin/SkinControl.h"

#include <QStringList>

class QPlainTextEdit;
class TbsDataSkinMemoControl;
class TbsSkinScrollBar;

// Skin record "memo". The text is shown as stored, line for line (no wrapping;
// both scroll bars always shown). With the record the body is its picture at
// the memo's size, the text view lies in its client rectangle on the record's
// background colour in its font colour, and the scroll bars wear the skin's
// bars; without it a sunken plain box.
class TbsSkinMemo : public TbsSkinCustomControl {
  Q_OBJECT
public:
  explicit TbsSkinMemo(QWidget* parent);

  QStringList Lines() const;
  void SetLines(const QStringList& lines);
  QString Text() const;
  void SetDefaultFont(const TFont& font);

  // The text view inside the memo (the widget that takes keys and focus).
  QPlainTextEdit* Viewer() const { return FViewer; }
  TbsSkinScrollBar* VerticalBar() const { return FVBar; }
  TbsSkinScrollBar* HorizontalBar() const { return FHBar; }
  // The memo record in use, or null for the plain look.
  const TbsDataSkinMemoControl* MemoRecord() const;
  // Where the text view lies, memo coordinates.
  QRect ViewerRect() const;
  // Whether the memo shows its active look (focused or under the mouse).
  bool IsActive() const;

  void SetSkinData(TbsSkinData* data) override;
  void SkinWillChange() override;
  void SkinChanged() override;

protected:
  void DrawPlain(QImage& image) override;
  bool DrawSkin(QImage& image) override;
  void resizeEvent(QResizeEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  // Font, colours, the view's place and the bars' skin, for the look in use.
  void ApplyLook();
  QPlainTextEdit* FViewer;
  TbsSkinScrollBar* FVBar;
  TbsSkinScrollBar* FHBar;
  QWidget* FCorner;
  bool FMouseIn = false;
};
