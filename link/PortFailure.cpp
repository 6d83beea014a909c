#include "PortFailure.h"

#include "TransferTexts.h"

#include <cerrno>
#include <cstring>

#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string GroupOwning(const std::string& device)
{
    struct stat info { };
    if (stat(device.c_str(), &info) != 0)
        return {};
    const group* owner = getgrgid(info.st_gid);
    return owner ? owner->gr_name : std::string();
}

std::string CurrentUser()
{
    const passwd* entry = getpwuid(geteuid());
    return entry ? entry->pw_name : std::string();
}

}  // namespace

PortFault FaultOfOpenError(int error)
{
    switch (error) {
    case EACCES:
    case EPERM: return PortFault::PermissionDenied;
    case EBUSY: return PortFault::Busy;  // another program holds it exclusively
    case ENOENT:
    case ENXIO:
    case ENODEV:
    case EIO: return PortFault::NoSuchDevice;  // a node without hardware behind it
    case EISDIR:
    case ENOTDIR: return PortFault::NotSerial;
    default: return PortFault::Other;
    }
}

PortFault FaultOfLockError(int error)
{
    return error == EWOULDBLOCK ? PortFault::Busy : PortFault::Other;
}

PortFault FaultOfSettingsError(int error)
{
    switch (error) {
    case ENOTTY:
    case EINVAL: return PortFault::NotSerial;
    case EIO:
    case ENXIO:
    case ENODEV: return PortFault::NoSuchDevice;
    default: return PortFault::Other;
    }
}

PortOpenFailure ExplainOpenFailure(PortFault fault, const std::string& device, int error)
{
    PortOpenFailure failure{fault, device, error, {}, {}};
    if (fault == PortFault::PermissionDenied) {
        failure.group = GroupOwning(device);
        failure.user = CurrentUser();
    }
    return failure;
}

PlaceholderText DescribePortFailure(const PortOpenFailure& failure)
{
    const std::string& device = failure.device;
    switch (failure.fault) {
    case PortFault::None: return {};
    case PortFault::PermissionDenied:
        if (failure.group.empty())
            return {Text::kPortDenied, {device}};
        return {Text::kPortDeniedToUser,
                {device, failure.group, failure.user.empty() ? std::string("$USER") : failure.user}};
    case PortFault::Busy: return {Text::kPortBusy, {device}};
    case PortFault::NoSuchDevice: return {Text::kPortMissing, {device}};
    case PortFault::NotSerial: return {Text::kPortNotSerial, {device}};
    case PortFault::Other: break;
    }
    return {Text::kPortNotOpened, {device, std::strerror(failure.error)}};
}
