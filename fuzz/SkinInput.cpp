#include "fuzz/SkinInput.h"

#include "platform/Exceptions.h"
#include "platform/Forms.h"
#include "skin/SkinButton.h"
#include "skin/SkinComboBox.h"
#include "skin/SkinCompose.h"
#include "skin/SkinData.h"
#include "skin/SkinEdit.h"
#include "skin/SkinForm.h"
#include "skin/SkinGroupBox.h"
#include "skin/SkinLabel.h"
#include "skin/SkinMemo.h"
#include "skin/SkinNumericEdit.h"
#include "skin/SkinScrollBar.h"
#include "skin/SkinStdLabel.h"
#include "skin/SkinTextLabel.h"
#include "skin/StoredSkin.h"

#include <memory>

namespace {
// Client sizes of our windows (the smallest, the widest, the tallest) and a
// window squeezed to nothing.
const QSize kWindowSizes[] = {{382, 184}, {1042, 709}, {412, 536}, {1, 1}};
// Control sizes the windows use: a button, a field, a memo, a group, and the
// least a control can be.
const QSize kControlSizes[] = {{75, 25}, {121, 21}, {553, 185}, {273, 194}, {1, 1}};
// A skin with more records than this is drawn for the first ones only, so
// that one input cannot take minutes.
constexpr int kMostRecords = 48;

void Draw(QWidget* w) {
  for (const QSize& size : kControlSizes) {
    w->resize(size);
    w->grab();
  }
}

// Every skinned control that takes its look from records of this class,
// drawn at every size; any other custom record composed by its own layout.
void PaintControl(QWidget* parent, TbsSkinData* skin, TbsDataSkinControl* record) {
  const QString& name = record->IDName;
  const auto own = [&](auto* control) {
    control->SetSkinDataName(name);
    control->SetSkinData(skin);
    Draw(control);
  };
  if (dynamic_cast<TbsDataSkinMemoControl*>(record)) {
    own(new TbsSkinMemo(parent));
  } else if (dynamic_cast<TbsDataSkinEditControl*>(record)) {
    auto* edit = new TbsSkinEdit(parent);
    edit->SkinDataName = name;
    edit->SetSkinData(skin);
    edit->setText(QStringLiteral("14 734,80"));
    Draw(edit);
    own(new TbsSkinNumericEdit(parent));
  } else if (dynamic_cast<TbsDataSkinStdLabelControl*>(record)) {
    for (TbsSkinStaticText* label : std::initializer_list<TbsSkinStaticText*>{new TbsSkinStdLabel(parent),
                                                                             new TbsSkinTextLabel(parent)}) {
      label->SkinDataName = name;
      label->SetSkinData(skin);
      Draw(label);
    }
  } else if (dynamic_cast<TbsDataSkinScrollBarControl*>(record)) {
    for (Qt::Orientation o : {Qt::Vertical, Qt::Horizontal}) {
      auto* bar = new TbsSkinScrollBar(o, parent);
      bar->SetSkinDataName(name);
      bar->SetSkinData(skin);
      bar->setRange(0, 100);
      Draw(bar);
    }
  } else if (dynamic_cast<TbsDataSkinComboBox*>(record)) {
    auto* combo = new TbsSkinComboBox(parent);
    combo->SetSkinDataName(name);
    combo->SetSkinData(skin);
    Draw(combo);
  } else if (dynamic_cast<TbsDataSkinButtonControl*>(record)) {
    own(new TbsSkinButton(parent));
  } else if (dynamic_cast<TbsDataSkinLabelControl*>(record)) {
    own(new TbsSkinLabel(parent));
  } else if (dynamic_cast<TbsDataSkinPanelControl*>(record)) {
    auto* group = new TbsSkinRadioGroup(parent);
    group->SetItems({QStringLiteral("M6"), QStringLiteral("M8")});
    own(group);
  }
  if (auto* custom = dynamic_cast<TbsDataSkinCustomControl*>(record)) {
    const QImage piece = CutPiece(skin->ActivePicture(custom->PictureIndex), custom->SkinRect);
    const TbsResizeMode mode = ResizeModeOf(custom->SkinRect, PieceLayoutOf(*custom).Points);
    for (const QSize& size : kControlSizes) {
      ComposeByMode(piece, mode, PieceLayoutOf(*custom), size);
      ComposeFreely(piece, mode, PieceLayoutOf(*custom), size);
    }
  }
}

void PaintWithSkin(TbsSkinData* skin) {
  TForm form;
  CreateSkinFrame(&form, skin, biSystemMenu | biMinimize, {.Icon = true, .ObjectHints = true});
  form.SetCaption(QStringLiteral("Моменты затяжки"));
  for (const QSize& size : kWindowSizes) {
    form.SetClientSize(size.width(), size.height());
    form.grab();
  }
  for (int i = 0; i < std::min(skin->ControlCount(), kMostRecords); ++i)
    PaintControl(form.Client(), skin, skin->Control(i));
}
}  // namespace

bool RunSkinInput(QByteArrayView input) {
  if (input.isEmpty()) return true;
  const QByteArray rest(input.data() + 1, input.size() - 1);
  TbsCompressedStoredSkin stored;
  stored.LoadCompressedData((input[0] & 1) ? rest : skinstream::Deflate(rest, 1));
  TbsSkinData skin;
  try {
    skin.ReadStoredSkin(&stored);
  } catch (const Exception&) {
    // A damaged skin must end in one of our errors with nothing kept.
    return skin.Empty() && !skin.ObjectCount() && !skin.ControlCount() && !skin.ActivePictureCount();
  }
  if (!skin.Empty()) PaintWithSkin(&skin);
  return true;
}
