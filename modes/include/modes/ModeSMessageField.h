#ifndef MODES_MODESMESSAGEFIELD_H
#define MODES_MODESMESSAGEFIELD_H

#include <cstddef>
#include <cstdint>
#include <string>

#include <modes/modes_export.h>

namespace brannic {
namespace modes {

// One field of a Mode S reply, named by its ICAO Annex 10 designator (AA, AC, ME ...).
//
// A field knows its width, decodes itself from the whole reply at the bit position where it
// stands (0-based from the most significant bit of the reply) and describes its value as text.
// Each field accepts only the positions at which it stands in the downlink formats that carry
// it; any other position is refused.
//
// Fields are members of the message classes and are never deleted through this base class,
// which therefore has no virtual destructor. The field classes are final: a message calls the
// width and decoding of its fields directly.
class MODES_EXPORT ModeSMessageField {
public:
    enum Designator : int32_t {
        AA = 0,   // address announced
        AC = 1,   // altitude code
        AF = 2,   // application field
        AP = 3,   // address/parity
        CA = 4,   // capability
        CF = 5,   // control field
        DR = 6,   // downlink request (no field class)
        FS = 7,   // flight status
        ID = 8,   // identity
        MB = 9,   // Comm-B message
        ME = 10,  // extended squitter message
        MV = 11,  // ACAS message
        PI = 12,  // parity/interrogator identifier
        UM = 13,  // utility message (no field class)
        VS = 14   // vertical status
    };

    // Width of the field in bits.
    virtual uint8_t bits() const = 0;
    // "AA:Address announced" for the base; each field describes its value instead.
    virtual std::string description() const;

    // Decodes the field from `data`, the whole reply, at bit `pos`. A reply too short to hold
    // the field gives false and leaves the field untouched; otherwise the position is stored and
    // valid() becomes the result of the field's own decoding (false for a position the field
    // never stands at, or a value the field refuses).
    bool decode(const std::string& data, uint8_t pos) {
        const unsigned end = unsigned{bits()} + pos;
        const std::size_t needed = end / 8 + (end % 8 != 0 ? 1 : 0);
        if (data.size() < needed)
            return false;
        _pos = pos;
        _valid = decodeImpl(data, pos);
        return _valid;
    }
    bool decode(const unsigned char* data, uint64_t count, uint8_t pos);

    Designator designator() const { return _designator; }
    uint8_t pos() const { return _pos; }
    bool valid() const { return _valid; }

    const std::string& name() const { return designatorName(_designator); }
    const std::string& fullName() const { return designatorFullName(_designator); }
    // "AA" ... "VS"; "--" for a value outside the enumeration.
    static const std::string& designatorName(Designator designator);
    // "Address announced" ...; "Unknown field" for a value outside the enumeration.
    static const std::string& designatorFullName(Designator designator);

protected:
    explicit ModeSMessageField(Designator designator) : _designator(designator) {}
    ModeSMessageField(const ModeSMessageField&) = default;
    ModeSMessageField& operator=(const ModeSMessageField&) = default;
    ~ModeSMessageField() = default;

private:
    // Stores the value found at `pos`; false, changing nothing, for a position not accepted.
    // Called only once the reply is known to hold the field.
    virtual bool decodeImpl(const std::string& data, uint8_t pos) = 0;

    Designator _designator;
    uint8_t _pos = 0;
    bool _valid = false;
};

}  // namespace modes
}  // namespace brannic

#endif  // MODES_MODESMESSAGEFIELD_H
