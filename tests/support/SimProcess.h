// Runs stb-sim as a child process for the tests and the benchmarks.
#pragma once

#include <chrono>
#include <string>
#include <vector>

#include <sys/types.h>

class CSimProcess {
public:
    // Starts `program` with `args` and reads the device path it prints;
    // DevicePath() is empty when that failed. Its stderr goes to a file.
    CSimProcess(const std::string& program, const std::vector<std::string>& args);
    // Kills the simulator when it still runs.
    ~CSimProcess();
    CSimProcess(const CSimProcess&) = delete;
    CSimProcess& operator=(const CSimProcess&) = delete;

    const std::string& DevicePath() const { return m_devicePath; }
    // Its exit status, or -1 when it has not ended within `timeout`.
    int Wait(std::chrono::milliseconds timeout);
    // What it said on stderr so far.
    std::string Errors() const;

private:
    pid_t m_pid = -1;
    std::string m_devicePath;
    std::string m_errorFile;
};
