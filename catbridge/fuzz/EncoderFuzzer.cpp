// Fuzz entry point: arbitrary target states, reached the only way targets change in the
// library, by feeding a real tracker with external target reports and Mode S replies built
// from the input. Every target is then encoded in both CAT021 editions and packed into blocks.
//
// What must hold: every valid record decodes again with our own library, to its last octet,
// with the target's address; a target with a 24-bit address and a position on the globe always
// gives a valid record; every block decodes with all its records.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <list>
#include <memory>
#include <string>
#include <vector>

#include <asterix/asterix.h>
#include <catbridge/ASTERIXEncoder.h>
#include <catbridge/ASTERIXPacker.h>
#include <modes/ADSBServiceStatus.h>
#include <modes/ADSBTargetReport.h>
#include <modes/ADSBTracker.h>
#include <modes/Log.h>
#include <modes/ModeSDecoder.h>

#include "TrackerTestSupport.h"

using namespace brannic::modes;

namespace {

// Takes values off the front of the input; zeros once it runs out.
class Input {
public:
    Input(const uint8_t* data, size_t size) : _data(data), _size(size) {}
    bool empty() const { return _at >= _size; }
    uint64_t bytes(unsigned count) {
        uint64_t value = 0;
        for (unsigned i = 0; i < count; ++i)
            value = value << 8 | (_at < _size ? _data[_at++] : 0);
        return value;
    }
    uint8_t byte() { return static_cast<uint8_t>(bytes(1)); }
    bool flag() { return (byte() & 1) != 0; }
    double real() {
        const uint64_t bits = bytes(8);
        double value;
        static_assert(sizeof value == sizeof bits, "IEEE double");
        __builtin_memcpy(&value, &bits, sizeof value);
        return value;
    }
    std::string text(unsigned maxLength) {
        const unsigned length = byte() % (maxLength + 1);
        std::string s;
        for (unsigned i = 0; i < length; ++i)
            s += static_cast<char>(byte());
        return s;
    }

private:
    const uint8_t* _data;
    size_t _size;
    size_t _at = 0;
};

constexpr uint64_t kDay = 86400000ULL;
constexpr uint64_t kBase = 1709251200000ULL;  // 2024-03-01 00:00 UTC

uint64_t timeOf(Input& in) {
    // Within a few days either side of the base, or anywhere at all.
    const uint64_t raw = in.bytes(5);
    return in.flag() ? kBase - 2 * kDay + raw % (4 * kDay) : raw * 977;
}

void feedReport(ADSBTracker& tracker, Input& in) {
    ADSBTargetReport r;
    const uint8_t fields = in.byte();
    const uint8_t more = in.byte();
    r.setIcaoAddress(static_cast<uint32_t>(in.flag() ? in.bytes(4) : in.bytes(3)));
    const uint64_t time = timeOf(in);
    r.setLastUpdate(time);
    r.setTrackId(static_cast<uint32_t>(in.bytes(2)));
    if (fields & 0x01) {
        r.setCallsign(in.text(12));
        r.setCallsignLastUpdate(time);
        r.setCallsignLastChange(time);
    }
    if (fields & 0x02) {
        r.setSquawk(static_cast<uint32_t>(in.bytes(2)));
        r.setSquawkValid(in.flag());
        r.setSquawkLastUpdate(time);
    }
    if (fields & 0x04) {
        if (in.flag())
            r.setPosition(in.real(), in.real());
        else
            r.setPosition((in.bytes(4) % 18001) / 100.0 - 90.0, (in.bytes(4) % 36001) / 100.0 - 180.0);
        if (more & 0x01)
            r.setPositionValid(true);
        r.setPositionLastUpdate(more & 0x02 ? timeOf(in) : time);
    }
    if (fields & 0x08) {
        r.setAltitudeBaro(static_cast<int32_t>(in.bytes(4)));
        r.setAltitudeBaroLastUpdate(time);
    }
    if (fields & 0x10) {
        r.setGroundSpeed(in.flag() ? in.real() : in.bytes(2) / 8.0);
        r.setGroundSpeedLastUpdate(more & 0x04 ? timeOf(in) : time);
    }
    if (fields & 0x20) {
        r.setHeading(in.flag() ? in.real() : in.bytes(2) / 64.0 - 200.0);
        r.setHeadingLastUpdate(time);
    }
    if (fields & 0x40) {
        r.setVerticalRateBaro(static_cast<int32_t>(in.bytes(4)));
        r.setVerticalRateBaroLastUpdate(time);
    }
    if (fields & 0x80) {
        r.setGroundStatus(in.flag());
        r.setGroundStatusLastUpdate(time);
        r.setGroundStatusLastChange(time);
    }
    if (more & 0x08) {
        r.setEmitterCategory(in.byte());
        r.setEmitterCategoryLastUpdate(time);
        r.setEmitterCategoryLastChange(time);
    }
    if (more & 0x10) {
        r.setSignalAmplitude(in.byte());
        r.setSignalAmplitudeLastUpdate(time);
    }
    tracker.procTargetReport(&r);
}

// A reply of a downlink format the tracker follows, with correct parity: an extended
// squitter with the input's ME field, or a surveillance reply with the input's flight status
// and code, accepted with high confidence.
void feedReply(ADSBTracker& tracker, ModeSDecoder& decoder, Input& in) {
    static const int kFormats[] = {17, 4, 5, 20, 21, 0, 16, 11};
    const int df = kFormats[in.byte() % 8];
    const uint32_t address = static_cast<uint32_t>(in.bytes(3));
    const uint64_t time = timeOf(in);
    std::string frame;
    int confidence = -1;
    if (df == 17) {
        frame = trackertest::squitter(address, trackertest::bytesOf({in.byte(), in.byte(),
                                                                     in.byte(), in.byte(),
                                                                     in.byte(), in.byte(),
                                                                     in.byte()}));
    } else if (df == 11) {
        frame = trackertest::allCallReply(address, in.byte() & 7, in.byte() & 0x7F);
    } else {
        frame = trackertest::addressParityReply(df, static_cast<uint32_t>(in.bytes(4)), address);
        confidence = ModeSMessage::HIGH;
    }
    const std::unique_ptr<ModeSMessage> msg =
        trackertest::decode(decoder, frame, time, confidence);
    if (msg)
        tracker.procModeSMsg(msg.get());
}

[[noreturn]] void fail() {
    __builtin_trap();
}

// Decodes `record` with the edition's profile; it must decode to its last octet and carry the
// target's address.
void checkRecord(const DataRecord& record, const ast_uap_t& uap, uint32_t address) {
    const std::string& d = record.constData();
    const ast_datarecord_t r =
        ast_datarecord_decode(reinterpret_cast<const uint8_t*>(d.data()), d.size(), 21, &uap);
    if (!r.ok || r.length != d.size() || record.category() != 21)
        fail();
    bool addressSeen = false;
    for (uint64_t i = 0; i < r.count; ++i) {
        if (r.items[i].type == 21080) {
            addressSeen = ast_dataitem_target_address_decode(&r.items[i]).address == address;
        }
    }
    if (!addressSeen)
        fail();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const bool quiet = [] {
        Log::setShowLevel(Log::PANIC);
        return true;
    }();
    (void)quiet;
    static const ASTERIXEncoder encoder;
    static std::unique_ptr<ast_datablock_t> block(new ast_datablock_t);

    Input in(data, size);
    ADSBServiceStatus status;
    status.setSac(in.byte());
    status.setSic(in.byte());
    status.setServiceId(in.byte());
    ASTERIXPacker packer;
    packer.setMaxDataBlockSize(static_cast<uint16_t>(in.bytes(2)));
    packer.setMaxDataRecords(static_cast<uint16_t>(in.byte()));

    ADSBTracker tracker;
    ModeSDecoder decoder;
    for (int steps = 0; steps < 64 && !in.empty(); ++steps) {
        if (in.byte() & 1)
            feedReport(tracker, in);
        else
            feedReply(tracker, decoder, in);
    }

    struct Edition {
        ASTERIXEncoder::ASTERIXVersion version;
        const ast_uap_t* uap;
    };
    for (const Edition& e : {Edition{ASTERIXEncoder::CAT021_V026, &AST_UAP_CAT021_VER026},
                             Edition{ASTERIXEncoder::CAT021_V24, &AST_UAP_CAT021_VER24}}) {
        std::list<DataRecord> records;
        for (const ADSBTarget& target : tracker.allTargets()) {
            const DataRecord record = encoder.createTargetReport(&target, &status, e.version);
            const bool describable = target.icaoAddr() != 0 && target.icaoAddr() <= 0xFFFFFF &&
                                     std::fabs(target.latitude()) <= 90.0 &&
                                     std::fabs(target.longitude()) <= 180.0;
            if (record.valid() != describable)
                fail();
            if (!record.valid())
                continue;
            checkRecord(record, *e.uap, target.icaoAddr());
            records.push_back(record);
        }
        std::size_t packed = 0;
        for (const DataBlock& b : packer.pack(records)) {
            const std::string& d = b.constData();
            ast_datablock_decode_into(block.get(), reinterpret_cast<const uint8_t*>(d.data()),
                                      d.size(), e.uap);
            if (!block->ok || block->length != d.size())
                fail();
            packed += block->count;
        }
        if (packed != records.size())
            fail();
    }
    return 0;
}
