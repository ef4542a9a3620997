#ifndef MODES_MODESMESSAGE_H
#define MODES_MODESMESSAGE_H

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include <modes/modes_export.h>

namespace brannic {
namespace modes {

class ModeSMessageField;

// A Mode S reply exactly as received, with what the decoder and the tracker attach to it.
//
// Bits are numbered from 0 at the most significant bit of the first byte; bit i is bit
// (7 - i % 8) of byte i / 8. The downlink-format subclasses give the reply length (56 or 112
// bits) and decode the fields; this class computes the 24-bit Mode S parity (ICAO Annex 10)
// and repairs one- and two-bit errors.
class MODES_EXPORT ModeSMessage {
public:
    enum ModeSMsgType : int32_t { UPLINK = 0, DOWNLINK = 1 };
    enum TimeSource : int32_t { LOCAL = 0, EXTERNAL = 1 };
    enum Confidence : int32_t { NONE = 0, LOW = 1, HIGH = 2, FULL = 3 };

    ModeSMessage(const ModeSMessage&) = default;
    ModeSMessage& operator=(const ModeSMessage&) = default;
    virtual ~ModeSMessage();

    // A message is made and dropped for every reply: the memory of dropped messages is kept
    // for the next ones of the same thread (MessageMemory.cpp).
    static void* operator new(std::size_t size);
    static void operator delete(void* memory, std::size_t size) noexcept;

    // Reply length in bits of this downlink format: 56 or 112.
    virtual uint8_t bits() const = 0;
    // The decoded fields in reply order; the pointers live as long as the message.
    virtual std::vector<const ModeSMessageField*> fields() const = 0;
    // "Mode-S Downlink Format Message" for the base; the formats describe their fields.
    virtual std::string description() const;

    // Stores `data` and, when it holds at least size() bytes (only the first bits() bits are
    // used), computes the parity and decodes the fields. Returns valid(). A too-short reply
    // gives false and keeps the previous calculatedParity().
    bool decode(const std::string& data);
    bool decode(const unsigned char* data, uint64_t count);

    const std::string& data() const { return _data; }
    std::string dataHexString() const;  // two upper-case digits per byte, no separators
    uint8_t size() const { return static_cast<uint8_t>(bits() / 8); }
    bool valid() const { return _valid; }

    ModeSMsgType modeSMsgType() const { return _modeSMsgType; }
    const std::string& modeSMsgTypeName() const;  // "Uplink" or "Downlink"

    uint32_t icaoAddress() const { return _icaoAddress; }
    std::string icaoAddressHexString() const;  // "%.2X": A1B2 for 0x00A1B2
    uint32_t calculatedParity() const { return _calculatedParity; }
    std::string calculatedParityHexString() const;  // "%.2X"

    Confidence confidence() const { return _confidence; }
    void setConfidence(Confidence confidence) { _confidence = confidence; }
    TimeSource timeSource() const { return _timeSource; }
    void setTimeSource(const TimeSource& source) { _timeSource = source; }
    uint64_t timeStamp() const { return _timeStamp; }
    void setTimeStamp(const uint64_t& timeStamp) { _timeStamp = timeStamp; }
    uint8_t signalAmplitude() const { return _signalAmplitude; }
    void setSignalAmplitude(uint8_t amplitude) { _signalAmplitude = amplitude; }
    // Bits the decoder inverted to repair the reply: 0 for a reply received without error,
    // 1 or 2 after a repair (a reply accepted with one inverted bit of its parity field counts
    // as 1).
    uint8_t correctedBits() const { return _correctedBits; }
    void setCorrectedBits(uint8_t count) { _correctedBits = count; }

    // Repairs one inverted bit: finds the lowest position whose inversion makes the parity of
    // the first bits() bits equal `parity`, inverts it in `data` and reports it in `bitPos`.
    // Returns false, leaving both untouched, when no position works or `data` is shorter than
    // size(). Bits of the parity field never change the parity, so they are never repaired.
    bool fixError1Bit(std::string& data, uint8_t& bitPos, uint32_t parity) const;

    // The same for two inverted bits: the first pair in ascending order (lower position first,
    // then the second ascending) that makes the parity match.
    bool fixError2Bits(std::string& data, uint8_t& bitPos1, uint8_t& bitPos2,
                       uint32_t parity) const;

protected:
    explicit ModeSMessage(ModeSMsgType type);

    // Parity of the first bits() bits (0 when bits() is 0); missing bytes count as zeros.
    uint32_t calculateParity(const std::string& data) const;
    uint32_t calculateParity() const;

    void setIcaoAddress(uint32_t address) { _icaoAddress = address; }

    // Decodes the fields from data(); called by decode() once the length is known to suffice.
    virtual bool decodeImpl() = 0;

private:
    uint8_t _longReplyLength = 112;
    uint8_t _shortReplyLength = 56;
    std::string _data;
    bool _valid = false;
    ModeSMsgType _modeSMsgType = DOWNLINK;
    TimeSource _timeSource = LOCAL;
    uint64_t _timeStamp = 0;
    uint8_t _signalAmplitude = 0;
    Confidence _confidence = NONE;
    uint32_t _calculatedParity = 0;
    uint32_t _icaoAddress = 0;
    uint8_t _correctedBits = 0;

protected:
    uint8_t longReplyLength() const { return _longReplyLength; }
    uint8_t shortReplyLength() const { return _shortReplyLength; }
};

}  // namespace modes
}  // namespace brannic

#endif  // MODES_MODESMESSAGE_H
