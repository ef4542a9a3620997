#ifndef MODES_DF16MESSAGE_H
#define MODES_DF16MESSAGE_H

#include <string>
#include <vector>

#include <modes/DFMessage.h>
#include <modes/ModeSMessageFieldAC.h>
#include <modes/ModeSMessageFieldAP.h>
#include <modes/ModeSMessageFieldMV.h>
#include <modes/ModeSMessageFieldVS.h>

namespace brannic {
namespace modes {

// DF16, long air-air surveillance: the ACAS reply with vertical status, altitude and an
// ACAS coordination message.
// The address is recovered from the AP field and the computed parity; nothing checks it,
// so a damaged reply yields another address.
class MODES_EXPORT DF16Message : public DFMessage {
public:
    DF16Message();

    uint8_t bits() const override { return longReplyLength(); }
    // The fields in reply order: VS (5), AC (19), MV (32), AP (88).
    std::vector<const ModeSMessageField*> fields() const override;
    // "VS: <VS>; AC: <AC>".
    std::string description() const override;

    ModeSMessageFieldVS& fieldVS() { return _fieldVS; }
    const ModeSMessageFieldVS& constFieldVS() const { return _fieldVS; }
    ModeSMessageFieldAC& fieldAC() { return _fieldAC; }
    const ModeSMessageFieldAC& constFieldAC() const { return _fieldAC; }
    ModeSMessageFieldMV& fieldMV() { return _fieldMV; }
    const ModeSMessageFieldMV& constFieldMV() const { return _fieldMV; }
    ModeSMessageFieldAP& fieldAP() { return _fieldAP; }
    const ModeSMessageFieldAP& constFieldAP() const { return _fieldAP; }

private:
    bool decodeImpl() override;

    ModeSMessageFieldVS _fieldVS;
    ModeSMessageFieldAC _fieldAC;
    ModeSMessageFieldMV _fieldMV;
    ModeSMessageFieldAP _fieldAP;
};

}  // namespace modes
}  // namespace brannic

#endif  // MODES_DF16MESSAGE_H
