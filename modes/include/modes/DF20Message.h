#ifndef MODES_DF20MESSAGE_H
#define MODES_DF20MESSAGE_H

#include <string>
#include <vector>

#include <modes/DFMessage.h>
#include <modes/ModeSMessageFieldAC.h>
#include <modes/ModeSMessageFieldAP.h>
#include <modes/ModeSMessageFieldFS.h>
#include <modes/ModeSMessageFieldMB.h>

namespace brannic {
namespace modes {

// DF20, Comm-B altitude reply: flight status, pressure altitude and a Comm-B message.
// The address is recovered from the AP field and the computed parity; nothing checks it,
// so a damaged reply yields another address.
class MODES_EXPORT DF20Message : public DFMessage {
public:
    DF20Message();

    uint8_t bits() const override { return longReplyLength(); }
    // The fields in reply order: FS (5), AC (19), MB (32), AP (88).
    std::vector<const ModeSMessageField*> fields() const override;
    // "FS: <FS>; AC: <AC>".
    std::string description() const override;

    ModeSMessageFieldFS& fieldFS() { return _fieldFS; }
    const ModeSMessageFieldFS& constFieldFS() const { return _fieldFS; }
    ModeSMessageFieldAC& fieldAC() { return _fieldAC; }
    const ModeSMessageFieldAC& constFieldAC() const { return _fieldAC; }
    ModeSMessageFieldMB& fieldMB() { return _fieldMB; }
    const ModeSMessageFieldMB& constFieldMB() const { return _fieldMB; }
    ModeSMessageFieldAP& fieldAP() { return _fieldAP; }
    const ModeSMessageFieldAP& constFieldAP() const { return _fieldAP; }

private:
    bool decodeImpl() override;

    ModeSMessageFieldFS _fieldFS;
    ModeSMessageFieldAC _fieldAC;
    ModeSMessageFieldMB _fieldMB;
    ModeSMessageFieldAP _fieldAP;
};

}  // namespace modes
}  // namespace brannic

#endif  // MODES_DF20MESSAGE_H
