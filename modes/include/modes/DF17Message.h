#ifndef MODES_DF17MESSAGE_H
#define MODES_DF17MESSAGE_H

#include <string>
#include <vector>

#include <modes/DFMessage.h>
#include <modes/ModeSMessageFieldAA.h>
#include <modes/ModeSMessageFieldCA.h>
#include <modes/ModeSMessageFieldME.h>
#include <modes/ModeSMessageFieldPI.h>

namespace brannic {
namespace modes {

// DF17, extended squitter of a Mode S transponder: capability, address and an ADS-B
// message, protected by a parity that the receiver checks (the interrogator code is 0).
// Decoding fails, logging "Parity check failed." (INFO), unless the received PI equals the
// computed parity; the address is then the AA field.
class MODES_EXPORT DF17Message : public DFMessage {
public:
    DF17Message();

    uint8_t bits() const override { return longReplyLength(); }
    // The fields in reply order: CA (5), AA (8), ME (32), PI (88).
    std::vector<const ModeSMessageField*> fields() const override;
    // "CA: <CA>; AA: <AA>; ME: <ME>".
    std::string description() const override;

    ModeSMessageFieldCA& fieldCA() { return _fieldCA; }
    const ModeSMessageFieldCA& constFieldCA() const { return _fieldCA; }
    ModeSMessageFieldAA& fieldAA() { return _fieldAA; }
    const ModeSMessageFieldAA& constFieldAA() const { return _fieldAA; }
    ModeSMessageFieldME& fieldME() { return _fieldME; }
    const ModeSMessageFieldME& constFieldME() const { return _fieldME; }
    ModeSMessageFieldPI& fieldPI() { return _fieldPI; }
    const ModeSMessageFieldPI& constFieldPI() const { return _fieldPI; }

private:
    bool decodeImpl() override;

    ModeSMessageFieldCA _fieldCA;
    ModeSMessageFieldAA _fieldAA;
    ModeSMessageFieldME _fieldME;
    ModeSMessageFieldPI _fieldPI;
};

}  // namespace modes
}  // namespace brannic

#endif  // MODES_DF17MESSAGE_H
