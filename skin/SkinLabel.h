#pragma once
// The framed label: a value text in a box. With a "label" record the box is
// the record's image grown to the label's size; without one a face and a
// one-pixel frame drawn by the label itself.
#include "skin/SkinControl.h"
#include "skin/SkinPlainLook.h"
#include "skin/SkinRecordTypes.h" // TAlignment

class TbsSkinLabel : public TbsSkinCustomControl {
  Q_OBJECT
public:
  explicit TbsSkinLabel(QWidget* parent);

  bool UseSkinSize = true;
  bool UseSkinFontColor = true;
  bool AutoSize = false;

  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment a);
  TbsBevelStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TbsBevelStyle s);
  QString Caption() const { return FCaption; }
  void SetCaption(const QString& caption);

  // Where the text goes (the skin image's client rectangle, or the plain
  // look's area inset by 3 pixels), and where it lands in it.
  QRect TextArea() const;
  QRect TextRect() const;
  // The font and colour the text is drawn in.
  TFont TextFont() const;

protected:
  void DrawPlain(QImage& image) override;
  bool DrawSkin(QImage& image) override;
  bool FollowsSkinSize() const override { return UseSkinSize; }
  // With UseSkinSize off any record but one of rmFree grows around its
  // client rectangle, and the text follows it.
  bool GrowsAroundClient() const override;

private:
  const TbsDataSkinLabelControl* LabelRecord() const;
  void DrawText(QPainter& p) const;

  QString FCaption;
  TAlignment FAlignment = TAlignment::taLeftJustify;
  TbsBevelStyle FBorderStyle = TbsBevelStyle::bvFrame;
};
