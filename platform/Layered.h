#pragma once
// Layered windows: a window whose look is a pushed 32-bit picture with a
// per-pixel alpha, instead of what the window paints itself.
//
// On Qt a real window cannot switch to a translucent surface once it exists,
// so the layered look is a separate translucent top-level (the "layer") placed
// over the window's screen rectangle. While the window is layered and has been
// given a frame, the layer is what the user sees: the window itself is made
// fully transparent, and the layer follows its visibility (shown with it,
// hidden with it). Removing the layered state closes the layer and gives the
// window back its own painting and opacity.
//
// Without a compositing manager the screen shows no per-pixel alpha. The
// picture is then shown opaque by the window itself: blended over a copy of
// the screen behind the window, taken just before the window is shown, with
// its fully transparent pixels cut out of the window's shape so that the
// desktop shows through them as it is. A window that is already on screen
// has no such copy.
#include <QImage>
#include <QPoint>
#include <QRegion>
#include <cstdint>

class QWidget;

namespace platform {

// Extended window style bit of a layered window.
constexpr std::uint32_t WS_EX_LAYERED = 0x00080000;
// Update flags.
constexpr int ULW_COLORKEY = 1;  // not supported: no colour keys here
constexpr int ULW_ALPHA = 2;     // the picture's alpha bytes give each pixel's opacity
constexpr int ULW_OPAQUE = 4;    // the picture is shown as it is, fully opaque

// Adds or removes the layered state. Removing it closes the layer.
void SetLayered(QWidget* window, bool layered);
bool IsLayered(const QWidget* window);

// Pushes a new look for a layered window: `image` (32 bits per pixel, bytes
// B, G, R, A; colours premultiplied by alpha for ULW_ALPHA) placed with its
// top-left corner at screen point `origin`. The picture is copied. Returns
// false (and does nothing) when the window is null or not layered, the
// picture is not 32-bit, or the flags name neither ULW_ALPHA nor ULW_OPAQUE.
bool UpdateLayeredWindow(QWidget* window, const QPoint& origin, const QImage& image, int flags);
// The same, told where the picture may differ from the one pushed before it
// (at the same origin, with the same flags): elsewhere it is the same, and
// what the window shows there stands as it is.
bool UpdateLayeredWindow(QWidget* window, const QPoint& origin, const QImage& image, int flags,
                         const QRegion& differs);

// The last picture pushed to the window, its flags and its origin: what the
// user sees of a layered window. They stay readable after the layered state
// is removed, until the window becomes layered again (a null image before the
// first push).
QImage LayeredFrame(const QWidget* window);
int LayeredFlags(const QWidget* window);
QPoint LayeredOrigin(const QWidget* window);
// How many pictures were pushed since the window became layered.
int LayeredUpdateCount(const QWidget* window);
// The layer widget itself (for tests), or null: the translucent top-level,
// or without a compositor the child of the window that shows the picture.
QWidget* LayerWidget(const QWidget* window);

// Whether a layered window's partly transparent pictures can be shown as they
// are: always with a compositor; without one only for a window not on screen
// yet (the copy of what is behind it is taken when it is shown).
bool CanShowLayeredAlpha(const QWidget* window);

// A picture as a screen without per-pixel alpha shows it: opaque colours and
// the shape of the pixels that are seen. With ULW_ALPHA each premultiplied
// pixel is blended over `backdrop` (what is behind, the picture's size) and
// pixels of alpha 0 are left out of the shape; without a backdrop a pixel
// shows the window's own colour, unpremultiplied. With ULW_OPAQUE the colours
// are taken as they are and every pixel is seen.
struct TOpaqueFrame {
  QImage Image;  // Format_RGB32
  QRegion Shape;
  // The rows that may differ from what the picture held before: every row
  // blended pixel by pixel (but for one blended from the same pixels last
  // time, see below), every other row only when it differs, and all of it
  // when the picture is new.
  QRegion Changed;
};
TOpaqueFrame ComposeOpaque(const QImage& frame, int flags, const QImage& backdrop);
// The same into `out`, whose picture's memory is used again when it has the
// size and no one else holds it; a row copied whole (all seen or none) that
// comes out as it was is not written again. `previous`, when given, is the
// picture `out` was composed from last, with the same flags and backdrop: a
// row the same in both comes out as it was and is not composed again; with
// `differs` as well, the rows outside it are known to be the same and are
// not even read.
void ComposeOpaque(const QImage& frame, int flags, const QImage& backdrop, TOpaqueFrame& out,
                   const QImage& previous = QImage(), const QRegion* differs = nullptr);

}  // namespace platform
