#include "PortNames.h"

#include "PortListing.h"

#include <cctype>
#include <cstdlib>

std::string DevicePathForPort(int n)
{
    const std::string variable = "VOLMAREN_COM" + std::to_string(n);
    const char* configured = std::getenv(variable.c_str());
    if (configured != nullptr && *configured != '\0')
        return configured;
    return "/dev/ttyS" + std::to_string(n - 1);
}

std::string DevicePathForName(const std::string& name, const std::vector<PortDescription>& found)
{
    if (name.size() == 4 && std::toupper(static_cast<unsigned char>(name[0])) == 'C' &&
        std::toupper(static_cast<unsigned char>(name[1])) == 'O' &&
        std::toupper(static_cast<unsigned char>(name[2])) == 'M' && (name[3] == '1' || name[3] == '2'))
        return DevicePathForPort(name[3] - '0');
    if (const PortDescription* port = FindPortNamed(found, name))
        return port->path;
    return name;
}
