#pragma once
// The framed label: a value text in a box, drawn by the control itself.
#include "skin/SkinControl.h"
#include "skin/SkinGroupBox.h"    // TbsBevelStyle
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

  // Where the text goes in the plain look, and where it lands in it.
  QRect TextArea() const;
  QRect TextRect() const;

protected:
  void DrawPlain(QImage& image) override;

private:
  QString FCaption;
  TAlignment FAlignment = TAlignment::taLeftJustify;
  TbsBevelStyle FBorderStyle = TbsBevelStyle::bvFrame;
};
