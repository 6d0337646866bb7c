#pragma once
// The skinned push button.
#include "skin/SkinAnimation.h"
#include "skin/SkinControl.h"

#include <QImage>
#include <QTimer>

enum class TbsButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };

// Where the glyph and the caption go inside a client rectangle.
struct TbsGlyphTextPlacement {
  QPoint Glyph;
  QRect Text;  // the measured text rectangle
};
TbsGlyphTextPlacement PlaceGlyphAndText(const QRect& client, QSize glyph, QSize text,
                                        int margin, int spacing, TbsButtonLayout layout);

// Caption without the accelerator marks; the accelerator letter (lower case)
// or a null QChar.
QString StripAccelerator(const QString& caption);
QChar AcceleratorOf(const QString& caption);

class TbsSkinButton : public TbsSkinCustomControl, public TDialogKeyTarget {
  Q_OBJECT
public:
  explicit TbsSkinButton(QWidget* parent);
  ~TbsSkinButton() override;

  bool UseSkinSize = true;
  bool UseSkinFontColor = true;
  bool RepeatMode = false;
  int RepeatInterval = 100;
  bool AllowAllUp = false;
  int Margin = -1;
  int Spacing = 1;
  TbsButtonLayout Layout = TbsButtonLayout::blGlyphLeft;
  bool Cancel = false;
  bool Default = false;
  int ModalResult = mrNone;
  TNotifyEvent OnClick;

  bool CanFocused() const { return FCanFocused; }
  void SetCanFocused(bool value);
  bool Down() const { return FDown; }
  void SetDown(bool value);
  int GroupIndex() const { return FGroupIndex; }
  void SetGroupIndex(int value);
  QString Caption() const { return FCaption; }
  void SetCaption(const QString& caption);
  const QImage& Glyph() const { return FGlyph; }
  void SetGlyph(const QImage& glyph);
  int NumGlyphs() const { return FNumGlyphs; }
  void SetNumGlyphs(int n);

  bool MouseIn() const { return FMouseIn; }
  // The button is drawn in its active (hot) look: focused or under the mouse.
  bool IsActive() const { return FMouseIn || hasFocus(); }

  void ButtonClick();
  // Presses the button as a user would: a click.
  void Click() { ButtonClick(); }

  // The repeat timer, visible so that tests can drive it tick by tick.
  QTimer* RepeatTimer() const { return FRepeatTimer; }

  // Morphing between the normal and the active image: the blend factor k
  // (0 normal, 1 active), moved by 0.2 on every tick of a 20 ms timer while
  // the change runs; the timer is visible so that tests can drive it.
  static constexpr int kMorphSteps = 5;
  static constexpr int kMorphInterval = 20;
  double MorphFactor() const { return double(FMorphStep) / kMorphSteps; }
  QTimer* MorphTimer() const { return FMorphTimer; }
  // The record asks for morphing, the skin is loaded and its effects are on.
  bool MorphingEnabled() const;

  // The frame animation: the record's "framecount" frames side by side in
  // its "animateskinrect", played forward while the mouse is over the button
  // and back when it leaves, one frame per "animateinterval" ms; frame 0 is
  // the button's own look, and the frames stand for the active image under
  // the mouse (the focus still shows that image). Visible so that tests can
  // drive it.
  const TbsFrameAnimation* Animation() const { return FAnimation.get(); }
  // The record has frames (a strip wide enough for them), the skin is
  // loaded and its effects are on.
  bool AnimationEnabled() const;
  // Also stops the animation: its frames go with the records.
  void SkinWillChange() override;

  // TDialogKeyTarget
  bool IsDefaultTarget() const override { return Default; }
  bool IsCancelTarget() const override { return Cancel; }
  QChar Accelerator() const override { return AcceleratorOf(FCaption); }
  void DialogClick() override { ButtonClick(); }

protected:
  void DrawPlain(QImage& image) override;
  // The state image (disabled, down, active or normal, or a morph between
  // the last two), then glyph, caption and focus rectangle.
  bool DrawSkin(QImage& image) override;
  bool FollowsSkinSize() const override { return UseSkinSize; }
  // With UseSkinSize off a skin of rmAcross or rmDown grows around its
  // client rectangle.
  bool GrowsAroundClient() const override;
  // Glyph and caption into the client rectangle with the given font and text colour.
  void DrawGlyphAndText(QPainter& p, const QRect& client, const TFont& font, const QColor& textColor,
                        bool shifted);
  QImage CurrentGlyph() const;

  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void changeEvent(QEvent* event) override;

private:
  void StopRepeat();
  void ReleaseGroup();
  // Drawn pressed: down, and the mouse over it, or focused without a mouse
  // button held, or latched in a group.
  bool ShowsPressed() const;
  const TbsDataSkinButtonControl* ButtonRecord() const;
  // Sets the pressed state, lets the morph follow it and repaints.
  void ChangeDown(bool value);
  // Going down puts k at 1 and stops the morph; coming up lets it run again.
  void DownChanged();
  // Starts moving k towards the look the button should have now.
  void StartMorph();
  void MorphTick();
  // Starts or reverses the frame animation for where the mouse is now.
  void StartAnimation();

  bool FCanFocused = true;
  bool FDown = false;
  int FGroupIndex = 0;
  QString FCaption;
  QImage FGlyph;
  int FNumGlyphs = 1;
  bool FMouseIn = false;
  bool FMousePressed = false;  // left button held on the button
  bool FSpacePressed = false;
  QTimer* FRepeatTimer;
  QTimer* FMorphTimer;
  int FMorphStep = 0;  // k = FMorphStep / kMorphSteps
  std::unique_ptr<TbsFrameAnimation> FAnimation;  // made for the record's frames
};
