#include "platform/closerequests.h"

#include "platform/modalruns.h"
#include "platform/x11connection.h"

#include <QAbstractNativeEventFilter>
#include <QPointer>
#include <QWidget>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace platform {

namespace {

xcb_atom_t Atom(xcb_connection_t* connection, const char* name)
{
    const xcb_intern_atom_cookie_t cookie = xcb_intern_atom(connection, 0, std::uint16_t(std::strlen(name)), name);
    std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
        xcb_intern_atom_reply(connection, cookie, nullptr), &std::free);
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

class CloseRequestWatcher : public QObject, public QAbstractNativeEventFilter {
public:
    CloseRequestWatcher(QWidget& window, xcb_connection_t* connection)
        : QObject(&window), window(&window), protocols(Atom(connection, "WM_PROTOCOLS")),
          deleteWindow(Atom(connection, "WM_DELETE_WINDOW"))
    {
        qApp->installNativeEventFilter(this);
    }
    ~CloseRequestWatcher() override { qApp->removeNativeEventFilter(this); }

    bool nativeEventFilter(const QByteArray& type, void* message, qintptr*) override
    {
        if (type != "xcb_generic_event_t" || !window || !window->testAttribute(Qt::WA_WState_Created))
            return false;
        const auto* event = static_cast<const xcb_generic_event_t*>(message);
        if ((event->response_type & 0x7f) != XCB_CLIENT_MESSAGE)
            return false;
        const auto* request = reinterpret_cast<const xcb_client_message_event_t*>(event);
        if (request->window == xcb_window_t(window->winId()) && request->format == 32 &&
            request->type == protocols && request->data.data32[0] == deleteWindow)
            EndModalRuns();
        // Qt still sees the request and closes the window when nothing blocks it.
        return false;
    }

private:
    QPointer<QWidget> window;
    xcb_atom_t protocols;
    xcb_atom_t deleteWindow;
};

} // namespace

void EndOnCloseRequest(QWidget& window)
{
    if (xcb_connection_t* connection = X11Connection())
        new CloseRequestWatcher(window, connection);
}

} // namespace platform
