#include "SimProcess.h"

#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>
#include <thread>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

CSimProcess::CSimProcess(const std::string& program, const std::vector<std::string>& args)
{
    char pattern[] = "/tmp/volmaren-sim-XXXXXX";
    const int errorFd = mkstemp(pattern);
    m_errorFile = pattern;
    int out[2];
    if (errorFd < 0 || pipe2(out, O_CLOEXEC) != 0)
        return;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_adddup2(&actions, errorFd, STDERR_FILENO);
    std::vector<char*> argv{const_cast<char*>(program.c_str())};
    for (const std::string& arg : args)
        argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    const int spawned = posix_spawn(&m_pid, program.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    close(errorFd);
    if (spawned != 0) {
        m_pid = -1;
        close(out[0]);
        return;
    }
    std::string line;
    char c = 0;
    pollfd entry{out[0], POLLIN, 0};
    while (poll(&entry, 1, 10000) > 0 && read(out[0], &c, 1) == 1 && c != '\n')
        line += c;
    close(out[0]);
    if (c == '\n')
        m_devicePath = line;
}

CSimProcess::~CSimProcess()
{
    if (m_pid > 0 && Wait(std::chrono::milliseconds(0)) == -1) {
        kill(m_pid, SIGTERM);
        waitpid(m_pid, nullptr, 0);
    }
    std::remove(m_errorFile.c_str());
}

int CSimProcess::Wait(std::chrono::milliseconds timeout)
{
    if (m_pid <= 0)
        return -1;
    const auto end = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        int status = 0;
        if (waitpid(m_pid, &status, WNOHANG) == m_pid) {
            m_pid = -1;
            return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        }
        if (std::chrono::steady_clock::now() >= end)
            return -1;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

std::string CSimProcess::Errors() const
{
    std::ifstream in(m_errorFile);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}
