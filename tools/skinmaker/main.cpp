// skinmaker: draws our three skins into their source folders
// (resources/skins/<name>/: the description "skin.ini" and its BMP files).
// Two brushed-metal skins, "iMetal" and "iMetal2", and a dark technical one,
// "CyberObject". Every picture has the size and depth the windows' layouts
// are built around; the description's rectangles point into these pictures.
//
//   skinmaker <resources/skins folder> [preview folder]
//
// The preview folder receives PNG files for the eye: each picture, and a
// window composed from the skin as the program composes it.
#include "skin/SkinBmp.h"
#include "tools/skinmaker/SkinDescription.h"
#include "tools/skinmaker/SkinPictures.h"
#include "tools/skinmaker/SkinPreview.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <cstdio>

namespace {
// The picture in the form its file depth takes: 24 bits as drawn, fewer
// bits reduced to a palette.
QImage Encodable(const QImage& image, int bits) { return bits == 24 ? image : art::ToPalette(image, 1 << bits); }

bool WriteFile(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size()) {
    std::fprintf(stderr, "skinmaker: cannot write %s\n", qPrintable(path));
    return false;
  }
  return true;
}

bool SavePreview(const QImage& image, const QString& folder, const TSkin& s, const QString& name) {
  const QString path = folder + QLatin1Char('/') + s.Name + QLatin1Char('-') + name + QStringLiteral(".png");
  if (image.save(path)) return true;
  std::fprintf(stderr, "skinmaker: cannot write %s\n", qPrintable(path));
  return false;
}

bool WritePreviews(const TSkin& s, const QImage& main, const QImage& mask, const QString& folder) {
  bool ok = SavePreview(main, folder, s, QStringLiteral("main"));
  ok = SavePreview(PreviewWindow(s, main, mask, QSize(420, 200)), folder, s, QStringLiteral("window")) && ok;
  for (const TPicture& pic : s.Active)
    ok = SavePreview(Encodable(pic.Image, pic.Bits), folder, s, QFileInfo(pic.File).completeBaseName()) && ok;
  return ok;
}

bool MakeSkin(TSkin s, const QString& root, const QString& preview) {
  DrawPictures(s);
  const QString folder = root + QLatin1Char('/') + s.Name;
  if (!QDir().mkpath(folder)) {
    std::fprintf(stderr, "skinmaker: cannot make the folder %s\n", qPrintable(folder));
    return false;
  }
  const QImage main = DrawMain(s), mask = DrawMainMask(s);
  bool ok = WriteFile(folder + QStringLiteral("/main.bmp"), WriteBmp(main, 24));
  ok = ok && WriteFile(folder + QStringLiteral("/mask.bmp"), WriteBmp(mask, s.MaskBits));
  for (const TPicture& pic : s.Active)
    ok = ok && WriteFile(folder + QLatin1Char('/') + pic.File, WriteBmp(Encodable(pic.Image, pic.Bits), pic.Bits));
  ok = ok && WriteFile(folder + QStringLiteral("/skin.ini"), DescriptionFile(s));
  if (ok && !preview.isEmpty()) ok = WritePreviews(s, main, mask, preview);
  return ok;
}
}  // namespace

int main(int argc, char** argv) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  if (argc < 2) {
    std::fprintf(stderr, "usage: skinmaker <skins folder> [preview folder]\n");
    return 2;
  }
  const QString root = QString::fromLocal8Bit(argv[1]);
  const QString preview = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString();
  bool ok = true;
  for (const TSkin& skin : OurSkins()) ok = MakeSkin(skin, root, preview) && ok;
  return ok ? 0 : 1;
}
