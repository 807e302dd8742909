#include "privatepulse.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <spawn.h>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace fs = std::filesystem;
using namespace std::chrono_literals;

namespace {

// Starts `argv` with `env` (this process's environment when null) and its
// standard output on `outFd` (inherited when -1). Its process id, or -1.
pid_t Spawn(const std::vector<std::string>& argv, char* const* env, int outFd = -1)
{
    std::vector<char*> args;
    for (const std::string& arg : argv)
        args.push_back(const_cast<char*>(arg.c_str()));
    args.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (outFd >= 0)
        posix_spawn_file_actions_adddup2(&actions, outFd, STDOUT_FILENO);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t pid = -1;
    const int failed = posix_spawnp(&pid, args[0], &actions, nullptr, args.data(), env ? env : environ);
    posix_spawn_file_actions_destroy(&actions);
    return failed == 0 ? pid : -1;
}

void EndProcess(pid_t pid, int signal)
{
    kill(pid, signal);
    int status = 0;
    waitpid(pid, &status, 0);
}

bool Exited(pid_t pid)
{
    int status = 0;
    return waitpid(pid, &status, WNOHANG) == pid;
}

bool Quietly(const std::string& command)
{
    return std::system((command + " > /dev/null 2>&1").c_str()) == 0;
}

std::string Tail(const fs::path& file)
{
    std::ifstream in(file);
    std::string line;
    std::string last;
    while (std::getline(in, line))
        if (line.rfind("E: ", 0) == 0 || line.rfind("W: ", 0) == 0)
            last = line;
    return last;
}

} // namespace

PrivatePulse::PrivatePulse(std::chrono::seconds idleExit)
{
    if (!Quietly("command -v pulseaudio") || !Quietly("command -v pactl") || !Quietly("command -v parec")) {
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
    const fs::path socket = folder / "native";
    const fs::path log = folder / "daemon.log";

    const std::vector<std::string> environment{
        "PATH=/usr/local/bin:/usr/bin:/bin", "HOME=" + (folder / "home").string(),
        "XDG_RUNTIME_DIR=" + (folder / "runtime").string(),
        "XDG_CONFIG_HOME=" + (folder / "home" / ".config").string()};
    std::vector<char*> env;
    for (const std::string& entry : environment)
        env.push_back(const_cast<char*>(entry.c_str()));
    env.push_back(nullptr);
    // A per-user daemon (also when run as root, as in CI) that reads no
    // start-up script: it has exactly the modules given here. It ends by
    // itself a while after its last client goes. As root it runs its sinks
    // at real-time priority, as a desktop's sound server does.
    daemon = Spawn({"pulseaudio", "--system=false", "--daemonize=no", "-n", "--use-pid-file=false",
                    "--realtime=true", "--high-priority=true",
                    "--exit-idle-time=" + std::to_string(idleExit.count()),
                    "--log-target=file:" + log.string(),
                    "--load=module-native-protocol-unix auth-anonymous=1 socket=" + socket.string(),
                    "--load=module-null-sink sink_name=tessaly_silent"},
                   env.data());
    if (daemon <= 0) {
        failure = "pulseaudio could not be started";
        return;
    }

    if (const char* server = std::getenv("PULSE_SERVER"))
        previousServer = server;
    setenv("PULSE_SERVER", ("unix:" + socket.string()).c_str(), 1);
    serverSet = true;
    const auto giveUp = std::chrono::steady_clock::now() + 10s;
    while (!Quietly("pactl info")) {
        if (Exited(daemon) || std::chrono::steady_clock::now() > giveUp) {
            failure = "pulseaudio did not start: " + Tail(log);
            kill(daemon, SIGKILL);
            waitpid(daemon, nullptr, 0);
            daemon = -1;
            return;
        }
        std::this_thread::sleep_for(50ms);
    }
}

PrivatePulse::~PrivatePulse()
{
    if (daemon > 0)
        EndProcess(daemon, SIGTERM);
    if (serverSet) {
        if (previousServer)
            setenv("PULSE_SERVER", previousServer->c_str(), 1);
        else
            unsetenv("PULSE_SERVER");
    }
    std::error_code ignored;
    if (!folder.empty())
        fs::remove_all(folder, ignored);
}

std::string PrivatePulse::AddSink(int rate, int channels)
{
    std::ostringstream name;
    name << "tessaly_" << rate << "x" << channels;
    std::ostringstream load;
    load << "pactl load-module module-null-sink sink_name=" << name.str() << " format=s16le rate=" << rate
         << " channels=" << channels;
    if (!Running() || !Quietly(load.str()) || !Quietly("pactl set-default-sink " + name.str()))
        return {};
    return name.str();
}

MonitorRecorder::MonitorRecorder(const std::string& sink, int rate, int channels)
{
    int ends[2];
    if (pipe2(ends, O_CLOEXEC) != 0)
        return;
    recorder = Spawn({"parec", "--device=" + sink + ".monitor", "--raw", "--format=s16le",
                      "--rate=" + std::to_string(rate), "--channels=" + std::to_string(channels),
                      "--latency-msec=5"},
                     nullptr, ends[1]);
    close(ends[1]);
    if (recorder <= 0) {
        close(ends[0]);
        return;
    }
    pipeEnd = ends[0];
    reader = std::thread([this] { Read(pipeEnd); });
}

MonitorRecorder::~MonitorRecorder()
{
    Stop();
}

void MonitorRecorder::Read(int from)
{
    std::uint8_t buffer[4096];
    for (;;) {
        const ssize_t got = read(from, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            return;
        const auto now = Clock::now();
        bool sound = false;
        for (ssize_t i = 0; i < got && !sound; ++i)
            sound = buffer[i] != 0;
        std::lock_guard lock(mutex);
        recorded.insert(recorded.end(), buffer, buffer + got);
        if (sound) {
            if (!firstSound)
                firstSound = now;
            lastSound = now;
        }
    }
}

bool MonitorRecorder::WaitUntilRecording(std::chrono::milliseconds limit)
{
    const auto giveUp = Clock::now() + limit;
    while (Clock::now() < giveUp) {
        {
            std::lock_guard lock(mutex);
            if (!recorded.empty())
                return true;
        }
        std::this_thread::sleep_for(5ms);
    }
    return false;
}

std::optional<MonitorRecorder::Clock::time_point> MonitorRecorder::FirstSound() const
{
    std::lock_guard lock(mutex);
    return firstSound;
}

std::optional<MonitorRecorder::Clock::time_point> MonitorRecorder::LastSound() const
{
    std::lock_guard lock(mutex);
    return lastSound;
}

void MonitorRecorder::ForgetSound()
{
    std::lock_guard lock(mutex);
    firstSound.reset();
    lastSound.reset();
}

std::vector<std::uint8_t> MonitorRecorder::Stop()
{
    if (recorder > 0) {
        EndProcess(recorder, SIGTERM);
        recorder = -1;
    }
    if (reader.joinable())
        reader.join();
    if (pipeEnd >= 0) {
        close(pipeEnd);
        pipeEnd = -1;
    }
    std::lock_guard lock(mutex);
    return recorded;
}
