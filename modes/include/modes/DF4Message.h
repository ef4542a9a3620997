#ifndef MODES_DF4MESSAGE_H
#define MODES_DF4MESSAGE_H

#include <string>
#include <vector>

#include <modes/DFMessage.h>
#include <modes/ModeSMessageFieldAC.h>
#include <modes/ModeSMessageFieldAP.h>
#include <modes/ModeSMessageFieldFS.h>

namespace brannic {
namespace modes {

// DF4, surveillance altitude reply: flight status and pressure altitude.
// The address is recovered from the AP field and the computed parity; nothing checks it,
// so a damaged reply yields another address.
class MODES_EXPORT DF4Message : public DFMessage {
public:
    DF4Message();

    uint8_t bits() const override { return shortReplyLength(); }
    // The fields in reply order: FS (5), AC (19), AP (32).
    std::vector<const ModeSMessageField*> fields() const override;
    // "FS: <FS>; AC: <AC>".
    std::string description() const override;

    ModeSMessageFieldFS& fieldFS() { return _fieldFS; }
    const ModeSMessageFieldFS& constFieldFS() const { return _fieldFS; }
    ModeSMessageFieldAC& fieldAC() { return _fieldAC; }
    const ModeSMessageFieldAC& constFieldAC() const { return _fieldAC; }
    ModeSMessageFieldAP& fieldAP() { return _fieldAP; }
    const ModeSMessageFieldAP& constFieldAP() const { return _fieldAP; }

private:
    bool decodeImpl() override;

    ModeSMessageFieldFS _fieldFS;
    ModeSMessageFieldAC _fieldAC;
    ModeSMessageFieldAP _fieldAP;
};

}  // namespace modes
}  // namespace brannic

#endif  // MODES_DF4MESSAGE_H
