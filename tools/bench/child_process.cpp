#include "bench/child_process.hpp"

#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <chrono>

namespace bench {

namespace {

using Clock = std::chrono::steady_clock;

[[noreturn]] void execChild(const std::string& program, const std::vector<std::string>& arguments, int outputFd) {
    ::dup2(outputFd, STDOUT_FILENO);
    ::close(outputFd);
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(program.c_str()));
    for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    ::execv(program.c_str(), argv.data());
    ::_exit(127);
}

int remainingMs(Clock::time_point deadline) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    return left > 0 ? static_cast<int>(left) : 0;
}

}  // namespace

ChildRun runChild(const std::string& program, const std::vector<std::string>& arguments, int timeoutMs) {
    ChildRun run;
    std::array<int, 2> pipeFds{};
    if (::pipe(pipeFds.data()) != 0) return run;
    const Clock::time_point start = Clock::now();
    const Clock::time_point deadline = start + std::chrono::milliseconds(timeoutMs);
    const pid_t pid = ::fork();
    if (pid < 0) {
        ::close(pipeFds[0]);
        ::close(pipeFds[1]);
        return run;
    }
    if (pid == 0) {
        ::close(pipeFds[0]);
        execChild(program, arguments, pipeFds[1]);
    }
    ::close(pipeFds[1]);

    std::array<char, 4096> buffer{};
    for (;;) {
        pollfd readable{.fd = pipeFds[0], .events = POLLIN, .revents = 0};
        const int ready = ::poll(&readable, 1, remainingMs(deadline));
        if (ready < 0 && errno == EINTR) continue;
        if (ready <= 0) {
            run.timedOut = true;
            ::kill(pid, SIGKILL);
            break;
        }
        const ssize_t got = ::read(pipeFds[0], buffer.data(), buffer.size());
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) break;  // the child closed its output: it has ended
        run.output.append(buffer.data(), static_cast<std::size_t>(got));
        if (run.firstLineMs < 0 && run.output.find('\n') != std::string::npos)
            run.firstLineMs = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    }
    ::close(pipeFds[0]);

    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    if (!run.timedOut && WIFEXITED(status)) run.exitCode = WEXITSTATUS(status);
    return run;
}

}  // namespace bench
