#include "UserFolders.h"

#include <cstdlib>

#include <pwd.h>
#include <unistd.h>

std::filesystem::path HomeFolder()
{
    const char* home = std::getenv("HOME");
    if (home != nullptr && *home != '\0')
        return home;
    const passwd* entry = getpwuid(getuid());
    return entry != nullptr && entry->pw_dir != nullptr ? entry->pw_dir : ".";
}

std::filesystem::path XdgFolder(const char* variable, const char* belowHome)
{
    const char* configured = std::getenv(variable);
    if (configured != nullptr && *configured != '\0')
        return configured;
    return HomeFolder() / belowHome;
}
