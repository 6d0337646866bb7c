#pragma once
// The single-line edit field. It is an ordinary line edit (selection,
// clipboard, undo) with the skinned controls' font and skin properties.
#include "platform/Graphics.h"
#include "skin/SkinData.h"

#include <QLineEdit>
#include <QPointer>

class TbsSkinEdit : public QLineEdit {
  Q_OBJECT
public:
  explicit TbsSkinEdit(QWidget* parent);

  TbsSkinData* SkinData() const { return FSkinData; }
  void SetSkinData(TbsSkinData* data);
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

private:
  QPointer<TbsSkinData> FSkinData;
  TFont FDefaultFont = TFont::Make(QStringLiteral("Arial"), 14, 0);
};
