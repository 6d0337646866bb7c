#include "platform/FrameTimer.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTimerEvent>
#include <algorithm>
#include <cmath>

namespace platform {

namespace {
using Clock = std::chrono::steady_clock;
Clock::time_point gLastFrame{};
bool gHaveLastFrame = false;
}  // namespace

void ResetFramePacing() { gHaveLastFrame = false; }

TFrameTimer::TFrameTimer(QObject* owner, QWidget* screenOf) : QObject(owner), FScreenOf(screenOf) {}

TFrameTimer::~TFrameTimer() { Stop(); }

double TFrameTimer::FramePeriodMs() const {
  QScreen* screen = FScreenOf ? FScreenOf->screen() : nullptr;
  if (!screen) screen = QGuiApplication::primaryScreen();
  double rate = screen ? screen->refreshRate() : 0.0;
  if (!(rate > 1.0)) rate = 60.0;
  return std::max(1.0, 1000.0 / rate);
}

int TFrameTimer::DelayFor(int intervalMs) const {
  double delay = std::max(0, intervalMs);
  if (gHaveLastFrame) {
    const double since =
        std::chrono::duration<double, std::milli>(Clock::now() - gLastFrame).count();
    delay = std::max(delay, FramePeriodMs() - since);
  }
  return static_cast<int>(std::ceil(std::max(0.0, delay)));
}

void TFrameTimer::Start(int intervalMs, std::function<void()> handler) {
  Stop();
  FHandler = std::move(handler);
  FTimerId = startTimer(DelayFor(intervalMs), Qt::PreciseTimer);
}

void TFrameTimer::Stop() {
  if (FTimerId) killTimer(FTimerId);
  FTimerId = 0;
}

void TFrameTimer::timerEvent(QTimerEvent* event) {
  if (event->timerId() != FTimerId) {
    QObject::timerEvent(event);
    return;
  }
  Stop();
  gLastFrame = Clock::now();
  gHaveLastFrame = true;
  // The handler may re-arm this timer or destroy its owner: run a copy.
  auto handler = FHandler;
  if (handler) handler();
}

}  // namespace platform
