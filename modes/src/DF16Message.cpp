#include <modes/DF16Message.h>

namespace brannic {
namespace modes {

DF16Message::DF16Message() : DFMessage(DF_16) {}

std::vector<const ModeSMessageField*> DF16Message::fields() const {
    return {&_fieldVS, &_fieldAC, &_fieldMV, &_fieldAP};
}

std::string DF16Message::description() const {
    return "VS: " + _fieldVS.description() + "; AC: " + _fieldAC.description();
}

bool DF16Message::decodeImpl() {
    if (!DFMessage::decodeImpl())
        return false;
    const std::string& reply = data();
    bool ok = _fieldVS.decode(reply, 5);
    ok &= _fieldAC.decode(reply, 19);
    ok &= _fieldMV.decode(reply, 32);
    ok &= _fieldAP.decode(reply, 88);
    setIcaoAddress(_fieldAP.setParity(calculatedParity()));
    return ok;
}

}  // namespace modes
}  // namespace brannic
