#pragma once
// Base of the skinned controls: a windowed control that finds its look in the
// window's skin by a record name and paints through one off-screen image.
#include "platform/Forms.h"
#include "platform/Graphics.h"

#include <QImage>
#include <QPointer>
#include <QWidget>

#include "skin/SkinData.h"

class TbsSkinControl : public QWidget {
  Q_OBJECT
public:
  explicit TbsSkinControl(QWidget* parent, const QString& skinDataName);

  TbsSkinData* SkinData() const { return FSkinData; }
  virtual void SetSkinData(TbsSkinData* data);
  QString SkinDataName() const { return FSkinDataName; }
  void SetSkinDataName(const QString& name);

  // Index of the record in use, -1 when none.
  int RecordIndex() const { return FIndex; }

  virtual void LookUpRecord();
  virtual void SkinWillChange();  // skin about to change: plain look until it has
  virtual void SkinChanged();     // skin changed: look the record up again

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
};

class TbsSkinCustomControl : public TbsSkinControl {
  Q_OBJECT
public:
  using TbsSkinControl::TbsSkinControl;

  TFont DefaultFont = TFont::Make(QStringLiteral("Arial"), 14, 0);
  int DefaultWidth = 0;
  int DefaultHeight = 0;
  bool UseSkinFont = true;

  void SetDefaultFont(const TFont& font) {
    DefaultFont = font;
    update();
  }
  void SkinChanged() override;
};
