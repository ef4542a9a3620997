#include <modes/ModeSMessageField.h>

#include <array>

namespace brannic {
namespace modes {

namespace {

// Designators of ICAO Annex 10 Vol. IV 3.1.2.3.2, in the order of the enumeration.
struct DesignatorText {
    std::string name;
    std::string fullName;
};

const std::array<DesignatorText, 15>& designatorTexts() {
    static const std::array<DesignatorText, 15> texts = {{
        {"AA", "Address announced"},
        {"AC", "Altitude code"},
        {"AF", "Application field"},
        {"AP", "Address/parity"},
        {"CA", "Capability"},
        {"CF", "Control field"},
        {"DR", "Data selector"},
        {"FS", "Flight status"},
        {"ID", "Identity"},
        {"MB", "Message, Comm-B"},
        {"ME", "Message, extended squitter"},
        {"MV", "Message, ACAS"},
        {"PI", "Parity/interrogator identifier"},
        {"UM", "Utility message"},
        {"VS", "Vertical status"},
    }};
    return texts;
}

const DesignatorText& textOf(ModeSMessageField::Designator designator) {
    static const DesignatorText unknown{"--", "Unknown field"};
    const auto index = static_cast<int32_t>(designator);
    const auto& texts = designatorTexts();
    return index >= 0 && index < static_cast<int32_t>(texts.size()) ? texts[index] : unknown;
}

}  // namespace

std::string ModeSMessageField::description() const {
    return name() + ":" + fullName();
}

bool ModeSMessageField::decode(const unsigned char* data, uint64_t count, uint8_t pos) {
    return decode(
        data != nullptr ? std::string(reinterpret_cast<const char*>(data), count) : std::string(),
        pos);
}

const std::string& ModeSMessageField::designatorName(Designator designator) {
    return textOf(designator).name;
}

const std::string& ModeSMessageField::designatorFullName(Designator designator) {
    return textOf(designator).fullName;
}

}  // namespace modes
}  // namespace brannic
