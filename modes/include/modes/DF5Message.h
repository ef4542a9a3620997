#ifndef MODES_DF5MESSAGE_H
#define MODES_DF5MESSAGE_H

#include <string>
#include <vector>

#include <modes/DFMessage.h>
#include <modes/ModeSMessageFieldAP.h>
#include <modes/ModeSMessageFieldFS.h>
#include <modes/ModeSMessageFieldID.h>

namespace brannic {
namespace modes {

// DF5, surveillance identity reply: flight status and Mode A code.
// The address is recovered from the AP field and the computed parity; nothing checks it,
// so a damaged reply yields another address.
class MODES_EXPORT DF5Message : public DFMessage {
public:
    DF5Message();

    uint8_t bits() const override { return shortReplyLength(); }
    // The fields in reply order: FS (5), ID (19), AP (32).
    std::vector<const ModeSMessageField*> fields() const override;
    // "FS: <FS>; ID: <ID>".
    std::string description() const override;

    ModeSMessageFieldFS& fieldFS() { return _fieldFS; }
    const ModeSMessageFieldFS& constFieldFS() const { return _fieldFS; }
    ModeSMessageFieldID& fieldID() { return _fieldID; }
    const ModeSMessageFieldID& constFieldID() const { return _fieldID; }
    ModeSMessageFieldAP& fieldAP() { return _fieldAP; }
    const ModeSMessageFieldAP& constFieldAP() const { return _fieldAP; }

private:
    bool decodeImpl() override;

    ModeSMessageFieldFS _fieldFS;
    ModeSMessageFieldID _fieldID;
    ModeSMessageFieldAP _fieldAP;
};

}  // namespace modes
}  // namespace brannic

#endif  // MODES_DF5MESSAGE_H
