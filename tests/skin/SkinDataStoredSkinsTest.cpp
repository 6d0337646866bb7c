// Our three stored skins, as the program embeds them: the figures the
// windows' layouts depend on.
#include "resources/Resources.h"
#include "skin/SkinBmp.h"
#include "skin/SkinData.h"
#include "skin/SkinFrameGeometry.h"
#include "skin/StoredSkin.h"

#include <QtEndian>
#include <gtest/gtest.h>

namespace {
struct TPic {
  int W, H, Bits;
};
struct TExpected {
  const char* Name;
  TPic Main, Mask;
  std::vector<TPic> Active;
  int Left, Top, Right, Bottom;  // frame borders around the client area
  int Glowing;                   // caption buttons with a hover animation
};
const TExpected kSkins[] = {
    {"iMetal2.skn", {292, 165, 24}, {292, 165, 4},
     {{77, 172, 24}, {120, 33, 24}, {120, 100, 24}, {38, 118, 24}, {538, 580, 24}, {69, 25, 4}}, 2, 25, 2, 3, 0},
    {"iMetal.skn", {292, 165, 24}, {292, 165, 4},
     {{77, 172, 24}, {27, 17, 24}, {46, 42, 8}, {38, 118, 24}, {535, 583, 24}, {69, 23, 8}}, 2, 25, 2, 3, 0},
    {"CyberObject.skn", {150, 150, 24}, {150, 150, 1},
     {{293, 114, 24}, {146, 257, 24}, {65, 115, 24}, {117, 100, 24}, {537, 382, 24}}, 5, 27, 5, 8, 2},
};

std::unique_ptr<TbsSkinData> Load(const char* name) {
  TbsCompressedStoredSkin stored;
  stored.LoadCompressedData(resources::Load(QLatin1String(name)));
  auto data = std::make_unique<TbsSkinData>();
  data->SetCompressedStoredSkin(&stored);
  return data;
}

bool Inside(const TRect& r, const QImage& pic) {
  return !r.IsEmpty() && !pic.isNull() && r.Left >= 0 && r.Top >= 0 && r.Right <= pic.width() &&
         r.Bottom <= pic.height();
}
}  // namespace

TEST(SkinDataStoredSkins, ContainersHoldThePicturesOfTheirTable) {
  for (const TExpected& e : kSkins) {
    SCOPED_TRACE(e.Name);
    const QByteArray stream = resources::Load(QLatin1String(e.Name));
    ASSERT_FALSE(stream.isEmpty());
    EXPECT_EQ(uchar(stream[0]), 0x78);
    EXPECT_EQ(uchar(stream[1]), 0xDA);
    const QByteArray c = skinstream::Inflate(stream);
    qsizetype pos = 0;
    auto int32 = [&] {
      const qint32 v = qFromLittleEndian<qint32>(c.constData() + pos);
      pos += 4;
      return v;
    };
    auto bitmap = [&](const TPic& want) {
      const TBmpInfo info = ReadBmpInfo(c, pos);
      EXPECT_EQ(info.Width, want.W);
      EXPECT_EQ(std::abs(info.Height), want.H);
      EXPECT_EQ(info.BitCount, want.Bits);
      pos += info.FileSize;
    };
    EXPECT_EQ(int32(), 3);
    EXPECT_EQ(c[pos++], 0);
    bitmap(e.Main);
    EXPECT_NE(c[pos++], 0);  // no inactive picture
    EXPECT_EQ(c[pos++], 0);
    bitmap(e.Mask);
    ASSERT_EQ(int32(), qint32(e.Active.size()));
    for (const TPic& p : e.Active) bitmap(p);
    EXPECT_TRUE(c.mid(pos).startsWith("[VERSION]\r\n"));
  }
}

TEST(SkinDataStoredSkins, FrameBordersAndLeastWidth) {
  for (const TExpected& e : kSkins) {
    SCOPED_TRACE(e.Name);
    const auto data = Load(e.Name);
    ASSERT_FALSE(data->Empty());
    const TRect& c = data->FormInfo.ClientRect;
    EXPECT_EQ(c.Left, e.Left);
    EXPECT_EQ(c.Top, e.Top);
    EXPECT_EQ(data->Picture().width() - c.Right, e.Right);
    EXPECT_EQ(data->Picture().height() - c.Bottom, e.Bottom);
    EXPECT_TRUE(data->InActivePicture().isNull());
    EXPECT_EQ(data->Mask().size(), data->Picture().size());
    // The mask cuts the outer corner and keeps the client area.
    EXPECT_NE(qRed(data->Mask().pixel(0, 0)), 0);
    EXPECT_EQ(data->Mask().pixel(c.Left + 10, c.Top + 10) & 0xFFFFFF, 0u);
    EXPECT_EQ(data->FormInfo.MaskRectArea, c);
  }
  EXPECT_EQ(Load("iMetal.skn")->FormInfo.FormMinWidth, 170);
  EXPECT_EQ(Load("iMetal2.skn")->FormInfo.FormMinWidth, 170);
  EXPECT_EQ(Load("iMetal.skn")->FormInfo.ClientRect, (TRect{2, 25, 290, 162}));
  EXPECT_EQ(Load("CyberObject.skn")->FormInfo.ClientRect, (TRect{5, 27, 145, 142}));
}

TEST(SkinDataStoredSkins, ButtonRecords) {
  const auto metal = Load("iMetal.skn");
  auto* b = metal->ControlRecord<TbsDataSkinButtonControl>(QStringLiteral("button"));
  ASSERT_NE(b, nullptr);
  EXPECT_EQ(b->SkinRect, (TRect{399, 293, 468, 316}));
  EXPECT_EQ(b->RightTopPoint, QPoint(53, 12));
  EXPECT_EQ(b->RightBottomPoint, QPoint(0, 0));
  EXPECT_EQ(b->ClientRect, (TRect{10, 2, 60, 21}));
  EXPECT_EQ(b->MaskPictureIndex, 5);
  EXPECT_EQ(metal->ActivePicture(b->MaskPictureIndex).size(), b->SkinRect.ToQRect().size());
  for (TColor c : {b->Font.Color, b->ActiveFontColor, b->DownFontColor}) EXPECT_EQ(c, 0);

  const auto metal2 = Load("iMetal2.skn");
  auto* b2 = metal2->ControlRecord<TbsDataSkinButtonControl>(QStringLiteral("button"));
  ASSERT_NE(b2, nullptr);
  EXPECT_EQ(b2->SkinRect.Top, 266);
  EXPECT_EQ(b2->SkinRect.Bottom, 291);
  EXPECT_EQ(b2->MaskPictureIndex, 5);
  EXPECT_EQ(metal2->ActivePicture(5).size(), b2->SkinRect.ToQRect().size());

  for (const TExpected& e : kSkins) {
    SCOPED_TRACE(e.Name);
    const auto data = Load(e.Name);
    auto* button = data->ControlRecord<TbsDataSkinButtonControl>(QStringLiteral("button"));
    ASSERT_NE(button, nullptr);
    // Three pieces across: any width, the skin's height.
    EXPECT_FALSE(button->RightBottomPoint.x() != 0 && button->RightBottomPoint.y() != 0);
    EXPECT_NE(button->RightTopPoint, QPoint(0, 0));
    const QImage pic = data->ActivePicture(button->PictureIndex);
    for (const TRect& r : {button->SkinRect, button->ActiveSkinRect, button->DownSkinRect, button->DisabledSkinRect})
      EXPECT_TRUE(Inside(r, pic));
  }
}

TEST(SkinDataStoredSkins, GroupBoxRecordOfIMetal) {
  const auto data = Load("iMetal.skn");
  auto* g = data->ControlRecord<TbsDataSkinPanelControl>(QStringLiteral("groupbox"));
  ASSERT_NE(g, nullptr);
  EXPECT_EQ(g->SkinRect, (TRect{4, 499, 294, 552}));
  EXPECT_EQ(g->LeftTopPoint, QPoint(6, 23));
  EXPECT_EQ(g->RightTopPoint, QPoint(286, 22));
  EXPECT_EQ(g->LeftBottomPoint, QPoint(2, 49));
  EXPECT_EQ(g->RightBottomPoint, QPoint(286, 44));
  // The caption band is 19 rows: a 16-pixel bold caption fits inside it.
  EXPECT_EQ(g->ClientRect, (TRect{1, 20, 289, 52}));
  EXPECT_EQ(g->CaptionRect, (TRect{5, 1, 289, 20}));
  EXPECT_TRUE(g->TopStretch);
  EXPECT_FALSE(g->LeftStretch || g->RightStretch || g->BottomStretch);
  EXPECT_TRUE(g->StretchEffect);
  EXPECT_EQ(g->BGPictureIndex, -1);
}

TEST(SkinDataStoredSkins, EveryControlTheWindowsUseHasItsRecord) {
  for (const TExpected& e : kSkins) {
    SCOPED_TRACE(e.Name);
    const auto d = Load(e.Name);
    EXPECT_NE(d->ControlRecord<TbsDataSkinStdLabelControl>(QStringLiteral("stdlabel")), nullptr);
    EXPECT_NE(d->ControlRecord<TbsDataSkinLabelControl>(QStringLiteral("label")), nullptr);
    EXPECT_NE(d->ControlRecord<TbsDataSkinEditControl>(QStringLiteral("edit")), nullptr);
    EXPECT_NE(d->ControlRecord<TbsDataSkinMemoControl>(QStringLiteral("memo")), nullptr);
    auto* combo = d->ControlRecord<TbsDataSkinComboBox>(QStringLiteral("combobox"));
    ASSERT_NE(combo, nullptr);
    EXPECT_NE(d->ControlRecord<TbsDataSkinListBox>(combo->ListBoxName), nullptr);
    EXPECT_NE(d->ControlRecord<TbsDataSkinButtonControl>(QStringLiteral("combobutton")), nullptr);
    auto* list = d->ControlRecord<TbsDataSkinListBox>(QStringLiteral("listbox"));
    ASSERT_NE(list, nullptr);
    for (const QString& bar : {list->VScrollBarName, list->HScrollBarName, list->BothScrollBarName})
      EXPECT_NE(d->ControlRecord<TbsDataSkinScrollBarControl>(bar), nullptr) << bar.toStdString();
    EXPECT_NE(d->ControlRecord<TbsDataSkinPanelControl>(QStringLiteral("groupbox")), nullptr);
    EXPECT_NE(d->ControlRecord<TbsDataSkinPanelControl>(QStringLiteral("panel")), nullptr);
    EXPECT_NE(d->ControlRecord<TbsDataSkinCheckRadioControl>(QStringLiteral("checkbox")), nullptr);
    EXPECT_NE(d->ControlRecord<TbsDataSkinCheckRadioControl>(QStringLiteral("radiobox")), nullptr);
    EXPECT_NE(d->ControlRecord<TbsDataSkinSpinEditControl>(QStringLiteral("spinedit")), nullptr);
    EXPECT_GE(d->HintWindow.WindowPictureIndex, 0);
    EXPECT_GE(d->PopupWindow.WindowPictureIndex, 0);
    EXPECT_FALSE(d->ActivePicture(d->HintWindow.WindowPictureIndex).isNull());
    EXPECT_FALSE(d->ActivePicture(d->PopupWindow.WindowPictureIndex).isNull());
  }
  EXPECT_EQ(Load("iMetal.skn")->ControlRecord<TbsDataSkinStdLabelControl>(QStringLiteral("stdlabel"))->Font.Color, 0);
  EXPECT_EQ(Load("iMetal2.skn")->ControlRecord<TbsDataSkinStdLabelControl>(QStringLiteral("stdlabel"))->Font.Color, 0);
}

TEST(SkinDataStoredSkins, FrameObjects) {
  const std::pair<const char*, TbsStdCommand> buttons[] = {
      {"closebutton", TbsStdCommand::cmClose},     {"minbutton", TbsStdCommand::cmMinimize},
      {"maxbutton", TbsStdCommand::cmMaximize},    {"sysmenubutton", TbsStdCommand::cmSysMenu},
      {"rollupbutton", TbsStdCommand::cmRollUp}};
  for (const TExpected& e : kSkins) {
    SCOPED_TRACE(e.Name);
    const auto d = Load(e.Name);
    auto* caption = d->ObjectRecord<TbsDataSkinCaption>(QStringLiteral("caption"));
    ASSERT_NE(caption, nullptr);
    EXPECT_FALSE(caption->SkinRectInAPicture);
    EXPECT_TRUE(Inside(caption->SkinRect, d->Picture()));
    EXPECT_LE(caption->SkinRect.Bottom, d->FormInfo.ClientRect.Top);
    EXPECT_EQ(d->FindObjectIndex(QStringLiteral("caption")), 5);
    // Plain caption buttons and glowing ones (animations of button style)
    // alike, as the frame takes them.
    const std::vector<TbsFrameObject> objects = CreateFrameObjects(*d);
    int glowing = 0;
    for (const auto& [name, command] : buttons) {
      const int index = d->FindObjectIndex(QLatin1String(name));
      ASSERT_GE(index, 0) << name;
      const TbsFrameObject& b = objects[size_t(index)];
      EXPECT_EQ(b.Kind, TbsFrameObjectKind::CaptionButton) << name;
      EXPECT_EQ(b.Command, command);
      const QImage pic = d->ActivePicture(b.ActivePictureIndex);
      EXPECT_TRUE(b.SkinRectInAPicture);
      for (const TRect& r : {b.SkinRect, b.ActiveSkinRect, b.DownRect}) EXPECT_TRUE(Inside(r, pic)) << name;
      if (b.FrameCount > 0) {
        ++glowing;
        EXPECT_TRUE(Inside(b.FramesRect, pic)) << name;
        EXPECT_EQ(b.FramesRect.Width(), b.FrameCount * b.SkinRect.Width()) << name;
        EXPECT_EQ(b.FramesRect.Height(), b.SkinRect.Height()) << name;
      }
      // The buttons fit in the caption band.
      EXPECT_LE(b.SkinRect.Height(), d->FormInfo.CaptionRect.Height());
    }
    EXPECT_EQ(glowing, e.Glowing);
  }
}

TEST(SkinDataStoredSkins, EveryControlImageLiesInItsPicture) {
  for (const TExpected& e : kSkins) {
    SCOPED_TRACE(e.Name);
    const auto d = Load(e.Name);
    for (int i = 0; i < d->ControlCount(); ++i) {
      const TbsDataSkinControl* c = d->Control(i);
      if (c->PictureIndex < 0) continue;
      EXPECT_TRUE(Inside(c->SkinRect, d->ActivePicture(c->PictureIndex))) << c->IDName.toStdString();
      if (auto* cc = dynamic_cast<const TbsDataSkinCustomControl*>(c); cc && !cc->ClientRect.IsEmpty()) {
        EXPECT_LE(cc->ClientRect.Right, c->SkinRect.Width()) << c->IDName.toStdString();
        EXPECT_LE(cc->ClientRect.Bottom, c->SkinRect.Height()) << c->IDName.toStdString();
      }
    }
  }
}

TEST(SkinDataStoredSkins, MasksAreDecodedWithTheSkinAndTheOtherPicturesWhenFirstDrawn) {
  for (const TExpected& e : kSkins) {
    SCOPED_TRACE(e.Name);
    const auto data = Load(e.Name);
    auto* button = data->ControlRecord<TbsDataSkinButtonControl>(QStringLiteral("button"));
    ASSERT_NE(button, nullptr);
    EXPECT_TRUE(data->Mask().Decoded());
    if (button->MaskPictureIndex >= 0) {
      EXPECT_TRUE(data->ActivePicture(button->MaskPictureIndex).Decoded());
    }
    // Sizes are known without decoding.
    EXPECT_EQ(data->Picture().size(), QSize(e.Main.W, e.Main.H));
    EXPECT_FALSE(data->Picture().Decoded());
    EXPECT_FALSE(data->ActivePicture(button->PictureIndex).Decoded());
    // The first pixels asked for bring every picture, each of the size its
    // headers gave and in the format composition works in.
    ASSERT_FALSE(data->ActivePicture(button->PictureIndex).Image().isNull());
    EXPECT_TRUE(data->Picture().Decoded());
    for (int i = 0; i < data->ActivePictureCount(); ++i) {
      const TbsSkinPicture p = data->ActivePicture(i);
      EXPECT_TRUE(p.Decoded()) << i;
      EXPECT_EQ(p.Image().size(), p.size()) << i;
      EXPECT_EQ(p.Image().format(), QImage::Format_ARGB32_Premultiplied) << i;
    }
  }
}

TEST(SkinDataStoredSkins, WindowsCarryingOneSkinShareItsPicturesButNotItsRecords) {
  const QByteArray stream = resources::Load(QStringLiteral("iMetal.skn"));
  // Two windows' stored skins holding equal bytes in separate buffers.
  TbsCompressedStoredSkin first, second, other;
  first.LoadCompressedData(QByteArray(stream.constData(), stream.size()));
  second.LoadCompressedData(QByteArray(stream.constData(), stream.size()));
  other.LoadCompressedData(resources::Load(QStringLiteral("CyberObject.skn")));
  const int before = DecodedSkinCount();
  TbsSkinData a, b, c;
  a.ReadStoredSkin(&first);
  b.ReadStoredSkin(&second);
  c.ReadStoredSkin(&other);
  EXPECT_EQ(DecodedSkinCount(), before + 2);
  EXPECT_EQ(a.Picture().constBits(), b.Picture().constBits());
  ASSERT_EQ(a.ActivePictureCount(), b.ActivePictureCount());
  for (int i = 0; i < a.ActivePictureCount(); ++i)
    EXPECT_EQ(a.ActivePicture(i).constBits(), b.ActivePicture(i).constBits()) << i;
  EXPECT_NE(a.Picture().constBits(), c.Picture().constBits());
  // Each window has records of its own, loaded alike.
  ASSERT_EQ(a.ControlCount(), b.ControlCount());
  ASSERT_GT(a.ControlCount(), 0);
  EXPECT_NE(a.Control(0), b.Control(0));
  EXPECT_EQ(a.Control(0)->IDName, b.Control(0)->IDName);

  // A window that lets go of the skin leaves the other's pictures whole; the
  // decoded skin goes when the last window lets go.
  const QImage kept = b.Picture();
  a.ResetSkin();
  EXPECT_TRUE(a.Picture().isNull());
  EXPECT_EQ(b.Picture(), kept);
  EXPECT_EQ(DecodedSkinCount(), before + 2);
  b.ResetSkin();
  c.ResetSkin();
  EXPECT_EQ(DecodedSkinCount(), before);

  // A damaged copy of the same skin is refused every time, and leaves only
  // its own window plain.
  TbsCompressedStoredSkin damaged;
  damaged.LoadCompressedData(stream.left(stream.size() / 2));
  a.ReadStoredSkin(&first);
  for (int round = 0; round < 2; ++round) {
    EXPECT_ANY_THROW(b.ReadStoredSkin(&damaged)) << round;
    EXPECT_TRUE(b.Empty()) << round;
  }
  EXPECT_FALSE(a.Empty());
  EXPECT_EQ(a.Picture().size(), kept.size());
}
