#pragma once
// Window messages between components, carried as one custom event type that
// holds the message number and its two parameters. Sent synchronously with
// QCoreApplication::sendEvent.
#include <QEvent>
#include <QObject>

// Skin notices (numbers as the skin components use them).
constexpr int WM_SKINCHANGING = 1225;  // skin about to change
constexpr int WM_SKINCHANGED = 1226;   // skin changed
constexpr int WM_SKINCHANGEDONE = 1227; // change finished
constexpr int WM_RESOURCESTRCHANGED = 1274;

class TMessageEvent : public QEvent {
public:
  static QEvent::Type EventType();
  TMessageEvent(int msg, QObject* wparam, long lparam)
      : QEvent(EventType()), Msg(msg), WParam(wparam), LParam(lparam) {}
  int Msg;
  QObject* WParam;
  long LParam;
};
