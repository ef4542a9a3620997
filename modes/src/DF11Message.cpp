#include <modes/DF11Message.h>

namespace brannic {
namespace modes {

DF11Message::DF11Message() : DFMessage(DF_11) {}

std::vector<const ModeSMessageField*> DF11Message::fields() const {
    return {&_fieldCA, &_fieldAA, &_fieldPI};
}

std::string DF11Message::description() const {
    return "CA: " + _fieldCA.description() + "; AA: " + _fieldAA.description() +
           "; PI: " + _fieldPI.description();
}

bool DF11Message::decodeImpl() {
    if (!DFMessage::decodeImpl())
        return false;
    const std::string& reply = data();
    bool ok = _fieldCA.decode(reply, 5);
    ok &= _fieldAA.decode(reply, 8);
    ok &= _fieldPI.decode(reply, 32);
    _fieldPI.setParity(calculatedParity());
    setIcaoAddress(_fieldAA.icaoAddress());
    return ok;
}

}  // namespace modes
}  // namespace brannic
