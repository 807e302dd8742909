#include "childprocess.h"

#include <csignal>
#include <grp.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr uid_t kNobody = 65534;
constexpr gid_t kNoGroup = 65534;

bool DropRights()
{
    return geteuid() != 0 ||
           (setgroups(0, nullptr) == 0 && setgid(kNoGroup) == 0 && setuid(kNobody) == 0 && geteuid() == kNobody);
}

} // namespace

std::string RunInChild(ChildUser user, const std::function<std::string()>& body, long fileSizeLimit)
{
    int channel[2];
    if (pipe(channel) != 0)
        return "<no pipe>";
    const pid_t child = fork();
    if (child < 0)
        return "<no child>";
    if (child == 0) {
        close(channel[0]);
        const rlimit limit{rlim_t(fileSizeLimit), rlim_t(fileSizeLimit)};
        if (fileSizeLimit && std::signal(SIGXFSZ, SIG_IGN) != SIG_ERR)
            setrlimit(RLIMIT_FSIZE, &limit);
        const std::string result =
            user == ChildUser::Unprivileged && !DropRights() ? std::string("<could not drop rights>") : body();
        const bool sent = write(channel[1], result.data(), result.size()) == ssize_t(result.size());
        _exit(sent ? 0 : 1);
    }
    close(channel[1]);
    std::string result;
    char buffer[4096];
    for (ssize_t got; (got = read(channel[0], buffer, sizeof buffer)) > 0;)
        result.append(buffer, std::size_t(got));
    close(channel[0]);
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? result : result + "<child ended abnormally>";
}
