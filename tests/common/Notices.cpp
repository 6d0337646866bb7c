#include "tests/common/Notices.h"

#include "skin/SkinButton.h"
#include "skin/SkinMessageForm.h"

#include <QPointer>

NoticeRecorder::NoticeRecorder() {
  FPrevious = TbsMessageForm::SetShowHook([this](TbsMessageForm* form) { Handle(form); });
}

NoticeRecorder::~NoticeRecorder() { TbsMessageForm::SetShowHook(std::move(FPrevious)); }

QStringList NoticeRecorder::Texts() const {
  QStringList texts;
  for (const Notice& n : FNotices) texts << n.Text;
  return texts;
}

void NoticeRecorder::Handle(TbsMessageForm* form) {
  Notice n;
  n.Text = form->Text();
  n.Caption = form->Caption();
  for (TbsSkinButton* b : form->Buttons) n.Buttons << b->Caption();
  if (TbsSkinButton* d = form->DefaultButton()) n.DefaultButton = d->Caption();
  const int index = FNotices.size();
  FNotices.append(n);
  QPointer<TbsMessageForm> alive(form);
  if (OnShown) OnShown(form);
  if (!alive || !AutoAnswer) return;
  TbsSkinButton* press = nullptr;
  if (Answer == 0) {
    press = form->DefaultButton();
  } else {
    for (TbsSkinButton* b : form->Buttons)
      if (b->ModalResult == Answer) press = b;
  }
  if (press)
    press->DialogClick();
  else
    form->SetModalResult(2);
  if (alive) FNotices[index].Result = form->ModalResult();
}
