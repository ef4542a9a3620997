#ifndef MODES_DF0MESSAGE_H
#define MODES_DF0MESSAGE_H

#include <string>
#include <vector>

#include <modes/DFMessage.h>
#include <modes/ModeSMessageFieldAC.h>
#include <modes/ModeSMessageFieldAP.h>
#include <modes/ModeSMessageFieldVS.h>

namespace brannic {
namespace modes {

// DF0, short air-air surveillance: the ACAS reply giving vertical status and altitude.
// The address is recovered from the AP field and the computed parity; nothing checks it,
// so a damaged reply yields another address.
class MODES_EXPORT DF0Message : public DFMessage {
public:
    DF0Message();

    uint8_t bits() const override { return shortReplyLength(); }
    // The fields in reply order: VS (5), AC (19), AP (32).
    std::vector<const ModeSMessageField*> fields() const override;
    // "VS: <VS>; AC: <AC>".
    std::string description() const override;

    ModeSMessageFieldVS& fieldVS() { return _fieldVS; }
    const ModeSMessageFieldVS& constFieldVS() const { return _fieldVS; }
    ModeSMessageFieldAC& fieldAC() { return _fieldAC; }
    const ModeSMessageFieldAC& constFieldAC() const { return _fieldAC; }
    ModeSMessageFieldAP& fieldAP() { return _fieldAP; }
    const ModeSMessageFieldAP& constFieldAP() const { return _fieldAP; }

private:
    bool decodeImpl() override;

    ModeSMessageFieldVS _fieldVS;
    ModeSMessageFieldAC _fieldAC;
    ModeSMessageFieldAP _fieldAP;
};

}  // namespace modes
}  // namespace brannic

#endif  // MODES_DF0MESSAGE_H
