// The skins' source folders, the skin maker that draws them and the packer
// that turns them into the embedded streams.
#include "resources/Resources.h"
#include "skin/SkinBmp.h"
#include "skin/SkinIni.h"
#include "skin/StoredSkin.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdlib>
#include <gtest/gtest.h>

namespace {
// The source tree's skin folders. A relative name of this file is relative
// to the top build folder (where Ninja compiles), whose bin/ holds this
// program; ctest runs it from elsewhere.
QString SkinsFolder() {
  const QString file = QStringLiteral(__FILE__);
  const QDir build(QCoreApplication::applicationDirPath() + QStringLiteral("/.."));
  const QFileInfo source(QDir::isAbsolutePath(file) ? file : build.absoluteFilePath(file));
  return source.dir().absoluteFilePath(QStringLiteral("../../resources/skins"));
}

QByteArray Read(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

struct TFile {
  const char* Name;
  int W, H, Bits;
};
struct TFolder {
  const char* Folder;
  std::vector<TFile> Files;  // main, mask, then the active pictures in order
};
const TFolder kFolders[] = {
    {"iMetal2",
     {{"main.bmp", 292, 165, 24}, {"mask.bmp", 292, 165, 4}, {"buttons.bmp", 77, 172, 24}, {"hint.bmp", 120, 33, 24},
      {"popup.bmp", 120, 100, 24}, {"vscroll.bmp", 38, 118, 24}, {"controls.bmp", 538, 580, 24},
      {"buttonmask.bmp", 69, 25, 4}}},
    {"iMetal",
     {{"main.bmp", 292, 165, 24}, {"mask.bmp", 292, 165, 4}, {"buttons.bmp", 77, 172, 24}, {"updown.bmp", 27, 17, 24},
      {"hint.bmp", 46, 42, 8}, {"popup.bmp", 38, 118, 24}, {"controls.bmp", 535, 583, 24},
      {"buttonmask.bmp", 69, 23, 8}}},
    {"CyberObject",
     {{"main.bmp", 150, 150, 24}, {"mask.bmp", 150, 150, 1}, {"buttons.bmp", 293, 114, 24},
      {"popup.bmp", 146, 257, 24}, {"hint.bmp", 65, 115, 24}, {"small.bmp", 117, 100, 24},
      {"controls.bmp", 537, 382, 24}}},
};
}  // namespace

TEST(SkinFolders, BitmapsHaveTheirSizesAndDepths) {
  for (const TFolder& folder : kFolders) {
    const QDir dir(SkinsFolder() + QLatin1Char('/') + QLatin1String(folder.Folder));
    SCOPED_TRACE(folder.Folder);
    for (const TFile& f : folder.Files) {
      const QByteArray bytes = Read(dir.filePath(QLatin1String(f.Name)));
      ASSERT_FALSE(bytes.isEmpty()) << f.Name;
      const TBmpInfo info = ReadBmpInfo(bytes, 0);
      EXPECT_EQ(info.Width, f.W) << f.Name;
      EXPECT_EQ(info.Height, f.H) << f.Name;
      EXPECT_EQ(info.BitCount, f.Bits) << f.Name;
      EXPECT_EQ(qsizetype(info.FileSize), bytes.size()) << f.Name;
      qsizetype pos = 0;
      EXPECT_EQ(ReadBmp(bytes, pos).size(), QSize(f.W, f.H)) << f.Name;
    }
  }
}

TEST(SkinFolders, DescriptionsNameTheirPicturesInOrder) {
  for (const TFolder& folder : kFolders) {
    SCOPED_TRACE(folder.Folder);
    const QDir dir(SkinsFolder() + QLatin1Char('/') + QLatin1String(folder.Folder));
    const QByteArray text = Read(dir.filePath(QStringLiteral("skin.ini")));
    ASSERT_TRUE(text.startsWith("[VERSION]\r\n"));
    TbsIniTable ini;
    ini.SetText(text);
    for (const char* s : {"VERSION", "PICTURES", "FORMINFO", "SKINOBJECTS", "SKINCONTROLS"})
      EXPECT_TRUE(ini.SectionExists(QLatin1String(s))) << s;
    const QString pictures = QStringLiteral("PICTURES");
    EXPECT_EQ(ini.ReadString(pictures, QStringLiteral("picture")), QLatin1String(folder.Files[0].Name));
    EXPECT_EQ(ini.ReadString(pictures, QStringLiteral("mask")), QLatin1String(folder.Files[1].Name));
    EXPECT_TRUE(ini.ReadString(pictures, QStringLiteral("inactivepicture")).isEmpty());
    const QStringList active = ini.ReadList(pictures, QStringLiteral("activepictures"));
    ASSERT_EQ(active.size(), qsizetype(folder.Files.size() - 2));
    for (qsizetype i = 0; i < active.size(); ++i) EXPECT_EQ(active[i], QLatin1String(folder.Files[i + 2].Name));
  }
}

// The build packs each folder with ImportSkinFolder; the embedded stream is
// exactly what the folder packs to.
TEST(SkinFolders, EmbeddedStreamsArePackedFromTheFolders) {
  for (const TFolder& folder : kFolders) {
    SCOPED_TRACE(folder.Folder);
    TbsCompressedStoredSkin skin;
    ASSERT_TRUE(skin.ImportSkinFolder(SkinsFolder() + QLatin1Char('/') + QLatin1String(folder.Folder) +
                                      QStringLiteral("/skin.ini")));
    EXPECT_EQ(skin.CompressedData(), resources::Load(QLatin1String(folder.Folder) + QStringLiteral(".skn")));
  }
}

namespace {
// The largest difference of a colour channel between two pictures of the
// same size.
int LargestChannelDifference(const QImage& a, const QImage& b) {
  const QImage x = a.convertToFormat(QImage::Format_RGB32), y = b.convertToFormat(QImage::Format_RGB32);
  int largest = 0;
  for (int row = 0; row < x.height(); ++row)
    for (int col = 0; col < x.width(); ++col) {
      const QRgb p = x.pixel(col, row), q = y.pixel(col, row);
      largest = std::max({largest, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                          std::abs(qBlue(p) - qBlue(q))});
    }
  return largest;
}
}  // namespace

// The skin maker (built beside this program) draws the committed folders
// again: every description to the byte, every picture at its size and depth
// with its colours. Antialiased edges may round a level or two apart on
// another processor, so the pictures are compared with that allowance.
TEST(SkinFolders, SkinMakerDrawsTheCommittedFolders) {
  const QString maker = QCoreApplication::applicationDirPath() + QStringLiteral("/skinmaker");
  if (!QFileInfo::exists(maker)) GTEST_SKIP() << "skinmaker is not built";
  QTemporaryDir out;
  ASSERT_TRUE(out.isValid());
  QProcess run;
  run.start(maker, {out.path()});
  ASSERT_TRUE(run.waitForFinished(120000));
  ASSERT_EQ(run.exitStatus(), QProcess::NormalExit);
  ASSERT_EQ(run.exitCode(), 0) << run.readAllStandardError().constData();
  for (const TFolder& folder : kFolders) {
    SCOPED_TRACE(folder.Folder);
    const QDir made(out.filePath(QLatin1String(folder.Folder)));
    const QDir committed(SkinsFolder() + QLatin1Char('/') + QLatin1String(folder.Folder));
    EXPECT_EQ(Read(made.filePath(QStringLiteral("skin.ini"))).toStdString(),
              Read(committed.filePath(QStringLiteral("skin.ini"))).toStdString());
    for (const TFile& f : folder.Files) {
      const QByteArray a = Read(made.filePath(QLatin1String(f.Name))), b = Read(committed.filePath(QLatin1String(f.Name)));
      ASSERT_FALSE(a.isEmpty()) << f.Name;
      EXPECT_EQ(ReadBmpInfo(a, 0).BitCount, ReadBmpInfo(b, 0).BitCount) << f.Name;
      qsizetype pa = 0, pb = 0;
      const QImage ia = ReadBmp(a, pa), ib = ReadBmp(b, pb);
      ASSERT_EQ(ia.size(), ib.size()) << f.Name;
      EXPECT_LE(LargestChannelDifference(ia, ib), 2) << f.Name;
    }
  }
}
