// Writes the manual page to the file named by the only argument.
#include "cli/ManPage.h"

#include <QCoreApplication>
#include <QFile>

#include <cstdio>

int main(int argc, char** argv) {
  const QCoreApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: momenty_manpage <file>\n");
    return 2;
  }
  QFile file(QString::fromLocal8Bit(argv[1]));
  const QByteArray page = cli::ManPage().toUtf8();
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(page) != page.size() || !file.flush()) {
    std::fprintf(stderr, "momenty_manpage: cannot write %s\n", argv[1]);
    return 1;
  }
  return 0;
}
