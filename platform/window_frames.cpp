#include "platform/window_frames.h"

#include <xcb/xcb.h>

#include <QGuiApplication>
#include <QWidget>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <optional>

namespace blivo {

namespace {

xcb_connection_t* X11Connection() {
  auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
  return x11 ? x11->connection() : nullptr;
}

xcb_atom_t Atom(xcb_connection_t* c, const char* name) {
  xcb_intern_atom_reply_t* reply =
      xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, static_cast<std::uint16_t>(std::strlen(name)), name), nullptr);
  const xcb_atom_t atom = reply ? reply->atom : XCB_ATOM_NONE;
  std::free(reply);
  return atom;
}

xcb_window_t Root(xcb_connection_t* c) {
  const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
  return screen ? screen->root : XCB_WINDOW_NONE;
}

// _NET_FRAME_EXTENTS: left, right, top, bottom.
std::optional<QMargins> ReportedExtents(xcb_connection_t* c, xcb_window_t window, xcb_atom_t extents) {
  xcb_get_property_reply_t* reply =
      xcb_get_property_reply(c, xcb_get_property(c, 0, window, extents, XCB_ATOM_CARDINAL, 0, 4), nullptr);
  std::optional<QMargins> result;
  if (reply && reply->type == XCB_ATOM_CARDINAL && reply->format == 32 && xcb_get_property_value_length(reply) == 16) {
    const auto* v = static_cast<const std::uint32_t*>(xcb_get_property_value(reply));
    result = QMargins(static_cast<int>(v[0]), static_cast<int>(v[2]), static_cast<int>(v[1]), static_cast<int>(v[3]));
  }
  std::free(reply);
  return result;
}

bool WindowManagerRunning(xcb_connection_t* c) {
  const xcb_atom_t check = Atom(c, "_NET_SUPPORTING_WM_CHECK");
  xcb_get_property_reply_t* reply =
      xcb_get_property_reply(c, xcb_get_property(c, 0, Root(c), check, XCB_ATOM_WINDOW, 0, 1), nullptr);
  const bool running = reply && reply->type == XCB_ATOM_WINDOW && xcb_get_property_value_length(reply) == 4;
  std::free(reply);
  return running;
}

// Only what the window manager says on its own: asking it ahead of the
// showing (_NET_REQUEST_FRAME_EXTENTS) makes some window managers send the
// window a made-up position as well, which the toolkit then takes as real.
std::optional<QMargins> X11FrameExtents(xcb_connection_t* c, QWidget& window) {
  const std::optional<QMargins> device =
      ReportedExtents(c, static_cast<xcb_window_t>(window.winId()), Atom(c, "_NET_FRAME_EXTENTS"));
  if (!device) return WindowManagerRunning(c) ? std::nullopt : std::optional<QMargins>(QMargins());
  // The window manager counts device pixels; the game lays out in its own.
  const qreal ratio = window.devicePixelRatioF();
  auto logical = [ratio](int v) { return static_cast<int>(std::lround(v / ratio)); };
  return QMargins(logical(device->left()), logical(device->top()), logical(device->right()), logical(device->bottom()));
}

}  // namespace

bool WindowPositionsApply() { return QGuiApplication::platformName() != QLatin1String("wayland"); }

std::optional<QMargins> FrameExtents(QWidget& window) {
  if (xcb_connection_t* c = X11Connection()) return X11FrameExtents(c, window);
  if (!WindowPositionsApply()) return QMargins();
  const QRect outer = window.frameGeometry(), inner = window.geometry();
  return QMargins(inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
                  outer.bottom() - inner.bottom());
}

}  // namespace blivo
