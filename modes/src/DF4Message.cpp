#include <modes/DF4Message.h>

namespace brannic {
namespace modes {

DF4Message::DF4Message() : DFMessage(DF_4) {}

std::vector<const ModeSMessageField*> DF4Message::fields() const {
    return {&_fieldFS, &_fieldAC, &_fieldAP};
}

std::string DF4Message::description() const {
    return "FS: " + _fieldFS.description() + "; AC: " + _fieldAC.description();
}

bool DF4Message::decodeImpl() {
    if (!DFMessage::decodeImpl())
        return false;
    const std::string& reply = data();
    bool ok = _fieldFS.decode(reply, 5);
    ok &= _fieldAC.decode(reply, 19);
    ok &= _fieldAP.decode(reply, 32);
    setIcaoAddress(_fieldAP.setParity(calculatedParity()));
    return ok;
}

}  // namespace modes
}  // namespace brannic
