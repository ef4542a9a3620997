#include <catbridge/ASTERIXEncoder.h>

#include <asterix/asterix.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include <modes/ADSBServiceStatus.h>
#include <modes/ADSBTarget.h>

#include "LogCapture.h"
#include "TargetBuilder.h"

namespace brannic {
namespace modes {
namespace {

using catbridgetest::kMillisecondsPerDay;
using catbridgetest::kNoon;
using catbridgetest::serviceStatus;
using catbridgetest::positionedTarget;

constexpr auto V026 = ASTERIXEncoder::CAT021_V026;
constexpr auto V24 = ASTERIXEncoder::CAT021_V24;

std::string hex(const std::string& bytes) {
    static const char digits[] = "0123456789ABCDEF";
    std::string text;
    for (unsigned char c : bytes) {
        if (!text.empty())
            text += ' ';
        text += digits[c >> 4];
        text += digits[c & 15];
    }
    return text;
}

// The record decoded again with the edition's profile: it must decode completely, to the
// last octet.
ast_datarecord_t decoded(const DataRecord& record, const ast_uap_t& uap) {
    const std::string& d = record.constData();
    const ast_datarecord_t r =
        ast_datarecord_decode(reinterpret_cast<const uint8_t*>(d.data()), d.size(), 21, &uap);
    EXPECT_TRUE(r.ok) << hex(d);
    EXPECT_EQ(r.length, d.size()) << hex(d);
    return r;
}

ast_cat021_v026_record_t form026(const DataRecord& record) {
    const ast_datarecord_t r = decoded(record, AST_UAP_CAT021_VER026);
    return ast_datarecord_021_v026_disassemble(&r);
}

ast_cat021_v24_record_t form24(const DataRecord& record) {
    const ast_datarecord_t r = decoded(record, AST_UAP_CAT021_VER24);
    return ast_datarecord_021_v24_disassemble(&r);
}

DataRecord encode(const ADSBTarget& target, ASTERIXEncoder::ASTERIXVersion version) {
    const ASTERIXEncoder encoder;
    const ADSBServiceStatus status = serviceStatus();
    return encoder.createTargetReport(&target, &status, version);
}

// Every value the encoder reads, set and valid: a confirmed DO-260 (version 0) target, so that
// NUCr counts as valid too, with SPI and an emergency.
ADSBTarget fullTarget() {
    ADSBTarget target(0x4840D6);
    ADSBTargetTestAccess set(target);
    const uint64_t t = kNoon;
    set.trackId(17);
    set.mops(MOPS_V0, t - 900);
    set.confirmed(t - 900);
    set.nucp(7, t - 800);
    set.nucr(2, t - 800);
    set.sil(3, t - 800);
    set.nacp(9, t - 800);
    set.pic(8, t - 800);
    set.callsign("KLM1234 ", t - 700);
    set.emitterCategory(3, t - 700);
    set.squawk(01234, t - 600);
    set.position(52.25, 4.75, t - 500);
    set.groundSpeed(450.0, t - 250);
    set.heading(90.0, t - 250);
    set.verticalRate(-1000, t - 250);
    set.altitude(35000, t - 100);
    set.amplitude(200, t - 100);
    set.groundStatus(ADSBTarget::AIRBORNE, t - 100);
    set.spi(true, t - 50);
    set.alert(true, t - 50);
    set.lastUpdate(t);
    return target;
}

TEST(ASTERIXEncoder, InitializedOnce) {
    LogCapture log;
    const ASTERIXEncoder encoder;
    EXPECT_EQ(log.count("Initialized."), 1);
    EXPECT_EQ(log.countContaining("ASTERIXEncoder"), 1);
    log.clear();
    const ADSBTarget target = positionedTarget();
    const ADSBServiceStatus status = serviceStatus();
    encoder.createTargetReport(&target, &status, V24);
    encoder.createTargetReport(&target, &status, static_cast<ASTERIXEncoder::ASTERIXVersion>(21));
    EXPECT_TRUE(log.lines.empty());
}

TEST(ASTERIXEncoder, RefusesMissingInputsAndUnknownEditions) {
    LogCapture log;
    const ASTERIXEncoder encoder;
    const ADSBTarget target = positionedTarget();
    const ADSBServiceStatus status = serviceStatus();
    EXPECT_FALSE(encoder.createTargetReport(nullptr, &status, V24).valid());
    EXPECT_FALSE(encoder.createTargetReport(&target, nullptr, V026).valid());
    for (int version : {0, 21, 24, 25, 27, 239, 241, -26}) {
        SCOPED_TRACE(version);
        EXPECT_FALSE(encoder
                         .createTargetReport(&target, &status,
                                             static_cast<ASTERIXEncoder::ASTERIXVersion>(version))
                         .valid());
    }
    const DataRecord record = encoder.createTargetReport(&target, &status, V24);
    EXPECT_TRUE(record.valid());
    EXPECT_EQ(record.category(), 21);
    EXPECT_NE(record.timeStamp(), 0u);
}

// Octet for octet, item by item in the edition's FRN order.
TEST(ASTERIXEncoder, FullTargetEdition026) {
    LogCapture log;
    const DataRecord record = encode(fullTarget(), V026);
    ASSERT_TRUE(record.valid());
    const std::string expected = std::string() +
        "FB 21 5B 86"          // FSPEC: FRN 1-5, 7, 10, 16, 18, 19, 21, 22, 27, 28
        " 19 C9"               // I021/010 SAC 25, SIC 201
        " 06 0F"               // I021/040 (0.26): SAA, SPI; ATP 0, ARC 25 ft
        " 58 78 64"            // I021/030 12:34:56.789 -> 5797988/128 s
        " 00 94 9F 49"         // I021/130 (0.26) latitude 52.25 at 180/2^25
        " 00 0D 82 D8"         //          longitude 4.75
        " 48 40 D6"            // I021/080
        " 00 07"               // I021/090 (0.26) figure of merit: PA = NUCp 7
        " 05 78"               // I021/145 FL 350 in quarters (1400)
        " 08 00 40 00"         // I021/160 450 kt (2048 × 2^-14 NM/s), 90°
        " 2C C3 71 CB 3D 20"   // I021/170 "KLM1234 "
        " 02"                  // I021/095 NUCr 2
        " 01"                  // I021/200 (0.26) general emergency
        " 03"                  // I021/020 emitter category 3
        " 02 9C"               // I021/070 code 1234, validated
        " C8";                 // I021/131 (0.26) signal amplitude 200
    EXPECT_EQ(hex(record.constData()), expected);
}

TEST(ASTERIXEncoder, FullTargetEdition24) {
    LogCapture log;
    const DataRecord record = encode(fullTarget(), V24);
    ASSERT_TRUE(record.valid());
    const std::string expected = std::string() +
        "F5 1B 3B 6B C1 20"    // FSPEC: FRN 1-4, 6, 11, 12, 14, 17-19, 21, 23, 24, 26, 28-30, 38
        " 19 C9"               // I021/010
        " 04"                  // I021/040 ATP 0, ARC 25 ft, RC; no extension
        " 00 11"               // I021/161 track 17
        " 05"                  // I021/015 service 5
        " 25 27 D2 03 60 B6"   // I021/130 52.25, 4.75 at 180/2^23
        " 48 40 D6"            // I021/080
        " 58 78 24"            // I021/073 position heard at 12:34:56.289
        " 58 78 44"            // I021/075 velocity heard at 12:34:56.539
        " 4F 73 01 80"         // I021/090 NUCr 2, NUCp 7 | SIL 3, NACp 9 | - | PIC 8
        " 02"                  // I021/210 VN 0, 1090 ES
        " 02 9C"               // I021/070 code 1234
        " 05 78"               // I021/145 FL 350
        " 07"                  // I021/200 PS general emergency, SS SPI
        " 7F 60"               // I021/155 -1000 ft/min (-160 × 6.25)
        " 08 00 40 00"         // I021/160
        " 58 78 64"            // I021/077 report time 12:34:56.789
        " 2C C3 71 CB 3D 20"   // I021/170
        " 03"                  // I021/020
        " C8";                 // I021/132
    EXPECT_EQ(hex(record.constData()), expected);
}

// Each item's present-when rule, one condition at a time from a target that has only an
// address, a track number and a position.
struct PresenceCase {
    const char* name;
    std::function<void(ADSBTargetTestAccess&)> change;
    std::function<bool(const ast_cat021_v026_record_t&)> item026;  // null: not in 0.26
    std::function<bool(const ast_cat021_v24_record_t&)> item24;    // null: not in 2.4
    bool present;
};

TEST(ASTERIXEncoder, EveryPresentWhenRule) {
    const uint64_t t = kNoon;
    const auto noChange = [](ADSBTargetTestAccess&) {};
    const std::vector<PresenceCase> cases = {
        // Always there.
        {"010 always", noChange, [](auto& f) { return f.i010.present; },
         [](auto& f) { return f.i010.present; }, true},
        {"015 always", noChange, nullptr, [](auto& f) { return f.i015.present; }, true},
        {"030 always", noChange, [](auto& f) { return f.i030.present; }, nullptr, true},
        {"040 always", noChange, [](auto& f) { return f.i903.present; },
         [](auto& f) { return f.i040.present; }, true},
        {"073 always", noChange, nullptr, [](auto& f) { return f.i073.present; }, true},
        {"077 always", noChange, nullptr, [](auto& f) { return f.i077.present; }, true},
        {"080 always", noChange, [](auto& f) { return f.i080.present; },
         [](auto& f) { return f.i080.present; }, true},
        {"090 always", noChange, [](auto& f) { return f.i905.present; },
         [](auto& f) { return f.i090.present; }, true},
        {"095 always", noChange, [](auto& f) { return f.i095.present; }, nullptr, true},
        {"130 always", noChange, [](auto& f) { return f.i902.present; },
         [](auto& f) { return f.i130.present; }, true},
        {"161 always", noChange, nullptr, [](auto& f) { return f.i161.present; }, true},
        // Never filled in 2.4.
        {"071 072 131 140 150 157 never", noChange, nullptr,
         [](auto& f) {
             return f.i071.present || f.i072.present || f.i131.present || f.i140.present ||
                    f.i150.present || f.i157.present;
         },
         false},
        // Conditional: absent without their value ...
        {"020 without category", noChange, [](auto& f) { return f.i020.present; },
         [](auto& f) { return f.i020.present; }, false},
        {"070 without squawk", noChange, [](auto& f) { return f.i070.present; },
         [](auto& f) { return f.i070.present; }, false},
        {"075 without ground speed", noChange, nullptr, [](auto& f) { return f.i075.present; },
         false},
        {"131/132 without amplitude", noChange, [](auto& f) { return f.i904.present; },
         [](auto& f) { return f.i132.present; }, false},
        {"145 without altitude", noChange, [](auto& f) { return f.i145.present; },
         [](auto& f) { return f.i145.present; }, false},
        {"155 without vertical rate", noChange, nullptr, [](auto& f) { return f.i155.present; },
         false},
        {"160 without ground vector", noChange, [](auto& f) { return f.i160.present; },
         [](auto& f) { return f.i160.present; }, false},
        {"170 without callsign", noChange, [](auto& f) { return f.i170.present; },
         [](auto& f) { return f.i170.present; }, false},
        {"200 without alert or SPI", noChange, [](auto& f) { return f.i908.present; },
         [](auto& f) { return f.i200.present; }, false},
        {"210 while the version is assumed", noChange, nullptr,
         [](auto& f) { return f.i210.present; }, false},
        // ... and present with it.
        {"020 with category", [=](auto& s) { s.emitterCategory(1, t); },
         [](auto& f) { return f.i020.present && f.i020.value == 1; },
         [](auto& f) { return f.i020.present && f.i020.value == 1; }, true},
        {"070 with squawk", [=](auto& s) { s.squawk(07700, t); },
         [](auto& f) { return f.i070.present && f.i070.code == 07700 && f.i070.validated; },
         [](auto& f) { return f.i070.present && f.i070.code == 07700 && f.i070.validated; },
         true},
        {"075 with ground speed alone", [=](auto& s) { s.groundSpeed(120.0, t); }, nullptr,
         [](auto& f) { return f.i075.present; }, true},
        {"131/132 with amplitude", [=](auto& s) { s.amplitude(77, t); },
         [](auto& f) { return f.i904.present && f.i904.value == 77; },
         [](auto& f) { return f.i132.present && f.i132.value == 77; }, true},
        {"145 with altitude", [=](auto& s) { s.altitude(1000, t); },
         [](auto& f) { return f.i145.present && f.i145.raw == 40; },
         [](auto& f) { return f.i145.present && f.i145.raw == 40; }, true},
        {"155 with vertical rate", [=](auto& s) { s.verticalRate(640, t); }, nullptr,
         [](auto& f) { return f.i155.present && f.i155.rate == 637.5; }, true},
        {"160 with speed alone", [=](auto& s) { s.groundSpeed(120.0, t); },
         [](auto& f) { return f.i160.present; }, [](auto& f) { return f.i160.present; }, false},
        {"160 with heading alone", [=](auto& s) { s.heading(45.0, t); },
         [](auto& f) { return f.i160.present; }, [](auto& f) { return f.i160.present; }, false},
        {"160 with speed and heading",
         [=](auto& s) {
             s.groundSpeed(120.0, t);
             s.heading(45.0, t);
         },
         [](auto& f) { return f.i160.present && f.i160.track_angle == 45.0; },
         [](auto& f) { return f.i160.present && f.i160.track_angle == 45.0; }, true},
        {"170 with callsign", [=](auto& s) { s.callsign("ABC", t); },
         [](auto& f) { return f.i170.present && std::string(f.i170.callsign) == "ABC     "; },
         [](auto& f) { return f.i170.present && std::string(f.i170.callsign) == "ABC     "; },
         true},
        {"200 with alert off", [=](auto& s) { s.alert(false, t); },
         [](auto& f) { return f.i908.present; }, [](auto& f) { return f.i200.present; }, false},
        {"200 with SPI off", [=](auto& s) { s.spi(false, t); }, nullptr,
         [](auto& f) { return f.i200.present; }, false},
        {"200 with alert", [=](auto& s) { s.alert(true, t); },
         [](auto& f) { return f.i908.present && f.i908.value == 1; },
         [](auto& f) { return f.i200.present && f.i200.ps == 1 && f.i200.ss == 0; }, true},
        {"0.26 target status with SPI and no alert", [=](auto& s) { s.spi(true, t); },
         [](auto& f) { return f.i908.present; }, nullptr, false},
        {"200 with SPI and no alert", [=](auto& s) { s.spi(true, t); }, nullptr,
         [](auto& f) { return f.i200.present && f.i200.ps == 0 && f.i200.ss == 3; }, true},
        {"210 once confirmed", [=](auto& s) { s.confirmed(t); }, nullptr,
         [](auto& f) { return f.i210.present; }, true},
    };
    LogCapture log;
    for (const PresenceCase& c : cases) {
        SCOPED_TRACE(c.name);
        ADSBTarget target = positionedTarget();
        ADSBTargetTestAccess set(target);
        c.change(set);
        if (c.item026) {
            const DataRecord record = encode(target, V026);
            ASSERT_TRUE(record.valid());
            EXPECT_EQ(c.item026(form026(record)), c.present) << "0.26: " << hex(record.constData());
        }
        if (c.item24) {
            const DataRecord record = encode(target, V24);
            ASSERT_TRUE(record.valid());
            EXPECT_EQ(c.item24(form24(record)), c.present) << "2.4: " << hex(record.constData());
        }
    }
}

// The flags and codes that follow the target's state rather than its presence.
TEST(ASTERIXEncoder, DescriptorStatusAndVersionFields) {
    LogCapture log;
    const uint64_t t = kNoon;
    {
        ADSBTarget target = positionedTarget();
        ADSBTargetTestAccess set(target);
        set.groundStatus(ADSBTarget::ON_GROUND, t);
        set.spi(true, t);
        const auto f26 = form026(encode(target, V026));
        EXPECT_EQ(f26.i903.gbs, 1);
        EXPECT_EQ(f26.i903.spi, 1);
        EXPECT_EQ(f26.i903.saa, 1);
        EXPECT_EQ(f26.i903.arc, 1u);
        const auto f24 = form24(encode(target, V24));
        EXPECT_EQ(f24.i040.gbs, 1);
        EXPECT_EQ(f24.i040.rc, 1);
        EXPECT_EQ(f24.i040.atp, 0u);
        EXPECT_EQ(f24.i040.arc, 1u);
        EXPECT_EQ(f24.i040.saa, 0);
    }
    for (auto status : {ADSBTarget::AIRBORNE, ADSBTarget::UNKNOWN}) {
        ADSBTarget target = positionedTarget();
        ADSBTargetTestAccess set(target);
        set.groundStatus(status, t);
        set.spi(false, t);
        EXPECT_EQ(form026(encode(target, V026)).i903.gbs, 0);
        EXPECT_EQ(form026(encode(target, V026)).i903.spi, 0);
        EXPECT_EQ(form24(encode(target, V24)).i040.gbs, 0);
    }

    struct VersionCase {
        MOPSVersion version;
        uint8_t vns;
        uint32_t vn;
    };
    for (const VersionCase& c : std::vector<VersionCase>{
             {MOPS_V0, 0, 0}, {MOPS_V1, 0, 1}, {MOPS_V2, 0, 2}, {MOPS_UNKNOWN, 1, 0}}) {
        SCOPED_TRACE(c.version);
        ADSBTarget target = positionedTarget();
        ADSBTargetTestAccess set(target);
        set.mops(c.version, t);
        set.confirmed(t);
        const auto f = form24(encode(target, V24));
        ASSERT_TRUE(f.i210.present);
        EXPECT_EQ(f.i210.vns, c.vns);
        EXPECT_EQ(f.i210.vn, c.vn);
        EXPECT_EQ(f.i210.ltt, 2u);
    }
}

// Each quality indicator of I021/090 is sent only when the target holds it as valid; NIC for
// barometric altitude is always 0.
TEST(ASTERIXEncoder, QualityIndicatorsOnlyWhenValid) {
    LogCapture log;
    const uint64_t t = kNoon;
    ADSBTarget none = positionedTarget();
    const auto empty = form24(encode(none, V24));
    EXPECT_EQ(empty.i090.nucr_nacv + empty.i090.nucp_nic + empty.i090.sil + empty.i090.nacp +
                  empty.i090.pic + empty.i090.nic_baro,
              0u);

    // NUCr set under version 0 stays in the target but is no longer valid under version 2.
    ADSBTarget target = positionedTarget();
    ADSBTargetTestAccess set(target);
    set.nucr(5, t);
    set.mops(MOPS_V2, t);
    set.nucp(6, t);
    set.nacp(10, t);
    set.sil(2, t);
    set.pic(11, t);
    ASSERT_EQ(target.nucr(), 5);
    ASSERT_FALSE(target.nucrValid());
    const auto f = form24(encode(target, V24));
    EXPECT_EQ(f.i090.nucr_nacv, 0u);
    EXPECT_EQ(f.i090.nucp_nic, 6u);
    EXPECT_EQ(f.i090.nacp, 10u);
    EXPECT_EQ(f.i090.sil, 2u);
    EXPECT_EQ(f.i090.pic, 11u);
    EXPECT_EQ(f.i090.nic_baro, 0u);
    // Edition 0.26 sends NUCr and NUCp as the target holds them.
    const auto f26 = form026(encode(target, V026));
    EXPECT_EQ(f26.i095.value, 5u);
    EXPECT_EQ(f26.i905.pa, 6u);
}

TEST(ASTERIXEncoder, FlightLevelIsTruncatedTowardsZero) {
    LogCapture log;
    struct Case {
        int32_t feet;
        int32_t quarters;
    };
    for (const Case& c : std::vector<Case>{{-1010, -40},
                                           {-1500, -60},
                                           {-24, 0},
                                           {24, 0},
                                           {25, 1},
                                           {49, 1},
                                           {35000, 1400},
                                           {150000, 6000}}) {
        SCOPED_TRACE(c.feet);
        ADSBTarget target = positionedTarget();
        ADSBTargetTestAccess(target).altitude(c.feet, kNoon);
        const auto f26 = form026(encode(target, V026));
        const auto f24 = form24(encode(target, V24));
        ASSERT_TRUE(f26.i145.present);
        ASSERT_TRUE(f24.i145.present);
        EXPECT_EQ(f26.i145.raw, c.quarters);
        EXPECT_EQ(f24.i145.raw, c.quarters);
    }
}

// A value the item cannot carry leaves that item out; the rest of the report still goes.
TEST(ASTERIXEncoder, UnrepresentableValuesLeaveTheirItemOut) {
    LogCapture log;
    const uint64_t t = kNoon;
    struct Case {
        const char* name;
        std::function<void(ADSBTargetTestAccess&)> change;
        std::function<bool(const ast_cat021_v24_record_t&)> item;
    };
    const auto vector = [](auto& f) { return f.i160.present; };
    const std::vector<Case> cases = {
        {"FL below -15", [=](auto& s) { s.altitude(-1525, t); }, [](auto& f) { return f.i145.present; }},
        {"FL above 1500", [=](auto& s) { s.altitude(150025, t); }, [](auto& f) { return f.i145.present; }},
        {"ground speed 7200 kt",
         [=](auto& s) {
             s.groundSpeed(7200.0, t);
             s.heading(10.0, t);
         },
         vector},
        {"negative ground speed",
         [=](auto& s) {
             s.groundSpeed(-1.0, t);
             s.heading(10.0, t);
         },
         vector},
        {"infinite heading",
         [=](auto& s) {
             s.groundSpeed(100.0, t);
             s.heading(1.0 / 0.0, t);
         },
         vector},
        {"climb of 102,400 ft/min", [=](auto& s) { s.verticalRate(102400, t); },
         [](auto& f) { return f.i155.present; }},
        {"descent of 102,407 ft/min", [=](auto& s) { s.verticalRate(-102407, t); },
         [](auto& f) { return f.i155.present; }},
        {"squawk beyond 7777", [=](auto& s) { s.squawk(010000, t); },
         [](auto& f) { return f.i070.present; }},
        {"track number 4096", [=](auto& s) { s.trackId(4096); },
         [](auto& f) { return f.i161.present; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ADSBTarget target = positionedTarget();
        ADSBTargetTestAccess set(target);
        c.change(set);
        const DataRecord record = encode(target, V24);
        ASSERT_TRUE(record.valid());
        const auto f = form24(record);
        EXPECT_FALSE(c.item(f));
        EXPECT_TRUE(f.i080.present);
        EXPECT_TRUE(f.i130.present);
        ASSERT_TRUE(encode(target, V026).valid());
    }

    // The largest values that fit are kept.
    ADSBTarget edge = positionedTarget();
    ADSBTargetTestAccess set(edge);
    set.groundSpeed(7199.9, t);
    set.heading(0.0, t);
    set.verticalRate(102399, t);
    set.trackId(4095);
    set.squawk(07777, t);
    const auto f = form24(encode(edge, V24));
    EXPECT_TRUE(f.i160.present);
    EXPECT_EQ(f.i160.speed_raw, 32767u);
    EXPECT_TRUE(f.i155.present);
    EXPECT_EQ(f.i155.raw, 16383);
    EXPECT_EQ(f.i161.number, 4095u);
    EXPECT_EQ(f.i070.code, 07777);
}

TEST(ASTERIXEncoder, TrackAngleIsTakenModulo360) {
    LogCapture log;
    struct Case {
        double heading;
        uint32_t trackRaw;  // 360/2^16 degrees
    };
    for (const Case& c : std::vector<Case>{
             {0.0, 0}, {360.0, 0}, {720.0, 0}, {-90.0, 49152}, {450.0, 16384}, {359.99, 65534}}) {
        SCOPED_TRACE(c.heading);
        ADSBTarget target = positionedTarget();
        ADSBTargetTestAccess set(target);
        set.groundSpeed(100.0, kNoon);
        set.heading(c.heading, kNoon);
        const auto f = form24(encode(target, V24));
        ASSERT_TRUE(f.i160.present);
        EXPECT_EQ(f.i160.track_raw, c.trackRaw);
    }
}

TEST(ASTERIXEncoder, TargetsTheRecordCannotDescribeGiveInvalidRecords) {
    LogCapture log;
    // No ICAO address, an address beyond 24 bits, a position off the globe.
    for (uint32_t address : {0u, 0x1000000u}) {
        SCOPED_TRACE(address);
        const ADSBTarget target = positionedTarget(address);
        EXPECT_FALSE(encode(target, V026).valid());
        EXPECT_FALSE(encode(target, V24).valid());
    }
    ADSBTarget target = positionedTarget();
    ADSBTargetTestAccess(target).position(90.5, 0.0, kNoon);
    EXPECT_FALSE(encode(target, V026).valid());
    EXPECT_FALSE(encode(target, V24).valid());
}

TEST(ASTERIXEncoder, CallsignIsCutToEightCharacters) {
    LogCapture log;
    ADSBTarget target = positionedTarget();
    ADSBTargetTestAccess(target).callsign("ABCDEFGHIJ", kNoon);
    EXPECT_STREQ(form026(encode(target, V026)).i170.callsign, "ABCDEFGH");
    EXPECT_STREQ(form24(encode(target, V24)).i170.callsign, "ABCDEFGH");
}

// A target heard before midnight and reported after it keeps its time of day, wrapped into
// the 24 hours the items hold.
TEST(ASTERIXEncoder, TimesWrapAtMidnight) {
    LogCapture log;
    const uint64_t midnight = kNoon - kNoon % kMillisecondsPerDay;
    struct Case {
        const char* name;
        uint64_t time;
        uint32_t raw;
    };
    for (const Case& c : std::vector<Case>{
             {"one second before midnight", midnight - 1000, 86399 * 128},
             {"last tick of the day", midnight - 1, 11059199},
             {"midnight", midnight, 0},
             {"one second after", midnight + 1000, 128},
             {"a day later", midnight + kMillisecondsPerDay + 1000, 128},
             {"never heard", 0, 0}}) {
        SCOPED_TRACE(c.name);
        ADSBTarget target(0x4840D6);
        ADSBTargetTestAccess set(target);
        set.lastUpdate(c.time);
        set.position(1.0, 1.0, c.time);
        set.groundSpeed(100.0, c.time);
        const auto f26 = form026(encode(target, V026));
        EXPECT_EQ(f26.i030.raw, c.raw);
        const auto f24 = form24(encode(target, V24));
        EXPECT_EQ(f24.i073.raw, c.raw);
        EXPECT_EQ(f24.i077.raw, c.raw);
        if (c.time != 0) {
            EXPECT_EQ(f24.i075.raw, c.raw);
        }
    }
}

}  // namespace
}  // namespace modes
}  // namespace brannic
