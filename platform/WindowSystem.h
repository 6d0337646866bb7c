#pragma once
// What the window system keeps about our windows beyond Qt's own state. On
// X11 these are properties of the screen and of the native windows; other
// platforms keep nothing of the kind.
#include <QImage>
#include <QRect>

#include <functional>

class QWidget;

namespace platform {

// Whether a compositing manager runs, so that the screen shows windows with
// per-pixel alpha. On X11 it owns the selection _NET_WM_CM_S<screen>; other
// platforms always compose (Wayland) or have no screen to show on
// (offscreen). Asked anew each time: a compositor may start or stop while
// the program runs.
bool CompositorRunning();
// Tests decide the answer; an empty function asks the window system again.
void SetCompositorQuery(std::function<bool()> query);

// Makes a hidden window normal before it is shown, whatever state it was
// hidden in: Qt's own state (minimised, maximised, full screen) and what the
// window system may still hold of an earlier minimising that Qt no longer
// knows of. On X11 a window that was minimised keeps the iconic initial state
// in its WM_HINTS (and may keep _NET_WM_STATE_HIDDEN) after the window
// manager has restored it; mapped with them, it would come back minimised.
void MakeNormalBeforeShowing(QWidget* window);

// What the screen shows in `area` (in desktop coordinates), read
// straight from the X server into the picture's memory, as Format_RGB32. A
// null image when it cannot be read so (no X11 display, a screen format other
// than 32 bits per pixel in the machine's byte order, an area not wholly on
// the desktop): the caller then asks Qt.
QImage GrabScreenArea(const QRect& area);

// The same reading asked for now and taken later: meanwhile the X server
// copies the pixels and the program goes on with its work. A reading never
// taken is let go when this goes.
class TScreenAreaReading {
public:
  explicit TScreenAreaReading(const QRect& area);
  ~TScreenAreaReading();
  TScreenAreaReading(const TScreenAreaReading&) = delete;
  TScreenAreaReading& operator=(const TScreenAreaReading&) = delete;

  const QRect& Area() const { return FArea; }
  // The picture as GrabScreenArea gives it, waited for if need be; once.
  QImage Take();

private:
  QRect FArea;
  void* FConnection = nullptr;  // the X connection, while a reading is on its way
  unsigned FSequence = 0;
};

}  // namespace platform
