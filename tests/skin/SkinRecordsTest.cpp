// Record classes: base chain, key order and defaults, type words, and the
// frame record's adjustments.
#include "platform/Exceptions.h"
#include "skin/SkinRecords.h"

#include <gtest/gtest.h>

namespace {
TbsIniTable Ini(const QString& text) { return TbsIniTable(text.split(QLatin1Char('\n'))); }
}  // namespace

TEST(SkinRecords, ButtonControlReadsItsBaseChainFirst) {
  const TbsIniTable ini = Ini(QStringLiteral(
      "[button]\npictureindex=4\nmaskpictureindex=5\nskinrect=399,293,468,316\nrighttoppoint=53,12\n"
      "clientrect=10,2,60,21\nstretcheffect=1\nfontcolor=0x0000FF\nactiveskinrect=399,317,468,340\n"
      "morphing=1\nmorphkind=mkgradient\nfontstyle=fsbold"));
  TbsDataSkinButtonControl b(QStringLiteral("button"));
  b.LoadFromIni(ini);
  EXPECT_EQ(b.PictureIndex, 4);
  EXPECT_EQ(b.MaskPictureIndex, 5);
  EXPECT_EQ(b.SkinRect, (TRect{399, 293, 468, 316}));
  EXPECT_EQ(b.RightTopPoint, QPoint(53, 12));
  EXPECT_EQ(b.RightBottomPoint, QPoint(0, 0));
  EXPECT_EQ(b.ClientRect, (TRect{10, 2, 60, 21}));
  EXPECT_TRUE(b.StretchEffect);
  EXPECT_FALSE(b.LeftStretch);
  EXPECT_EQ(b.Font.Color, 0xFF);
  EXPECT_EQ(b.Font.Style, TFontStyles(fsBold));
  EXPECT_EQ(b.ActiveSkinRect, (TRect{399, 317, 468, 340}));
  EXPECT_TRUE(b.Morphing);
  EXPECT_EQ(b.MorphKind, TbsMorphKind::mkGradient);
  // Defaults of the keys the section does not hold.
  EXPECT_EQ(b.Font.Name, QStringLiteral("Arial"));
  EXPECT_EQ(b.Font.Height, 14);
  EXPECT_EQ(b.AnimateInterval, 25);
  EXPECT_EQ(b.DownSkinRect, TRect());
}

TEST(SkinRecords, DefaultsOfAMissingSection) {
  const TbsIniTable ini;
  TbsDataSkinStdLabelControl label(QStringLiteral("stdlabel"));
  label.LoadFromIni(ini);
  EXPECT_EQ(label.PictureIndex, -1);
  EXPECT_EQ(label.ActiveFontColor, 16711680);  // pure blue
  EXPECT_EQ(label.Font.Color, 0);
  TbsDataSkinListBox list(QStringLiteral("listbox"));
  list.LoadFromIni(ini);
  EXPECT_EQ(list.VScrollBarName, QStringLiteral("vscrollbar"));
  EXPECT_EQ(list.HScrollBarName, QStringLiteral("hscrollbar"));
  EXPECT_EQ(list.BothScrollBarName, QStringLiteral("bothhscrollbar"));
  EXPECT_EQ(list.CaptionFont.Height, 14);
  TbsDataSkinPanelControl panel(QStringLiteral("groupbox"));
  panel.LoadFromIni(ini);
  EXPECT_EQ(panel.BGPictureIndex, -1);
  EXPECT_EQ(panel.Alignment, TAlignment::taCenter);
  TbsDataSkinAnimate anim(QStringLiteral("a"));
  anim.LoadFromIni(ini);
  EXPECT_EQ(anim.CountFrames, 1);
  EXPECT_EQ(anim.TimerInterval, 50);
  EXPECT_EQ(anim.Command, TbsStdCommand::cmDefault);
}

TEST(SkinRecords, SecondFontsReadTheirPrefixedKeysAndBadNumbersKeepTheDefault) {
  const TbsIniTable ini = Ini(QStringLiteral(
      "[list]\nfontheight=11\ncaptionfontname=Tahoma\ncaptionfontheight=20\ncaptionfontstyle=fsitalic\n"
      "captionfontcolor=255\n[grid]\nfixedfontheight=9\nfontcolor=5\nfontheight=abc"));
  TbsDataSkinListBox list(QStringLiteral("list"));
  list.LoadFromIni(ini);
  EXPECT_EQ(list.Font.Height, 11);
  EXPECT_EQ(list.Font.Name, QStringLiteral("Arial"));
  EXPECT_EQ(list.CaptionFont, (TbsDataSkinFont{QStringLiteral("Tahoma"), 20, fsItalic, 255}));
  TbsDataSkinGridControl grid(QStringLiteral("grid"));
  grid.LoadFromIni(ini);
  EXPECT_EQ(grid.FixedFont.Height, 9);
  EXPECT_EQ(grid.FixedFont.Color, 0);
  EXPECT_EQ(grid.Font.Color, 5);
  EXPECT_EQ(grid.Font.Height, 14);  // "abc" is no number
}

TEST(SkinRecords, ObjectKeysAndTheirQuirks) {
  const TbsIniTable ini = Ini(QStringLiteral(
      "[close]\nactivepictureindex=0\nskinrectinapicture=1\nskinrect=2,2,21,19\ndownrect=54,2,73,19\n"
      "disableskinrsect=1,1,5,5\ncommand=cmclose\nrestorerect=-1,2,3,4\n"
      "[anim]\nmorphing=1\nactiveskinrect=1,1,9,9\ncommand=whatever\n"
      "[user]\nskinrect=1,2,3,4"));
  TbsDataSkinStdButton close(QStringLiteral("close"));
  close.LoadFromIni(ini);
  EXPECT_EQ(close.ActivePictureIndex, 0);
  EXPECT_TRUE(close.SkinRectInAPicture);
  EXPECT_EQ(close.DownRect, (TRect{54, 2, 73, 19}));
  EXPECT_EQ(close.DisableSkinRect, (TRect{1, 1, 5, 5}));  // written "disableskinrsect"
  EXPECT_EQ(close.Command, TbsStdCommand::cmClose);
  EXPECT_EQ(close.RestoreRect, (TRect{1, 2, 3, 4}));
  TbsDataSkinAnimate anim(QStringLiteral("anim"));
  anim.LoadFromIni(ini);
  EXPECT_FALSE(anim.Morphing);  // never morphs, whatever the section says
  EXPECT_EQ(anim.Command, TbsStdCommand::cmMinimizeToTray);
  TbsDataUserObject user(QStringLiteral("user"));
  user.LoadFromIni(ini);
  EXPECT_EQ(user.SkinRect, (TRect{1, 2, 3, 4}));
}

TEST(SkinRecords, UpDownDropsItsCornerPoints) {
  const TbsIniTable ini =
      Ini(QStringLiteral("[ud]\nlefttoppoint=3,3\nrightbottompoint=9,9\nclientrect=1,1,8,8\nupbuttonrect=0,0,13,8"));
  TbsDataSkinUpDownControl ud(QStringLiteral("ud"));
  ud.LoadFromIni(ini);
  EXPECT_EQ(ud.LeftTopPoint, QPoint());
  EXPECT_EQ(ud.RightBottomPoint, QPoint());
  EXPECT_EQ(ud.ClientRect, TRect());
  EXPECT_EQ(ud.UpButtonRect, (TRect{0, 0, 13, 8}));
}

TEST(SkinRecords, BadRectangleStopsTheRecord) {
  const TbsIniTable ini = Ini(QStringLiteral("[edit]\nskinrect=a,2,3,4"));
  TbsDataSkinEditControl edit(QStringLiteral("edit"));
  EXPECT_THROW(edit.LoadFromIni(ini), EConvertError);
  const TbsIniTable extra = Ini(QStringLiteral("[edit]\nlefttoppoint=1,2,3"));
  EXPECT_THROW(edit.LoadFromIni(extra), EConvertError);
}

TEST(SkinRecords, TypeWordsSelectTheClassExactly) {
  EXPECT_NE(dynamic_cast<TbsDataSkinCaption*>(CreateObjectRecord(QStringLiteral("caption"), QStringLiteral("c")).get()),
            nullptr);
  EXPECT_NE(dynamic_cast<TbsDataSkinButton*>(CreateObjectRecord(QStringLiteral("stdbutton"), {}).get()), nullptr);
  EXPECT_NE(dynamic_cast<TbsDataSkinMainMenuItem*>(CreateObjectRecord(QStringLiteral("mainmenubaritem"), {}).get()),
            nullptr);
  EXPECT_EQ(CreateObjectRecord(QStringLiteral("Caption"), {}), nullptr);
  EXPECT_EQ(CreateObjectRecord(QString(), {}), nullptr);

  auto control = [](const char* type) { return CreateControlRecord(QLatin1String(type), QStringLiteral("x")); };
  EXPECT_NE(dynamic_cast<TbsDataSkinPanelControl*>(control("panel").get()), nullptr);
  EXPECT_NE(dynamic_cast<TbsDataSkinCheckRadioControl*>(control("checkradio").get()), nullptr);
  EXPECT_NE(dynamic_cast<TbsDataSkinButtonControl*>(control("menubutton").get()), nullptr);
  EXPECT_NE(dynamic_cast<TbsDataSkinEditControl*>(control("memo").get()), nullptr);
  EXPECT_NE(dynamic_cast<TbsDataSkinListBox*>(control("checklistbox").get()), nullptr);
  EXPECT_NE(dynamic_cast<TbsDataSkinCustomControl*>(control("scrollbar").get()), nullptr);
  EXPECT_EQ(dynamic_cast<TbsDataSkinCustomControl*>(control("stdlabel").get()), nullptr);
  EXPECT_EQ(dynamic_cast<TbsDataSkinCustomControl*>(control("treeview").get()), nullptr);
  EXPECT_EQ(control("groupbox"), nullptr);
  EXPECT_EQ(control("combobutton"), nullptr);
  EXPECT_EQ(control("Button"), nullptr);
  for (const char* type : {"expanel", "gauge", "splitter", "trackbar", "label", "updown", "grid", "tab", "mainmenubar",
                           "controlbar", "edit", "listbox", "combobox", "spinedit", "scrollbox", "bevel", "slider",
                           "listview", "richedit"})
    EXPECT_NE(control(type), nullptr) << type;
}

TEST(SkinRecords, FormInfoAdjustmentsWithAMask) {
  const TbsIniTable ini = Ini(QStringLiteral(
      "[FORMINFO]\nlefttoppoint=1,10\nrighttoppoint=300,10\nleftbottompoint=1,200\nrightbottompoint=300,200\n"
      "clientrect=2,25,290,162\nmaskrectarea=0,0,100,100\nhittestlefttoppoint=5,0\nhittestrighttoppoint=7,8\n"
      "inactiveeffect=iegrayscale"));
  TbsDataSkinFormInfo f;
  f.LoadFromIni(ini, true);
  // The mask area grows to hold the client area.
  EXPECT_EQ(f.MaskRectArea, (TRect{0, 0, 290, 162}));
  // A hit-test point with a zero coordinate takes the corner point as read
  // (before the corners are clamped); a complete one stays.
  EXPECT_EQ(f.HitTestLeftTopPoint, QPoint(1, 10));
  EXPECT_EQ(f.HitTestRightTopPoint, QPoint(7, 8));
  EXPECT_EQ(f.HitTestRightBottomPoint, QPoint(300, 200));
  // Corners clamped into the client rectangle.
  EXPECT_EQ(f.LeftTopPoint, QPoint(2, 25));
  EXPECT_EQ(f.RightTopPoint, QPoint(290, 25));
  EXPECT_EQ(f.LeftBottomPoint, QPoint(2, 162));
  EXPECT_EQ(f.RightBottomPoint, QPoint(290, 162));
  EXPECT_EQ(f.InActiveEffect, TbsInactiveEffect::ieGrayScale);
  EXPECT_EQ(f.BGPictureIndex, -1);
}

TEST(SkinRecords, FormInfoWithoutMaskOrWithSharedCorners) {
  const TbsIniTable ini = Ini(QStringLiteral(
      "[FORMINFO]\nlefttoppoint=1,10\nrightbottompoint=1,200\nclientrect=2,25,290,162\nmaskrectarea=0,0,0,0"));
  TbsDataSkinFormInfo f;
  f.LoadFromIni(ini, false);
  EXPECT_EQ(f.MaskRectArea, TRect());            // no mask: left alone
  EXPECT_EQ(f.HitTestLeftTopPoint, QPoint());
  EXPECT_EQ(f.LeftTopPoint, QPoint(1, 10));       // same x: no clamping
  TbsDataSkinFormInfo g;
  g.LoadFromIni(ini, true);
  EXPECT_EQ(g.MaskRectArea, (TRect{2, 25, 290, 162}));  // no area: becomes the client area
  EXPECT_EQ(g.InActiveEffect, TbsInactiveEffect::ieBrightness);
}

TEST(SkinRecords, ColoursPopupAndHint) {
  const TbsIniTable ini = Ini(QStringLiteral(
      "[SKINCOLORS]\ncbtnface=12345\n[HINTWINDOW]\nwindowpictureindex=2\nfontcolor=0xFF\n[POPUPWINDOW]\nitemsrect=3,3,35,115"));
  TbsDataSkinColors c{0, 0, 0, 0, 0, 0, 0, 0};
  c.SetDefaults();
  c.LoadFromIni(ini);
  EXPECT_EQ(c.cBtnFace, 12345);
  EXPECT_EQ(c.cBtnText, clBtnText);
  EXPECT_EQ(c.cBtnShadow, clBtnShadow);
  TbsDataSkinHintWindow h;
  h.LoadFromIni(ini);
  EXPECT_EQ(h.WindowPictureIndex, 2);
  EXPECT_EQ(h.MaskPictureIndex, -1);
  EXPECT_EQ(h.Font.Name, QStringLiteral("Arial"));
  EXPECT_EQ(h.Font.Color, 0xFF);
  TbsDataSkinPopupWindow p;
  p.LoadFromIni(ini);
  EXPECT_EQ(p.ItemsRect, (TRect{3, 3, 35, 115}));
  EXPECT_EQ(p.WindowPictureIndex, -1);
}
