#include <modes/ADSBMessage.h>

#include <algorithm>
#include <array>

#include <modes/Log.h>

#include "ByteCopy.h"
#include "Clock.h"

namespace brannic {
namespace modes {

namespace {

struct TypeText {
    std::string name;
    std::string fullName;
};

// By ADSBMessageType value.
const std::array<TypeText, kADSBMessageTypeCount>& typeTexts() {
    static const std::array<TypeText, kADSBMessageTypeCount> texts = {{
        {"ACID", "Aircraft Identification"},
        {"POS_GND", "Surface Position"},
        {"POS_AIR", "Airborne Position"},
        {"AIR_VEL", "Airborne Velocities"},
        {"TEST", "Test"},
        {"AC_STATUS", "Aircraft Status"},
        {"TG_STATUS", "Target State and Status Information"},
        {"OP_STATUS", "Aircraft Operation Status"},
        {"RESERVED", "Reserved"},
    }};
    return texts;
}

const TypeText& typeText(ADSBMessageType type) {
    const bool known = type >= 0 && type < kADSBMessageTypeCount;
    return typeTexts()[known ? type : RESERVED];
}

// Message type by type code (DO-260B 2.2.3.2, Table 2-14).
constexpr std::array<ADSBMessageType, 32> kTypeByCode = {
    RESERVED, ACID,     ACID,     ACID,     ACID,      POS_GND,   POS_GND,  POS_GND,
    POS_GND,  POS_AIR,  POS_AIR,  POS_AIR,  POS_AIR,   POS_AIR,   POS_AIR,  POS_AIR,
    POS_AIR,  POS_AIR,  POS_AIR,  AIR_VEL,  POS_AIR,   POS_AIR,   POS_AIR,  TEST,
    RESERVED, RESERVED, RESERVED, RESERVED, AC_STATUS, TG_STATUS, RESERVED, OP_STATUS};

}  // namespace

ADSBMessage::ADSBMessage(ADSBMessageType type)
    : _type(type), _timeStamp(static_cast<uint64_t>(clock::nowSeconds()) * 1000) {}

ADSBMessage::~ADSBMessage() = default;

std::vector<ADSBMessageField> ADSBMessage::fields() const {
    return _fields;
}

std::string ADSBMessage::description() const {
    return "ADS-B Type-" + std::to_string(_typeCode) + " " + typeName() + " Message";
}

bool ADSBMessage::decode(const std::string& me) {
    if (me.size() < 7)
        return false;
    bytecopy::assign(_data, me.data(), 7);
    _typeCode = static_cast<uint8_t>(static_cast<unsigned char>(_data[0]) >> 3);
    if (typeByCode(_typeCode) != _type) {
        Log::log(Log::CRITICAL, "ADSBMessage", "Type code mismatch.");
        // The stored bytes are no longer those of the last good decode.
        _valid = false;
        return false;
    }
    // A message lists at most a dozen fields of its own: one allocation for all of them.
    if (_listFields)
        _fields.reserve(_fields.size() + 16);
    if (listingFields()) {
        addField(ADSBMessageField(ADSBMessageField::TYPE, 0, 5, typeName()));
        addField(ADSBMessageField(ADSBMessageField::TYPE_CODE, 0, 5, std::to_string(_typeCode)));
    }
    _valid = decodeImpl();
    // Stable insertion sort by position: the lists are short and nearly ordered, and unlike
    // std::stable_sort it needs no temporary buffer.
    for (std::size_t i = 1; i < _fields.size(); ++i) {
        for (std::size_t j = i; j > 0 && _fields[j].pos() < _fields[j - 1].pos(); --j) {
            std::swap(_fields[j], _fields[j - 1]);
        }
    }
    return _valid;
}

bool ADSBMessage::decode(const unsigned char* me, uint64_t count) {
    if (me == nullptr)
        return decode(std::string());
    return decode(std::string(reinterpret_cast<const char*>(me), count));
}

std::string ADSBMessage::dataHexString() const {
    static const char digits[] = "0123456789ABCDEF";
    std::string text;
    text.reserve(_data.size() * 2);
    for (unsigned char byte : _data) {
        text += digits[byte >> 4];
        text += digits[byte & 0x0F];
    }
    return text;
}

const std::string& ADSBMessage::typeName(ADSBMessageType type) {
    return typeText(type).name;
}

const std::string& ADSBMessage::typeFullName(ADSBMessageType type) {
    return typeText(type).fullName;
}

ADSBMessageType ADSBMessage::typeByCode(unsigned char typeCode) {
    return typeCode < kTypeByCode.size() ? kTypeByCode[typeCode] : RESERVED;
}

void ADSBMessage::addField(const ADSBMessageField& field) {
    if (_listFields)
        _fields.push_back(field);
}

void ADSBMessage::addField(ADSBMessageField&& field) {
    if (_listFields)
        _fields.push_back(std::move(field));
}

}  // namespace modes
}  // namespace brannic
