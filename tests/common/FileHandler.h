#pragma once
// The desktop's handler for files, standing in for the one a desktop has:
// while it lives, every file handed to the desktop is recorded instead of
// opened.
#include <QDesktopServices>
#include <QObject>
#include <QStringList>
#include <QUrl>

class FileHandler : public QObject {
  Q_OBJECT
public:
  FileHandler() { QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "Open"); }
  ~FileHandler() override { QDesktopServices::unsetUrlHandler(QStringLiteral("file")); }
  QStringList Opened;
public slots:
  void Open(const QUrl& url) { Opened << url.toLocalFile(); }
};
