#include "ReceiverHistory.h"

#include "FileTexts.h"
#include "HistoryTexts.h"
#include "ImageDocument.h"
#include "ImageFile.h"
#include "UserFolders.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <string_view>
#include <tuple>

namespace fs = std::filesystem;

namespace ReceiverHistory {

namespace {

// 2026-12-07_17-42-05: a digit wherever the pattern has a 'd'.
constexpr std::string_view kStampPattern = "dddd-dd-dd_dd-dd-dd";
constexpr std::string_view kExtension = ".dat";
// More images than the history keeps cannot share one second, unless
// something else writes names like ours.
constexpr int kMostPerSecond = 1000;

// An entry's name taken apart: its time stamp and its number within that
// second (1 for the first, whose name carries none).
struct EntryName {
    std::string stamp;
    int number = 1;

    bool operator<(const EntryName& other) const
    {
        return std::tie(stamp, number) < std::tie(other.stamp, other.number);
    }
};

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// False for a name the history does not give.
bool ParseName(const std::string& name, EntryName& parsed)
{
    if (name.size() < kStampPattern.size() + kExtension.size() || !name.ends_with(kExtension))
        return false;
    for (std::size_t i = 0; i < kStampPattern.size(); ++i) {
        if (kStampPattern[i] == 'd' ? !IsDigit(name[i]) : name[i] != kStampPattern[i])
            return false;
    }
    parsed.stamp = name.substr(0, kStampPattern.size());
    const std::string_view number = std::string_view(name).substr(
        kStampPattern.size(), name.size() - kStampPattern.size() - kExtension.size());
    if (number.empty()) {
        parsed.number = 1;
        return true;
    }
    if (number.size() < 2 || number.size() > 5 || number[0] != '_' ||
        !std::all_of(number.begin() + 1, number.end(), IsDigit))
        return false;
    parsed.number = std::stoi(std::string(number.substr(1)));
    return parsed.number >= 2;
}

std::string NameFor(const std::string& stamp, int number)
{
    std::string name = stamp;
    if (number > 1)
        name.append("_").append(std::to_string(number));
    return name.append(kExtension);
}

std::string StampFor(std::time_t when)
{
    std::tm local{};
    localtime_r(&when, &local);
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y-%m-%d_%H-%M-%S", &local);
    return stamp;
}

struct Found {
    fs::path path;
    EntryName name;
};

// The history's entries, oldest first.
std::vector<Found> Entries(const fs::path& folder)
{
    std::vector<Found> found;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        EntryName name;
        std::error_code typeError;
        if (it->is_regular_file(typeError) && ParseName(it->path().filename().string(), name))
            found.push_back({it->path(), name});
    }
    std::sort(found.begin(), found.end(), [](const Found& a, const Found& b) { return a.name < b.name; });
    return found;
}

PlaceholderText Why(const fs::path& path, const std::string& reason)
{
    return {Text::kFileFailed, {path.string(), reason}};
}

// Removes the oldest entries beyond the capacity, never `kept`: a clock set
// back would otherwise make the image just received the oldest.
void Prune(const fs::path& folder, const fs::path& kept, PlaceholderText& warning)
{
    const std::vector<Found> entries = Entries(folder);
    std::size_t excess = entries.size() > kCapacity ? entries.size() - kCapacity : 0;
    for (const Found& entry : entries) {
        if (excess == 0)
            break;
        if (entry.path == kept)
            continue;
        --excess;
        std::error_code ec;
        if (!fs::remove(entry.path, ec) && ec)
            warning = {Text::kHistoryNotPruned, {Fill(Why(entry.path, ec.message()))}};
    }
}

}  // namespace

fs::path Folder()
{
    return XdgFolder("XDG_DATA_HOME", ".local/share") / "volmaren" / "receiver";
}

fs::path Keep(const fs::path& folder, std::time_t when, const std::uint8_t* image, int variant,
              PlaceholderText& warning)
{
    std::error_code ec;
    fs::create_directories(folder, ec);
    if (ec) {
        warning = {Text::kHistoryNotKept, {Fill(Why(folder, ec.message()))}};
        return {};
    }
    const std::string stamp = StampFor(when);
    const std::size_t size = variant == 1 ? Image::kSmallSize : Image::kLargeSize;
    for (int number = 1; number <= kMostPerSecond; ++number) {
        const fs::path path = folder / NameFor(stamp, number);
        PlaceholderText error;
        switch (ImageFile::WriteNew(path.string(), image, size, error)) {
        case ImageFile::NewFile::Written: Prune(folder, path, warning); return path;
        case ImageFile::NewFile::Taken: continue;
        case ImageFile::NewFile::Failed: warning = {Text::kHistoryNotKept, {Fill(error)}}; return {};
        }
    }
    warning = {Text::kHistoryNotKept, {Fill(Why(folder / NameFor(stamp, 1), std::strerror(EEXIST)))}};
    return {};
}

fs::path Keep(const std::uint8_t* image, int variant, PlaceholderText& warning)
{
    return Keep(Folder(), std::time(nullptr), image, variant, warning);
}

std::vector<Entry> List(const fs::path& folder)
{
    const std::vector<Found> found = Entries(folder);
    std::vector<Entry> entries;
    // One document for all: a database holds megabytes of buffers.
    CImageDocument document;
    for (auto it = found.rbegin(); it != found.rend(); ++it) {
        Entry entry{it->path, it->name.stamp, 0, 0, 0};
        entry.date[10] = ' ';
        entry.date[13] = entry.date[16] = ':';
        std::vector<std::uint8_t> bytes;
        PlaceholderText error;
        if (ImageFile::ReadImage(it->path.string(), bytes, error) == ImageFile::Read::Ok &&
            document.LoadBytes(bytes.data(), bytes.size(), it->path.string()) ==
                CImageDocument::Load::Loaded) {
            const CChannelDatabase& db = document.m_database;
            entry.variant = db.m_nVariant;
            entry.tvCount = db.GetChannelCount(kTv);
            entry.radioCount = db.GetChannelCount(kRadio);
        }
        entries.push_back(std::move(entry));
    }
    return entries;
}

}  // namespace ReceiverHistory
