#include "privatepulse.h"

#include "programs.h"
#include "processes.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <unistd.h>
#include <utility>

namespace fs = std::filesystem;
using namespace std::chrono_literals;

namespace {

// The daemon's last error or warning, for the failure message.
std::string LastComplaint(const fs::path& log)
{
    std::ifstream in(log);
    std::string last;
    for (std::string line; std::getline(in, line);)
        last = line.starts_with("E: ") || line.starts_with("W: ") ? line : last;
    return last;
}

} // namespace

PrivatePulse::PrivatePulse(std::chrono::seconds idleExit)
{
    if (!HaveProgram("pulseaudio") || !HaveProgram("pactl") || !HaveProgram("parec")) {
        failure = "pulseaudio, pactl or parec is not installed (Debian: pulseaudio, pulseaudio-utils)";
        return;
    }
    std::string pattern = (fs::temp_directory_path() / "tessaly-pulse-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
        failure = "no temporary folder for the daemon";
        return;
    }
    folder = pattern;
    fs::create_directories(folder / "home");
    fs::create_directories(folder / "runtime");
    const fs::path socket = folder / "native", log = folder / "daemon.log";
    // A per-user daemon, also as root (in CI), with exactly the modules given
    // here; as root its sinks run at real-time priority, as on a desktop.
    daemon = Spawn({"pulseaudio", "--system=false", "--daemonize=no", "-n", "--use-pid-file=false",
                    "--realtime=true", "--high-priority=true", "--exit-idle-time=" + std::to_string(idleExit.count()),
                    "--log-target=file:" + log.string(),
                    "--load=module-native-protocol-unix auth-anonymous=1 socket=" + socket.string(),
                    "--load=module-null-sink sink_name=tessaly_silent"},
                   {"PATH=/usr/local/bin:/usr/bin:/bin", "HOME=" + (folder / "home").string(),
                    "XDG_RUNTIME_DIR=" + (folder / "runtime").string(),
                    "XDG_CONFIG_HOME=" + (folder / "home" / ".config").string()});
    if (daemon <= 0) {
        failure = "pulseaudio could not be started";
        return;
    }
    if (const char* server = std::getenv("PULSE_SERVER"))
        previousServer = server;
    setenv("PULSE_SERVER", ("unix:" + socket.string()).c_str(), 1);
    serverSet = true;
    if (!WaitWhileRunning(daemon, [] { return Quietly("pactl info"); })) {
        failure = "pulseaudio did not start: " + LastComplaint(log);
        EndProcess(daemon, SIGKILL);
        daemon = -1;
    }
}

PrivatePulse::~PrivatePulse()
{
    if (daemon > 0)
        EndProcess(daemon, SIGTERM);
    if (serverSet && previousServer)
        setenv("PULSE_SERVER", previousServer->c_str(), 1);
    else if (serverSet)
        unsetenv("PULSE_SERVER");
    std::error_code ignored;
    if (!folder.empty())
        fs::remove_all(folder, ignored);
}

std::string PrivatePulse::AddSink(int rate, int channels)
{
    const std::string name = "tessaly_" + std::to_string(rate) + "x" + std::to_string(channels);
    if (!Running() ||
        !Quietly("pactl load-module module-null-sink sink_name=" + name + " format=s16le rate=" + std::to_string(rate) +
                 " channels=" + std::to_string(channels)) ||
        !Quietly("pactl set-default-sink " + name))
        return {};
    return name;
}

MonitorRecorder::MonitorRecorder(const std::string& sink, int rate, int channels)
{
    int ends[2];
    if (pipe2(ends, O_CLOEXEC) != 0)
        return;
    recorder = Spawn({"parec", "--device=" + sink + ".monitor", "--raw", "--format=s16le",
                      "--rate=" + std::to_string(rate), "--channels=" + std::to_string(channels), "--latency-msec=5"},
                     {}, ends[1]);
    close(ends[1]);
    if (recorder <= 0) {
        close(ends[0]);
        return;
    }
    pipeEnd = ends[0];
    reader = std::thread([this] { Read(pipeEnd); });
}

void MonitorRecorder::Read(int from)
{
    std::uint8_t buffer[4096];
    for (ssize_t got; (got = read(from, buffer, sizeof buffer)) != 0;) {
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return;
        const auto now = Clock::now();
        const bool sound = std::any_of(buffer, buffer + got, [](std::uint8_t b) { return b != 0; });
        std::lock_guard lock(mutex);
        recorded.insert(recorded.end(), buffer, buffer + got);
        if (sound && !firstSound)
            firstSound = now;
        if (sound)
            lastSound = now;
    }
}

bool MonitorRecorder::WaitUntilRecording(std::chrono::milliseconds limit)
{
    for (const auto giveUp = Clock::now() + limit; Clock::now() < giveUp; std::this_thread::sleep_for(5ms)) {
        std::lock_guard lock(mutex);
        if (!recorded.empty())
            return true;
    }
    return false;
}

std::vector<std::uint8_t> MonitorRecorder::Stop()
{
    if (recorder > 0)
        EndProcess(std::exchange(recorder, -1), SIGTERM);
    if (reader.joinable())
        reader.join();
    if (pipeEnd >= 0)
        close(std::exchange(pipeEnd, -1));
    std::lock_guard lock(mutex);
    return recorded;
}
