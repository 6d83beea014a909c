#include "DifferenceTexts.h"

#include "CoreText.h"
#include "EntryLists.h"

#include <QStringList>

#include <cstring>

namespace {

using Diff::Change;
using Diff::Table;

// The receiver stores names as Latin-1 bytes.
QString Name(const std::string& bytes)
{
    return QString::fromLatin1(bytes.data(), qsizetype(bytes.size()));
}

QString Megahertz(std::uint32_t khz)
{
    return khz % 1000 == 0 ? QString::number(khz / 1000) : QString::number(khz / 1000.0, 'f', 3);
}

QString Side(const QList<DifferenceText::Line>& lines, QString DifferenceText::Line::*side)
{
    QStringList parts;
    for (const DifferenceText::Line& line : lines) {
        const QString& value = line.*side;
        if (!value.isEmpty())
            parts.append(QStringLiteral("%1: %2").arg(line.what, value));
    }
    // A record only the other side has.
    return parts.isEmpty() ? QString(QChar(0x2014)) : parts.join(QStringLiteral("; "));
}

}  // namespace

QString DifferenceText::Ours() const
{
    return Side(lines, &Line::ours);
}

QString DifferenceText::Theirs() const
{
    return Side(lines, &Line::theirs);
}

namespace {

// A field's title as the dialogs and lists name it; a field this editor
// does not know by its key.
QString FieldTitle(const char* key)
{
    static const std::pair<const char*, const char*> titles[] = {
        {"lnbPower", QT_TRANSLATE_NOOP("DifferenceTexts", "LNB power")},
        {"lnbHigh", QT_TRANSLATE_NOOP("DifferenceTexts", "LNB high")},
        {"lnbLow", QT_TRANSLATE_NOOP("DifferenceTexts", "LNB low")},
        {"tone22k", QT_TRANSLATE_NOOP("DifferenceTexts", "22 kHz")},
        {"voltage", QT_TRANSLATE_NOOP("DifferenceTexts", "13/18 V")},
        {"diseqc", QT_TRANSLATE_NOOP("DifferenceTexts", "DiSEqC")},
        {"symbol_rate", QT_TRANSLATE_NOOP("DifferenceTexts", "Symbol rate")},
        {"bouquet", QT_TRANSLATE_NOOP("DifferenceTexts", "Bouquet")},
        {"video_pid", QT_TRANSLATE_NOOP("DifferenceTexts", "Video PID")},
        {"audio_pid", QT_TRANSLATE_NOOP("DifferenceTexts", "Audio PID")},
        {"pcr_pid", QT_TRANSLATE_NOOP("DifferenceTexts", "PCR PID")},
        {"scramble", QT_TRANSLATE_NOOP("DifferenceTexts", "Scramble")},
        {"audio", QT_TRANSLATE_NOOP("DifferenceTexts", "Audio")},
        {"lock", QT_TRANSLATE_NOOP("DifferenceTexts", "Lock")},
        {"skip", QT_TRANSLATE_NOOP("DifferenceTexts", "Skip")},
        {"groups", QT_TRANSLATE_NOOP("DifferenceTexts", "Groups")},
        {"menuLanguage", QT_TRANSLATE_NOOP("DifferenceTexts", "Menu language")},
        {"displayColor", QT_TRANSLATE_NOOP("DifferenceTexts", "Display colour")},
        {"textColor", QT_TRANSLATE_NOOP("DifferenceTexts", "Text colour")},
    };
    for (const auto& [field, title] : titles) {
        if (std::strcmp(field, key) == 0)
            return DifferenceTexts::tr(title);
    }
    return QString::fromLatin1(key);
}

// The system settings are numbers the receiver's dialog names by its lists.
template <std::size_t N> QString Entry(const std::array<const char*, N>& words, std::int64_t code)
{
    return code >= 0 && std::size_t(code) < N ? CoreText(words[std::size_t(code)]) : QString::number(code);
}

QString ValueText(const char* key, const Diff::Value& value)
{
    if (const auto* number = std::get_if<std::int64_t>(&value)) {
        if (std::strcmp(key, "menuLanguage") == 0)
            return Entry(Entries::kMenuLanguages, *number);
        if (std::strcmp(key, "displayColor") == 0)
            return Entry(Entries::kDisplayColors, *number);
        if (std::strcmp(key, "textColor") == 0)
            return Entry(Entries::kTextColors, *number);
        return QString::number(*number);
    }
    const std::string& text = std::get<std::string>(value);
    // Names are data, never words to translate: a bouquet may be called "ON".
    if (std::strcmp(key, "bouquet") == 0)
        return Name(text);
    if (std::strcmp(key, "groups") == 0) {
        if (text.empty())
            return DifferenceTexts::tr("none");
        return Name(text).split(QLatin1Char('|')).join(QStringLiteral(", "));
    }
    return CoreText(text);
}

QString PlaceText(const Diff::Place& place)
{
    if (!place.onTransponder)
        return DifferenceTexts::tr("no transponder");
    const QString transponder = QStringLiteral("%1 %2").arg(
        Megahertz(place.frequencyKhz), place.horizontal ? QStringLiteral("H") : QStringLiteral("V"));
    return place.satellite.empty() ? transponder : Name(place.satellite) + QLatin1Char(' ') + transponder;
}

QString Position(int index)
{
    return index < 0 ? QString() : QString::number(index + 1);
}

// What is on each side of an added or removed record.
DifferenceText::Line Presence(const Diff::Difference& d, const QString& what, const QString& value)
{
    return d.change == Change::Added ? DifferenceText::Line{what, {}, value}
                                     : DifferenceText::Line{what, value, {}};
}

void DescribeRecord(const Diff::Difference& d, DifferenceText& text)
{
    switch (d.table) {
    case Table::Satellites:
        text.lines.append(Presence(d, DifferenceTexts::tr("Satellite"), text.name));
        return;
    case Table::Transponders:
        text.lines.append(
            Presence(d, DifferenceTexts::tr("Symbol rate"), QString::number(d.place.symbolRate)));
        return;
    default: text.lines.append(Presence(d, DifferenceTexts::tr("Transponder"), PlaceText(d.place))); return;
    }
}

}  // namespace

DifferenceText DifferenceTexts::Describe(const Diff::Difference& d)
{
    DifferenceText text;
    const bool channel = d.table == Table::Tv || d.table == Table::Radio;
    switch (d.table) {
    case Table::Transponders: text.name = PlaceText(d.place); break;
    case Table::Groups: text.name = tr("Group %1").arg(d.ours + 1); break;
    case Table::System: text.name = tr("System settings"); break;
    default: text.name = Name(d.name); break;
    }
    if (channel)
        text.number = Position(d.change == Change::Added ? d.theirs : d.ours);

    if (d.table == Table::Groups) {
        auto group = [](const std::string& name) { return name.empty() ? tr("(free)") : Name(name); };
        text.lines.append({tr("Name"), group(d.name), group(d.otherName)});
        return text;
    }
    switch (d.change) {
    case Change::Added:
    case Change::Removed: DescribeRecord(d, text); break;
    case Change::Moved: text.lines.append({tr("Position"), Position(d.ours), Position(d.theirs)}); break;
    case Change::Renamed: text.lines.append({tr("Name"), Name(d.name), Name(d.otherName)}); break;
    case Change::Retuned:
        text.lines.append({tr("Transponder"), PlaceText(d.place), PlaceText(d.otherPlace)});
        break;
    case Change::Changed:
        for (const Diff::Field& field : d.fields)
            text.lines.append({FieldTitle(field.name), ValueText(field.name, field.ours),
                               ValueText(field.name, field.theirs)});
        break;
    }
    return text;
}

QString DifferenceTexts::GroupTitle(Table table, Change change)
{
    static const char* const tables[] = {
        QT_TR_NOOP("Satellites"),     QT_TR_NOOP("Transponders"),     QT_TR_NOOP("TV channels"),
        QT_TR_NOOP("Radio channels"), QT_TR_NOOP("Favourite groups"), QT_TR_NOOP("System settings"),
    };
    static const char* const changes[] = {
        QT_TR_NOOP("added"),   QT_TR_NOOP("removed"), QT_TR_NOOP("moved"),
        QT_TR_NOOP("renamed"), QT_TR_NOOP("retuned"), QT_TR_NOOP("changed"),
    };
    //: A group of differences: the table, then what happened to its records.
    return tr("%1: %2").arg(tr(tables[std::size_t(table)]), tr(changes[std::size_t(change)]));
}
