#include <modes/ADSBIdentityMessage.h>

#include "Bits.h"

namespace brannic {
namespace modes {

namespace {

// The 6-bit character subset of ICAO Annex 10 Vol. IV, Table 3-9 (IA-5 letters, space and
// digits); "?" marks the codes that the subset leaves unassigned.
constexpr char kCharacters[] = "?ABCDEFGHIJKLMNOPQRSTUVWXYZ????? ???????????????0123456789??????";
static_assert(sizeof(kCharacters) == 65, "64 characters");

}  // namespace

ADSBIdentityMessage::ADSBIdentityMessage() : ADSBMessage(ACID), _callsign(8, ' ') {}

void ADSBIdentityMessage::decodeValues(const unsigned char* me, Values& values) {
    values.emitterCategory = static_cast<uint8_t>(bits::field(me, 5, 7));
    for (unsigned i = 0; i < 8; ++i) {
        const unsigned pos = 8 + 6 * i;
        values.callsign[i] = kCharacters[bits::field(me, pos, pos + 5)];
    }
}

bool ADSBIdentityMessage::decodeImpl() {
    using Field = ADSBMessageField;
    Values values;
    decodeValues(bits::bytes(data()), values);
    _emitterCategory = values.emitterCategory;
    _callsign.assign(values.callsign, sizeof(values.callsign));
    if (!listingFields())
        return true;
    addField(Field(Field::EMT_CAT, 5, 3, std::to_string(_emitterCategory)));
    for (unsigned i = 0; i < 8; ++i) {
        addField(Field(static_cast<Field::Designator>(Field::CHAR_1 + i),
                       static_cast<uint8_t>(8 + 6 * i), 6, std::string(1, _callsign[i])));
    }
    return true;
}

std::string ADSBIdentityMessage::description() const {
    return "TC=ACID, EC=" + std::to_string(_emitterCategory) + ", CS=" + _callsign;
}

}  // namespace modes
}  // namespace brannic
