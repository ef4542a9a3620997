#ifndef MODES_DF11MESSAGE_H
#define MODES_DF11MESSAGE_H

#include <string>
#include <vector>

#include <modes/DFMessage.h>
#include <modes/ModeSMessageFieldAA.h>
#include <modes/ModeSMessageFieldCA.h>
#include <modes/ModeSMessageFieldPI.h>

namespace brannic {
namespace modes {

// DF11, all-call reply (also sent unsolicited as the acquisition squitter): capability and
// address in clear, the parity overlaid with the code of the interrogator answered.
// The address is the AA field; the interrogator code is the PI field xor the computed parity.
class MODES_EXPORT DF11Message : public DFMessage {
public:
    DF11Message();

    uint8_t bits() const override { return shortReplyLength(); }
    // The fields in reply order: CA (5), AA (8), PI (32).
    std::vector<const ModeSMessageField*> fields() const override;
    // "CA: <CA>; AA: <AA>; PI: <PI>".
    std::string description() const override;

    ModeSMessageFieldCA& fieldCA() { return _fieldCA; }
    const ModeSMessageFieldCA& constFieldCA() const { return _fieldCA; }
    ModeSMessageFieldAA& fieldAA() { return _fieldAA; }
    const ModeSMessageFieldAA& constFieldAA() const { return _fieldAA; }
    ModeSMessageFieldPI& fieldPI() { return _fieldPI; }
    const ModeSMessageFieldPI& constFieldPI() const { return _fieldPI; }

private:
    bool decodeImpl() override;

    ModeSMessageFieldCA _fieldCA;
    ModeSMessageFieldAA _fieldAA;
    ModeSMessageFieldPI _fieldPI;
};

}  // namespace modes
}  // namespace brannic

#endif  // MODES_DF11MESSAGE_H
