// How the serial port tells the user that opening or closing failed. The
// editor shows a message box; the command-line tool prints the text.
#pragma once

#include <string>

class IPortMessages {
public:
    virtual ~IPortMessages() = default;
    // Called on the thread that opens or closes the port, never by a worker.
    virtual void ShowPortMessage(const std::string& text) = 0;
};
