#include "feedgen/AircraftTypes.h"

#include <algorithm>
#include <cctype>
#include <cstring>

namespace feedgen {
namespace aircrafttypes {

namespace {

struct Row {
    const char* designator;
    uint8_t category;  // within set A: 1 light, 2 small, 3 large, 4 high vortex, 5 heavy,
                       // 6 high performance, 7 rotorcraft
    Performance performance;
};

// Emitter categories by maximum take-off mass as DO-260B defines them (light below 7,000 kg,
// small to 34,000 kg, large to 136,000 kg, heavy above; the Boeing 757 is "high vortex").
// Designators from ICAO Doc 8643; the types most often met in European airspace.
const Row kTypes[] = {
    // heavy
    {"A306", 5, Performance::Airliner}, {"A310", 5, Performance::Airliner},
    {"A332", 5, Performance::Airliner}, {"A333", 5, Performance::Airliner},
    {"A337", 5, Performance::Airliner}, {"A338", 5, Performance::Airliner},
    {"A339", 5, Performance::Airliner}, {"A343", 5, Performance::Airliner},
    {"A346", 5, Performance::Airliner}, {"A359", 5, Performance::Airliner},
    {"A35K", 5, Performance::Airliner}, {"A388", 5, Performance::Airliner},
    {"A400", 5, Performance::Turboprop}, {"B742", 5, Performance::Airliner},
    {"B744", 5, Performance::Airliner}, {"B748", 5, Performance::Airliner},
    {"B762", 5, Performance::Airliner}, {"B763", 5, Performance::Airliner},
    {"B764", 5, Performance::Airliner}, {"B772", 5, Performance::Airliner},
    {"B773", 5, Performance::Airliner}, {"B77L", 5, Performance::Airliner},
    {"B77W", 5, Performance::Airliner}, {"B788", 5, Performance::Airliner},
    {"B789", 5, Performance::Airliner}, {"B78X", 5, Performance::Airliner},
    {"MD11", 5, Performance::Airliner}, {"C17", 5, Performance::Airliner},
    {"K35R", 5, Performance::Airliner}, {"E3TF", 5, Performance::Airliner},
    {"B52", 5, Performance::Airliner},  {"Y20", 5, Performance::Airliner},
    {"IL76", 5, Performance::Airliner},
    // high vortex
    {"B752", 4, Performance::Airliner}, {"B753", 4, Performance::Airliner},
    // large
    {"A318", 3, Performance::Airliner}, {"A319", 3, Performance::Airliner},
    {"A320", 3, Performance::Airliner}, {"A321", 3, Performance::Airliner},
    {"A19N", 3, Performance::Airliner}, {"A20N", 3, Performance::Airliner},
    {"A21N", 3, Performance::Airliner}, {"B733", 3, Performance::Airliner},
    {"B734", 3, Performance::Airliner}, {"B735", 3, Performance::Airliner},
    {"B736", 3, Performance::Airliner}, {"B737", 3, Performance::Airliner},
    {"B738", 3, Performance::Airliner}, {"B739", 3, Performance::Airliner},
    {"B38M", 3, Performance::Airliner}, {"B39M", 3, Performance::Airliner},
    {"B3XM", 3, Performance::Airliner}, {"B712", 3, Performance::Airliner},
    {"BCS1", 3, Performance::Airliner}, {"BCS3", 3, Performance::Airliner},
    {"E170", 3, Performance::Airliner}, {"E75L", 3, Performance::Airliner},
    {"E75S", 3, Performance::Airliner}, {"E190", 3, Performance::Airliner},
    {"E195", 3, Performance::Airliner}, {"E290", 3, Performance::Airliner},
    {"E295", 3, Performance::Airliner}, {"CRJ7", 3, Performance::Airliner},
    {"CRJ9", 3, Performance::Airliner}, {"CRJX", 3, Performance::Airliner},
    {"SU95", 3, Performance::Airliner}, {"C919", 3, Performance::Airliner},
    {"AJ27", 3, Performance::Airliner}, {"MD82", 3, Performance::Airliner},
    {"MD83", 3, Performance::Airliner}, {"MD87", 3, Performance::Airliner},
    {"MD88", 3, Performance::Airliner}, {"P8", 3, Performance::Airliner},
    {"C30J", 3, Performance::Turboprop}, {"C130", 3, Performance::Turboprop},
    {"AN12", 3, Performance::Turboprop}, {"P3", 3, Performance::Turboprop},
    // small
    {"AT43", 2, Performance::Turboprop}, {"AT45", 2, Performance::Turboprop},
    {"AT46", 2, Performance::Turboprop}, {"AT72", 2, Performance::Turboprop},
    {"AT75", 2, Performance::Turboprop}, {"AT76", 2, Performance::Turboprop},
    {"DH8A", 2, Performance::Turboprop}, {"DH8C", 2, Performance::Turboprop},
    {"DH8D", 2, Performance::Turboprop}, {"SF34", 2, Performance::Turboprop},
    {"SB20", 2, Performance::Turboprop}, {"D328", 2, Performance::Turboprop},
    {"C295", 2, Performance::Turboprop}, {"E120", 2, Performance::Turboprop},
    {"B190", 2, Performance::Turboprop}, {"CRJ1", 2, Performance::Airliner},
    {"CRJ2", 2, Performance::Airliner}, {"E135", 2, Performance::Airliner},
    {"E145", 2, Performance::Airliner}, {"GLEX", 2, Performance::BusinessJet},
    {"GL5T", 2, Performance::BusinessJet}, {"GL7T", 2, Performance::BusinessJet},
    {"GLF4", 2, Performance::BusinessJet}, {"GLF5", 2, Performance::BusinessJet},
    {"GLF6", 2, Performance::BusinessJet}, {"GA5C", 2, Performance::BusinessJet},
    {"GA6C", 2, Performance::BusinessJet}, {"GA7C", 2, Performance::BusinessJet},
    {"GA8C", 2, Performance::BusinessJet}, {"G280", 2, Performance::BusinessJet},
    {"GALX", 2, Performance::BusinessJet}, {"CL30", 2, Performance::BusinessJet},
    {"CL35", 2, Performance::BusinessJet}, {"CL60", 2, Performance::BusinessJet},
    {"FA50", 2, Performance::BusinessJet}, {"FA6X", 2, Performance::BusinessJet},
    {"FA7X", 2, Performance::BusinessJet}, {"FA8X", 2, Performance::BusinessJet},
    {"F2TH", 2, Performance::BusinessJet}, {"F900", 2, Performance::BusinessJet},
    {"E35L", 2, Performance::BusinessJet}, {"E545", 2, Performance::BusinessJet},
    {"E550", 2, Performance::BusinessJet}, {"C68A", 2, Performance::BusinessJet},
    {"C680", 2, Performance::BusinessJet}, {"C700", 2, Performance::BusinessJet},
    {"C750", 2, Performance::BusinessJet}, {"C56X", 2, Performance::BusinessJet},
    {"H25B", 2, Performance::BusinessJet}, {"HA4T", 2, Performance::BusinessJet},
    {"LJ45", 2, Performance::BusinessJet}, {"LJ60", 2, Performance::BusinessJet},
    {"LJ75", 2, Performance::BusinessJet}, {"ASTR", 2, Performance::BusinessJet},
    {"PC24", 2, Performance::BusinessJet},
    // light jets and turboprops
    {"C25A", 1, Performance::BusinessJet}, {"C25B", 1, Performance::BusinessJet},
    {"C25C", 1, Performance::BusinessJet}, {"C25M", 1, Performance::BusinessJet},
    {"C510", 1, Performance::BusinessJet}, {"C525", 1, Performance::BusinessJet},
    {"C560", 1, Performance::BusinessJet}, {"E50P", 1, Performance::BusinessJet},
    {"E55P", 1, Performance::BusinessJet}, {"HDJT", 1, Performance::BusinessJet},
    {"SF50", 1, Performance::BusinessJet}, {"EA50", 1, Performance::BusinessJet},
    {"PC12", 1, Performance::Turboprop}, {"TBM7", 1, Performance::Turboprop},
    {"TBM8", 1, Performance::Turboprop}, {"TBM9", 1, Performance::Turboprop},
    {"BE20", 1, Performance::Turboprop}, {"B350", 1, Performance::Turboprop},
    {"BE9L", 1, Performance::Turboprop}, {"P180", 1, Performance::Turboprop},
    {"C208", 1, Performance::Turboprop}, {"M600", 1, Performance::Turboprop},
    {"P46T", 1, Performance::Turboprop}, {"DHC6", 1, Performance::Turboprop},
    // high performance
    {"EUFI", 6, Performance::Fighter}, {"F16", 6, Performance::Fighter},
    {"F15", 6, Performance::Fighter},  {"F18H", 6, Performance::Fighter},
    {"F35", 6, Performance::Fighter},  {"TOR", 6, Performance::Fighter},
    {"HAWK", 6, Performance::Fighter}, {"M346", 6, Performance::Fighter},
    // rotorcraft
    {"A109", 7, Performance::Rotorcraft}, {"A119", 7, Performance::Rotorcraft},
    {"A139", 7, Performance::Rotorcraft}, {"A169", 7, Performance::Rotorcraft},
    {"A189", 7, Performance::Rotorcraft}, {"AS50", 7, Performance::Rotorcraft},
    {"AS55", 7, Performance::Rotorcraft}, {"AS65", 7, Performance::Rotorcraft},
    {"B06", 7, Performance::Rotorcraft},  {"B407", 7, Performance::Rotorcraft},
    {"B412", 7, Performance::Rotorcraft}, {"B429", 7, Performance::Rotorcraft},
    {"B505", 7, Performance::Rotorcraft}, {"EC20", 7, Performance::Rotorcraft},
    {"EC25", 7, Performance::Rotorcraft}, {"EC30", 7, Performance::Rotorcraft},
    {"EC35", 7, Performance::Rotorcraft}, {"EC45", 7, Performance::Rotorcraft},
    {"EC55", 7, Performance::Rotorcraft}, {"EC75", 7, Performance::Rotorcraft},
    {"EH10", 7, Performance::Rotorcraft}, {"H160", 7, Performance::Rotorcraft},
    {"H47", 7, Performance::Rotorcraft},  {"H60", 7, Performance::Rotorcraft},
    {"H64", 7, Performance::Rotorcraft},  {"LYNX", 7, Performance::Rotorcraft},
    {"NH90", 7, Performance::Rotorcraft}, {"R22", 7, Performance::Rotorcraft},
    {"R44", 7, Performance::Rotorcraft},  {"R66", 7, Performance::Rotorcraft},
    {"S76", 7, Performance::Rotorcraft},  {"S92", 7, Performance::Rotorcraft},
};

std::string upper(const std::string& text) {
    std::string result = text;
    for (char& c : result)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return result;
}

bool namesHelicopter(const std::string& description) {
    static const char* const kWords[] = {"HELICOPTER", "ROBINSON", "SIKORSKY", "EUROCOPTER",
                                         "GUIMBAL", "AUTOGYRO"};
    const std::string text = upper(description);
    return std::any_of(std::begin(kWords), std::end(kWords),
                       [&](const char* word) { return text.find(word) != std::string::npos; });
}

}  // namespace

AircraftType classify(const std::string& designator, const std::string& description) {
    const std::string key = upper(designator);
    for (const Row& row : kTypes) {
        if (key == row.designator)
            return AircraftType{'A', row.category, row.performance};
    }
    if (namesHelicopter(description))
        return AircraftType{'A', 7, Performance::Rotorcraft};
    return AircraftType{'A', 1, Performance::Piston};
}

bool isVehicle(const std::string& designator) {
    return designator == "-GND";
}

}  // namespace aircrafttypes
}  // namespace feedgen
