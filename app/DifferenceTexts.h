// What the compare window says of a difference, in the person's language: the
// record it names, and our value beside theirs for each thing that differs.
#pragma once

#include "Comparison.h"

#include <QCoreApplication>
#include <QList>
#include <QString>

struct DifferenceText {
    struct Line {
        QString what;  // "Lock", "Position", "Transponder", ...
        QString ours;  // empty: our side lacks the record
        QString theirs;  // empty: their side lacks it
    };
    QString name;  // the satellite, transponder, channel, group or "System settings"
    QString number;  // a channel's position in its list, from 1
    QList<Line> lines;

    // Every line's value on one side, as one cell: "Lock: OFF; Skip: ON".
    QString Ours() const;
    QString Theirs() const;
};

class DifferenceTexts {
    Q_DECLARE_TR_FUNCTIONS(DifferenceTexts)
public:
    static DifferenceText Describe(const Diff::Difference& difference);
    // "TV channels: moved"
    static QString GroupTitle(Diff::Table table, Diff::Change change);
};
