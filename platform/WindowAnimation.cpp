// The window animation: a window shown or hidden over some milliseconds,
// sliding or rolling in from one edge (or out over it), or growing from its
// middle. Each frame is a layered picture of the whole window.
#include "platform/FrameTimer.h"
#include "platform/Layered.h"
#include "platform/Platform.h"
#include "platform/WindowSystem.h"

#include <QEventLoop>
#include <QPainter>
#include <QPointer>
#include <QWidget>
#include <algorithm>
#include <functional>

namespace platform {

namespace {
constexpr std::uint32_t kDirections = AW_HOR_POSITIVE | AW_HOR_NEGATIVE | AW_VER_POSITIVE | AW_VER_NEGATIVE;

// The same movement the other way round: a window hiding to the right looks
// like one showing to the left, played backwards.
std::uint32_t Reversed(std::uint32_t flags) {
  std::uint32_t out = flags & ~kDirections;
  if (flags & AW_HOR_POSITIVE) out |= AW_HOR_NEGATIVE;
  if (flags & AW_HOR_NEGATIVE) out |= AW_HOR_POSITIVE;
  if (flags & AW_VER_POSITIVE) out |= AW_VER_NEGATIVE;
  if (flags & AW_VER_NEGATIVE) out |= AW_VER_POSITIVE;
  return out;
}

// Along one axis of `extent` pixels, `seen` of them shown, moving towards
// the far end (positive) or the near one: the part that shows [from, to)
// and, for a slide, where the picture's start lies.
struct TSpan {
  int From, To, PictureAt;
};
TSpan Along(int extent, int seen, bool positive, bool negative, bool slide) {
  if (positive) return {0, seen, slide ? seen - extent : 0};
  if (negative) return {extent - seen, extent, slide ? extent - seen : 0};
  return {0, extent, 0};
}
}  // namespace

QImage WindowAnimationFrame(const QImage& picture, double shown, std::uint32_t flags) {
  QImage frame(picture.size(), QImage::Format_ARGB32_Premultiplied);
  frame.fill(Qt::transparent);
  const int w = picture.width(), h = picture.height();
  shown = std::clamp(shown, 0.0, 1.0);
  const int seenW = static_cast<int>(w * shown), seenH = static_cast<int>(h * shown);
  QRect shows;
  QPoint at(0, 0);
  if (flags & AW_CENTER) {
    // Grows from the middle; the picture stands still.
    shows = QRect((w - seenW) / 2, (h - seenH) / 2, seenW, seenH);
  } else {
    const bool slide = flags & AW_SLIDE;
    const TSpan x = Along(w, seenW, flags & AW_HOR_POSITIVE, flags & AW_HOR_NEGATIVE, slide);
    const TSpan y = Along(h, seenH, flags & AW_VER_POSITIVE, flags & AW_VER_NEGATIVE, slide);
    shows = QRect(QPoint(x.From, y.From), QPoint(x.To - 1, y.To - 1));
    at = QPoint(x.PictureAt, y.PictureAt);
  }
  if (shows.isEmpty()) return frame;
  QPainter p(&frame);
  p.setCompositionMode(QPainter::CompositionMode_Source);
  p.setClipRect(shows);
  p.drawImage(at, picture.format() == QImage::Format_ARGB32_Premultiplied
                      ? picture
                      : picture.convertToFormat(QImage::Format_ARGB32_Premultiplied));
  return frame;
}

bool AnimateWindow(QWidget* window, int ms, std::uint32_t flags) {
  if (!window) return false;
  const bool hiding = flags & AW_HIDE;
  if (!hiding && window->isVisible()) {
    // Already shown: the system does not animate a visible window.
    if (flags & AW_ACTIVATE) {
      window->raise();
      window->activateWindow();
    }
    return false;
  }
  if (hiding && !window->isVisible()) return false;
  if (!hiding) MakeNormalBeforeShowing(window);
  // Without a compositor, a window already on screen cannot show partly
  // transparent frames (nothing is known of what lies behind it).
  const bool animates = ((flags & (kDirections | AW_CENTER)) != 0) && ms > 0 && CanShowLayeredAlpha(window);
  if (!animates) {
    if (hiding) {
      window->hide();
    } else {
      window->show();
      if (flags & AW_ACTIVATE) {
        window->raise();
        window->activateWindow();
      }
    }
    return true;
  }

  // The whole window as it looks, in its own shape (nothing outside its mask).
  QImage picture(window->size(), QImage::Format_ARGB32_Premultiplied);
  picture.fill(Qt::transparent);
  window->render(&picture);
  const std::uint32_t moving = hiding ? Reversed(flags) : flags;
  const QPoint origin = window->geometry().topLeft();
  auto push = [&](double progress) {
    UpdateLayeredWindow(window, origin, WindowAnimationFrame(picture, hiding ? 1.0 - progress : progress, moving),
                        ULW_ALPHA);
  };
  SetLayered(window, true);
  push(0.0);
  if (!hiding) {
    window->show();
    if (flags & AW_ACTIVATE) {
      window->raise();
      window->activateWindow();
    }
  }

  // One frame for the time elapsed now, the next one when the screen can
  // show it, until the time is up.
  QPointer<QWidget> guard(window);
  QEventLoop loop;
  TFrameTimer timer(nullptr, window);
  bool done = false;
  bool closed = false;
  const std::uint32_t start = TickCount();
  std::function<void()> step = [&] {
    if (!guard) {
      done = true;
      loop.quit();
      return;
    }
    if (!hiding && !window->isVisible()) {
      // Closed while it came in: the close stands.
      closed = done = true;
      loop.quit();
      return;
    }
    const double progress = std::min(1.0, static_cast<std::uint32_t>(TickCount() - start) / double(ms));
    push(progress);
    if (progress >= 1.0) {
      done = true;
      loop.quit();
      return;
    }
    timer.Start(1, step);
  };
  step();
  if (!done) loop.exec();  // also left when the program ends meanwhile
  timer.Stop();
  if (!guard) return false;
  if (closed) {
    SetLayered(window, false);
    return false;
  }
  // Hidden before its own painting returns, so that it does not flash.
  if (hiding) window->hide();
  SetLayered(window, false);
  return true;
}

}  // namespace platform
