// Loading a stored skin step by step, and the skin notices.
#include "platform/Exceptions.h"
#include "skin/SkinData.h"
#include "SkinDataTestSupport.h"
#include "fuzz/SkinInput.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

using namespace skintest;

namespace {
const QByteArray kDescription =
    "[VERSION]\r\nskinname=Test\r\nskincomments=\xD2\xE5\xF1\xF2\r\n"
    "[PICTURES]\r\npicture=main.bmp\r\nmask=mask.bmp\r\nactivepicturescount=2\r\n0=a.bmp\r\n1=b.bmp\r\n"
    "[FORMINFO]\r\nclientrect=2,25,30,18\r\nformminwidth=170\r\n"
    "[HINTWINDOW]\r\nwindowpictureindex=1\r\n"
    "[SKINOBJECTS]\r\ncount=7\r\n0=close:stdbutton\r\n1=odd:nosuchtype\r\n2=nocolon\r\n3=menu:menuitem\r\n"
    "4=close:button\r\n5=caption:caption\r\n6=:caption\r\n"
    "[caption]\r\nfontheight=16\r\nalignment=tacenter\r\n"
    "[close]\r\ncommand=cmclose\r\n"
    "[SKINCONTROLS]\r\ncount=3\r\n0=button:button\r\n1=stdlabel:stdlabel\r\n2=Button:panel\r\n"
    "[button]\r\nskinrect=-1,2,3,4\r\n[unlisted]\r\nskinrect=x\r\n";

TContainer Sample() {
  TContainer c;
  c.Picture = Bmp(32, 20, 24, qRgb(1, 2, 3));
  c.Mask = Bmp(32, 20, 4, qRgb(0, 0, 0));
  c.Active = {Bmp(5, 6, 24), Bmp(7, 3, 8, qRgb(200, 100, 50))};
  c.Text = kDescription;
  return c;
}
}  // namespace

TEST(SkinDataLoad, ReadsContainerStepByStep) {
  TbsSkinData data;
  EXPECT_TRUE(data.Empty());
  auto stored = Stored(Sample().Bytes());
  data.SetCompressedStoredSkin(stored.get());
  ASSERT_FALSE(data.Empty());
  EXPECT_FALSE(data.Changing());
  EXPECT_EQ(data.Picture().size(), QSize(32, 20));
  EXPECT_EQ(data.Picture().pixel(0, 0), qRgb(1, 2, 3));
  EXPECT_TRUE(data.InActivePicture().isNull());
  EXPECT_EQ(data.Mask().size(), QSize(32, 20));
  EXPECT_EQ(qRed(data.Mask().pixel(31, 19)), 0);
  ASSERT_EQ(data.ActivePictureCount(), 2);
  EXPECT_EQ(data.ActivePicture(1).size(), QSize(7, 3));
  EXPECT_EQ(data.ActivePicture(1).pixel(6, 2), qRgb(200, 100, 50));
  EXPECT_TRUE(data.ActivePicture(2).isNull());
  EXPECT_TRUE(data.ActivePicture(-1).isNull());
  EXPECT_EQ(data.SkinName, QStringLiteral("Test"));
  EXPECT_EQ(data.SkinComments, QStringLiteral("Тест"));
  EXPECT_EQ(data.MaskName, QStringLiteral("mask.bmp"));
  EXPECT_EQ(data.ActivePicturesNames, (QStringList{"a.bmp", "b.bmp"}));
  EXPECT_EQ(data.FormInfo.FormMinWidth, 170);
  EXPECT_EQ(data.FormInfo.MaskRectArea, (TRect{2, 25, 30, 18}));  // the mask adjustment ran
  EXPECT_EQ(data.HintWindow.WindowPictureIndex, 1);
  EXPECT_EQ(data.PopupWindow.WindowPictureIndex, -1);
  EXPECT_EQ(data.SkinColors.cBtnFace, clBtnFace);
}

TEST(SkinDataLoad, PicturesOfEveryDepthComeOpaqueInTheComposingFormat) {
  // Odd widths, every palette entry in use, a picture stored top-down too.
  for (int bits : {1, 4, 8, 24}) {
    QImage img(13, 5, QImage::Format_Indexed8);
    QList<QRgb> table;
    for (int i = 0; i < (1 << std::min(bits, 8)); ++i) table.append(qRgb(i * 37 % 256, i * 11 % 256, 255 - i));
    img.setColorTable(table);
    for (int y = 0; y < img.height(); ++y)
      for (int x = 0; x < img.width(); ++x) img.setPixel(x, y, uint((x * 7 + y * 3) % table.size()));
    QByteArray file = WriteBmp(bits == 24 ? img.convertToFormat(QImage::Format_RGB32) : img, bits);
    QByteArray topDown = file;
    qToLittleEndian<qint32>(-5, topDown.data() + 22);
    for (const QByteArray& bmp : {file, topDown}) {
      qsizetype a = 0, b = 0;
      const QImage asFile = ReadBmp(bmp, a);
      const QImage composing = ReadBmp(bmp, b, nullptr, TBmpTarget::Premultiplied);
      EXPECT_EQ(b, a);
      EXPECT_EQ(composing.format(), QImage::Format_ARGB32_Premultiplied);
      EXPECT_EQ(composing, asFile.convertToFormat(QImage::Format_ARGB32_Premultiplied)) << bits;
    }
  }
  // The skin's pictures are read so.
  TbsSkinData data;
  auto stored = Stored(Sample().Bytes());
  data.SetCompressedStoredSkin(stored.get());
  EXPECT_EQ(data.Mask().format(), QImage::Format_ARGB32_Premultiplied);
  EXPECT_EQ(data.ActivePicture(1).format(), QImage::Format_ARGB32_Premultiplied);
}

TEST(SkinDataLoad, RecordListsFollowTheEntries) {
  TbsSkinData data;
  auto stored = Stored(Sample().Bytes());
  data.ReadStoredSkin(stored.get());
  // Unknown types and entries without a colon make no record.
  ASSERT_EQ(data.ObjectCount(), 5);
  EXPECT_NE(dynamic_cast<TbsDataSkinStdButton*>(data.Object(0)), nullptr);
  EXPECT_NE(dynamic_cast<TbsDataSkinMenuItem*>(data.Object(1)), nullptr);
  auto* caption = data.ObjectRecord<TbsDataSkinCaption>(QStringLiteral("caption"));
  ASSERT_NE(caption, nullptr);
  EXPECT_EQ(caption->Font.Height, 16);
  EXPECT_EQ(caption->Alignment, TAlignment::taCenter);
  EXPECT_EQ(data.Object(4)->IDName, QString());
  // The first record of a name wins; names compare with letter case.
  EXPECT_EQ(data.FindObjectIndex(QStringLiteral("close")), 0);
  EXPECT_EQ(data.ObjectRecord<TbsDataSkinStdButton>(QStringLiteral("close"))->Command, TbsStdCommand::cmClose);
  EXPECT_EQ(data.FindControlIndex(QStringLiteral("button")), 0);
  EXPECT_EQ(data.FindControlIndex(QStringLiteral("Button")), 2);
  EXPECT_EQ(data.FindControlIndex(QStringLiteral("BUTTON")), -1);
  EXPECT_EQ(data.FindControlIndex(QStringLiteral("unlisted")), -1);
  EXPECT_EQ(data.ControlRecord<TbsDataSkinButtonControl>(QStringLiteral("button"))->SkinRect, (TRect{1, 2, 3, 4}));
  EXPECT_EQ(data.ControlRecord<TbsDataSkinButtonControl>(QStringLiteral("stdlabel")), nullptr);
  EXPECT_EQ(data.Control(3), nullptr);
}

TEST(SkinDataLoad, EmptyOrMissingObjectLists) {
  for (const QByteArray& objects : {QByteArray("[SKINOBJECTS]\r\ncount=0\r\n0=caption:caption\r\n"),
                                    QByteArray("[SKINOBJECTS]\r\n0=caption:caption\r\n"), QByteArray()}) {
    TContainer c;
    c.Text = "[VERSION]\r\n" + objects + "[caption]\r\n";
    TbsSkinData data;
    auto stored = Stored(c.Bytes());
    data.ReadStoredSkin(stored.get());
    EXPECT_FALSE(data.Empty());
    EXPECT_EQ(data.ObjectCount(), 0);
    EXPECT_EQ(data.ControlCount(), 0);
  }
}

TEST(SkinDataLoad, VersionTwoPicturesAreDropped) {
  TContainer c = Sample();
  c.Version = 2;
  c.Extra1 = Bmp(9, 9, 24);
  c.Extra2 = std::nullopt;
  TbsSkinData data;
  auto stored = Stored(c.Bytes());
  data.ReadStoredSkin(stored.get());
  EXPECT_FALSE(data.Empty());
  EXPECT_EQ(data.ActivePictureCount(), 2);
  EXPECT_EQ(data.ActivePicture(0).size(), QSize(5, 6));
  EXPECT_EQ(data.ObjectCount(), 5);
}

TEST(SkinDataLoad, NoticesOfALoadGoToOwnerThenTheOtherWindows) {
  TForm first, owner, last;
  first.setObjectName(QStringLiteral("first"));
  owner.setObjectName(QStringLiteral("owner"));
  last.setObjectName(QStringLiteral("last"));
  TNoticeRecorder rec;
  for (TForm* f : {&first, &owner, &last}) rec.Watch(f);
  auto* data = new TbsSkinData(&owner);
  auto stored = Stored(Sample().Bytes());
  data->SetCompressedStoredSkin(stored.get());
  const std::vector<std::pair<QString, int>> expected = {
      {"owner", 1225}, {"first", 1225}, {"last", 1225}, {"owner", 1226}, {"first", 1226},
      {"last", 1226},  {"owner", 1227}, {"first", 1227}, {"last", 1227}};
  EXPECT_EQ(rec.Seen, expected);
  for (long p : rec.Params) EXPECT_EQ(p, 1000);
  for (QObject* s : rec.Senders) EXPECT_EQ(s, data);

  rec.Seen.clear();
  data->SetResourceStrData(nullptr);
  EXPECT_EQ(rec.Seen, (std::vector<std::pair<QString, int>>{{"owner", 1274}, {"first", 1274}, {"last", 1274}}));
}

TEST(SkinDataLoad, FlagsSeenByTheReceivers) {
  TForm owner;
  owner.setObjectName(QStringLiteral("owner"));
  auto* data = new TbsSkinData(&owner);
  std::vector<std::tuple<int, bool, bool>> seen;
  struct TProbe : QObject {
    TbsSkinData* Data;
    std::vector<std::tuple<int, bool, bool>>* Out;
    bool eventFilter(QObject*, QEvent* e) override {
      if (e->type() == TMessageEvent::EventType())
        Out->emplace_back(static_cast<TMessageEvent*>(e)->Msg, Data->Empty(), Data->Changing());
      return false;
    }
  } probe;
  probe.Data = data;
  probe.Out = &seen;
  owner.installEventFilter(&probe);
  auto stored = Stored(Sample().Bytes());
  data->ReadStoredSkin(stored.get());
  EXPECT_EQ(seen, (std::vector<std::tuple<int, bool, bool>>{{1225, true, true}, {1226, false, true},
                                                             {1227, false, false}}));
}

TEST(SkinDataLoad, EmptyStoredSkinChangesNothing) {
  TForm owner;
  TNoticeRecorder rec;
  rec.Watch(&owner);
  auto* data = new TbsSkinData(&owner);
  auto loaded = Stored(Sample().Bytes());
  data->SetCompressedStoredSkin(loaded.get());
  rec.Seen.clear();
  TbsCompressedStoredSkin empty;
  data->SetCompressedStoredSkin(&empty);
  EXPECT_TRUE(rec.Seen.empty());
  EXPECT_FALSE(data->Empty());  // keeps what it held
  EXPECT_EQ(data->CompressedStoredSkin(), &empty);
  EXPECT_EQ(data->ObjectCount(), 5);
}

TEST(SkinDataLoad, ReferenceClearsWhenTheStoredSkinGoes) {
  TbsSkinData data;
  {
    auto stored = Stored(Sample().Bytes());
    data.SetCompressedStoredSkin(stored.get());
    EXPECT_EQ(data.CompressedStoredSkin(), stored.get());
  }
  EXPECT_EQ(data.CompressedStoredSkin(), nullptr);
  EXPECT_FALSE(data.Empty());
}

TEST(SkinDataLoad, NewerContainerLeavesTheSkinEmptyAfterTheFirstNotice) {
  TForm owner;
  owner.setObjectName(QStringLiteral("owner"));
  TNoticeRecorder rec;
  rec.Watch(&owner);
  auto* data = new TbsSkinData(&owner);
  TContainer c = Sample();
  c.Version = 4;
  auto stored = Stored(c.Bytes());
  data->ReadStoredSkin(stored.get());
  EXPECT_TRUE(data->Empty());
  EXPECT_EQ(data->ObjectCount(), 0);
  EXPECT_TRUE(data->Picture().isNull());
  EXPECT_EQ(rec.Seen, (std::vector<std::pair<QString, int>>{{"owner", 1225}}));
}

TEST(SkinDataLoad, ResetSkinEmptiesEverything) {
  TbsSkinData data;
  auto stored = Stored(Sample().Bytes());
  data.ReadStoredSkin(stored.get());
  data.ResetSkin();
  EXPECT_TRUE(data.Empty());
  EXPECT_EQ(data.ObjectCount(), 0);
  EXPECT_EQ(data.ControlCount(), 0);
  EXPECT_EQ(data.ActivePictureCount(), 0);
  EXPECT_TRUE(data.ActivePicturesNames.isEmpty());
  EXPECT_TRUE(data.Picture().isNull());
  EXPECT_TRUE(data.Mask().isNull());
  EXPECT_TRUE(data.MaskName.isEmpty());
  EXPECT_EQ(data.HintWindow.WindowPictureIndex, -1);
  EXPECT_EQ(data.SkinColors.cWindow, clWindow);
}

// Damaged containers end in a clear error with the skin left empty.
TEST(SkinDataLoad, DamagedContainersLeaveTheSkinEmpty) {
  QByteArray bmp = Bmp(4, 4, 24);
  QByteArray longSize = bmp;
  longSize[2] = char(0xFF);  // size field runs past the end
  QByteArray notBmp = bmp;
  notBmp[0] = 'X';
  QByteArray shortPixels = bmp;
  shortPixels[2] = 60;  // headers only: the pixels lie beyond the file's size
  shortPixels[3] = 0;
  struct TCase {
    const char* Name;
    std::function<void(TContainer&)> Spoil;
  };
  const TCase cases[] = {
      {"size past end", [&](TContainer& c) { c.Picture = longSize; }},
      {"not a bitmap", [&](TContainer& c) { c.Active = {notBmp}; }},
      {"pixels outside", [&](TContainer& c) { c.Mask = shortPixels; }},
      {"huge count", [&](TContainer& c) { c.Count = 0x7FFFFFFF; }},
      {"count beyond", [&](TContainer& c) { c.Count = 3; c.Text.clear(); }},
      {"bad rectangle", [&](TContainer& c) { c.Text += "[button]\r\n"; c.Text.replace("-1,2,3,4", "1,2,,4"); }},
      {"extra pieces", [&](TContainer& c) { c.Text.replace("clientrect=2,25,30,18", "clientrect=2,25,30,18,7"); }},
      // Pictures too large to hold: one side over the limit, or together
      // more pixels than a skin may have.
      {"side over limit", [&](TContainer& c) { c.Active = {Bmp(kMaxPictureSide + 1, 1, 1)}; }},
      {"pixels over budget", [&](TContainer& c) {
         c.Picture = Bmp(kMaxPictureSide, int(kMaxSkinPixels / kMaxPictureSide), 1);
         c.Active.append(Bmp(1, 1, 1));
       }},
  };
  for (const TCase& t : cases) {
    TContainer c = Sample();
    t.Spoil(c);
    TbsSkinData data;
    auto stored = Stored(c.Bytes());
    EXPECT_ANY_THROW(data.ReadStoredSkin(stored.get())) << t.Name;
    EXPECT_TRUE(data.Empty()) << t.Name;
    EXPECT_FALSE(data.Changing()) << t.Name;
    EXPECT_EQ(data.ObjectCount() + data.ControlCount() + data.ActivePictureCount(), 0) << t.Name;
  }
  // Each kind of fault has its own error class.
  TContainer c = Sample();
  c.Picture = longSize;
  TbsSkinData data;
  EXPECT_THROW(data.ReadStoredSkin(Stored(c.Bytes()).get()), EReadError);
  c = Sample();
  c.Text.replace("-1,2,3,4", "a,2,3,4");
  EXPECT_THROW(data.ReadStoredSkin(Stored(c.Bytes()).get()), EConvertError);
  TbsCompressedStoredSkin garbage;
  garbage.LoadCompressedData(skinstream::Deflate(Sample().Bytes()).left(100));
  EXPECT_THROW(data.ReadStoredSkin(&garbage), EDecompressionError);
  EXPECT_TRUE(data.Empty());
}

TEST(SkinDataLoad, RectanglesStayWithinTheirPictures) {
  TContainer c = Sample();
  c.Text.replace("[button]\r\nskinrect=-1,2,3,4", "[button]\r\npictureindex=1\r\nskinrect=2,1,99999,8");
  c.Text.replace("[caption]\r\n", "[caption]\r\nskinrect=30,0,4000,21\r\n");
  c.Text.replace("clientrect=2,25,30,18", "clientrect=2,25,2147483647,18");
  TbsSkinData data;
  data.ReadStoredSkin(Stored(c.Bytes()).get());
  // Cut to the 7 x 3 active picture and to the 32 x 20 main picture.
  EXPECT_EQ(data.ControlRecord<TbsDataSkinButtonControl>(QStringLiteral("button"))->SkinRect, (TRect{2, 1, 7, 3}));
  EXPECT_EQ(data.ObjectRecord<TbsDataSkinCaption>(QStringLiteral("caption"))->SkinRect, (TRect{30, 0, 32, 20}));
  // A coordinate no picture can reach is held at the limit.
  EXPECT_EQ(data.FormInfo.ClientRect.Right, skinvalue::kMaxCoordinate);
}

TEST(SkinDataLoad, NegativeCountAndNoSectionsStillLoad) {
  TContainer c;
  c.Count = -5;
  c.Text = "no sections at all\r\njust=text";
  TbsSkinData data;
  auto stored = Stored(c.Bytes());
  data.ReadStoredSkin(stored.get());
  EXPECT_FALSE(data.Empty());
  EXPECT_EQ(data.ActivePictureCount(), 0);
  EXPECT_EQ(data.FormInfo.ClientRect, TRect());
  EXPECT_EQ(data.FormInfo.BGPictureIndex, -1);
}

// Every input the fuzzer kept, loaded and drawn with as the fuzz target does;
// a sanitizer build reports what goes wrong on the way.
TEST(SkinDataLoad, FuzzCorpusLoadsAndDrawsSafely) {
  const QDir corpus(QStringLiteral(MOMENTY_FUZZ_CORPUS));
  const QStringList inputs = corpus.entryList(QDir::Files);
  ASSERT_FALSE(inputs.isEmpty()) << MOMENTY_FUZZ_CORPUS;
  for (const QString& name : inputs) {
    QFile file(corpus.filePath(name));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
    EXPECT_TRUE(RunSkinInput(file.readAll())) << name.toStdString();
  }
}
