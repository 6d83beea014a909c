// Finds a control by the template id it carries in its "templateId" property.
#pragma once

#include <QObject>
#include <QVariant>
#include <QWidget>

inline constexpr const char* kTemplateIdProperty = "templateId";

template <class Widget = QWidget> Widget* FindByTemplateId(const QObject* parent, int id)
{
    const auto children = parent->findChildren<Widget*>();
    for (Widget* child : children) {
        if (child->property(kTemplateIdProperty).toInt() == id)
            return child;
    }
    return nullptr;
}

// The template ids of the dialogs' controls, one namespace a dialog; OK and
// Cancel carry the same two ids in every dialog.
namespace DialogIds {

enum : int { kOk = 1016, kCancel = 1017 };

namespace Satellite {
enum : int { kName = 1040, kLnb = 1039, kPower = 1038, kVoltage = 1037, kTone = 1036, kDiseqc = 1035 };
}

namespace Transponder {
enum : int { kSatelliteName = 1057, kFrequency = 1030, kSymbolRate = 1031, kPolarization = 1032 };
}

namespace Channel {
enum : int {
    kName = 1020,
    kVideo = 1021,
    kAudioPid = 1022,
    kPcr = 1023,
    kLock = 1024,
    kSkip = 1025,
    kAudio = 1026,
    kBouquet = 1059,
    kScramble = 1027,
};
}

// Favorite Group Edit; Group Add and Group Edit, which it opens, have the
// name field alone.
namespace FavoriteGroupEdit {
enum : int {
    kGroups = 1000,
    kAdd = 1001,
    kEditGroup = 1002,
    kDelete = 1003,
    kTabs = 1091,
    kTvList = 1089,
    kRadioList = 1090,
};
}

namespace Group {
enum : int { kName = 1020 };
}

namespace SystemInformation {
enum : int { kLanguage = 1061, kDisplayColor = 1062, kTextColor = 1063 };
}

namespace Connect {
enum : int { kCom1 = 1013, kCom2 = 1015 };
}

// The main window's form is a template too: its buttons, and the transfer
// panel's controls.
namespace MainWindow {
enum : int {
    kSatelliteAdd = 1071,
    kSatelliteEdit = 1072,
    kSatelliteDelete = 1073,
    kTransponderAdd = 1074,
    kTransponderEdit = 1075,
    kTransponderDelete = 1076,
    kFavoriteGroups = 1079,
    kSystem = 1080,
    kChannelUp = 1098,
    kChannelDown = 1099,
    kChannelAdd = 1070,
    kChannelEdit = 1069,
    kChannelDelete = 1003,
    kComPort = 1096,
    kUpload = 1058,
    kDownload = 1059,
    kStop = 1009,
    kStatusLine = 1011,
    kSystemCode = 1105,
};
}

}  // namespace DialogIds
