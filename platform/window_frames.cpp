#include "platform/window_frames.h"

#include <xcb/xcb.h>

#include <QGuiApplication>
#include <QWidget>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <thread>

namespace blivo {

namespace {

// How long a window manager may take to say what frame a window will get.
constexpr auto kFrameAnswerWait = std::chrono::milliseconds(250);

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

void AskForExtents(xcb_connection_t* c, xcb_window_t window) {
  xcb_client_message_event_t ask{};
  ask.response_type = XCB_CLIENT_MESSAGE;
  ask.format = 32;
  ask.window = window;
  ask.type = Atom(c, "_NET_REQUEST_FRAME_EXTENTS");
  xcb_send_event(c, 0, Root(c), XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                 reinterpret_cast<const char*>(&ask));
  xcb_flush(c);
}

QMargins X11FrameExtents(xcb_connection_t* c, QWidget& window) {
  const auto id = static_cast<xcb_window_t>(window.winId());
  const xcb_atom_t extents = Atom(c, "_NET_FRAME_EXTENTS");
  std::optional<QMargins> device = ReportedExtents(c, id, extents);
  if (!device && WindowManagerRunning(c)) {
    AskForExtents(c, id);
    const auto until = std::chrono::steady_clock::now() + kFrameAnswerWait;
    while (!device && std::chrono::steady_clock::now() < until) {
      std::this_thread::sleep_for(std::chrono::milliseconds(2));
      device = ReportedExtents(c, id, extents);
    }
  }
  if (!device) return {};
  // The window manager counts device pixels; the game lays out in its own.
  const qreal ratio = window.devicePixelRatioF();
  auto logical = [ratio](int v) { return static_cast<int>(std::lround(v / ratio)); };
  return {logical(device->left()), logical(device->top()), logical(device->right()), logical(device->bottom())};
}

}  // namespace

bool WindowPositionsApply() { return QGuiApplication::platformName() != QLatin1String("wayland"); }

QMargins FrameExtents(QWidget& window) {
  if (xcb_connection_t* c = X11Connection()) return X11FrameExtents(c, window);
  if (!WindowPositionsApply()) return {};
  const QRect outer = window.frameGeometry(), inner = window.geometry();
  return {inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
          outer.bottom() - inner.bottom()};
}

}  // namespace blivo
