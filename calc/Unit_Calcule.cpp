#include "calc/Unit_Calcule.h"

#include "core/CalcData.h"
#include "core/ThreadCalc.h"
#include "forms/WindowParts.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

TForm_Calcule* Form_Calcule = nullptr;

namespace {

using Self = TForm_Calcule;
using BoxMember = TbsSkinGroupBox* Self::*;

const TFont kBoxFont = TFont::Make(QStringLiteral("Arial"), -16, fsBold, clWindowText);
const TFont kFieldFont = TFont::Make(QStringLiteral("Arial"), -16, fsBold, clBlack);
TFont LabelFont(int px, TColor color) { return TFont::Make(QStringLiteral("MS Sans Serif"), -px, fsBold, color); }
TFont ListFont(int px) { return TFont::Make(QStringLiteral("Arial"), -px, fsBold, clWindowText); }

// Framed boxes; a null parent is the window's client area. Parents come first.
struct TBoxRow {
  BoxMember Member;
  BoxMember Parent;
  const char* Name;
  int Left, Top, Width, Height;
  const char* Caption;
};
const TBoxRow kBoxes[] = {
    {&Self::bsSkinGroupBox3, nullptr, "bsSkinGroupBox3", 3, 4, 1032, 389, "Окно расчёта момента затяжки:"},
    {&Self::bsSkinGroupBox4, nullptr, "bsSkinGroupBox4", 4, 402, 1032, 301, "Окно расчёта усилия затяжки:"},
    {&Self::bsSkinGroupBox1, &Self::bsSkinGroupBox3, "bsSkinGroupBox1", 296, 31, 353, 97,
     "Введите диаметры опорной поверхности:"},
    {&Self::bsSkinGroupBox2, &Self::bsSkinGroupBox3, "bsSkinGroupBox2", 664, 32, 353, 97,
     "Введите коэф-т трения по опорной пов-ти:"},
    {&Self::GroupBox_Other_Material, &Self::bsSkinGroupBox3, "GroupBox_Other_Material", 8, 232, 353, 81,
     "Другой материал:"},
    {&Self::bsSkinGroupBox5, &Self::bsSkinGroupBox4, "bsSkinGroupBox5", 296, 31, 353, 97,
     "Введите диаметры опорной поверхности:"},
    {&Self::bsSkinGroupBox6, &Self::bsSkinGroupBox4, "bsSkinGroupBox6", 664, 32, 353, 97,
     "Введите коэф-т трения по опорной пов-ти:"},
};

// Static labels: MS Sans Serif bold, window-text colour unless stated.
struct TLabelRow {
  TbsSkinStdLabel* Self::*Member;
  BoxMember Parent;
  const char* Name;
  int Left, Top, Width, Height;
  const char* Caption;
  int FontPx;
  TColor Color;
  bool Hidden;
};
const TLabelRow kLabels[] = {
    {&Self::bsSkinStdLabel1, &Self::bsSkinGroupBox1, "bsSkinStdLabel1", 11, 32, 202, 20, "Диаметр наружный, мм:", 16, clWindowText, false},
    {&Self::bsSkinStdLabel2, &Self::bsSkinGroupBox1, "bsSkinStdLabel2", 11, 64, 213, 20, "Диаметр внутренний мм:", 16, clWindowText, false},
    {&Self::bsSkinStdLabel3, &Self::bsSkinGroupBox2, "bsSkinStdLabel3", 11, 32, 86, 20, "0,1.....0,35", 16, clWindowText, false},
    {&Self::bsSkinStdLabel4, &Self::bsSkinGroupBox2, "bsSkinStdLabel4", 11, 56, 205, 16, "0,14-без покр. и без смазки", 15, clWindowText, false},
    {&Self::bsSkinStdLabel5, &Self::bsSkinGroupBox2, "bsSkinStdLabel5", 11, 72, 228, 16, "0,13-с покрытием и без смазки", 15, clWindowText, false},
    {&Self::bsSkinStdLabel7, &Self::bsSkinGroupBox3, "bsSkinStdLabel7", 287, 173, 355, 20, "Выберите номинальный диаметр резьбы:", 16, clWindowText, false},
    {&Self::bsSkinStdLabel6, &Self::bsSkinGroupBox3, "bsSkinStdLabel6", 291, 143, 193, 20, "Выберите шаг резьбы:", 16, clWindowText, false},
    {&Self::bsSkinStdLabel8, &Self::bsSkinGroupBox3, "bsSkinStdLabel8", 287, 205, 289, 20, "Ввеите средний диаметр резьбы:", 16, clWindowText, false},
    {&Self::bsSkinStdLabel12, &Self::GroupBox_Other_Material, "bsSkinStdLabel12", 6, 25, 335, 20, "Введите предел прочности материала", 16, clWindowText, false},
    // The typed strength goes into the force formula in place of the table's
    // kgf/mm², so that is the unit the line names. The field covers the blanks.
    {&Self::bsSkinStdLabel15, &Self::GroupBox_Other_Material, "bsSkinStdLabel15", 7, 49, 254, 20, "на растяжение:                кгс/мм².", 16, clWindowText, false},
    {&Self::bsSkinStdLabel9, &Self::bsSkinGroupBox3, "bsSkinStdLabel9", 11, 327, 41, 20, "сила", 16, clRed, true},
    {&Self::bsSkinStdLabel10, &Self::bsSkinGroupBox3, "bsSkinStdLabel10", 9, 359, 65, 20, "момент", 16, clRed, true},
    {&Self::bsSkinStdLabel14, &Self::bsSkinGroupBox4, "bsSkinStdLabel14", 11, 32, 183, 20, "Момент затяжки, Nm:", 16, clWindowText, false},
    {&Self::bsSkinStdLabel16, &Self::bsSkinGroupBox5, "bsSkinStdLabel16", 11, 32, 190, 20, "Диаметр наружный, м:", 16, clWindowText, false},
    {&Self::bsSkinStdLabel17, &Self::bsSkinGroupBox5, "bsSkinStdLabel17", 11, 64, 201, 20, "Диаметр внутренний м:", 16, clWindowText, false},
    {&Self::bsSkinStdLabel18, &Self::bsSkinGroupBox6, "bsSkinStdLabel18", 11, 32, 86, 20, "0,1.....0,35", 16, clWindowText, false},
    {&Self::bsSkinStdLabel19, &Self::bsSkinGroupBox6, "bsSkinStdLabel19", 11, 56, 205, 16, "0,14-без покр. и без смазки", 15, clWindowText, false},
    {&Self::bsSkinStdLabel20, &Self::bsSkinGroupBox6, "bsSkinStdLabel20", 11, 72, 228, 16, "0,13-с покрытием и без смазки", 15, clWindowText, false},
    {&Self::bsSkinStdLabel13, &Self::bsSkinGroupBox4, "bsSkinStdLabel13", 290, 143, 215, 20, "Выберите шаг резьбы, м:", 16, clWindowText, false},
    {&Self::bsSkinStdLabel11, &Self::bsSkinGroupBox4, "bsSkinStdLabel11", 287, 174, 333, 20, "Выберите средний диаметр резьбы, м:", 16, clWindowText, false},
    {&Self::Usilie, &Self::bsSkinGroupBox4, "Usilie", 11, 263, 59, 20, "усилие", 16, clRed, true},
};

// Numeric fields: Arial bold black, centred, text "0" and value 0 at start.
struct TFieldRow {
  TbsSkinNumericEdit* Self::*Member;
  BoxMember Parent;
  const char* Name;
  int Left, Top, Width, Height;
  int Decimal;
};
const TFieldRow kFields[] = {
    {&Self::bsSkinNumericEdit1, &Self::bsSkinGroupBox1, "bsSkinNumericEdit1", 234, 30, 103, 23, field_decimals::kOuterMm},
    {&Self::bsSkinNumericEdit2, &Self::bsSkinGroupBox1, "bsSkinNumericEdit2", 234, 62, 103, 23, field_decimals::kInnerMm},
    {&Self::bsSkinNumericEdit3, &Self::bsSkinGroupBox2, "bsSkinNumericEdit3", 106, 30, 50, 23, field_decimals::kFriction},
    {&Self::bsSkinNumericEdit4, &Self::bsSkinGroupBox3, "bsSkinNumericEdit4", 604, 204, 103, 23, field_decimals::kMeanMm},
    {&Self::NE_Other_Material, &Self::GroupBox_Other_Material, "NE_Other_Material", 143, 48, 71, 23,
     field_decimals::kStrength},
    {&Self::Mzat, &Self::bsSkinGroupBox4, "Mzat", 200, 30, 84, 23, field_decimals::kTorque},
    {&Self::dn, &Self::bsSkinGroupBox5, "dn", 223, 30, 106, 23, field_decimals::kBearingM},
    {&Self::dv, &Self::bsSkinGroupBox5, "dv", 223, 62, 106, 23, field_decimals::kBearingM},
    {&Self::mu, &Self::bsSkinGroupBox6, "mu", 106, 30, 83, 23, field_decimals::kFriction},
};

// Drop-down lists: pick only, up to ten items shown, nothing chosen at start.
struct TListRow {
  TbsSkinComboBox* Self::*Member;
  BoxMember Parent;
  const char* Name;
  int Left, Top, Width, Height;
  QStringList (*Items)();
  const char* Hint;
  int FontPx;
};
const TListRow kLists[] = {
    {&Self::bsSkinComboBox2, &Self::bsSkinGroupBox3, "bsSkinComboBox2", 647, 173, 88, 22,
     [] { return ItemList(kNominalDiameters); }, "Номинальный диаметр резьбы", 16},
    {&Self::bsSkinComboBox1, &Self::bsSkinGroupBox3, "bsSkinComboBox1", 488, 143, 81, 22,
     [] { return ItemList(kPitchesMm); }, nullptr, 16},
    {&Self::P, &Self::bsSkinGroupBox4, "P", 520, 143, 62, 22, [] { return ItemList(kPitchesM); }, nullptr, 15},
    {&Self::dsr, &Self::bsSkinGroupBox4, "dsr", 635, 174, 85, 22, [] { return ItemList(kMeanDiametersM); }, nullptr, 16},
};

struct TButtonRow {
  TbsSkinButton* Self::*Member;
  BoxMember Parent;
  TButtonDef Row;
};
const TButtonRow kButtons[] = {
    {&Self::bsSkinButton1, &Self::bsSkinGroupBox3,
     {"bsSkinButton1", 781, 243, 175, 41, "   Расчитать", "Расчитать", "glyph_calc41.png"}},
    {&Self::bsSkinButton2, &Self::bsSkinGroupBox4,
     {"bsSkinButton2", 781, 183, 175, 41, "   Расчитать", "Расчитать", "glyph_calc41.png"}},
};

// The line the typed-strength field stands on: "на растяжение:", a run of
// blanks under the field, then the unit. Where the font's blanks are too
// narrow to reach past the field, the unit is drawn just clear of it instead
// of under it; the caption itself stays as it is.
class TFieldLineLabel : public TbsSkinStdLabel {
public:
  using TbsSkinStdLabel::TbsSkinStdLabel;
  const QWidget* Field = nullptr;

  // Where the text after the blank run starts, label coordinates.
  int TailLeft() const {
    const QFontMetrics fm(DrawFont());
    const int natural = fm.horizontalAdvance(Head());
    if (!Field) return natural;
    constexpr int kGap = 3;
    return std::max(natural, Field->x() + Field->width() + kGap - x());
  }
  int TextWidth() const { return TailLeft() + QFontMetrics(DrawFont()).horizontalAdvance(Tail()) + 1; }

protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.setFont(DrawFont());
    const int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextShowMnemonic;
    const QRect tail = rect().adjusted(TailLeft(), 0, 0, 0);
    auto draw = [&](QPoint offset, const QColor& color) {
      p.setPen(color);
      p.drawText(rect().translated(offset), flags, Head());
      p.drawText(tail.translated(offset), flags, Tail());
    };
    if (isEnabled()) {
      draw({0, 0}, DrawColor());
    } else {
      draw({1, 1}, ToQColor(clBtnHighlight));
      draw({0, 0}, ToQColor(clBtnShadow));
    }
  }

private:
  qsizetype TailStart() const {
    const QString text = Caption();
    qsizetype i = text.indexOf(QLatin1String("  "));
    if (i < 0) return text.size();
    while (i < text.size() && text.at(i) == QLatin1Char(' ')) ++i;
    return i;
  }
  QString Head() const { return Caption().left(TailStart()); }
  QString Tail() const { return Caption().mid(TailStart()); }
};

// A label is at least as large as its text.
void FitToText(TbsSkinStdLabel* label) {
  const QFontMetrics fm(label->DrawFont());
  int w = fm.horizontalAdvance(label->Caption()) + 1;
  if (auto* line = dynamic_cast<TFieldLineLabel*>(label)) w = line->TextWidth();
  label->resize(std::max(label->width(), w), std::max(label->height(), fm.height()));
}

}  // namespace

TForm_Calcule::TForm_Calcule(QWidget* parent) : TForm(parent) {
  setObjectName(QStringLiteral("Form_Calcule"));
  SetCaption(QStringLiteral("Окно расчёта."));
  bsSkinData1 = new TbsSkinData(this);
  bsSkinData1->setObjectName(QStringLiteral("bsSkinData1"));
  bsSkinForm1 = CreateSkinFrame(this, bsSkinData1, biMinimize, {.Icon = true, .ObjectHints = true});
  bsSkinMessage1 = CreateWindowMessage(this, bsSkinData1);
  bsSkinMessage1->setObjectName(QStringLiteral("bsSkinMessage1"));
  SetClientSize(1042, 709);
  CreateControls();
  LinkTabOrder();

  // The skin comes last, so that its change notices reach every control.
  bsCompressedStoredSkin1 = AttachStoredSkin(this, bsSkinData1, QStringLiteral("iMetal.skn"));
}

void TForm_Calcule::CreateControls() {
  auto parentOf = [this](BoxMember m) -> QWidget* { return m ? this->*m : Client(); };

  for (const TBoxRow& r : kBoxes) {
    auto* box = new TbsSkinGroupBox(parentOf(r.Parent));
    box->setObjectName(QString::fromLatin1(r.Name));
    box->SetBounds(r.Left, r.Top, r.Width, r.Height);
    box->SetCaption(QString::fromUtf8(r.Caption));
    box->UseSkinFont = false;
    box->SetDefaultFont(kBoxFont);
    box->setCursor(Qt::PointingHandCursor);
    box->SetSkinData(bsSkinData1);
    this->*r.Member = box;
  }

  bsSkinRadioGroup1 = new TbsSkinRadioGroup(bsSkinGroupBox3);
  bsSkinRadioGroup1->setObjectName(QStringLiteral("bsSkinRadioGroup1"));
  bsSkinRadioGroup1->SetBounds(8, 31, 273, 194);
  bsSkinRadioGroup1->SetCaption(QStringLiteral("Выберите материал:"));
  bsSkinRadioGroup1->UseSkinFont = false;
  bsSkinRadioGroup1->SetDefaultFont(kBoxFont);
  bsSkinRadioGroup1->SetButtonDefaultFont(kBoxFont);
  bsSkinRadioGroup1->setCursor(Qt::PointingHandCursor);
  bsSkinRadioGroup1->SetSkinData(bsSkinData1);
  bsSkinRadioGroup1->SetItems(MaterialItems());
  bsSkinRadioGroup1->OnClick = [this](TObject* s) { bsSkinRadioGroup1Click(s); };

  for (const TLabelRow& r : kLabels) {
    auto* label = r.Member == &Self::bsSkinStdLabel15 ? new TFieldLineLabel(this->*r.Parent)
                                                      : new TbsSkinStdLabel(this->*r.Parent);
    label->setObjectName(QString::fromLatin1(r.Name));
    label->SetBounds(r.Left, r.Top, r.Width, r.Height);
    label->UseSkinFont = false;
    label->UseSkinColor = false;
    label->SetFont(LabelFont(r.FontPx, r.Color));
    label->SetCaption(QString::fromUtf8(r.Caption));
    label->SetSkinData(bsSkinData1);
    FitToText(label);
    label->setVisible(!r.Hidden);
    this->*r.Member = label;
  }

  for (const TFieldRow& r : kFields) {
    auto* field = new TbsSkinNumericEdit(this->*r.Parent);
    field->setObjectName(QString::fromLatin1(r.Name));
    field->SetBounds(r.Left, r.Top, r.Width, r.Height);
    field->SetDecimal(r.Decimal);
    field->UseSkinFont = false;
    field->SetDefaultFont(kFieldFont);
    field->SetAlignment(Qt::AlignCenter);
    field->SetSkinData(bsSkinData1);
    this->*r.Member = field;
  }
  NE_Other_Material->OnChange = [this](TObject* s) { NE_Other_MaterialChange(s); };
  static_cast<TFieldLineLabel*>(bsSkinStdLabel15)->Field = NE_Other_Material;
  FitToText(bsSkinStdLabel15);

  for (const TListRow& r : kLists) {
    auto* list = new TbsSkinComboBox(this->*r.Parent);
    list->setObjectName(QString::fromLatin1(r.Name));
    list->SetBounds(r.Left, r.Top, r.Width, r.Height);
    list->SetItems(r.Items());
    list->DropDownCount = 10;
    list->UseSkinSize = false;
    list->UseSkinFont = false;
    list->SetDefaultFont(ListFont(r.FontPx));
    if (r.Hint) list->SetHint(QString::fromUtf8(r.Hint));
    list->setCursor(Qt::PointingHandCursor);
    list->SetSkinData(bsSkinData1);
    this->*r.Member = list;
  }

  for (const TButtonRow& r : kButtons) {
    TbsSkinButton* button = MakeButton(this->*r.Parent, r.Row);
    button->SetSkinData(bsSkinData1);
    this->*r.Member = button;
  }
  bsSkinButton1->OnClick = [this](TObject* s) { bsSkinButton1Click(s); };
  bsSkinButton2->OnClick = [this](TObject* s) { bsSkinButton2Click(s); };

  // The prompts name the fields and lists they stand beside.
  const std::pair<TbsSkinStdLabel*, QWidget*> prompts[] = {
      {bsSkinStdLabel1, bsSkinNumericEdit1}, {bsSkinStdLabel2, bsSkinNumericEdit2},
      {bsSkinStdLabel3, bsSkinNumericEdit3}, {bsSkinStdLabel6, bsSkinComboBox1},
      {bsSkinStdLabel7, bsSkinComboBox2},    {bsSkinStdLabel8, bsSkinNumericEdit4},
      {bsSkinStdLabel12, NE_Other_Material}, {bsSkinStdLabel15, NE_Other_Material},
      {bsSkinStdLabel14, Mzat},              {bsSkinStdLabel16, dn},
      {bsSkinStdLabel17, dv},                {bsSkinStdLabel18, mu},
      {bsSkinStdLabel13, P},                 {bsSkinStdLabel11, dsr},
  };
  for (const auto& [label, control] : prompts) label->SetFocusControl(control);
}

void TForm_Calcule::LinkTabOrder() {
  // Depth first through the boxes, each box's controls in their own order.
  QList<QWidget*> order;
  for (int i = 0; i < bsSkinRadioGroup1->ButtonCount(); ++i) order << bsSkinRadioGroup1->Button(i);
  order << bsSkinNumericEdit1 << bsSkinNumericEdit2 << bsSkinNumericEdit3 << bsSkinButton1 << bsSkinComboBox2
        << bsSkinComboBox1 << bsSkinNumericEdit4 << NE_Other_Material << dn << dv << mu << bsSkinButton2 << dsr << P
        << Mzat;
  for (int i = 1; i < order.size(); ++i) QWidget::setTabOrder(order[i - 1], order[i]);
}

void TForm_Calcule::ShowResult(TbsSkinStdLabel* label, const QString& text) {
  label->SetCaption(text);
  const QFontMetrics fm(label->DrawFont());
  label->resize(fm.horizontalAdvance(text) + 1, std::max(label->height(), fm.height()));
  label->setVisible(true);
}

void TForm_Calcule::bsSkinRadioGroup1Click(TObject*) {
  FResettingStrength = true;
  NE_Other_Material->SetValue(0);
  FResettingStrength = false;
}

void TForm_Calcule::NE_Other_MaterialChange(TObject*) {
  if (FResettingStrength) return;
  bsSkinRadioGroup1->SetItemIndex(-1);
}

void TForm_Calcule::bsSkinButton1Click(TObject*) {
  using namespace calcule_text;
  // Missing inputs, in screen order; only an exact zero counts as missing.
  const struct {
    bool Missing;
    const QString& Notice;
  } checks[] = {
      {bsSkinRadioGroup1->ItemIndex() == -1 && NE_Other_Material->Value() == 0, kNoMaterial},
      {bsSkinNumericEdit1->Value() == 0, kNoOuter},
      {bsSkinNumericEdit2->Value() == 0, kNoInner},
      {bsSkinNumericEdit3->Value() == 0, kNoFriction},
      {bsSkinComboBox1->Text().isEmpty(), kNoPitch},
      {bsSkinComboBox2->Text().isEmpty(), kNoDiameter},
      {bsSkinNumericEdit4->Value() == 0, kNoMeanDiameter},
  };
  for (const auto& c : checks) {
    if (c.Missing) {
      ShowNotice(bsSkinMessage1, c.Notice);
      return;
    }
  }

  TStrengthInputs in;
  if (const int i = bsSkinRadioGroup1->ItemIndex(); i >= 0 && i < static_cast<int>(kMaterials.size()))
    in.Sigma = kMaterials[static_cast<std::size_t>(i)].Sigma;
  if (NE_Other_Material->Value() != 0) in.Sigma = NE_Other_Material->Value();  // the typed strength wins
  in.Pitch = ListNumber(bsSkinComboBox1->Text());
  in.Diameter = ListNumber(bsSkinComboBox2->Text());
  in.MeanDiameter = bsSkinNumericEdit4->Value();
  in.Friction = bsSkinNumericEdit3->Value();
  in.OuterBearing = bsSkinNumericEdit1->Value();
  in.InnerBearing = bsSkinNumericEdit2->Value();

  const auto result = TorqueFromStrength(in);
  if (!result) {
    ShowNotice(bsSkinMessage1, kNoResult);
    return;
  }
  ShowResult(bsSkinStdLabel9, ForceResultLine(result->Force));
  ShowResult(bsSkinStdLabel10, TorqueResultLine(result->Torque));
}

void TForm_Calcule::bsSkinButton2Click(TObject*) {
  using namespace calcule_text;
  if (P->Text().isEmpty()) {
    ShowNotice(bsSkinMessage1, kNoPitch);
    return;
  }
  if (dsr->Text().isEmpty()) {
    ShowNotice(bsSkinMessage1, kNoMeanDiameter);
    return;
  }
  TPreloadInputs in;
  in.Pitch = ListNumber(P->Text());
  in.MeanDiameter = ListNumber(dsr->Text());
  in.Friction = mu->Value();
  in.Torque = Mzat->Value();
  in.OuterBearing = dn->Value();
  in.InnerBearing = dv->Value();
  const auto force = PreloadFromTorque(in);
  if (!force) {
    ShowNotice(bsSkinMessage1, kNoResult);
    return;
  }
  ShowResult(Usilie, PreloadResultLine(*force));
}
