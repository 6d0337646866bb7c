#pragma once
// Answers the program's notices during a test. While a recorder is alive,
// every message window shown modally is recorded (text, caption, buttons) and
// answered by pressing its default button, or the button a test asks for.
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

class TbsMessageForm;

class NoticeRecorder {
public:
  struct Notice {
    QString Text;            // as the caller passed it
    QString Caption;         // the window's caption
    QStringList Buttons;     // button captions, left to right
    QString DefaultButton;   // caption of the default button, or empty
    int Result = 0;          // the result code the dialog was answered with
  };

  NoticeRecorder();
  ~NoticeRecorder();
  NoticeRecorder(const NoticeRecorder&) = delete;
  NoticeRecorder& operator=(const NoticeRecorder&) = delete;

  QStringList Texts() const;
  const QList<Notice>& Notices() const { return FNotices; }
  int Count() const { return FNotices.size(); }
  void Clear() { FNotices.clear(); }

  // Runs with each dialog before it is answered (to measure or inspect it).
  std::function<void(TbsMessageForm*)> OnShown;
  // Result code of the button to press; 0 presses the default button. A
  // dialog without such a button is closed as by its frame (result 2).
  int Answer = 0;
  // When false the dialog is left open: OnShown must arrange its answer
  // (for example by posting keys to it).
  bool AutoAnswer = true;

private:
  void Handle(TbsMessageForm* form);
  QList<Notice> FNotices;
  std::function<void(TbsMessageForm*)> FPrevious;
};
