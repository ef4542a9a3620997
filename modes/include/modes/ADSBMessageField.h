#ifndef MODES_ADSBMESSAGEFIELD_H
#define MODES_ADSBMESSAGEFIELD_H

#include <cstdint>
#include <string>

#include <modes/modes_export.h>

namespace brannic {
namespace modes {

// One decoded field of an ADS-B message, for display: what it is, where it sits in the 56-bit
// ME field (first bit 0-based from the most significant bit, and width) and its value as text.
class MODES_EXPORT ADSBMessageField {
public:
    // What a field is. Each message type has its own subtype designator.
    enum Designator : int32_t {
        TYPE = 0,
        TYPE_CODE = 1,
        EMT_SET = 2,
        EMT_CAT = 3,
        CHAR_1 = 4,
        CHAR_2 = 5,
        CHAR_3 = 6,
        CHAR_4 = 7,
        CHAR_5 = 8,
        CHAR_6 = 9,
        CHAR_7 = 10,
        CHAR_8 = 11,
        MOV_CODE = 12,
        GND_SPD = 13,
        HDG_STATE = 14,
        HDG = 15,
        SAF = 16,
        NIC_SUPP_B = 17,
        ALT_SRC = 18,
        ALT_RES = 19,
        ALT = 20,
        TIME_FLAG = 21,  // the T bit
        CPR_FMT = 22,
        CPR_LAT = 23,
        CPR_LON = 24,
        VEL_SUB_TYPE = 25,
        NUC_R = 26,
        DIR_EW = 27,
        DIR_NS = 28,
        VEL_EW = 29,
        VEL_NS = 30,
        VR_SRC = 31,
        VR_SIGN = 32,
        VR = 33,
        TEST_SUB_TYPE = 34,
        DATA = 35,
        AC_STAT_SUB_TYPE = 36,
        EMG_STATE = 37,
        MODE_A = 38,
        TG_STAT_SUB_TYPE = 39,
        NAC_P = 40,
        NIC_BARO = 41,
        SIL = 42,
        SIL_SUPP = 43,
        OP_STAT_SUB_TYPE = 44,
        VER_NUM = 45,
        NIC_SUPP_A = 46,
        UNDEFINED = 47
    };

    // valid() is true unless `bits` is 0 or the designator is UNDEFINED.
    ADSBMessageField(Designator designator, uint8_t pos, uint8_t bits, std::string description);

    Designator designator() const { return _designator; }
    uint8_t pos() const { return _pos; }
    uint8_t bits() const { return _bits; }
    bool valid() const { return _valid; }
    const std::string& name() const { return designatorName(_designator); }
    const std::string& fullName() const { return designatorFullName(_designator); }
    // The value as text, or "NO_DESCRIPTION" when there is none.
    const std::string& description() const;

    // Short name of a designator ("CPR_LAT"); "--" for a value outside the table.
    static const std::string& designatorName(Designator designator);
    // As designatorName, except "Type" for TYPE.
    static const std::string& designatorFullName(Designator designator);

protected:
    void setPos(uint8_t pos) { _pos = pos; }
    void setBits(uint8_t bits) { _bits = bits; }
    void setValid(bool valid) { _valid = valid; }
    void setDescription(const std::string& description) { _description = description; }

private:
    Designator _designator;
    uint8_t _pos;
    uint8_t _bits;
    bool _valid;
    std::string _description;
};

}  // namespace modes
}  // namespace brannic

#endif  // MODES_ADSBMESSAGEFIELD_H
