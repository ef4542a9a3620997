#ifndef MODES_ADSBDECODER_H
#define MODES_ADSBDECODER_H

#include <memory>
#include <string>

#include <modes/ADSBMessage.h>
#include <modes/ADSBMessageType.h>
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
    ADSBDecoder(const ADSBDecoder& other);
    ADSBDecoder& operator=(const ADSBDecoder& other);
    ADSBDecoder(ADSBDecoder&& other) noexcept;
    ADSBDecoder& operator=(ADSBDecoder&& other) noexcept;
    ~ADSBDecoder();

    // A new message that the caller deletes, or null: for fewer than 7 bytes, for a reserved
    // type code (logged), for a version without a class of that type (not logged) and for a
    // message that fails to decode (logged by the message, where it logs).
    ADSBMessage* decode(MOPSVersion version, const std::string& me) const;

private:
    friend class ADSBTracker;

    // The same decode for the tracker, into a message object of this decoder's own that is
    // reused from one call to the next (valid until the next call, owned by the decoder), and
    // without fields (fields() stays empty): the tracker reads neither, and allocating,
    // stamping and listing cost most of a message's decode. Null as decode().
    ADSBMessage* decodeForTracking(MOPSVersion version, const std::string& me);
    // Whether a transmitter of `version` has a message class of `type`: what decode() and
    // decodeForTracking() decode at all.
    static bool hasClass(ADSBMessageType type, MOPSVersion version);

    // One reusable message object per message class, made on first use.
    struct Scratch;
    std::unique_ptr<Scratch> _scratch;
};

}  // namespace modes
}  // namespace brannic

#endif  // MODES_ADSBDECODER_H
