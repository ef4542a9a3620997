#include <modes/DF5Message.h>

namespace brannic {
namespace modes {

DF5Message::DF5Message() : DFMessage(DF_5) {}

std::vector<const ModeSMessageField*> DF5Message::fields() const {
    return {&_fieldFS, &_fieldID, &_fieldAP};
}

std::string DF5Message::description() const {
    return "FS: " + _fieldFS.description() + "; ID: " + _fieldID.description();
}

bool DF5Message::decodeImpl() {
    if (!DFMessage::decodeImpl())
        return false;
    const std::string& reply = data();
    bool ok = _fieldFS.decode(reply, 5);
    ok &= _fieldID.decode(reply, 19);
    ok &= _fieldAP.decode(reply, 32);
    setIcaoAddress(_fieldAP.setParity(calculatedParity()));
    return ok;
}

}  // namespace modes
}  // namespace brannic
