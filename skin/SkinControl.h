#pragma once
// Base of the skinned controls: a windowed control that finds its look in the
// window's skin by a record name and paints through one off-screen image.
#include "platform/Forms.h"
#include "platform/Graphics.h"

#include <QImage>
#include <QPointer>
#include <QWidget>

#include "skin/SkinClient.h"
#include "skin/SkinCompose.h"
#include "skin/SkinData.h"

class TbsSkinControl : public QWidget, public TbsSkinClient {
  Q_OBJECT
  Q_INTERFACES(TbsSkinClient)
public:
  explicit TbsSkinControl(QWidget* parent, const QString& skinDataName);

  TbsSkinData* SkinData() const override { return FSkinData; }
  void SetSkinData(TbsSkinData* data) override;
  QString SkinDataName() const { return FSkinDataName; }
  void SetSkinDataName(const QString& name);

  // Index of the record in use, -1 when none.
  int RecordIndex() const { return FIndex; }

  // Finds the record by SkinDataName; none from SkinWillChange until
  // SkinChanged, so that the control keeps its plain look in between.
  virtual void LookUpRecord();
  void SkinWillChange() override;
  void SkinChanged() override;

  // Places the control in its parent's (client) coordinates.
  void SetBounds(int left, int top, int width, int height) { setGeometry(left, top, width, height); }
  void SetHint(const QString& hint) { setToolTip(hint); }

  // The control's image at its current size, as painted.
  QImage Render();

protected:
  virtual void DrawPlain(QImage& image) = 0;
  // Draws the skinned look; false when it has nothing to draw from.
  virtual bool DrawSkin(QImage& image) { return false; }

  void paintEvent(QPaintEvent* event) override;

  QPointer<TbsSkinData> FSkinData;
  QString FSkinDataName;
  int FIndex = -1;
  bool FSkinSuspended = false;  // between the two skin notices
};

// Which records give a control its look: a test of the record's class.
using TbsRecordTest = bool (*)(const TbsDataSkinControl* record);
template <class R>
bool IsRecordOf(const TbsDataSkinControl* record) {
  return dynamic_cast<const R*>(record) != nullptr;
}

class TbsSkinCustomControl : public TbsSkinControl {
  Q_OBJECT
public:
  // A control of the record name `skinDataName` whose look comes only from a
  // record that passes `accepts` (by default any TbsDataSkinCustomControl).
  TbsSkinCustomControl(QWidget* parent, const QString& skinDataName,
                       TbsRecordTest accepts = IsRecordOf<TbsDataSkinCustomControl>)
      : TbsSkinControl(parent, skinDataName), FAccepts(accepts) {}

  TFont DefaultFont = TFont::Make(QStringLiteral("Arial"), 14, 0);
  int DefaultWidth = 0;
  int DefaultHeight = 0;
  bool UseSkinFont = true;

  void SetDefaultFont(const TFont& font) {
    DefaultFont = font;
    update();
  }
  void SetSkinData(TbsSkinData* data) override;

  // Finds the record and copies its look: picture ("pictureindex"), mask
  // ("maskpictureindex"; none when out of range), skin rectangle, corner
  // points, client rectangle and stretch flags; then the resize mode. A
  // record that is no TbsDataSkinCustomControl, or not of the class the
  // control accepts, counts as no record at all.
  void LookUpRecord() override;
  void SkinWillChange() override;
  // Looks the record up; without one applies DefaultWidth / DefaultHeight,
  // with one the skin size (when the control follows it); then rebuilds the
  // window region and repaints.
  void SkinChanged() override;

  // The look copied from the record.
  TbsResizeMode ResizeMode() const { return FResizeMode; }
  const QImage& SkinPicture() const { return FPicture; }
  const QImage& SkinMaskPicture() const { return FMaskPicture; }
  const TRect& SkinRect() const { return FSkinRect; }
  const TbsPieceLayout& SkinLayout() const { return FLayout; }
  // The client rectangle of the skin image at the control's current size:
  // moved by the resize mode, or grown with the body around it.
  virtual TRect SkinClientRect() const;

  // The record's piece `rect` of the picture composed at `size` the way the
  // control composes its body; pixels outside the picture, and what the
  // pieces do not cover, are `background`.
  QImage ComposeSkinRect(const TRect& rect, QSize size, QRgb background = 0) const;
  // The mask composed at the control's size, or a null image when there is
  // no record or no mask picture.
  QImage ComposeMask() const;
  // Sets the window region from the mask, or removes it.
  void UpdateRegion();

protected:
  // Whether the record's resize mode dictates the control's size (the skin
  // size rule also runs in rmFree, which allows any size).
  virtual bool FollowsSkinSize() const { return false; }
  // Whether the body grows around the record's client rectangle, its
  // borders kept and all between stretched, as a push button's does at a
  // size its skin does not dictate; otherwise it is composed by the resize
  // mode.
  virtual bool GrowsAroundClient() const { return false; }
  // The record in use as class R, or null.
  template <class R>
  const R* RecordAs() const {
    return FIndex >= 0 && FSkinData ? dynamic_cast<const R*>(FSkinData->Control(FIndex)) : nullptr;
  }
  // The body composition: the piece grown around its client rectangle, or by
  // the resize mode.
  QImage ComposeBody(const QImage& piece, QSize size, QRgb background) const;

  void resizeEvent(QResizeEvent* event) override;

  TbsSkinPicture FPicture, FMaskPicture;
  TRect FSkinRect;
  TbsPieceLayout FLayout;
  TbsResizeMode FResizeMode = TbsResizeMode::rmNone;

private:
  TbsRecordTest FAccepts;
};
