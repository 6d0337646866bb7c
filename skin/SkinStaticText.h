#pragma once
// Base of the static texts (the label and the multi-line text): a
// transparent text on its parent, without a window of its own as far as
// input goes. The skin's "stdlabel" record may give the font and colour;
// what each text takes from it is the text's own affair.
#include "platform/Graphics.h"
#include "skin/SkinClient.h"
#include "skin/SkinData.h"

#include <QPointer>
#include <QWidget>

class TbsSkinStaticText : public QWidget, public TbsSkinClient {
  Q_OBJECT
  Q_INTERFACES(TbsSkinClient)
public:
  explicit TbsSkinStaticText(QWidget* parent);

  TbsSkinData* SkinData() const override { return FSkinData; }
  void SetSkinData(TbsSkinData* data) override;
  // The text reads the skin when it paints: a notice only repaints it.
  void SkinWillChange() override { update(); }
  void SkinChanged() override { update(); }
  QString SkinDataName = QStringLiteral("stdlabel");

  TFont DefaultFont = TFont::Make(QStringLiteral("Arial"), 14, 0);
  TFont Font = TFont::Make(QStringLiteral("MS Sans Serif"), -11, 0);
  bool UseSkinFont = true;

  void SetFont(const TFont& font);
  void SetBounds(int left, int top, int width, int height) { setGeometry(left, top, width, height); }

  // The control this text is the label of (none by default): a screen reader
  // names the control by it and reads the two together.
  QWidget* FocusControl() const { return FFocusControl; }
  void SetFocusControl(QWidget* control) { FFocusControl = control; }
  // The text as read aloud: what the text shows, without accelerator marks.
  virtual QString ShownText() const = 0;
  // A disabled text is drawn twice: one pixel right and down in the light
  // colour, then in place in the shadow colour; the skin's "cbtnhighlight"
  // and "cbtnshadow" while a skin is loaded, the system's otherwise.
  QColor DisabledLightColor() const;
  QColor DisabledShadowColor() const;

protected:
  QPointer<TbsSkinData> FSkinData;
  QPointer<QWidget> FFocusControl;
};

// The static texts of `control`'s window that label it (their FocusControl
// is the control or a widget that passes its focus on to it), in the order
// they were made.
QList<TbsSkinStaticText*> LabelsOf(const QWidget* control);
