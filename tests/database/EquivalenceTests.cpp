// The fast composite operations against the step-by-step ones, on many
// random valid databases: the tables must come out the same to the byte.
#include "ImageCheck.h"
#include "ReferenceOperations.h"
#include "TestDatabase.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

int Below(std::mt19937& rng, int n)
{
    return std::uniform_int_distribution<int>(0, n - 1)(rng);
}

// A random selection of the indexes below n, ascending: mostly a few, now
// and then many (the step-by-step version compacts every table per record,
// so "many" stays below a hundred).
std::vector<int> RandomSubset(std::mt19937& rng, int n)
{
    std::vector<int> all(std::size_t(std::max(n, 0)));
    for (int i = 0; i < n; ++i)
        all[std::size_t(i)] = i;
    std::shuffle(all.begin(), all.end(), rng);
    const int few = std::min(n, 1 + Below(rng, 4));
    const int taken = Below(rng, 5) == 0 ? Below(rng, std::min(n, 80) + 1) : few;
    all.resize(std::size_t(taken));
    std::sort(all.begin(), all.end());
    return all;
}

enum class Operation { DeleteTransponders, DeleteSatellites, DeleteChannels, MoveChannels };

struct Step {
    Operation operation;
    std::vector<int> list;
    ChannelKind kind = kTv;
    int position = -1;
};

Step RandomStep(std::mt19937& rng, const CChannelDatabase& db)
{
    Step step{Operation(Below(rng, 4)), {}, ChannelKind(Below(rng, 2)), -1};
    switch (step.operation) {
    case Operation::DeleteTransponders: step.list = RandomSubset(rng, db.GetTransponderCount()); break;
    case Operation::DeleteSatellites: step.list = RandomSubset(rng, db.GetSatelliteCount()); break;
    case Operation::DeleteChannels:
        step.list = RandomSubset(rng, db.GetChannelCount(step.kind));
        std::shuffle(step.list.begin(), step.list.end(), rng);
        break;
    case Operation::MoveChannels: {
        const int count = db.GetChannelCount(step.kind);
        step.list = RandomSubset(rng, count);
        std::shuffle(step.list.begin(), step.list.end(), rng);
        step.position = count > 0 && Below(rng, 4) != 0 ? Below(rng, count) : -1;
        break;
    }
    }
    return step;
}

void ApplyFast(CChannelDatabase& db, const Step& step)
{
    switch (step.operation) {
    case Operation::DeleteTransponders: return db.DeleteTransponders(step.list);
    case Operation::DeleteSatellites: return db.DeleteSatellites(step.list);
    case Operation::DeleteChannels: return db.DeleteChannels(step.list, step.kind);
    case Operation::MoveChannels: return db.MoveChannels(step.list, step.position, step.kind);
    }
}

// The step-by-step version, followed by the same upkeep run as the fast one.
void ApplyReference(CChannelDatabase& db, const Step& step)
{
    ReferenceTables tables(db);
    switch (step.operation) {
    case Operation::DeleteTransponders: tables.DeleteTransponders(step.list); break;
    case Operation::DeleteSatellites: tables.DeleteSatellites(step.list); break;
    case Operation::DeleteChannels: tables.DeleteChannels(step.list, step.kind); break;
    case Operation::MoveChannels: tables.MoveChannels(step.list, step.position, step.kind); break;
    }
    tables.CopyInto(db);
    if (step.operation != Operation::MoveChannels)
        db.UpdateListContext();
}

std::string Describe(const Step& step)
{
    static const char* const names[] = {"DeleteTransponders", "DeleteSatellites", "DeleteChannels",
                                        "MoveChannels"};
    std::string text = names[int(step.operation)];
    text += " kind " + std::to_string(int(step.kind)) + " position " + std::to_string(step.position) + " [";
    for (int i : step.list)
        text += std::to_string(i) + " ";
    return text + "]";
}

}  // namespace

TEST(Equivalence, FastOperationsLeaveTheBytesOfTheStepByStepOnes)
{
    constexpr int kDatabases = 160;
    constexpr int kStepsEach = 4;
    CChannelDatabase fast, reference;
    for (int seed = 0; seed < kDatabases; ++seed) {
        std::mt19937 rng{std::uint32_t(seed)};
        const RandomSizes sizes = RandomTableSizes(rng);
        std::mt19937 fill{std::uint32_t(seed) * 7919u};
        FillRandomDatabase(fast, fill, sizes);
        fill.seed(std::uint32_t(seed) * 7919u);
        FillRandomDatabase(reference, fill, sizes);
        ASSERT_EQ(ImageCheck::CheckStructure(fast), ImageCheck::Findings{}) << "seed " << seed;

        for (int n = 0; n < kStepsEach; ++n) {
            const Step step = RandomStep(rng, fast);
            ApplyFast(fast, step);
            ApplyReference(reference, step);
            ASSERT_EQ(ImageBytes(fast), ImageBytes(reference)) << "seed " << seed << ": " << Describe(step);
            ASSERT_EQ(ImageCheck::CheckStructure(fast), ImageCheck::Findings{})
                << "seed " << seed << ": " << Describe(step);
        }
    }
}
