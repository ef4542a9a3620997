#ifndef MODES_MODESDECODER_H
#define MODES_MODESDECODER_H

#include <cstdint>
#include <string>

#include <modes/AddressMap.h>
#include <modes/ModeSMessage.h>
#include <modes/modes_export.h>

namespace brannic {
namespace modes {

class DFMessage;

// Turns raw Mode S replies into downlink-format messages (DF0, 4, 5, 11, 16, 17, 18, 19, 20,
// 21), repairs extended squitters (DF17, DF18) with one or two bits in error, and grades each
// reply with a confidence from what it has learnt about addresses and interrogators.
//
// An address is confirmed for 600 s after an extended squitter (DF17, DF18, DF19 with AF 0)
// passed its parity check, or after a DF11 from a well-known interrogator; every reply graded
// from a confirmed address refreshes it. Replies that carry their address only under the parity
// (DF0, 4, 5, 16, 20, 21) are trusted (FULL) only from confirmed addresses, LOW otherwise;
// altitude replies in metres are graded NONE. An interrogator is confirmed for 60 s after
// a DF11 answering it came from a confirmed address; after ten such replies its DF11s vouch for
// new addresses.
//
// The tables only grow: an entry stays for the decoder's lifetime. Not thread-safe.
class MODES_EXPORT ModeSDecoder {
public:
    // How far extended squitters that fail their parity check are repaired. Two inverted bits
    // are repaired by default; the search finds a codeword for about one noise frame in 2,700,
    // which then confirms an address that does not exist.
    enum ErrorRepair : int32_t {
        REPAIR_NONE = 0,      // only replies that pass their parity check
        REPAIR_ONE_BIT = 1,   // one inverted bit
        REPAIR_TWO_BITS = 2,  // one or two inverted bits
    };

    // Logs "Initialized." (INFO, "ModeSDecoder").
    ModeSDecoder();

    ErrorRepair errorRepair() const { return _errorRepair; }
    // A value outside the enumeration is taken as REPAIR_TWO_BITS.
    void setErrorRepair(ErrorRepair repair);

    // A new message for `data` (the reply, its first byte holding the downlink format) that the
    // caller owns and deletes, or null: for an empty reply, an uplink, a format not handled
    // (logged at DEBUG), a reply that fails to decode (too short, or an altitude code that
    // carries no altitude) and an extended squitter beyond repair (logged at INFO). The version
    // with `timeStamp` (milliseconds since the epoch) stamps the message with it and marks the
    // time as EXTERNAL when it is above 0; otherwise the message keeps the local clock's time.
    ModeSMessage* decode(ModeSMessage::ModeSMsgType type, const std::string& data);
    ModeSMessage* decode(ModeSMessage::ModeSMsgType type, const std::string& data,
                         uint64_t timeStamp);
    ModeSMessage* decode(ModeSMessage::ModeSMsgType type, const unsigned char* data,
                         uint64_t count);
    ModeSMessage* decode(ModeSMessage::ModeSMsgType type, const unsigned char* data, uint64_t count,
                         uint64_t timeStamp);

private:
    // What every decode() comes to: `count` (above 0) reply bytes at `data`.
    ModeSMessage* decodeBytes(ModeSMessage::ModeSMsgType type, const unsigned char* data,
                              uint64_t count);

    struct InterrogatorEntry {
        int64_t time = 0;  // seconds since the epoch of the last refresh
        uint32_t count = 0;
    };

    bool addressConfirmed(const int64_t* time, int64_t now) const;
    bool interrogatorConfirmed(const InterrogatorEntry* entry, int64_t now) const;
    void grade(DFMessage& message, int64_t now);
    void gradeAllCall(DFMessage& message, int64_t now);
    // Repairs an extended squitter that failed its parity check; null when beyond repair or
    // when the repair setting does not allow it. A repaired message tells how many bits it
    // needed (ModeSMessage::correctedBits()).
    ModeSMessage* repair(DFMessage* message, const std::string& data, int64_t now);

    // Keyed by aircraft address, respectively interrogator code (II, or SI with its code
    // label). Every reply looks one of them up and nothing ever walks them in order, so they
    // are flat hash tables.
    AddressMap<int64_t> _addresses;  // seconds of the last confirmation
    int64_t _addressValidity = 600;
    AddressMap<InterrogatorEntry> _interrogators;
    uint32_t _interrogatorValidity = 60;
    uint32_t _interrogatorCountThreshold = 10;
    ErrorRepair _errorRepair = REPAIR_TWO_BITS;
};

}  // namespace modes
}  // namespace brannic

#endif  // MODES_MODESDECODER_H
