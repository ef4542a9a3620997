#include <modes/DF17Message.h>

#include <modes/Log.h>

namespace brannic {
namespace modes {

DF17Message::DF17Message() : DFMessage(DF_17) {}

std::vector<const ModeSMessageField*> DF17Message::fields() const {
    return {&_fieldCA, &_fieldAA, &_fieldME, &_fieldPI};
}

std::string DF17Message::description() const {
    return "CA: " + _fieldCA.description() + "; AA: " + _fieldAA.description() +
           "; ME: " + _fieldME.description();
}

bool DF17Message::decodeImpl() {
    if (!DFMessage::decodeImpl())
        return false;
    const std::string& reply = data();
    bool ok = _fieldCA.decode(reply, 5);
    ok &= _fieldAA.decode(reply, 8);
    ok &= _fieldME.decode(reply, 32);
    ok &= _fieldPI.decode(reply, 88);
    if (_fieldPI.setInterrogatorId(0) != calculatedParity()) {
        static const std::string source = "DF17Message";
        static const std::string message = "Parity check failed.";
        Log::log(Log::INFO, source, message);
        return false;
    }
    setIcaoAddress(_fieldAA.icaoAddress());
    return ok;
}

}  // namespace modes
}  // namespace brannic
