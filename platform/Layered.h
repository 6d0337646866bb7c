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
// window back its own painting and opacity. On an X server without a
// compositor there is no translucency: the window simply appears or
// disappears.
#include <QImage>
#include <QPoint>
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

// The last picture pushed to the window, its flags and its origin: what the
// user sees of a layered window. They stay readable after the layered state
// is removed, until the window becomes layered again (a null image before the
// first push).
QImage LayeredFrame(const QWidget* window);
int LayeredFlags(const QWidget* window);
QPoint LayeredOrigin(const QWidget* window);
// How many pictures were pushed since the window became layered.
int LayeredUpdateCount(const QWidget* window);
// The layer widget itself (for tests), or null.
QWidget* LayerWidget(const QWidget* window);

}  // namespace platform
