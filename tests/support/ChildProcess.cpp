#include "ChildProcess.h"

#include <cstdio>
#include <fstream>
#include <iterator>
#include <thread>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

CChildProcess::CChildProcess(const std::string& program, const std::vector<std::string>& args)
{
    char pattern[] = "/tmp/volmaren-child-XXXXXX";
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
    if (posix_spawn(&m_pid, program.c_str(), &actions, nullptr, argv.data(), environ) != 0)
        m_pid = -1;
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    close(errorFd);
    m_output = out[0];
}

CChildProcess::~CChildProcess()
{
    if (m_pid > 0 && Wait(std::chrono::milliseconds(0)) == -1) {
        kill(m_pid, SIGKILL);
        waitpid(m_pid, nullptr, 0);
    }
    if (m_output >= 0)
        close(m_output);
    std::remove(m_errorFile.c_str());
}

std::string CChildProcess::FirstLine()
{
    std::string line;
    char c = 0;
    pollfd entry{m_output, POLLIN, 0};
    while (poll(&entry, 1, 10000) > 0 && read(m_output, &c, 1) == 1 && c != '\n')
        line += c;
    return c == '\n' ? line : std::string();
}

void CChildProcess::Signal(int signal)
{
    if (m_pid > 0)
        kill(m_pid, signal);
}

int CChildProcess::Wait(std::chrono::milliseconds timeout)
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

std::string CChildProcess::Errors() const
{
    std::ifstream in(m_errorFile);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

CSimProcess::CSimProcess(const std::vector<std::string>& args)
    : CChildProcess(STB_SIM_PATH, args), m_devicePath(FirstLine())
{
}
