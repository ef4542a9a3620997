// Our CAT021 records read back with nothing but the published item definitions of editions
// 0.26 and 2.4 (their structured-text transcription in data/cat021-definitions), value by value
// against the target they were made from.

#include <catbridge/ASTERIXEncoder.h>

#include <cmath>
#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include <modes/ADSBServiceStatus.h>
#include <modes/ADSBTarget.h>

#include "AsterixDefinition.h"
#include "LogCapture.h"
#include "TargetBuilder.h"

namespace brannic {
namespace modes {
namespace {

using astdef::AsterixDefinition;
using astdef::DecodedItem;
using astdef::DecodedRecord;
using catbridgetest::kNoon;
using catbridgetest::serviceStatus;

constexpr double kKnotsPerNmPerSecond = 3600.0;

const AsterixDefinition& definition(const std::string& edition) {
    static const AsterixDefinition v026 =
        astdef::readAsterixDefinition(VELTMAR_TEST_DATA_DIR "/cat021-definitions/cat-0.26.ast");
    static const AsterixDefinition v24 =
        astdef::readAsterixDefinition(VELTMAR_TEST_DATA_DIR "/cat021-definitions/cat-2.4.ast");
    return edition == "0.26" ? v026 : v24;
}

// Targets that between them set every value the encoder reads, with positions in all four
// quadrants and values near the items' limits.
std::vector<ADSBTarget> targets() {
    std::vector<ADSBTarget> list;
    const uint64_t t = kNoon;
    {
        ADSBTarget target(0x4840D6);
        ADSBTargetTestAccess set(target);
        set.trackId(17);
        set.mops(MOPS_V0, t);
        set.confirmed(t);
        set.nucp(7, t);
        set.nucr(2, t);
        set.sil(3, t);
        set.nacp(9, t);
        set.pic(8, t);
        set.callsign("KLM1234 ", t);
        set.emitterCategory(3, t);
        set.squawk(01234, t);
        set.position(52.25, 4.75, t - 500);
        set.groundSpeed(450.0, t - 250);
        set.heading(90.0, t - 250);
        set.verticalRate(-1000, t - 250);
        set.altitude(35000, t);
        set.amplitude(200, t);
        set.spi(true, t);
        set.alert(true, t);
        set.lastUpdate(t);
        list.push_back(target);
    }
    {
        ADSBTarget target(0xC01234);
        ADSBTargetTestAccess set(target);
        set.trackId(4095);
        set.mops(MOPS_V2, t);
        set.confirmed(t);
        set.nucp(9, t);
        set.nacp(11, t);
        set.sil(3, t);
        set.pic(15, t);
        set.callsign("QFA9", t);
        set.squawk(07700, t);
        set.position(-33.946111, -151.177222, t - 1);
        set.groundSpeed(12.5, t - 2);
        set.heading(359.5, t - 2);
        set.verticalRate(6400, t - 3);
        set.altitude(-1010, t - 4);
        set.groundStatus(ADSBTarget::ON_GROUND, t);
        set.spi(true, t);
        set.lastUpdate(t);
        list.push_back(target);
    }
    {
        ADSBTarget target(0x000001);
        ADSBTargetTestAccess set(target);
        set.trackId(1);
        set.mops(MOPS_UNKNOWN, t);
        set.confirmed(t);
        set.position(-89.999, 179.999, t);
        set.lastUpdate(t + 86399000);
        list.push_back(target);
    }
    return list;
}

double timeOfDaySeconds(uint64_t timeMs) {
    return static_cast<double>(timeMs % catbridgetest::kMillisecondsPerDay) / 1000.0;
}

// The value of `field` of `item`, which must be there.
double value(const DecodedRecord& record, const std::string& item, const std::string& field) {
    const DecodedItem* i = record.item(item);
    if (i == nullptr) {
        ADD_FAILURE() << "no item " << item;
        return NAN;
    }
    const auto f = i->fields.find(field);
    if (f == i->fields.end()) {
        ADD_FAILURE() << "no field " << field << " in " << item;
        return NAN;
    }
    return f->second.value;
}

std::string text(const DecodedRecord& record, const std::string& item, const std::string& field) {
    const DecodedItem* i = record.item(item);
    return i == nullptr ? std::string("(none)") : i->fields.at(field).text;
}

std::set<std::string> itemIds(const DecodedRecord& record) {
    std::set<std::string> ids;
    for (const DecodedItem& i : record.items)
        ids.insert(i.id);
    return ids;
}

std::string eight(const std::string& callsign) {
    std::string padded = callsign.substr(0, 8);
    padded.resize(8, ' ');
    return padded;
}

bool alertOn(const ADSBTarget& t) {
    return t.alertStatusValid() && t.alertStatus();
}
bool spiOn(const ADSBTarget& t) {
    return t.spiStatusValid() && t.spiStatus();
}

TEST(Cat021Definition, DefinitionsAreRead) {
    for (const char* edition : {"0.26", "2.4"}) {
        SCOPED_TRACE(edition);
        const AsterixDefinition& d = definition(edition);
        ASSERT_TRUE(d.ok);
        EXPECT_EQ(d.category, "021");
        EXPECT_EQ(d.edition, edition);
        EXPECT_EQ(d.items.at("010").parts.front().size(), 2u);
    }
    EXPECT_EQ(definition("0.26").uap.size(), 35u);
    EXPECT_EQ(definition("2.4").items.at("090").parts.size(), 4u);
}

TEST(Cat021Definition, Edition026ItemByItem) {
    brannic::modes::LogCapture log;
    const ASTERIXEncoder encoder;
    const ADSBServiceStatus status = serviceStatus();
    const double lsbPosition = 180.0 / (1 << 25);
    for (const ADSBTarget& t : targets()) {
        SCOPED_TRACE(t.icaoAddr());
        const DataRecord record = encoder.createTargetReport(&t, &status, ASTERIXEncoder::CAT021_V026);
        ASSERT_TRUE(record.valid());
        const DecodedRecord r = astdef::decodeWithDefinition(definition("0.26"), record.constData());
        ASSERT_TRUE(r.ok) << r.error;
        EXPECT_EQ(r.length, record.constData().size());

        std::set<std::string> expected = {"010", "040", "030", "130", "080", "090", "095"};
        EXPECT_EQ(value(r, "010", "SAC"), 0x19);
        EXPECT_EQ(value(r, "010", "SIC"), 0xC9);
        EXPECT_NEAR(value(r, "030", "VALUE"), timeOfDaySeconds(t.lastUpdate()), 1.0 / 128);
        EXPECT_EQ(value(r, "040", "DCR"), 0);
        EXPECT_EQ(value(r, "040", "GBS"), t.groundStatus() == ADSBTarget::ON_GROUND ? 1 : 0);
        EXPECT_EQ(value(r, "040", "SIM"), 0);
        EXPECT_EQ(value(r, "040", "TST"), 0);
        EXPECT_EQ(value(r, "040", "RAB"), 0);
        EXPECT_EQ(value(r, "040", "SAA"), 1);
        EXPECT_EQ(value(r, "040", "SPI"), spiOn(t) ? 1 : 0);
        EXPECT_EQ(value(r, "040", "ARC"), 1);  // 25 ft
        EXPECT_NEAR(value(r, "130", "LAT"), t.latitude(), lsbPosition);
        EXPECT_NEAR(value(r, "130", "LON"), t.longitude(), lsbPosition);
        EXPECT_EQ(value(r, "080", "VALUE"), t.icaoAddr());
        // The transcription calls PA signed; it carries NUCp, 0 to 9.
        ASSERT_NE(r.item("090"), nullptr);
        EXPECT_EQ(r.item("090")->fields.at("PA").bits, t.nucp());
        EXPECT_EQ(value(r, "095", "VALUE"), t.nucr());
        if (t.altitudeBaroValid()) {
            expected.insert("145");
            EXPECT_EQ(value(r, "145", "VALUE"), (t.altitudeBaro() / 25) / 4.0);
        }
        if (t.groundSpeedValid() && t.headingValid()) {
            expected.insert("160");
            EXPECT_NEAR(value(r, "160", "GS") * kKnotsPerNmPerSecond, t.groundSpeed(),
                        kKnotsPerNmPerSecond / (1 << 14));
            EXPECT_NEAR(value(r, "160", "TA"), t.heading(), 360.0 / (1 << 16));
        }
        if (!t.callsign().empty()) {
            expected.insert("170");
            EXPECT_EQ(text(r, "170", "VALUE"), eight(t.callsign()));
        }
        if (alertOn(t)) {
            expected.insert("200");
            EXPECT_EQ(value(r, "200", "VALUE"), 1);  // general emergency
        }
        if (t.emitterCategoryValid()) {
            expected.insert("020");
            EXPECT_EQ(value(r, "020", "VALUE"), t.emitterCategory());
        }
        if (t.squawkValid()) {
            expected.insert("070");
            EXPECT_EQ(value(r, "070", "MODE3A"), t.squawk());
            EXPECT_EQ(value(r, "070", "V"), 0);  // validated
            EXPECT_EQ(value(r, "070", "G"), 0);
            EXPECT_EQ(value(r, "070", "L"), 0);
        }
        if (t.signalAmplitudeValid()) {
            expected.insert("131");
            EXPECT_EQ(value(r, "131", "VALUE"), t.signalAmplitude());
        }
        EXPECT_EQ(itemIds(r), expected);
        // Spare bits are zero, except in I021/040, where the library's item encoder sets the
        // three spare bits behind ARC.
        for (const DecodedItem& item : r.items) {
            if (item.id == "040")
                continue;
            for (uint64_t spare : item.spareBits)
                EXPECT_EQ(spare, 0u) << "I021/" << item.id;
        }
    }
}

TEST(Cat021Definition, Edition24ItemByItem) {
    brannic::modes::LogCapture log;
    const ASTERIXEncoder encoder;
    const ADSBServiceStatus status = serviceStatus();
    const double lsbPosition = 180.0 / (1 << 23);
    for (const ADSBTarget& t : targets()) {
        SCOPED_TRACE(t.icaoAddr());
        const DataRecord record = encoder.createTargetReport(&t, &status, ASTERIXEncoder::CAT021_V24);
        ASSERT_TRUE(record.valid());
        const DecodedRecord r = astdef::decodeWithDefinition(definition("2.4"), record.constData());
        ASSERT_TRUE(r.ok) << r.error;
        EXPECT_EQ(r.length, record.constData().size());

        std::set<std::string> expected = {"010", "015", "040", "073", "077", "080",
                                          "090", "130", "161"};
        EXPECT_EQ(value(r, "010", "SAC"), 0x19);
        EXPECT_EQ(value(r, "010", "SIC"), 0xC9);
        EXPECT_EQ(value(r, "015", "VALUE"), 5);
        EXPECT_EQ(value(r, "040", "ATP"), 0);  // 24-bit ICAO address
        EXPECT_EQ(value(r, "040", "ARC"), 0);  // 25 ft
        EXPECT_EQ(value(r, "040", "RC"), 1);
        EXPECT_EQ(value(r, "040", "RAB"), 0);
        const bool onGround = t.groundStatus() == ADSBTarget::ON_GROUND;
        // The first extension goes only when it carries something: here, ground.
        EXPECT_EQ(r.item("040")->size, onGround ? 2u : 1u);
        if (onGround) {
            EXPECT_EQ(value(r, "040", "GBS"), 1);
        }
        EXPECT_NEAR(value(r, "073", "VALUE"), timeOfDaySeconds(t.positionLastUpdate()), 1.0 / 128);
        EXPECT_NEAR(value(r, "077", "VALUE"), timeOfDaySeconds(t.lastUpdate()), 1.0 / 128);
        EXPECT_EQ(value(r, "080", "VALUE"), t.icaoAddr());
        EXPECT_EQ(value(r, "090", "NUCRNACV"), t.nucrValid() ? t.nucr() : 0);
        EXPECT_EQ(value(r, "090", "NUCPNIC"), t.nucpValid() ? t.nucp() : 0);
        const DecodedItem* quality = r.item("090");
        ASSERT_NE(quality, nullptr);
        const auto field = [&](const char* name) {
            const auto f = quality->fields.find(name);
            return f == quality->fields.end() ? 0.0 : f->second.value;
        };
        EXPECT_EQ(field("NICBARO"), 0);
        EXPECT_EQ(field("SIL"), t.silValid() ? t.sil() : 0);
        EXPECT_EQ(field("NACP"), t.nacpValid() ? t.nacp() : 0);
        EXPECT_EQ(field("PIC"), t.picValid() ? t.pic() : 0);
        EXPECT_NEAR(value(r, "130", "LAT"), t.latitude(), lsbPosition);
        EXPECT_NEAR(value(r, "130", "LON"), t.longitude(), lsbPosition);
        EXPECT_EQ(value(r, "161", "TRNUM"), t.trackId());
        if (t.groundSpeedLastUpdate() != 0) {
            expected.insert("075");
            EXPECT_NEAR(value(r, "075", "VALUE"), timeOfDaySeconds(t.groundSpeedLastUpdate()),
                        1.0 / 128);
        }
        if (t.altitudeBaroValid()) {
            expected.insert("145");
            EXPECT_EQ(value(r, "145", "VALUE"), (t.altitudeBaro() / 25) / 4.0);
        }
        if (t.verticalRateBaroValid()) {
            expected.insert("155");
            EXPECT_EQ(value(r, "155", "RE"), 0);
            EXPECT_NEAR(value(r, "155", "BVR"), t.verticalRateBaro(), 6.25);
        }
        if (t.groundSpeedValid() && t.headingValid()) {
            expected.insert("160");
            EXPECT_EQ(value(r, "160", "RE"), 0);
            EXPECT_NEAR(value(r, "160", "GS") * kKnotsPerNmPerSecond, t.groundSpeed(),
                        kKnotsPerNmPerSecond / (1 << 14));
            EXPECT_NEAR(value(r, "160", "TA"), t.heading(), 360.0 / (1 << 16));
        }
        if (!t.callsign().empty()) {
            expected.insert("170");
            EXPECT_EQ(text(r, "170", "VALUE"), eight(t.callsign()));
        }
        if (alertOn(t) || spiOn(t)) {
            expected.insert("200");
            EXPECT_EQ(value(r, "200", "PS"), alertOn(t) ? 1 : 0);
            EXPECT_EQ(value(r, "200", "SS"), spiOn(t) ? 3 : 0);
            EXPECT_EQ(value(r, "200", "ICF") + value(r, "200", "LNAV") + value(r, "200", "ME"), 0);
        }
        if (t.mopsVersionConfirmed()) {
            expected.insert("210");
            EXPECT_EQ(value(r, "210", "VNS"), t.mopsVersion() == MOPS_UNKNOWN ? 1 : 0);
            EXPECT_EQ(value(r, "210", "VN"),
                      t.mopsVersion() == MOPS_UNKNOWN ? 0 : static_cast<int>(t.mopsVersion()));
            EXPECT_EQ(value(r, "210", "LTT"), 2);  // 1090 ES
        }
        if (t.emitterCategoryValid()) {
            expected.insert("020");
            EXPECT_EQ(value(r, "020", "VALUE"), t.emitterCategory());
        }
        if (t.squawkValid()) {
            expected.insert("070");
            EXPECT_EQ(value(r, "070", "MODE3A"), t.squawk());
        }
        if (t.signalAmplitudeValid()) {
            expected.insert("132");
            // A signed octet in this edition.
            ASSERT_NE(r.item("132"), nullptr);
            EXPECT_EQ(static_cast<uint8_t>(r.item("132")->fields.at("VALUE").raw),
                      t.signalAmplitude());
        }
        EXPECT_EQ(itemIds(r), expected);
        for (const DecodedItem& item : r.items) {
            for (uint64_t spare : item.spareBits)
                EXPECT_EQ(spare, 0u) << "I021/" << item.id;
        }
    }
}

}  // namespace
}  // namespace modes
}  // namespace brannic
