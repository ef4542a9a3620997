#include <modes/DF21Message.h>

namespace brannic {
namespace modes {

DF21Message::DF21Message() : DFMessage(DF_21) {}

std::vector<const ModeSMessageField*> DF21Message::fields() const {
    return {&_fieldFS, &_fieldID, &_fieldMB, &_fieldAP};
}

std::string DF21Message::description() const {
    return "FS: " + _fieldFS.description() + "; ID: " + _fieldID.description();
}

bool DF21Message::decodeImpl() {
    if (!DFMessage::decodeImpl())
        return false;
    const std::string& reply = data();
    bool ok = _fieldFS.decode(reply, 5);
    ok &= _fieldID.decode(reply, 19);
    ok &= _fieldMB.decode(reply, 32);
    ok &= _fieldAP.decode(reply, 88);
    setIcaoAddress(_fieldAP.setParity(calculatedParity()));
    return ok;
}

}  // namespace modes
}  // namespace brannic
