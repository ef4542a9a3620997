#include <modes/ADSBMessageField.h>

#include <utility>

#include <array>

namespace brannic {
namespace modes {

namespace {

constexpr int kDesignatorCount = 48;

// Short names by designator value; the five message types with subtypes share "SUB_TYPE".
const std::array<std::string, kDesignatorCount>& designatorNames() {
    static const std::array<std::string, kDesignatorCount> names = {
        "TYPE",      "TYPE_CODE", "EMT_SET",   "EMT_CAT",    "CHAR_1",     "CHAR_2",   "CHAR_3",
        "CHAR_4",    "CHAR_5",    "CHAR_6",    "CHAR_7",     "CHAR_8",     "MOV_CODE", "GND_SPD",
        "HDG_STATE", "HDG",       "SAF",       "NIC_SUPP_B", "ALT_SRC",    "ALT_RES",  "ALT",
        "T",         "CPR_FMT",   "CPR_LAT",   "CPR_LON",    "SUB_TYPE",   "NUC_R",    "DIR_EW",
        "DIR_NS",    "VEL_EW",    "VEL_NS",    "VR_SRC",     "VR_SIGN",    "VR",       "SUB_TYPE",
        "DATA",      "SUB_TYPE",  "EMG_STATE", "MODE_A",     "SUB_TYPE",   "NAC_P",    "NIC_BARO",
        "SIL",       "SIL_SUPP",  "SUB_TYPE",  "VER_NUM",    "NIC_SUPP_A", "--"};
    return names;
}

bool known(ADSBMessageField::Designator designator) {
    return designator >= 0 && designator < kDesignatorCount;
}

}  // namespace

ADSBMessageField::ADSBMessageField(Designator designator, uint8_t pos, uint8_t bits,
                                   std::string description)
    : _designator(designator),
      _pos(pos),
      _bits(bits),
      _valid(bits != 0 && designator != UNDEFINED),
      _description(std::move(description)) {}

const std::string& ADSBMessageField::description() const {
    static const std::string none = "NO_DESCRIPTION";
    return _description.empty() ? none : _description;
}

const std::string& ADSBMessageField::designatorName(Designator designator) {
    return known(designator) ? designatorNames()[designator] : designatorNames()[UNDEFINED];
}

const std::string& ADSBMessageField::designatorFullName(Designator designator) {
    static const std::string type = "Type";
    return designator == TYPE ? type : designatorName(designator);
}

}  // namespace modes
}  // namespace brannic
