#pragma once
// The window of one notice: icon, message text, a row of push buttons and an
// optional "show again" box. TbsSkinMessage builds one per call and frees it
// before the call returns.
#include "platform/Forms.h"

#include <QList>
#include <QString>
#include <functional>

class QCheckBox;
class TImage;
class TbsSkinButton;
class TbsSkinForm;
class TbsSkinStdLabel;

class TbsMessageForm : public TForm {
  Q_OBJECT
public:
  explicit TbsMessageForm(QWidget* parent = nullptr);
  ~TbsMessageForm() override;

  TbsSkinForm* bsSkinForm = nullptr;
  TbsSkinStdLabel* Message = nullptr;
  TImage* Image = nullptr;          // none for the custom type
  QCheckBox* CheckBox = nullptr;    // only with the show-again box
  QList<TbsSkinButton*> Buttons;    // in index order of their kinds
  int HelpContext = 0;

  // The text as the caller passed it (line breaks as carriage returns).
  QString Text() const { return FText; }
  void SetText(const QString& text) { FText = text; }

  TbsSkinButton* DefaultButton() const;
  TbsSkinButton* CancelButton() const;

  // Called for every message window the moment it is shown modally; a test
  // can read it and answer it there. Returns the previous hook.
  using TShowHook = std::function<void(TbsMessageForm*)>;
  static TShowHook SetShowHook(TShowHook hook);

protected:
  void showEvent(QShowEvent* event) override;

private:
  QString FText;
  bool FHooked = false;
};
