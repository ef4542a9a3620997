#ifndef MODES_ADSBIDENTITYMESSAGE_H
#define MODES_ADSBIDENTITYMESSAGE_H

#include <cstdint>
#include <string>

#include <modes/ADSBMessage.h>
#include <modes/modes_export.h>

namespace brannic {
namespace modes {

// Aircraft identification and category (type codes 1-4): the emitter category within the set
// of the type code (4 is set A, 3 B, 2 C, 1 D) and the eight characters of the callsign in the
// 6-bit IA-5 subset of ICAO Annex 10. Never fails.
class MODES_EXPORT ADSBIdentityMessage : public ADSBMessage {
public:
    ADSBIdentityMessage();

    // What the message carries. The tracker decodes these straight from the ME field, without
    // a message object.
    struct Values {
        uint8_t emitterCategory = 0;
        char callsign[8] = {' ', ' ', ' ', ' ', ' ', ' ', ' ', ' '};
    };
    // Decodes the 7 bytes of an identification ME field; every such field decodes.
    static void decodeValues(const unsigned char* me, Values& values);

    std::string description() const override;

    // Exactly eight characters, trailing spaces kept; "?" for a code outside the subset.
    const std::string& callsign() const { return _callsign; }
    uint8_t emitterCategory() const { return _emitterCategory; }

protected:
    bool decodeImpl() override;

private:
    uint8_t _emitterCategory = 0;
    std::string _callsign;
};

}  // namespace modes
}  // namespace brannic

#endif  // MODES_ADSBIDENTITYMESSAGE_H
