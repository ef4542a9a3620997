#include <modes/DF19Message.h>

#include <modes/Log.h>

namespace brannic {
namespace modes {

DF19Message::DF19Message() : DFMessage(DF_19) {}

std::vector<const ModeSMessageField*> DF19Message::fields() const {
    if (!_fieldAF.valid() || _fieldAF.code() != 0)
        return {&_fieldAF};
    return {&_fieldAF, &_fieldAA, &_fieldME, &_fieldPI};
}

std::string DF19Message::description() const {
    return "AF: " + _fieldAF.description() + "; AA: " + _fieldAA.description() +
           "; ME: " + _fieldME.description();
}

bool DF19Message::decodeImpl() {
    if (!DFMessage::decodeImpl())
        return false;
    const std::string& reply = data();
    if (!_fieldAF.decode(reply, 5) || _fieldAF.code() != 0) {
        if (_fieldAF.valid()) {
            Log::log(Log::INFO, "DF19Message", "AF = %u, reserved for military applications.",
                     unsigned{_fieldAF.code()});
        }
        return _fieldAF.valid();
    }
    static const std::string source = "DF19Message";
    return decodeSquitter(_fieldAA, _fieldME, _fieldPI, source);
}

}  // namespace modes
}  // namespace brannic
