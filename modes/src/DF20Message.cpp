#include <modes/DF20Message.h>

namespace brannic {
namespace modes {

DF20Message::DF20Message() : DFMessage(DF_20) {}

std::vector<const ModeSMessageField*> DF20Message::fields() const {
    return {&_fieldFS, &_fieldAC, &_fieldMB, &_fieldAP};
}

std::string DF20Message::description() const {
    return "FS: " + _fieldFS.description() + "; AC: " + _fieldAC.description();
}

bool DF20Message::decodeImpl() {
    if (!DFMessage::decodeImpl())
        return false;
    const std::string& reply = data();
    bool ok = _fieldFS.decode(reply, 5);
    ok &= _fieldAC.decode(reply, 19);
    ok &= _fieldMB.decode(reply, 32);
    ok &= _fieldAP.decode(reply, 88);
    setIcaoAddress(_fieldAP.setParity(calculatedParity()));
    return ok;
}

}  // namespace modes
}  // namespace brannic
