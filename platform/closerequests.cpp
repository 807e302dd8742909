#include "platform/closerequests.h"

#include "platform/modalruns.h"
#include "platform/x11connection.h"

#include <QAbstractNativeEventFilter>
#include <QPointer>
#include <QWidget>

namespace platform {

namespace {

class CloseRequestWatcher : public QObject, public QAbstractNativeEventFilter {
public:
    CloseRequestWatcher(QWidget& window, xcb_connection_t* connection)
        : QObject(&window), window(&window), protocols(InternAtom(connection, "WM_PROTOCOLS")),
          deleteWindow(InternAtom(connection, "WM_DELETE_WINDOW"))
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
