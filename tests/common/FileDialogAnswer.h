#pragma once
// Answers the next open-file dialog of a test as a user would: confirms the
// given file, or cancels when the name is empty. An inspector may look at the
// dialog first.
#include <QPointer>
#include <QString>
#include <QTimer>
#include <functional>

class QFileDialog;

class FileDialogAnswer {
public:
  explicit FileDialogAnswer(QString file, std::function<void(QFileDialog*)> inspect = {});
  bool Answered() const { return FAnswered; }

private:
  void Poll();
  QString FFile;
  std::function<void(QFileDialog*)> FInspect;
  QTimer FTimer;
  bool FAnswered = false;
  int FWaited = 0;
};
