#ifndef MODES_DF19MESSAGE_H
#define MODES_DF19MESSAGE_H

#include <string>
#include <vector>

#include <modes/DFMessage.h>
#include <modes/ModeSMessageFieldAA.h>
#include <modes/ModeSMessageFieldAF.h>
#include <modes/ModeSMessageFieldME.h>
#include <modes/ModeSMessageFieldPI.h>

namespace brannic {
namespace modes {

// DF19, military extended squitter: with application field 0 an ADS-B squitter laid out
// like DF17; other codes are reserved for military applications and are not decoded.
// With AF 0 decoding checks the parity as DF17 does; with any other code it logs the code
// (INFO), decodes nothing more and leaves the address 0, and fields() holds AF alone.
class MODES_EXPORT DF19Message : public DFMessage {
public:
    DF19Message();

    uint8_t bits() const override { return longReplyLength(); }
    // The fields in reply order: AF (5), AA (8), ME (32), PI (88).
    std::vector<const ModeSMessageField*> fields() const override;
    // "AF: <AF>; AA: <AA>; ME: <ME>".
    std::string description() const override;

    ModeSMessageFieldAF& fieldAF() { return _fieldAF; }
    const ModeSMessageFieldAF& constFieldAF() const { return _fieldAF; }
    ModeSMessageFieldAA& fieldAA() { return _fieldAA; }
    const ModeSMessageFieldAA& constFieldAA() const { return _fieldAA; }
    ModeSMessageFieldME& fieldME() { return _fieldME; }
    const ModeSMessageFieldME& constFieldME() const { return _fieldME; }
    ModeSMessageFieldPI& fieldPI() { return _fieldPI; }
    const ModeSMessageFieldPI& constFieldPI() const { return _fieldPI; }

private:
    bool decodeImpl() override;

    ModeSMessageFieldAF _fieldAF;
    ModeSMessageFieldAA _fieldAA;
    ModeSMessageFieldME _fieldME;
    ModeSMessageFieldPI _fieldPI;
};

}  // namespace modes
}  // namespace brannic

#endif  // MODES_DF19MESSAGE_H
