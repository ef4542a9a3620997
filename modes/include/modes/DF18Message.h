#ifndef MODES_DF18MESSAGE_H
#define MODES_DF18MESSAGE_H

#include <string>
#include <vector>

#include <modes/DFMessage.h>
#include <modes/ModeSMessageFieldAA.h>
#include <modes/ModeSMessageFieldCF.h>
#include <modes/ModeSMessageFieldME.h>
#include <modes/ModeSMessageFieldPI.h>

namespace brannic {
namespace modes {

// DF18, extended squitter of a device that is not a transponder (ADS-B emitters, TIS-B
// and ADS-R ground stations): control field, address and an ADS-B message.
// Decoding fails, logging "Parity check failed." (INFO), unless the received PI equals the
// computed parity; the address is then the AA field.
class MODES_EXPORT DF18Message : public DFMessage {
public:
    DF18Message();

    uint8_t bits() const override { return longReplyLength(); }
    // The fields in reply order: CF (5), AA (8), ME (32), PI (88).
    std::vector<const ModeSMessageField*> fields() const override;
    // "CF: <CF>; AA: <AA>; ME: <ME>".
    std::string description() const override;

    ModeSMessageFieldCF& fieldCF() { return _fieldCF; }
    const ModeSMessageFieldCF& constFieldCF() const { return _fieldCF; }
    ModeSMessageFieldAA& fieldAA() { return _fieldAA; }
    const ModeSMessageFieldAA& constFieldAA() const { return _fieldAA; }
    ModeSMessageFieldME& fieldME() { return _fieldME; }
    const ModeSMessageFieldME& constFieldME() const { return _fieldME; }
    ModeSMessageFieldPI& fieldPI() { return _fieldPI; }
    const ModeSMessageFieldPI& constFieldPI() const { return _fieldPI; }

private:
    bool decodeImpl() override;

    ModeSMessageFieldCF _fieldCF;
    ModeSMessageFieldAA _fieldAA;
    ModeSMessageFieldME _fieldME;
    ModeSMessageFieldPI _fieldPI;
};

}  // namespace modes
}  // namespace brannic

#endif  // MODES_DF18MESSAGE_H
