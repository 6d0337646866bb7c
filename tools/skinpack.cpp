// skinpack: packs a skin folder (its description file and the bitmap files
// it names) into the compressed stream that a window's stored skin carries.
//
//   skinpack <folder>/skin.ini <output stream>
#include "platform/Exceptions.h"
#include "skin/StoredSkin.h"

#include <QCoreApplication>
#include <QFile>
#include <cstdio>

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  if (argc != 3) {
    std::fprintf(stderr, "usage: skinpack <description file> <output>\n");
    return 2;
  }
  const QString description = QString::fromLocal8Bit(argv[1]);
  const QString output = QString::fromLocal8Bit(argv[2]);
  TbsCompressedStoredSkin skin;
  try {
    if (!skin.ImportSkinFolder(description)) {
      std::fprintf(stderr, "skinpack: %s lacks one of the sections VERSION, PICTURES, FORMINFO, "
                           "SKINOBJECTS, SKINCONTROLS\n", argv[1]);
      return 1;
    }
  } catch (const Exception& e) {
    std::fprintf(stderr, "skinpack: %s\n", e.what());
    return 1;
  }
  QFile out(output);
  if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
      out.write(skin.CompressedData()) != skin.CompressedData().size()) {
    std::fprintf(stderr, "skinpack: cannot write %s\n", argv[2]);
    return 1;
  }
  return 0;
}
