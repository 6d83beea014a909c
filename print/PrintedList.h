// What a printed channel list holds: sections of channels, each under its
// title, with the cells a list by the television needs.
#pragma once

#include "ImageFormat.h"

#include <QCoreApplication>
#include <QString>

#include <vector>

class CChannelDatabase;

struct PrintedChannel {
    int number = 0;  // its place in its list, from 1: what the remote control takes
    QString name;
    QString satellite;
    QString transponder;  // "11836 H"; empty without a transponder
    QString scramble;
    QString groups;  // the names of its favourite groups, separated by commas
    bool locked = false;
    bool skipped = false;
};

struct PrintSection {
    QString title;
    std::vector<PrintedChannel> channels;
};

// Which channels to print and how to divide them.
struct PrintContent {
    std::vector<ChannelKind> kinds;  // in the order to print them
    // One section per favourite group (and kind) holding its members, in
    // place of one per list.
    bool groupSections = false;
};

class PrintedList {
    Q_DECLARE_TR_FUNCTIONS(PrintedList)
public:
    // One section per kind, even an empty one; or one per favourite group in
    // use and kind that has channels.
    static std::vector<PrintSection> Sections(const CChannelDatabase& db, const PrintContent& content);
};
