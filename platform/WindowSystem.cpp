#include "platform/WindowSystem.h"

#include <QByteArray>
#include <QGuiApplication>
#include <QtGui/qguiapplication_platform.h>
#include <QWidget>

#include <xcb/xcb.h>

#include <cstdlib>
#include <memory>
#include <utility>
#include <vector>

namespace platform {

namespace {

std::function<bool()> gCompositorQuery;

xcb_connection_t* X11Connection() {
  if (!qGuiApp) return nullptr;
  const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
  return x11 ? x11->connection() : nullptr;
}

// xcb replies are malloc'ed.
template <class T>
using TReply = std::unique_ptr<T, decltype(&std::free)>;
template <class T>
TReply<T> Reply(T* reply) {
  return TReply<T>(reply, &std::free);
}

xcb_atom_t Atom(xcb_connection_t* c, const QByteArray& name, bool onlyIfExists) {
  const auto reply = Reply(xcb_intern_atom_reply(
      c, xcb_intern_atom(c, onlyIfExists, static_cast<std::uint16_t>(name.size()), name.constData()), nullptr));
  return reply ? reply->atom : static_cast<xcb_atom_t>(XCB_ATOM_NONE);
}

// The number of the screen the display name ($DISPLAY) chooses.
int DefaultScreenNumber() {
  char* host = nullptr;
  int display = 0, screen = 0;
  if (!xcb_parse_display(nullptr, &host, &display, &screen)) return 0;
  std::free(host);
  return screen;
}

bool X11CompositorRunning(xcb_connection_t* c) {
  const xcb_atom_t selection = Atom(c, "_NET_WM_CM_S" + QByteArray::number(DefaultScreenNumber()), true);
  // An atom nobody ever made has no owner either.
  if (selection == XCB_ATOM_NONE) return false;
  const auto owner = Reply(xcb_get_selection_owner_reply(c, xcb_get_selection_owner(c, selection), nullptr));
  return owner && owner->owner != XCB_WINDOW_NONE;
}

// The 32-bit items of a window property (empty when it is missing).
std::vector<std::uint32_t> Property32(xcb_connection_t* c, xcb_window_t w, xcb_atom_t property, xcb_atom_t type) {
  const auto reply =
      Reply(xcb_get_property_reply(c, xcb_get_property(c, 0, w, property, type, 0, 1024), nullptr));
  if (!reply || reply->format != 32) return {};
  const auto* data = static_cast<const std::uint32_t*>(xcb_get_property_value(reply.get()));
  return std::vector<std::uint32_t>(data, data + xcb_get_property_value_length(reply.get()) / 4);
}

void SetProperty32(xcb_connection_t* c, xcb_window_t w, xcb_atom_t property, xcb_atom_t type,
                   const std::vector<std::uint32_t>& items) {
  xcb_change_property(c, XCB_PROP_MODE_REPLACE, w, property, type, 32, static_cast<std::uint32_t>(items.size()),
                      items.data());
}

}  // namespace

bool CompositorRunning() {
  if (gCompositorQuery) return gCompositorQuery();
  xcb_connection_t* c = X11Connection();
  return c ? X11CompositorRunning(c) : true;
}

void SetCompositorQuery(std::function<bool()> query) { gCompositorQuery = std::move(query); }

void MakeNormalBeforeShowing(QWidget* window) {
  if (!window || !window->isWindow() || window->isVisible()) return;
  if (window->windowState() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen)) {
    const QRect normal = window->normalGeometry();
    window->setWindowState(Qt::WindowNoState);
    if (normal.isValid()) window->resize(normal.size());
  }
  // A window that never had a native window has nothing more to forget.
  xcb_connection_t* c = X11Connection();
  if (!c || !window->testAttribute(Qt::WA_WState_Created)) return;
  const auto w = static_cast<xcb_window_t>(window->winId());

  // WM_HINTS: flags, input, initial state, ... (ICCCM 4.1.2.4).
  constexpr std::uint32_t kStateHint = 1u << 1;
  constexpr std::uint32_t kNormalState = 1, kIconicState = 3;
  std::vector<std::uint32_t> hints = Property32(c, w, XCB_ATOM_WM_HINTS, XCB_ATOM_WM_HINTS);
  if (hints.size() >= 3 && (hints[0] & kStateHint) && hints[2] == kIconicState) {
    hints[2] = kNormalState;
    SetProperty32(c, w, XCB_ATOM_WM_HINTS, XCB_ATOM_WM_HINTS, hints);
  }

  // _NET_WM_STATE of a window not mapped yet is the state it asks to be
  // mapped in.
  const xcb_atom_t netState = Atom(c, "_NET_WM_STATE", true);
  const xcb_atom_t hidden = Atom(c, "_NET_WM_STATE_HIDDEN", true);
  if (netState != XCB_ATOM_NONE && hidden != XCB_ATOM_NONE) {
    std::vector<std::uint32_t> states = Property32(c, w, netState, XCB_ATOM_ATOM);
    if (std::erase(states, hidden) > 0) SetProperty32(c, w, netState, XCB_ATOM_ATOM, states);
  }
  xcb_flush(c);
}

namespace {
// The screen an area is read from, when its pixels can be taken as they come
// (32 bits a pixel, blue first in memory: the layout of Format_RGB32) and the
// area lies wholly on it.
const xcb_screen_t* ReadableScreen(xcb_connection_t* c, const QRect& area) {
  const xcb_setup_t* setup = xcb_get_setup(c);
  xcb_screen_iterator_t it = xcb_setup_roots_iterator(setup);
  for (int i = DefaultScreenNumber(); i > 0 && it.rem; --i) xcb_screen_next(&it);
  if (!it.rem) return nullptr;
  const xcb_screen_t* screen = it.data;
  if (area.left() < 0 || area.top() < 0 || area.right() >= screen->width_in_pixels ||
      area.bottom() >= screen->height_in_pixels)
    return nullptr;
  bool rgb32 = false;
  const xcb_format_t* formats = xcb_setup_pixmap_formats(setup);
  for (int i = 0; i < xcb_setup_pixmap_formats_length(setup); ++i)
    if (formats[i].depth == screen->root_depth) rgb32 = formats[i].bits_per_pixel == 32;
  const bool hostLsb = Q_BYTE_ORDER == Q_LITTLE_ENDIAN;
  if (!rgb32 || (screen->root_depth != 24 && screen->root_depth != 32) ||
      (setup->image_byte_order == XCB_IMAGE_ORDER_LSB_FIRST) != hostLsb)
    return nullptr;
  return screen;
}
}  // namespace

TScreenAreaReading::TScreenAreaReading(const QRect& area) : FArea(area) {
  xcb_connection_t* c = X11Connection();
  if (!c || area.isEmpty()) return;
  const xcb_screen_t* screen = ReadableScreen(c, area);
  if (!screen) return;
  FSequence = xcb_get_image(c, XCB_IMAGE_FORMAT_Z_PIXMAP, screen->root, std::int16_t(area.x()), std::int16_t(area.y()),
                            std::uint16_t(area.width()), std::uint16_t(area.height()), ~0u)
                  .sequence;
  xcb_flush(c);  // on its way now, not with the next request
  FConnection = c;
}

TScreenAreaReading::~TScreenAreaReading() {
  if (FConnection) xcb_discard_reply(static_cast<xcb_connection_t*>(FConnection), FSequence);
}

QImage TScreenAreaReading::Take() {
  auto* c = static_cast<xcb_connection_t*>(std::exchange(FConnection, nullptr));
  if (!c) return {};
  xcb_get_image_reply_t* reply = xcb_get_image_reply(c, xcb_get_image_cookie_t{FSequence}, nullptr);
  if (!reply) return {};
  const qsizetype bytesPerLine = qsizetype(FArea.width()) * 4;
  if (qsizetype(xcb_get_image_data_length(reply)) != bytesPerLine * FArea.height()) {
    std::free(reply);
    return {};
  }
  // The picture lives in the reply's memory, which goes with the picture.
  auto* pixels = reinterpret_cast<std::uint32_t*>(xcb_get_image_data(reply));
  const qsizetype count = qsizetype(FArea.width()) * FArea.height();
  for (qsizetype i = 0; i < count; ++i) pixels[i] |= 0xFF000000u;  // the unused byte, as RGB32 has it
  return QImage(reinterpret_cast<uchar*>(pixels), FArea.width(), FArea.height(), bytesPerLine, QImage::Format_RGB32,
                [](void* r) { std::free(r); }, reply);
}

QImage GrabScreenArea(const QRect& area) { return TScreenAreaReading(area).Take(); }

}  // namespace platform
