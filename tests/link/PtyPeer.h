// The far end of a pseudo-terminal: the test's receiver. The editor's port
// opens SlavePath(); the test reads and writes here.
#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

using namespace std::chrono_literals;

class CPtyPeer {
public:
    CPtyPeer();
    ~CPtyPeer();
    CPtyPeer(const CPtyPeer&) = delete;
    CPtyPeer& operator=(const CPtyPeer&) = delete;

    const std::string& SlavePath() const { return m_slavePath; }

    void Send(std::initializer_list<std::uint8_t> bytes);
    void Send(const std::uint8_t* bytes, std::size_t count);
    // Reads exactly `count` bytes, each read taking at most `burst`; returns
    // fewer only when `timeout` passes without a byte.
    std::vector<std::uint8_t> Read(std::size_t count, std::chrono::milliseconds timeout = 30s,
                                   std::size_t burst = 65536);
    // True when nothing arrives for `quiet`.
    bool Silent(std::chrono::milliseconds quiet = 150ms);
    // Closes the master side: the editor's port sees the line hang up.
    void HangUp();

private:
    int m_master = -1;
    // Held open so the line never hangs up between the editor's reopenings,
    // and made raw so nothing is echoed before the editor configures it.
    int m_slave = -1;
    std::string m_slavePath;
};
