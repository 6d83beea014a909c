// Runs a program of ours (stb-sim, volmaren-cli) as a child process for the
// tests and the benchmarks.
#pragma once

#include <chrono>
#include <string>
#include <vector>

#include <sys/types.h>

class CChildProcess {
public:
    // Starts `program` with `args`; its stderr goes to a file, its stdout to
    // a pipe whose first line FirstLine() reads.
    CChildProcess(const std::string& program, const std::vector<std::string>& args);
    // Kills the child when it still runs.
    ~CChildProcess();
    CChildProcess(const CChildProcess&) = delete;
    CChildProcess& operator=(const CChildProcess&) = delete;

    // The first line it prints, without its newline; empty when none came
    // within ten seconds (stb-sim prints its device path there).
    std::string FirstLine();
    void Signal(int signal);
    // Its exit status, or -1 when it has not ended within `timeout`.
    int Wait(std::chrono::milliseconds timeout);
    // What it said on stderr so far.
    std::string Errors() const;

private:
    pid_t m_pid = -1;
    int m_output = -1;
    std::string m_errorFile;
};

// stb-sim with `args`, started and asked for its device path.
class CSimProcess : public CChildProcess {
public:
    explicit CSimProcess(const std::vector<std::string>& args);
    // Empty when the simulator did not start.
    const std::string& DevicePath() const { return m_devicePath; }

private:
    std::string m_devicePath;
};
