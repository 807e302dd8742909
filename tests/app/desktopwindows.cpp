#include "desktopwindows.h"

#include "platform/x11connection.h"
#include "processes.h"

#include <QCoreApplication>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <sstream>
#include <thread>
#include <sys/wait.h>

namespace {

std::vector<WindowId> Ids(const std::string& text)
{
    std::vector<WindowId> ids;
    std::istringstream lines(text);
    for (WindowId id; lines >> id;)
        ids.push_back(id);
    return ids;
}

} // namespace

const PrivateDesktop& Desktop()
{
    static PrivateDesktop desktop;
    // The windows of this process go to that display through X11, whatever the caller chose.
    qputenv("QT_QPA_PLATFORM", "xcb");
    return desktop;
}

void WaitBriefly()
{
    // Tests in this process may own windows: their events keep being handled.
    if (QCoreApplication::instance())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
}

std::optional<QRect> ScreenGeometry(WindowId window)
{
    const std::string text = RunShell("xwininfo -id " + std::to_string(window)).out;
    const auto field = [&text](const char* name) -> std::optional<int> {
        const std::size_t at = text.find(name);
        if (at == std::string::npos)
            return std::nullopt;
        return std::atoi(text.c_str() + at + std::strlen(name));
    };
    const auto x = field("Absolute upper-left X:"), y = field("Absolute upper-left Y:");
    const auto width = field("Width:"), height = field("Height:");
    if (!x || !y || !width || !height)
        return std::nullopt;
    return QRect(*x, *y, *width, *height);
}

std::vector<WindowId> VisibleWindowsOf(pid_t process)
{
    return Ids(RunShell("xdotool search --onlyvisible --pid " + std::to_string(process)).out);
}

std::optional<WindowId> ActiveWindow()
{
    const std::vector<WindowId> ids = Ids(RunShell("xdotool getactivewindow").out);
    return ids.empty() ? std::nullopt : std::optional(ids.front());
}

bool Xdotool(const std::string& arguments)
{
    // A window of this process may need its events handled while xdotool
    // runs (a drag it hands over to the window manager).
    const pid_t tool = Spawn({"sh", "-c", "exec xdotool " + arguments});
    int status = 0;
    while (tool > 0 && waitpid(tool, &status, WNOHANG) == 0)
        WaitBriefly();
    return tool > 0 && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

bool AskManagerToClose(WindowId window)
{
    // What a taskbar or a window list sends the manager, which then sends the
    // window itself its close request, as its close key does to the active
    // window. (Under openbox a modal box takes the keyboard, so the key would
    // reach the box.)
    const std::unique_ptr<xcb_connection_t, decltype(&xcb_disconnect)> connection(xcb_connect(nullptr, nullptr),
                                                                                   &xcb_disconnect);
    if (xcb_connection_has_error(connection.get()))
        return false;
    xcb_client_message_event_t request{};
    request.response_type = XCB_CLIENT_MESSAGE;
    request.format = 32;
    request.window = xcb_window_t(window);
    request.type = platform::InternAtom(connection.get(), "_NET_CLOSE_WINDOW");
    request.data.data32[1] = 2;   // asked for by the user through a pager, which the manager obeys
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection.get())).data->root;
    xcb_send_event(connection.get(), 0, root, XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&request));
    // A connection closed at once may lose what it sent: a round trip first.
    const std::unique_ptr<xcb_get_input_focus_reply_t, decltype(&std::free)> answer(
        xcb_get_input_focus_reply(connection.get(), xcb_get_input_focus(connection.get()), nullptr), &std::free);
    return answer != nullptr;
}
