#pragma once
// The single-line edit field. It is an ordinary line edit (selection,
// clipboard, undo) with the skinned controls' font and skin properties. With
// an "edit" record in its window's skin it draws the record's body behind
// the text and keeps the text inside the record's client rectangle; without
// one it looks like a plain line edit.
#include "platform/Graphics.h"
#include "skin/SkinClient.h"
#include "skin/SkinCompose.h"
#include "skin/SkinData.h"

#include <QLineEdit>
#include <QPointer>

// The look of an edit field as its skin record gives it. The numeric field
// shares it, so both kinds of field look alike.
struct TbsEditLook {
  // Looks the record `name` up in `data`; an empty or missing skin, a record
  // of another class, or a picture the skin does not have leave it invalid.
  static TbsEditLook From(const TbsSkinData* data, const QString& name);

  bool Valid() const { return !Picture.isNull() && Mode != TbsResizeMode::rmNone; }

  // The body at `size`. The field never takes its size from the skin: a
  // record that can grow both ways (rmFree) is composed by its own corner
  // points, any other is grown around its client rectangle the way a push
  // button is. `active` picks the record's active image when it has one.
  QImage Body(QSize size, bool active) const;
  // Where the text goes at `size`, in the field's coordinates.
  TRect ClientRect(QSize size) const;
  // The area the text line gets: the client rectangle, grown evenly up and
  // down into the border (never past the field) when the font's line is
  // taller than it, so that no descender is cut off.
  QRect TextArea(QSize size, const QFont& font) const;
  // Whether the active image differs from the normal one.
  bool HasActiveImage() const { return !ActiveSkinRect.IsEmpty(); }
  // The text colour. A disabled field takes the record's disabled colour.
  // An enabled one with the skin's font takes the record's colours (the
  // active one only when the record has an active image: the active look as
  // a whole); with its own font it keeps that font's colour.
  TColor TextColor(bool enabled, bool active, const TFont& own, bool useSkinFont) const;
  // The font: name, height and style from the record when `useSkinFont`,
  // otherwise `own`; the character set always stays `own`'s.
  TFont Font(const TFont& own, bool useSkinFont) const;

  TbsSkinPicture Picture;
  TRect SkinRect, ActiveSkinRect;
  TbsPieceLayout Layout;
  TbsResizeMode Mode = TbsResizeMode::rmNone;
  TbsDataSkinFont SkinFont;  // name, height, style and normal text colour
  TColor ActiveFontColor = clWindowText, DisabledFontColor = clGrayText;
};

class TbsSkinEdit : public QLineEdit, public TbsSkinClient {
  Q_OBJECT
  Q_INTERFACES(TbsSkinClient)
public:
  explicit TbsSkinEdit(QWidget* parent);

  TbsSkinData* SkinData() const override { return FSkinData; }
  void SetSkinData(TbsSkinData* data) override;
  QString SkinDataName = QStringLiteral("edit");
  bool UseSkinFont = true;

  const TFont& DefaultFont() const { return FDefaultFont; }
  // Font name, size, style and text colour.
  void SetDefaultFont(const TFont& font);

  QString Text() const { return text(); }
  // Shows the text from its start, as a freshly filled field does.
  void SetText(const QString& s) {
    setText(s);
    setCursorPosition(0);
  }
  void SetBounds(int left, int top, int width, int height) { setGeometry(left, top, width, height); }
  void SetHint(const QString& hint) { setToolTip(hint); }

  // Skin notices: plain look until the skin has changed; then the record is
  // looked up again.
  void SkinWillChange() override;
  void SkinChanged() override;

  // Whether the skinned look is in use, and what it draws from.
  bool Skinned() const { return FLook.Valid(); }
  const TbsEditLook& Look() const { return FLook; }
  // Active: focused or under the mouse.
  bool IsActive() const { return hasFocus() || FMouseIn; }
  // The body as painted behind the text (null in the plain look).
  QImage RenderBody() const;

protected:
  bool event(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;

private:
  void ApplyLook();

  QPointer<TbsSkinData> FSkinData;
  TFont FDefaultFont = TFont::Make(QStringLiteral("Arial"), 14, 0);
  TbsEditLook FLook;
  bool FMouseIn = false;
};
