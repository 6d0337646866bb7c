#include "skin/SkinMessage.h"

#include "platform/Platform.h"
#include "platform/StdCtrls.h"
#include "skin/SkinAccessible.h"
#include "skin/SkinButton.h"
#include "skin/SkinForm.h"
#include "skin/SkinMessageForm.h"
#include "skin/SkinStdLabel.h"

#include <QCheckBox>
#include <QFontMetrics>
#include <QShowEvent>
#include <algorithm>
#include <array>
#include <memory>

namespace {

// The eleven button kinds, in the index order of the button set.
struct TButtonKind {
  const char* Name;
  const char* Caption;
  int Result;
};
constexpr std::array<TButtonKind, 11> kButtonKinds = {{
    {"Yes", "&Yes", mrYes},
    {"No", "&No", mrNo},
    {"OK", "OK", mrOk},
    {"Cancel", "Cancel", mrCancel},
    {"Abort", "&Abort", mrAbort},
    {"Retry", "&Retry", mrRetry},
    {"Ignore", "&Ignore", mrIgnore},
    {"All", "&All", mrAll},
    {"NoToAll", "N&oToAll", mrNoToAll},
    {"YesToAll", "&YesToAll", mrYesToAll},
    {"Help", "&Help", 0},
}};
static_assert(kButtonKinds.size() == mbHelp + 1, "one entry per button kind");

constexpr int kButtonWidth = 70;
constexpr int kButtonStep = 80;  // width plus the 10-pixel gap
constexpr int kPlainButtonHeight = 25;
constexpr int kLabelLeft = 50;
constexpr int kLabelTop = 15;
const char* const kShowAgainCaption = "Do not display this message again";

bool Has(TMsgDlgButtons set, TMsgDlgBtn kind) { return set & (1u << kind); }

QString CaptionOf(TMsgDlgType type) {
  switch (type) {
    case mtWarning: return QStringLiteral("Warning");
    case mtError: return QStringLiteral("Error");
    case mtInformation: return QStringLiteral("Information");
    case mtConfirmation: return QStringLiteral("Confirm");
    case mtCustom: break;
  }
  return Application ? Application->Title() : QString();
}

bool IconOf(TMsgDlgType type, platform::TStockIcon& icon) {
  switch (type) {
    case mtWarning: icon = platform::TStockIcon::Warning; return true;
    case mtError: icon = platform::TStockIcon::Error; return true;
    case mtInformation: icon = platform::TStockIcon::Information; return true;
    case mtConfirmation: icon = platform::TStockIcon::Question; return true;
    case mtCustom: break;
  }
  return false;
}

// Button height: the height of the skin's button picture when the control
// skin is loaded and its record of that name is a button record, else the
// plain 25 pixels.
int ButtonHeight(const TbsSkinData* data, const QString& recordName) {
  if (!data || data->Empty()) return kPlainButtonHeight;
  if (const auto* r = data->ControlRecord<TbsDataSkinButtonControl>(recordName))
    return r->SkinRect.Bottom - r->SkinRect.Top;
  return kPlainButtonHeight;
}

// The width of the row of buttons: 70 pixels each, 10 between.
int ButtonRowWidth(TMsgDlgButtons buttons) {
  int count = 0;
  for (int k = 0; k <= mbHelp; ++k)
    if (Has(buttons, static_cast<TMsgDlgBtn>(k))) ++count;
  return count == 0 ? 0 : count * kButtonWidth + (count - 1) * 10;
}

// The label shows carriage returns as line breaks and an ampersand as itself.
QString LabelCaption(const QString& text) {
  QString s = text;
  s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  s.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  s.replace(QLatin1Char('&'), QStringLiteral("&&"));
  return s;
}

}  // namespace

// --- TbsMessageForm -----------------------------------------------------------

namespace {
TbsMessageForm::TShowHook& ShowHook() {
  static TbsMessageForm::TShowHook hook;
  return hook;
}
}  // namespace

TbsMessageForm::TbsMessageForm(QWidget* parent) : TForm(parent) {
  setObjectName(QStringLiteral("bsMessageForm"));
}

TbsMessageForm::~TbsMessageForm() = default;

TbsSkinButton* TbsMessageForm::DefaultButton() const {
  for (TbsSkinButton* b : Buttons)
    if (b->Default) return b;
  return nullptr;
}

TbsSkinButton* TbsMessageForm::CancelButton() const {
  for (TbsSkinButton* b : Buttons)
    if (b->Cancel) return b;
  return nullptr;
}

TbsMessageForm::TShowHook TbsMessageForm::SetShowHook(TShowHook hook) {
  TShowHook previous = std::move(ShowHook());
  ShowHook() = std::move(hook);
  return previous;
}

void TbsMessageForm::showEvent(QShowEvent* event) {
  TForm::showEvent(event);
  if (event->spontaneous()) return;
  // The default button has the focus, so Enter and Space press it.
  if (TbsSkinButton* b = DefaultButton())
    b->setFocus(Qt::OtherFocusReason);
  else if (!Buttons.isEmpty())
    Buttons.first()->setFocus(Qt::OtherFocusReason);
  // A screen reader reads the notice as soon as it shows.
  AccessibleNotify(this, QAccessible::Alert);
  if (InModalLoop() && !FHooked && ShowHook()) {
    FHooked = true;
    ShowHook()(this);
  }
}

// --- TbsSkinMessage -----------------------------------------------------------

TbsSkinMessage::TbsSkinMessage(QObject* owner) : QObject(owner) {}
TbsSkinMessage::~TbsSkinMessage() = default;

// The dialog is built in steps, each placing its part on the form: the
// frame, the message text (sized to the text), the type's icon beside it,
// the optional show-again box below, then the window's width, then the row
// of buttons centred along the bottom.
int TbsSkinMessage::ShowDialog(const QString& text, TMsgDlgType type, TMsgDlgButtons buttons,
                               int helpContext) {
  // Freed when the call returns, however it returns.
  auto form = std::make_unique<TbsMessageForm>();
  form->SetText(text);
  form->HelpContext = helpContext;
  form->bsSkinForm = MakeFrame(*form);
  form->SetCaption(CaptionOf(type));

  const int buttonHeight = ButtonHeight(CtrlSkinData, ButtonSkinDataName);
  const int rowWidth = ButtonRowWidth(buttons);
  TbsSkinStdLabel* label = MakeLabel(*form, text);
  MakeIcon(*form, type);
  int clientHeight = buttonHeight + label->height() + 50;
  int clientWidth = std::max(rowWidth, label->x() + label->width()) + 40;
  if (ShowAgainFlag) {
    clientHeight += 40;
    clientWidth = std::max(clientWidth, MakeShowAgainBox(*form, clientHeight - buttonHeight - 50));
  }
  form->SetClientSize(clientWidth, clientHeight);
  FitWidthToFrame(*form);
  MakeButtons(*form, buttons, buttonHeight, rowWidth);

  const int result = form->ShowModal();
  if (form->CheckBox) ShowAgainFlagValue = !form->CheckBox->isChecked();
  return result;
}

TbsSkinForm* TbsSkinMessage::MakeFrame(TbsMessageForm& form) const {
  auto* frame = new TbsSkinForm(&form);
  frame->setObjectName(QStringLiteral("bsSkinForm"));
  frame->SetBorderIcons(0);  // of the caption buttons only the close button
  frame->MenusSkinData = CtrlSkinData;
  frame->AlphaBlend = AlphaBlend;
  frame->AlphaBlendAnimation = AlphaBlendAnimation;
  frame->AlphaBlendValue = AlphaBlendValue;
  frame->SetSkinData(SkinData);
  return frame;
}

TbsSkinStdLabel* TbsSkinMessage::MakeLabel(TbsMessageForm& form, const QString& text) const {
  auto* label = new TbsSkinStdLabel(form.Client());
  label->setObjectName(QStringLiteral("Message"));
  label->SkinDataName = MessageLabelSkinDataName;
  label->UseSkinFont = UseSkinFont;
  label->DefaultFont = DefaultFont;
  label->SetFont(DefaultFont);
  label->SetSkinData(CtrlSkinData);
  label->SetCaption(LabelCaption(text));
  const QFontMetrics fm(label->DrawFont());
  int w = 0, h = fm.height();
  if (!text.isEmpty()) {
    const QRect r = fm.boundingRect(QRect(0, 0, 100000, 100000), Qt::AlignLeft | Qt::AlignTop | Qt::TextShowMnemonic,
                                    label->Caption());
    w = r.width();
    h = std::max(h, r.height());
  }
  label->SetBounds(kLabelLeft, kLabelTop, w, h);
  form.Message = label;
  return label;
}

void TbsSkinMessage::MakeIcon(TbsMessageForm& form, TMsgDlgType type) const {
  platform::TStockIcon stock;
  if (!IconOf(type, stock)) return;
  const TbsSkinStdLabel* label = form.Message;
  auto* image = new TImage(form.Client());
  image->setObjectName(QStringLiteral("Image"));
  image->setAccessibleName(form.windowTitle());
  image->SetPicture(platform::StockIcon(stock, 32).toImage());
  image->SetBounds(5, std::max(10, label->y() + label->height() / 2 - 16), 32, 32);
  form.Image = image;
}

int TbsSkinMessage::MakeShowAgainBox(TbsMessageForm& form, int top) const {
  auto* box = new QCheckBox(form.Client());
  box->setObjectName(QStringLiteral("checkbox"));
  box->setText(QString::fromLatin1(kShowAgainCaption));
  box->setFont(ToQFont(DefaultFont));
  box->setChecked(!ShowAgainFlagValue);
  const int textWidth = QFontMetrics(ToQFont(DefaultFont)).horizontalAdvance(box->text());
  box->setGeometry(5, top, textWidth + 55, 30);
  form.CheckBox = box;
  return textWidth + 60;
}

void TbsSkinMessage::FitWidthToFrame(TbsMessageForm& form) const {
  // The frame's least and greatest widths bound the window's width.
  int greatest = platform::WorkArea(&form).width();
  if (form.bsSkinForm->MaxWidth > 0 && form.bsSkinForm->MaxWidth < greatest) greatest = form.bsSkinForm->MaxWidth;
  const int least = form.bsSkinForm->LeastSize().width();
  int width = form.width();
  if (width > greatest)
    width = greatest;
  else if (width < least)
    width = least;
  if (width != form.width()) form.resize(width, form.height());
}

void TbsSkinMessage::MakeButtons(TbsMessageForm& form, TMsgDlgButtons buttons, int buttonHeight,
                                 int rowWidth) const {
  // Which buttons answer Enter and Escape.
  const TMsgDlgBtn defaultKind = Has(buttons, mbOK) ? mbOK : Has(buttons, mbYes) ? mbYes : mbRetry;
  const TMsgDlgBtn cancelKind = Has(buttons, mbCancel) ? mbCancel : Has(buttons, mbNo) ? mbNo : mbOK;
  int left = (form.ClientWidth() - rowWidth) / 2;
  const int top = form.ClientHeight() - buttonHeight - 10;
  for (int k = 0; k <= mbHelp; ++k) {
    const auto kind = static_cast<TMsgDlgBtn>(k);
    if (!Has(buttons, kind)) continue;
    auto* b = new TbsSkinButton(form.Client());
    b->setObjectName(QString::fromLatin1(kButtonKinds[k].Name));
    b->SetCaption(QString::fromLatin1(kButtonKinds[k].Caption));
    b->ModalResult = kButtonKinds[k].Result;
    b->Default = kind == defaultKind;
    b->Cancel = kind == cancelKind;
    b->DefaultHeight = buttonHeight;
    b->UseSkinFont = UseSkinFont;
    b->SetDefaultFont(DefaultButtonFont);
    b->SetSkinDataName(ButtonSkinDataName);
    b->SetBounds(left, top, kButtonWidth, buttonHeight);
    b->SetSkinData(CtrlSkinData);
    // The program has no help system: the Help button keeps the dialog open.
    form.Buttons.append(b);
    left += kButtonStep;
  }
  for (int i = 1; i < form.Buttons.size(); ++i) QWidget::setTabOrder(form.Buttons[i - 1], form.Buttons[i]);
}

void ShowNotice(TbsSkinMessage* message, const QString& text) {
  message->ShowDialog(text, mtInformation, ButtonSet({mbYes}), 0);
}

TbsSkinMessage* CreateWindowMessage(QObject* owner, TbsSkinData* data) {
  auto* m = new TbsSkinMessage(owner);
  m->setObjectName(QStringLiteral("bsSkinMessage1"));
  m->SkinData = data;
  m->CtrlSkinData = data;
  const TFont font = TFont::Make(QStringLiteral("Arial"), -16, fsBold, clRed);
  m->DefaultFont = font;
  m->DefaultButtonFont = font;
  m->UseSkinFont = false;
  return m;
}
