#ifndef MODES_DF21MESSAGE_H
#define MODES_DF21MESSAGE_H

#include <string>
#include <vector>

#include <modes/DFMessage.h>
#include <modes/ModeSMessageFieldAP.h>
#include <modes/ModeSMessageFieldFS.h>
#include <modes/ModeSMessageFieldID.h>
#include <modes/ModeSMessageFieldMB.h>

namespace brannic {
namespace modes {

// DF21, Comm-B identity reply: flight status, Mode A code and a Comm-B message.
// The address is recovered from the AP field and the computed parity; nothing checks it,
// so a damaged reply yields another address.
class MODES_EXPORT DF21Message : public DFMessage {
public:
    DF21Message();

    uint8_t bits() const override { return longReplyLength(); }
    // The fields in reply order: FS (5), ID (19), MB (32), AP (88).
    std::vector<const ModeSMessageField*> fields() const override;
    // "FS: <FS>; ID: <ID>".
    std::string description() const override;

    ModeSMessageFieldFS& fieldFS() { return _fieldFS; }
    const ModeSMessageFieldFS& constFieldFS() const { return _fieldFS; }
    ModeSMessageFieldID& fieldID() { return _fieldID; }
    const ModeSMessageFieldID& constFieldID() const { return _fieldID; }
    ModeSMessageFieldMB& fieldMB() { return _fieldMB; }
    const ModeSMessageFieldMB& constFieldMB() const { return _fieldMB; }
    ModeSMessageFieldAP& fieldAP() { return _fieldAP; }
    const ModeSMessageFieldAP& constFieldAP() const { return _fieldAP; }

private:
    bool decodeImpl() override;

    ModeSMessageFieldFS _fieldFS;
    ModeSMessageFieldID _fieldID;
    ModeSMessageFieldMB _fieldMB;
    ModeSMessageFieldAP _fieldAP;
};

}  // namespace modes
}  // namespace brannic

#endif  // MODES_DF21MESSAGE_H
