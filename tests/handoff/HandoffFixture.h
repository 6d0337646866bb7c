#pragma once
// A fresh run of the hand-off for each test: a temporary program folder,
// nothing chosen or read yet, launches recorded instead of made, notices and
// error displays recorded instead of shown.
#include "handoff/Handoff.h"
#include "platform/Dialogs.h"
#include "platform/Shell.h"
#include "skin/SkinMessage.h"
#include "tests/common/Notices.h"

#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

class HandoffTest : public ::testing::Test {
protected:
  void SetUp() override;
  void TearDown() override;

  // The path button of a window whose dialog is answered with `file` (an
  // empty name cancels), run as a click handler: errors reach Errors.
  void PressPathButton(TOpenDialog* dialog, const QString& file);
  void PressLaunchButton();

  // A file in the program folder (or below it), created with its folders.
  QString MakeFile(const QString& relative, const QByteArray& content, bool executable);
  QString SettingsFile() const;
  QByteArray SettingsBytes() const;
  void PutSettings(const QByteArray& bytes);

  // The window's dialog as the bolt and nut windows set it up.
  std::unique_ptr<TOpenDialog> WindowDialog();

  QTemporaryDir Folder;
  QString Program;  // the program folder, with its trailing "/"
  std::unique_ptr<TbsSkinMessage> Message;
  std::unique_ptr<NoticeRecorder> Notices;
  QStringList Started;
  QStringList Errors;
};

// Line breaks inside notice texts.
inline QString CR() { return QString(QChar(13)); }
