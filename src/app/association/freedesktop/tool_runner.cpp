#include "app/association/freedesktop/tool_runner.h"

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>

extern char** environ;

namespace obrix::association::freedesktop {

namespace {

class SpawnSetup {
public:
    SpawnSetup() {
        posix_spawn_file_actions_init(&actions);
        posix_spawnattr_init(&attributes);
    }
    SpawnSetup(const SpawnSetup&) = delete;
    SpawnSetup& operator=(const SpawnSetup&) = delete;
    ~SpawnSetup() {
        posix_spawnattr_destroy(&attributes);
        posix_spawn_file_actions_destroy(&actions);
    }

    posix_spawn_file_actions_t actions;
    posix_spawnattr_t attributes;
};

// The child's wait status; -1 when it could not be waited for or had to be killed.
int waitFor(pid_t child, std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    int status = 0;
    for (;;) {
        const pid_t done = ::waitpid(child, &status, WNOHANG);
        if (done == child)
            return status;
        if (done < 0 && errno != EINTR)
            return -1; // e.g. SIGCHLD ignored: the child was reaped by the system
        if (std::chrono::steady_clock::now() >= deadline)
            break;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    ::kill(child, SIGKILL);
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    return -1;
}

} // namespace

bool runTool(const std::vector<std::string>& arguments, std::chrono::milliseconds timeout) {
    if (arguments.empty())
        return false;
    std::vector<char*> argv;
    for (const std::string& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);

    SpawnSetup setup;
    for (const int fd : {0, 1, 2}) {
        posix_spawn_file_actions_addopen(&setup.actions, fd, "/dev/null",
                                         fd == 0 ? O_RDONLY : O_WRONLY, 0);
    }
    // The tool starts with no blocked signals, whatever the calling thread blocks.
    sigset_t none;
    sigemptyset(&none);
    posix_spawnattr_setsigmask(&setup.attributes, &none);
    posix_spawnattr_setflags(&setup.attributes, POSIX_SPAWN_SETSIGMASK);

    pid_t child = 0;
    if (posix_spawnp(&child, argv[0], &setup.actions, &setup.attributes, argv.data(), environ) != 0)
        return false;
    const int status = waitFor(child, timeout);
    return status != -1 && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

} // namespace obrix::association::freedesktop
