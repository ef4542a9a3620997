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
    static const std::string source = "DF18Message";
    const bool first = _fieldCF.decode(data(), 5);
    return decodeSquitter(_fieldAA, _fieldME, _fieldPI, source) && first;
}

}  // namespace modes
}  // namespace brannic
