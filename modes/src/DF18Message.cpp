#include <modes/DF18Message.h>

#include <modes/Log.h>

namespace brannic {
namespace modes {

DF18Message::DF18Message() : DFMessage(DF_18) {}

std::vector<const ModeSMessageField*> DF18Message::fields() const {
    return {&_fieldCF, &_fieldAA, &_fieldME, &_fieldPI};
}

std::string DF18Message::description() const {
    return "CF: " + _fieldCF.description() + "; AA: " + _fieldAA.description() +
           "; ME: " + _fieldME.description();
}

bool DF18Message::decodeImpl() {
    if (!DFMessage::decodeImpl())
        return false;
    const std::string& reply = data();
    bool ok = _fieldCF.decode(reply, 5);
    ok &= _fieldAA.decode(reply, 8);
    ok &= _fieldME.decode(reply, 32);
    ok &= _fieldPI.decode(reply, 88);
    if (_fieldPI.setInterrogatorId(0) != calculatedParity()) {
        static const std::string source = "DF18Message";
        static const std::string message = "Parity check failed.";
        Log::log(Log::INFO, source, message);
        return false;
    }
    setIcaoAddress(_fieldAA.icaoAddress());
    return ok;
}

}  // namespace modes
}  // namespace brannic
