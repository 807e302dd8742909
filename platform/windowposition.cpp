#include "platform/windowposition.h"

#include "platform/x11connection.h"

#include <QAbstractNativeEventFilter>
#include <QPointer>
#include <QWidget>
#include <QWindow>
#include <cstdlib>
#include <memory>

namespace platform {

namespace {

// The window-system events after which the window may stand elsewhere than Qt believes.
bool MayHaveMoved(const xcb_generic_event_t& event, xcb_window_t window)
{
    switch (event.response_type & 0x7f) {
    case XCB_MAP_NOTIFY:
        return reinterpret_cast<const xcb_map_notify_event_t&>(event).window == window;
    case XCB_REPARENT_NOTIFY:
        return reinterpret_cast<const xcb_reparent_notify_event_t&>(event).window == window;
    case XCB_CONFIGURE_NOTIFY:
        return reinterpret_cast<const xcb_configure_notify_event_t&>(event).window == window;
    case XCB_EXPOSE:
        return reinterpret_cast<const xcb_expose_event_t&>(event).window == window;
    default:
        return false;
    }
}

class PositionFollower : public QObject, public QAbstractNativeEventFilter {
public:
    explicit PositionFollower(QWidget& window) : QObject(&window), window(&window)
    {
        qApp->installNativeEventFilter(this);
    }
    ~PositionFollower() override { qApp->removeNativeEventFilter(this); }

    bool nativeEventFilter(const QByteArray& type, void* message, qintptr*) override
    {
        if (type != "xcb_generic_event_t" || !window || !window->testAttribute(Qt::WA_WState_Created))
            return false;
        if (MayHaveMoved(*static_cast<const xcb_generic_event_t*>(message), xcb_window_t(window->winId())))
            // After Qt has handled the same event, which may set a stale position.
            QMetaObject::invokeMethod(this, [this] {
                if (window)
                    CorrectPosition(*window);
            }, Qt::QueuedConnection);
        return false;
    }

private:
    QPointer<QWidget> window;
};

} // namespace

std::optional<QPoint> ShownPosition(const QWidget& window)
{
    xcb_connection_t* connection = X11Connection();
    const QWindow* handle = window.windowHandle();
    if (!connection || !handle || !window.testAttribute(Qt::WA_WState_Created))
        return std::nullopt;
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    const xcb_translate_coordinates_cookie_t cookie =
        xcb_translate_coordinates(connection, xcb_window_t(window.winId()), screen->root, 0, 0);
    std::unique_ptr<xcb_translate_coordinates_reply_t, decltype(&std::free)> reply(
        xcb_translate_coordinates_reply(connection, cookie, nullptr), &std::free);
    if (!reply)
        return std::nullopt;
    // The server counts device pixels; Qt counts them divided by the scale.
    const qreal scale = handle->devicePixelRatio();
    return QPoint(qRound(reply->dst_x / scale), qRound(reply->dst_y / scale));
}

bool CorrectPosition(QWidget& window)
{
    const std::optional<QPoint> shown = ShownPosition(window);
    QWindow* handle = window.windowHandle();
    if (!shown || !handle || handle->position() == *shown)
        return false;
    // Asking for the place the window already has moves nothing on screen;
    // Qt takes the position at once, and the manager confirms it.
    handle->setPosition(*shown);
    return true;
}

QPoint CentredOn(const QWidget& owner, QSize size)
{
    const QPoint centre = owner.mapToGlobal(QPoint(owner.width() / 2, owner.height() / 2));
    return centre - QPoint(size.width() / 2, size.height() / 2);
}

void FollowShownPosition(QWidget& window)
{
    new PositionFollower(window);
}

} // namespace platform
