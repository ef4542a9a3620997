#ifndef MODES_ADSBDECODER_H
#define MODES_ADSBDECODER_H

#include <string>

#include <modes/ADSBMessage.h>
#include <modes/MOPSVersion.h>
#include <modes/modes_export.h>

namespace brannic {
namespace modes {

// Picks the message class of an ME field from its type code and the ADS-B version that the
// transmitting aircraft is believed to use, and decodes.
class MODES_EXPORT ADSBDecoder {
public:
    // Logs "Initialized.".
    ADSBDecoder();

    // A new message that the caller deletes, or null: for fewer than 7 bytes, for a reserved
    // type code (logged), for a version without a class of that type (not logged) and for a
    // message that fails to decode (logged by the message, where it logs).
    ADSBMessage* decode(MOPSVersion version, const std::string& me) const;

private:
    friend class ADSBTracker;

    // The same decode; without `withFields` the message lists no fields (fields() stays empty),
    // which the tracker does not read and which costs most of a message's decode.
    ADSBMessage* decode(MOPSVersion version, const std::string& me, bool withFields) const;
};

}  // namespace modes
}  // namespace brannic

#endif  // MODES_ADSBDECODER_H
