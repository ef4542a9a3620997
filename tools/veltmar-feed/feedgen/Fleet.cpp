#include "feedgen/Fleet.h"

#include <algorithm>
#include <unordered_set>

#include "feedgen/Operators.h"

namespace feedgen {
namespace fleet {

namespace {

constexpr uint32_t kEuropeFirst = 0x300000;
constexpr uint32_t kEuropeEnd = 0x500000;
constexpr double kEuropeanShare = 0.85;

bool european(uint32_t address) {
    return address >= kEuropeFirst && address < kEuropeEnd;
}

// A flight number after the designator: digits, sometimes a letter or two after them, at
// most seven characters in all ("DLH4KM", "EZY85MH", "RYR1234").
std::string flightNumber(Random& random) {
    std::string number = std::to_string(1 + random.below(random.chance(0.5) ? 99 : 9999));
    const size_t letters = number.size() <= 2 ? (random.chance(0.5) ? 2 : 0)
                                              : (number.size() == 3 && random.chance(0.3) ? 1 : 0);
    for (size_t i = 0; i < letters; ++i)
        number.push_back(static_cast<char>('A' + random.below(26)));
    return number;
}

std::string callsignOfRegistration(const std::string& registration) {
    std::string callsign;
    for (char c : registration) {
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
        if ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'))
            callsign.push_back(c);
    }
    return callsign.substr(0, 8);
}

// A Mode A code as European air traffic control hands them out: the Mode S conspicuity code
// 1000 for many airliners, 7000 for most light aircraft flying VFR, a discrete code otherwise.
uint32_t squawkFor(Performance performance, Random& random) {
    const bool light = performance == Performance::Piston || performance == Performance::Rotorcraft;
    if (light && random.chance(0.6))
        return 07000;
    if (!light && random.chance(0.3))
        return 01000;
    uint32_t code = 1 + static_cast<uint32_t>(random.below(6));  // first digit 1 to 6
    for (int i = 0; i < 3; ++i)
        code = code * 8 + static_cast<uint32_t>(random.below(8));
    return code;
}

// The avionics: most aircraft are DO-260B (version 2); some older light aircraft report their
// altitude from a Gillham encoder in 100-ft steps; a few position sources give GNSS height only.
void fitAvionics(AircraftProfile& profile, Random& random) {
    const double version = random.uniform();
    profile.adsbVersion = version < 0.85 ? 2 : (version < 0.95 ? 1 : 0);
    const Performance performance = profile.type.performance;
    const bool light = performance == Performance::Piston || performance == Performance::Rotorcraft;
    profile.altitudeCoding =
        light && random.chance(0.08) ? altitude::Coding::Gillham100 : altitude::Coding::Feet25;
    profile.gnssHeightPositions = random.chance(0.02);
    profile.acasReplyInformation =
        (performance == Performance::Airliner ||
         (performance == Performance::BusinessJet && profile.type.category >= 2))
            ? 3
            : 0;
    profile.squawk = squawkFor(performance, random);
}

}  // namespace

AircraftProfile profileOf(const AircraftRecord& record, Random& random) {
    AircraftProfile profile;
    profile.address = record.address & 0xFFFFFF;
    profile.registration = record.registration;
    profile.type = aircrafttypes::classify(record.type, record.typeDescription);
    const std::string designator = operators::designator(record.operatorName);
    profile.callsign = designator.empty() ? callsignOfRegistration(record.registration)
                                          : designator + flightNumber(random);
    if (profile.callsign.empty())
        profile.callsign = "FLT" + flightNumber(random);
    fitAvionics(profile, random);
    return profile;
}

std::vector<AircraftProfile> fromRecords(const std::vector<AircraftRecord>& records, size_t count,
                                         Random& random) {
    std::vector<const AircraftRecord*> near;
    std::vector<const AircraftRecord*> far;
    std::unordered_set<uint32_t> seen;
    for (const AircraftRecord& record : records) {
        if (aircrafttypes::isVehicle(record.type) || record.address == 0 ||
            record.address > 0xFFFFFF || !seen.insert(record.address).second)
            continue;
        (european(record.address) ? near : far).push_back(&record);
    }
    std::vector<AircraftProfile> picked;
    picked.reserve(count);
    while (picked.size() < count && (!near.empty() || !far.empty())) {
        auto& pool = (far.empty() || (!near.empty() && random.chance(kEuropeanShare))) ? near : far;
        const size_t index = static_cast<size_t>(random.below(pool.size()));
        picked.push_back(profileOf(*pool[index], random));
        pool[index] = pool.back();
        pool.pop_back();
    }
    if (picked.size() < count) {
        std::vector<uint32_t> used(seen.begin(), seen.end());
        std::sort(used.begin(), used.end());
        const auto more = generated(count - picked.size(), random, used);
        picked.insert(picked.end(), more.begin(), more.end());
    }
    return picked;
}

std::vector<AircraftProfile> generated(size_t count, Random& random,
                                       const std::vector<uint32_t>& avoid) {
    // Address blocks of a few European States (ICAO Annex 10 Vol. III, Chapter 9): start and
    // size. Germany, France, United Kingdom, Italy, Spain, Netherlands, Switzerland, Austria.
    struct Block {
        uint32_t start;
        uint32_t size;
    };
    static const Block kBlocks[] = {{0x3C0000, 0x40000}, {0x380000, 0x40000},
                                    {0x400000, 0x40000}, {0x300000, 0x40000},
                                    {0x340000, 0x40000}, {0x480000, 0x8000},
                                    {0x4B0000, 0x8000},  {0x440000, 0x8000}};
    struct Model {
        const char* designator;
        double share;
    };
    static const Model kModels[] = {{"A20N", 0.2}, {"A320", 0.15}, {"B738", 0.15},
                                    {"A21N", 0.1}, {"A319", 0.05}, {"E190", 0.05},
                                    {"BCS3", 0.05}, {"A359", 0.05}, {"B77W", 0.03},
                                    {"AT76", 0.04}, {"DH8D", 0.03}, {"C56X", 0.04},
                                    {"C172", 0.04}, {"EC35", 0.02}};
    static const char* const kAirlines[] = {"DLH", "EZY", "RYR", "AFR", "KLM", "BAW",
                                            "EWG", "WZZ", "SWR", "AUA", "CFG", "THY"};
    std::unordered_set<uint32_t> used;
    std::vector<AircraftProfile> made;
    made.reserve(count);
    while (made.size() < count) {
        const Block& block = kBlocks[random.below(std::size(kBlocks))];
        const uint32_t address = block.start + static_cast<uint32_t>(random.below(block.size));
        if (std::binary_search(avoid.begin(), avoid.end(), address) || !used.insert(address).second)
            continue;
        double pick = random.uniform();
        const Model* model = &kModels[0];
        for (const Model& candidate : kModels) {
            model = &candidate;
            if ((pick -= candidate.share) < 0)
                break;
        }
        AircraftProfile profile;
        profile.address = address;
        profile.type = aircrafttypes::classify(model->designator, "");
        profile.callsign = std::string(kAirlines[random.below(std::size(kAirlines))]) +
                           flightNumber(random);
        fitAvionics(profile, random);
        made.push_back(profile);
    }
    return made;
}

}  // namespace fleet
}  // namespace feedgen
