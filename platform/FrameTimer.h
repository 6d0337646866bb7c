#pragma once
// A one-shot timer for animation frames.
//
// An animation asks for its next frame "as soon as possible" (an interval of
// a millisecond or so). Firing that fast would only redraw pictures that no
// screen can show, so frame timers are paced: a frame timer never fires
// sooner than one refresh period of the screen (QScreen::refreshRate, 60 Hz
// when unknown) after the previous frame timer of the program fired. Longer
// intervals are kept as asked.
#include <QObject>
#include <QPointer>
#include <QWidget>
#include <chrono>
#include <functional>

namespace platform {

class TFrameTimer : public QObject {
  Q_OBJECT
public:
  // `screenOf` chooses the screen whose refresh rate paces the timer (the
  // primary screen when null).
  explicit TFrameTimer(QObject* owner = nullptr, QWidget* screenOf = nullptr);
  ~TFrameTimer() override;

  // Arms the timer: `handler` runs once, `intervalMs` (at least) from now and
  // no sooner than the pacing allows. Re-arming replaces a pending shot.
  void Start(int intervalMs, std::function<void()> handler);
  void Stop();
  bool Active() const { return FTimerId != 0; }

  // Milliseconds the next Start(intervalMs) would wait right now.
  int DelayFor(int intervalMs) const;

  // The refresh period used for pacing, in milliseconds (never below 1).
  double FramePeriodMs() const;

protected:
  void timerEvent(QTimerEvent* event) override;

private:
  QPointer<QWidget> FScreenOf;
  std::function<void()> FHandler;
  int FTimerId = 0;
};

// Time of the last frame fired by any frame timer; forgetting it lets the next
// one fire at once (tests).
void ResetFramePacing();

}  // namespace platform
