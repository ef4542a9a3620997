#include <modes/ModeSDecoder.h>

#include <array>

#include <modes/DF0Message.h>
#include <modes/DF11Message.h>
#include <modes/DF16Message.h>
#include <modes/DF17Message.h>
#include <modes/DF18Message.h>
#include <modes/DF19Message.h>
#include <modes/DF20Message.h>
#include <modes/DF21Message.h>
#include <modes/DF4Message.h>
#include <modes/DF5Message.h>
#include <modes/Log.h>

#include "Bits.h"

namespace brannic {
namespace modes {

namespace {

// The log source, built on first use so that a decoder may be a static object anywhere.
const std::string& source() {
    static const std::string name = "ModeSDecoder";
    return name;
}

// How a decoded reply is graded.
enum class Grading {
    ALTITUDE,  // DF0, DF4, DF16, DF20: address under the parity, and an altitude code
    IDENTITY,  // DF5, DF21: address under the parity
    ALL_CALL,  // DF11: address in clear, interrogator under the parity
    SQUITTER,  // DF17, DF18: address in clear, parity checked, repaired when damaged
    MILITARY   // DF19: as DF17 with AF 0, not decoded otherwise
};

template <typename Message>
DFMessage* create() {
    return new Message;
}

template <typename Message>
const ModeSMessageFieldAC* altitudeCodeOf(const DFMessage& message) {
    return &static_cast<const Message&>(message).constFieldAC();
}

template <typename Message>
const ModeSMessageFieldPI* parityInterrogatorOf(const DFMessage& message) {
    return &static_cast<const Message&>(message).constFieldPI();
}

// One row per downlink format code; formats without a class have no factory.
struct Format {
    DFMessage* (*create)();
    Grading grading;
    const ModeSMessageFieldAC* (*altitudeCode)(const DFMessage&);
    const ModeSMessageFieldPI* (*parityInterrogator)(const DFMessage&);
};

constexpr Format kNone = {nullptr, Grading::IDENTITY, nullptr, nullptr};

constexpr std::array<Format, kDownlinkFormatCount> kFormats = {{
    /* DF0  */ {create<DF0Message>, Grading::ALTITUDE, altitudeCodeOf<DF0Message>, nullptr},
    kNone,
    kNone,
    kNone,
    /* DF4  */ {create<DF4Message>, Grading::ALTITUDE, altitudeCodeOf<DF4Message>, nullptr},
    /* DF5  */ {create<DF5Message>, Grading::IDENTITY, nullptr, nullptr},
    kNone,
    kNone,
    kNone,
    kNone,
    kNone,
    /* DF11 */ {create<DF11Message>, Grading::ALL_CALL, nullptr, parityInterrogatorOf<DF11Message>},
    kNone,
    kNone,
    kNone,
    kNone,
    /* DF16 */ {create<DF16Message>, Grading::ALTITUDE, altitudeCodeOf<DF16Message>, nullptr},
    /* DF17 */ {create<DF17Message>, Grading::SQUITTER, nullptr, parityInterrogatorOf<DF17Message>},
    /* DF18 */ {create<DF18Message>, Grading::SQUITTER, nullptr, parityInterrogatorOf<DF18Message>},
    /* DF19 */ {create<DF19Message>, Grading::MILITARY, nullptr, parityInterrogatorOf<DF19Message>},
    /* DF20 */ {create<DF20Message>, Grading::ALTITUDE, altitudeCodeOf<DF20Message>, nullptr},
    /* DF21 */ {create<DF21Message>, Grading::IDENTITY, nullptr, nullptr},
    kNone,
    kNone,
    kNone,
}};

// Enters (or refreshes) an entry; addresses and interrogator codes are 24-bit, so every key
// fits the table.
template <typename Value>
Value& entry(AddressMap<Value>& table, uint32_t key) {
    static Value none;
    Value* value = table.findOrInsert(key);
    return value != nullptr ? *value : none;
}

const Format& formatOf(const DFMessage& message) {
    return kFormats[message.downlinkFormat()];
}

// A long reply whose syndrome is one bit of its parity field: that bit (88 to 111) is inverted
// in `reply` and reported in `pos`. False, nothing changed, for any other syndrome or a reply
// too short to hold the field.
bool parityFieldBit(std::string& reply, uint32_t computed, uint32_t received, uint8_t& pos) {
    const uint32_t syndrome = (computed ^ received) & 0xFFFFFF;
    if (syndrome == 0 || (syndrome & (syndrome - 1)) != 0 || reply.size() < 14)
        return false;
    unsigned bit = 111;  // the parity field's last bit carries the lowest syndrome bit
    for (uint32_t s = syndrome; s > 1; s >>= 1)
        --bit;
    bits::flip(reply, bit);
    pos = static_cast<uint8_t>(bit);
    return true;
}

// A decoded message (or null) given the receiver's time stamp; 0 keeps the library clock's.
ModeSMessage* stampedExternally(ModeSMessage* message, uint64_t timeStamp) {
    if (message != nullptr && timeStamp > 0) {
        message->setTimeSource(ModeSMessage::EXTERNAL);
        message->setTimeStamp(timeStamp);
    }
    return message;
}

}  // namespace

ModeSDecoder::ModeSDecoder() {
    static const std::string initialized = "Initialized.";
    Log::log(Log::INFO, source(), initialized);
}

void ModeSDecoder::setErrorRepair(ErrorRepair repair) {
    _errorRepair = repair == REPAIR_NONE || repair == REPAIR_ONE_BIT ? repair : REPAIR_TWO_BITS;
}

ModeSMessage* ModeSDecoder::decode(ModeSMessage::ModeSMsgType type, const std::string& data) {
    if (data.empty())
        return nullptr;
    return decodeBytes(type, bits::bytes(data), data.size());
}

ModeSMessage* ModeSDecoder::decodeBytes(ModeSMessage::ModeSMsgType type, const unsigned char* data,
                                        uint64_t count) {
    if (type != ModeSMessage::DOWNLINK) {
        static const std::string uplink = "Unsupported UF message detected.";
        Log::log(Log::DEBUG, source(), uplink);
        return nullptr;
    }
    const DownlinkFormat df =
        DFMessage::downlinkFormatByCode(static_cast<uint8_t>(bits::field(data, 0, 4)));
    const Format& format = kFormats[df];
    if (format.create == nullptr) {
        Log::log(Log::DEBUG, source(), "Undefined DF-%u message detected.",
                 static_cast<unsigned>(df));
        return nullptr;
    }

    DFMessage* message = format.create();
    // A new message is stamped with the library clock in whole seconds: that reading is the
    // decoder's "now" as well, which spares a second reading of the clock on every reply.
    const int64_t now = static_cast<int64_t>(message->timeStamp() / 1000);
    if (!message->decode(data, count)) {
        if (format.grading == Grading::SQUITTER)
            return repair(message, message->data(), now);
        delete message;
        return nullptr;
    }
    grade(*message, now);
    return message;
}

ModeSMessage* ModeSDecoder::decode(ModeSMessage::ModeSMsgType type, const std::string& data,
                                   uint64_t timeStamp) {
    return stampedExternally(decode(type, data), timeStamp);
}

ModeSMessage* ModeSDecoder::decode(ModeSMessage::ModeSMsgType type, const unsigned char* data,
                                   uint64_t count) {
    if (data == nullptr || count == 0)
        return nullptr;
    return decodeBytes(type, data, count);
}

ModeSMessage* ModeSDecoder::decode(ModeSMessage::ModeSMsgType type, const unsigned char* data,
                                   uint64_t count, uint64_t timeStamp) {
    return stampedExternally(decode(type, data, count), timeStamp);
}

bool ModeSDecoder::addressConfirmed(const int64_t* time, int64_t now) const {
    return time != nullptr && *time + _addressValidity >= now;
}

bool ModeSDecoder::interrogatorConfirmed(const InterrogatorEntry* entry, int64_t now) const {
    return entry != nullptr && entry->time + int64_t{_interrogatorValidity} >= now;
}

void ModeSDecoder::grade(DFMessage& message, int64_t now) {
    const Format& format = formatOf(message);
    const uint32_t address = message.icaoAddress();
    switch (format.grading) {
        case Grading::ALTITUDE:
        case Grading::IDENTITY: {
            // Only the parity vouches for these addresses, and any reply has one: trust the
            // address only when an extended squitter has confirmed it.
            int64_t* time = _addresses.find(address);
            if (addressConfirmed(time, now)) {
                message.setConfidence(ModeSMessage::FULL);
                *time = now;
            } else {
                message.setConfidence(ModeSMessage::LOW);
            }
            if (format.grading == Grading::ALTITUDE &&
                format.altitudeCode(message)->altitudeUnit() == ModeSMessageFieldAC::METERS) {
                message.setConfidence(ModeSMessage::NONE);
            }
            break;
        }
        case Grading::SQUITTER:
            message.setConfidence(ModeSMessage::FULL);
            entry(_addresses, address) = now;
            break;
        case Grading::MILITARY:
            if (static_cast<const DF19Message&>(message).constFieldAF().code() != 0) {
                message.setConfidence(ModeSMessage::LOW);
            } else {
                message.setConfidence(ModeSMessage::FULL);
                entry(_addresses, address) = now;
            }
            break;
        case Grading::ALL_CALL:
            gradeAllCall(message, now);
            break;
    }
}

// A DF11 carries its address in clear but its parity only checks against the interrogator
// code it answers, which the receiver does not know. An interrogator is learnt from DF11s of
// confirmed addresses; once it has answered often (ten times) within a minute, its DF11s
// confirm new addresses in turn.
void ModeSDecoder::gradeAllCall(DFMessage& message, int64_t now) {
    const ModeSMessageFieldPI& pi = *formatOf(message).parityInterrogator(message);
    const uint32_t ii = pi.interrogatorId();
    if (!pi.interrogatorIdValid()) {
        Log::log(Log::INFO, source(), "Invalid interrogator id, II = %u", ii);
        message.setConfidence(ModeSMessage::NONE);
        return;
    }
    const uint32_t address = message.icaoAddress();
    int64_t* addressTime = _addresses.find(address);
    const bool addressOk = addressConfirmed(addressTime, now);
    InterrogatorEntry* interrogator = _interrogators.find(ii);
    const bool interrogatorOk = interrogatorConfirmed(interrogator, now);

    if (addressOk && !interrogatorOk) {
        message.setConfidence(ModeSMessage::LOW);
        *addressTime = now;
        InterrogatorEntry& learnt = entry(_interrogators, ii);
        learnt.time = now;
        learnt.count = 1;
    } else if (addressOk && interrogatorOk) {
        *addressTime = now;
        interrogator->time = now;
        ++interrogator->count;
        const bool learning = interrogator->count < _interrogatorCountThreshold && ii != 0;
        message.setConfidence(learning ? ModeSMessage::HIGH : ModeSMessage::FULL);
    } else if (interrogatorOk && interrogator->count >= _interrogatorCountThreshold) {
        message.setConfidence(ModeSMessage::FULL);
        entry(_addresses, address) = now;
        interrogator->time = now;
        ++interrogator->count;
    } else {
        message.setConfidence(ModeSMessage::NONE);
    }
}

// Brute force over one, then two inverted bits until the computed parity meets the received
// PI. Each candidate is a real codeword, so the repaired reply is decoded again from scratch.
//
// A single inverted bit of the parity field itself leaves the 88 data bits as sent: the
// syndrome (computed xor received parity) then has exactly one bit set, which no one or two
// inverted data bits can produce (the code's distance is larger). Such a reply is taken as a
// one-bit repair at that position; the searches themselves never change the parity field.
ModeSMessage* ModeSDecoder::repair(DFMessage* message, const std::string& data, int64_t now) {
    const unsigned df = message->downlinkFormat();
    std::string copy = data;
    const uint32_t target = formatOf(*message).parityInterrogator(*message)->parity();
    uint8_t pos1 = 0;
    uint8_t pos2 = 0;
    uint8_t corrected = 0;
    if (_errorRepair != REPAIR_NONE && message->fixError1Bit(copy, pos1, target)) {
        corrected = 1;
    } else if (_errorRepair != REPAIR_NONE && parityFieldBit(copy, message->calculatedParity(),
                                                             target, pos1)) {
        corrected = 1;
    } else if (_errorRepair == REPAIR_TWO_BITS &&
               message->fixError2Bits(copy, pos1, pos2, target)) {
        corrected = 2;
    }
    if (corrected == 1) {
        Log::log(Log::INFO, source(), "Fix 1 bit error in DF-%u message at %u.", df,
                 unsigned{pos1});
    } else if (corrected == 2) {
        Log::log(Log::INFO, source(), "Fix 2 bits error in DF-%u message at %u and %u.", df,
                 unsigned{pos1}, unsigned{pos2});
    } else {
        Log::log(Log::INFO, source(), "Unable to fix error in DF-%u message.", df);
        delete message;
        return nullptr;
    }
    if (!message->decode(copy)) {
        Log::log(Log::CRITICAL, source(), "Faild to decode DF-%u message after CRC fixing.", df);
        delete message;
        return nullptr;
    }
    message->setCorrectedBits(corrected);
    grade(*message, now);
    return message;
}

}  // namespace modes
}  // namespace brannic
