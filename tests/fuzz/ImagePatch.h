// The structure-aware front of an image fuzzer input: one of a few known
// images and a handful of patches aimed at its records, so that a short
// input reaches any record of a whole image.
//
//   base       byte, modulo 32: 0-23 the demo image, 24-27 the demo image
//              in the small layout, 28-30 the blank image, 31 the demo
//              image with every table filled to its limit (rarely: each
//              operation on it takes long)
//   patches    byte: how many (0 to 15), then each patch:
//              region byte (TV, radio, bouquet, transponder, satellite,
//              group, system, position pair, or anywhere), record word,
//              offset byte, length byte (1 to 8), that many bytes to write
//
// An input that runs out reads as zeros.
#pragma once

#include "BlankImage.h"
#include "ChannelDatabase.h"
#include "DemoImage.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

class ImagePatch {
public:
    struct Applied {
        std::size_t scriptStart;  // how many input bytes the patches took
        bool patched;  // false: the known image as it is, which is valid
        bool full;  // every table at its limit
    };

    // Builds the patched image into `image`.
    static Applied Apply(const std::uint8_t* data, std::size_t size, std::vector<std::uint8_t>& image)
    {
        Reader in{data, size};
        const int choice = in.Byte() % 32;
        const Base& base = Bases()[std::size_t(choice < 24 ? 0 : choice < 28 ? 1 : choice < 31 ? 2 : 3)];
        image.assign(base.bytes.begin(), base.bytes.end());
        const int patches = in.Byte() % 16;
        for (int n = patches; n > 0; --n)
            Patch(in, base, image);
        return {in.at, patches > 0, &base == &Bases()[3]};
    }

private:
    struct Base {
        std::vector<std::uint8_t> bytes;
        std::size_t shift;  // how much lower the regions lie than in the large layout
        int tv, radio, transponders, satellites;
    };

    struct Reader {
        const std::uint8_t* data;
        std::size_t size;
        std::size_t at = 0;
        std::uint8_t Byte() { return at < size ? data[at++] : 0; }
        unsigned Word() { return unsigned(Byte()) | unsigned(Byte()) << 8; }
    };

    static Base Made(CChannelDatabase& db, std::size_t shift)
    {
        db.TablesToWorkImage();
        const std::uint8_t* work = db.GetWorkImage();
        return {std::vector<std::uint8_t>(work + shift, work + Image::kLargeSize),
                shift,
                db.GetChannelCount(kTv),
                db.GetChannelCount(kRadio),
                db.GetTransponderCount(),
                db.GetSatelliteCount()};
    }

    // Every table of the demo image filled to its limit with copies of its
    // records; far quicker than building the full demo image channel by
    // channel, which would take the first seconds of every run.
    static void FillToTheLimits(CChannelDatabase& db)
    {
        const int satellites = db.GetSatelliteCount(), transponders = db.GetTransponderCount();
        for (int s = satellites; s < Image::kMaxSatellites; ++s) {
            SatelliteRecord satellite;
            db.GetSatellite(satellite, s % satellites);
            satellite.index = std::uint16_t(s);
            db.SetSatellite(satellite, s);
        }
        for (int t = transponders; t < Image::kMaxTransponders; ++t) {
            TransponderRecord transponder;
            db.GetTransponder(transponder, t % transponders);
            transponder.satelliteIndex = std::uint16_t(t % Image::kMaxSatellites);
            db.SetTransponder(transponder, t);
        }
        for (ChannelKind kind : kChannelKinds) {
            const int count = db.GetChannelCount(kind);
            for (int i = count; i < ChannelCapacity(kind); ++i) {
                ChannelRecord channel;
                db.GetChannel(channel, i % count, kind);
                channel.transponderIndex = std::uint16_t(i % Image::kMaxTransponders);
                db.SetChannel(channel, i, kind);
            }
        }
        db.SettleListContext();
    }

    // The demo image, the same in the small layout, the blank image, and
    // one with every table full.
    static const std::array<Base, 4>& Bases()
    {
        static const std::array<Base, 4> bases = [] {
            CChannelDatabase db;
            Demo::Build(db, Demo::Size::Normal);
            Base demo = Made(db, 0);
            Base small = Made(db, Image::kSmallShift);
            FillToTheLimits(db);
            Base full = Made(db, 0);
            BlankImage::Load(db);
            return std::array<Base, 4>{demo, small, Made(db, 0), full};
        }();
        return bases;
    }

    static void Patch(Reader& in, const Base& base, std::vector<std::uint8_t>& image)
    {
        struct Region {
            std::size_t offset, recordSize;
            int records;
        };
        using namespace Image;
        const Region regions[] = {
            {kTvOffset, 44, base.tv + 2},
            {kRadioOffset, 44, base.radio + 2},
            {kBouquetOffset, 20, base.tv + 2},
            {kTransponderOffset, 16, base.transponders + 2},
            {kSatelliteOffset, 44, base.satellites + 2},
            {kSystemOffset + kGroupTableOffset, 16, kGroupCount},
            {kSystemOffset, kSystemInfoSize, 1},
            {kSystemOffset + kPositionPairsOffset, 4, base.satellites + 2},
        };
        const std::uint8_t which = in.Byte() % 9;
        std::size_t at;
        if (which < std::size(regions)) {
            const Region& region = regions[which];
            at = region.offset + region.recordSize * (in.Word() % unsigned(region.records)) +
                 in.Byte() % region.recordSize;
        } else {
            at = (std::size_t(in.Word()) | std::size_t(in.Byte()) << 16) % kLargeSize;
        }
        const int length = 1 + in.Byte() % 8;
        for (int k = 0; k < length; ++k) {
            const std::uint8_t value = in.Byte();
            if (at + std::size_t(k) >= base.shift && at + std::size_t(k) - base.shift < image.size())
                image[at + std::size_t(k) - base.shift] = value;
        }
    }
};
