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
    static const std::string source = "DF17Message";
    const bool first = _fieldCA.decode(data(), 5);
    return decodeSquitter(_fieldAA, _fieldME, _fieldPI, source) && first;
}

}  // namespace modes
}  // namespace brannic
