#pragma once
// The numeric input field. Its decimal text rules (core/DecimalText.h) are
// shared with the windows' result format.
#include "core/DecimalText.h"
#include "skin/SkinControl.h"
#include "skin/SkinEdit.h"  // TbsEditLook

#include <QString>

class QLineEdit;
class TbsNumericEditor;

enum class TbsValueType { vtInteger, vtFloat };

// A field that holds a double `Value` and its text. Only digits, "-" and the
// locale's decimal separator may be typed, and only a number may be pasted
// or dropped; on losing the focus the text is rewritten in fixed notation
// with `Decimal` digits after the separator.
// With an "edit" record it looks like the skinned edit field: the record's
// body, the text inside its client rectangle in the record's colour.
class TbsSkinNumericEdit : public TbsSkinCustomControl {
  Q_OBJECT
public:
  explicit TbsSkinNumericEdit(QWidget* parent);
  ~TbsSkinNumericEdit() override;

  double Value() const { return FValue; }
  // Sets the value from the program: the text is rewritten as on focus loss.
  void SetValue(double value);
  int Decimal() const { return FDecimal; }
  void SetDecimal(int decimals);
  TbsValueType ValueType = TbsValueType::vtFloat;

  QString Text() const;
  void SetAlignment(Qt::Alignment alignment);
  void SetDefaultFont(const TFont& font);

  // Raised after every change of the text, by the user or by a rewrite; and a
  // second time when a rewrite rounds the value.
  TNotifyEvent OnChange;

  // The line editor inside the field (the widget that takes keys and focus).
  QLineEdit* Editor() const;

  // The rewrite the field does on focus loss.
  void Rewrite();

  // Text that enters other than by typing (pasted, dropped), placed over the
  // selection or at the cursor. Taken when it is a number in the user's
  // notation (numtext::PastedNumber) and the field's text stays a number, so
  // that the value is always the number shown; otherwise refused with a beep,
  // text and value as they were. Returns whether it was taken.
  bool PasteText(const QString& text);

  void SetSkinData(TbsSkinData* data) override;
  void LookUpRecord() override;
  void SkinWillChange() override;
  void SkinChanged() override;
  TRect SkinClientRect() const override;
  const TbsEditLook& Look() const { return FLook; }
  // Active: focused or under the mouse.
  bool IsActive() const { return hasFocus() || FMouseIn; }

protected:
  void DrawPlain(QImage& image) override;
  bool DrawSkin(QImage& image) override;
  // Like the edit field's body: any record but one of rmFree grows around
  // its client rectangle.
  bool GrowsAroundClient() const override;
  bool event(QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;

private:
  friend class TbsNumericEditor;
  // A typed character: true when the field accepts it.
  bool AcceptsCharacter(QChar c) const;
  void TextEdited(const QString& text);
  void ApplyFont();

  TbsNumericEditor* FEditor;
  TbsEditLook FLook;
  bool FMouseIn = false;
  double FValue = 0;
  int FDecimal = 2;
};
