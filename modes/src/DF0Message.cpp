#include <modes/DF0Message.h>

namespace brannic {
namespace modes {

DF0Message::DF0Message() : DFMessage(DF_0) {}

std::vector<const ModeSMessageField*> DF0Message::fields() const {
    return {&_fieldVS, &_fieldAC, &_fieldAP};
}

std::string DF0Message::description() const {
    return "VS: " + _fieldVS.description() + "; AC: " + _fieldAC.description();
}

bool DF0Message::decodeImpl() {
    if (!DFMessage::decodeImpl())
        return false;
    const std::string& reply = data();
    bool ok = _fieldVS.decode(reply, 5);
    ok &= _fieldAC.decode(reply, 19);
    ok &= _fieldAP.decode(reply, 32);
    setIcaoAddress(_fieldAP.setParity(calculatedParity()));
    return ok;
}

}  // namespace modes
}  // namespace brannic
