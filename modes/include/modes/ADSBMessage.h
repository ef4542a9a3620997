#ifndef MODES_ADSBMESSAGE_H
#define MODES_ADSBMESSAGE_H

#include <cstdint>
#include <string>
#include <vector>

#include <modes/ADSBMessageField.h>
#include <modes/ADSBMessageType.h>
#include <modes/modes_export.h>

namespace brannic {
namespace modes {

// One ADS-B message: the 56-bit ME field of an extended squitter (DF17, DF18, DF19 with AF 0)
// and what the subclass of its type decoded from it.
//
// Bit positions are 0-based from the most significant bit of the ME field. The type code is
// the top five bits; the subclasses list what they decode as fields, sorted by position.
class MODES_EXPORT ADSBMessage {
public:
    ADSBMessage(const ADSBMessage&) = default;
    ADSBMessage& operator=(const ADSBMessage&) = default;
    ADSBMessage(ADSBMessage&&) = default;
    ADSBMessage& operator=(ADSBMessage&&) = default;
    virtual ~ADSBMessage();

    // A copy of the decoded fields, ordered by position.
    virtual std::vector<ADSBMessageField> fields() const;
    // "ADS-B Type-<code> <name> Message"; the message types describe their values.
    virtual std::string description() const;

    // Decodes the first 7 bytes of `me`. Fewer than 7 bytes: false, nothing changes. A type code
    // of another message type: "Type code mismatch." is logged and the result is false. Fields
    // are appended: decoding one object twice lists its fields twice.
    bool decode(const std::string& me);
    bool decode(const unsigned char* me, uint64_t count);

    const std::string& data() const { return _data; }
    std::string dataHexString() const;  // "%.2X" per byte
    bool valid() const { return _valid; }
    ADSBMessageType type() const { return _type; }
    uint8_t typeCode() const { return _typeCode; }
    const std::string& typeName() const { return typeName(_type); }
    const std::string& typeFullName() const { return typeFullName(_type); }

    // "POS_AIR" and "Airborne Position" for POS_AIR; "RESERVED" and "Reserved" for any value
    // outside the enumeration.
    static const std::string& typeName(ADSBMessageType type);
    static const std::string& typeFullName(ADSBMessageType type);
    // Message type of a 5-bit type code; RESERVED for reserved codes and values above 31.
    static ADSBMessageType typeByCode(unsigned char typeCode);

    uint64_t timeStamp() const { return _timeStamp; }
    void setTimeStamp(unsigned long long timeStamp) { _timeStamp = timeStamp; }
    uint8_t signalAmplitude() const { return _signalAmplitude; }
    void setSignalAmplitude(const uint8_t& amplitude) { _signalAmplitude = amplitude; }

protected:
    // The time stamp is the current time in whole seconds.
    explicit ADSBMessage(ADSBMessageType type);

    // Whether this message lists its fields: a message decoded for tracking only does not,
    // and then its decodeImpl() need not build the fields' texts.
    bool listingFields() const { return _listFields; }
    void addField(const ADSBMessageField& field);
    void addField(ADSBMessageField&& field);

    // Decodes data() into the subclass's members and fields; returns the message's validity.
    virtual bool decodeImpl() = 0;

private:
    friend class ADSBDecoder;

    // False for messages decoded for tracking only: addField() then lists nothing.
    bool _listFields = true;

    std::string _data;
    bool _valid = false;
    uint8_t _typeCode = 0;
    ADSBMessageType _type;
    uint64_t _timeStamp;
    uint8_t _signalAmplitude = 0;
    std::vector<ADSBMessageField> _fields;
};

}  // namespace modes
}  // namespace brannic

#endif  // MODES_ADSBMESSAGE_H
