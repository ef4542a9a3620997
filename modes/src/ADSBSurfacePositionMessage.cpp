#include <modes/ADSBSurfacePositionMessage.h>

#include <modes/Log.h>

#include "ADSBText.h"
#include "Bits.h"

namespace brannic {
namespace modes {

namespace {

// Ground speed quantisation of the movement field (DO-260B Table 2-19): within each band the
// speed rises linearly from `base` knots in steps of `step` knots.
struct SpeedBand {
    uint8_t first;
    uint8_t last;
    double base;
    double step;
};

constexpr SpeedBand kSpeedBands[] = {
    {0, 1, 0.0, 0.0},                                 // no information, stopped
    {2, 2, 0.125, 0.0},   {3, 8, 0.125, 0.14583332},  // below 1 kt in steps of about 0.146 kt
    {9, 12, 1.0, 0.25},   {13, 38, 2.0, 0.5},        {39, 93, 15.0, 1.0},
    {94, 108, 70.0, 2.0}, {109, 123, 100.0, 5.0},    {124, 124, 175.0, 0.0},  // 175 kt or more
};

}  // namespace

ADSBSurfacePositionMessage::ADSBSurfacePositionMessage() : ADSBMessage(POS_GND) {}

double ADSBSurfacePositionMessage::groundSpeedOf(uint8_t movementCode) {
    for (const SpeedBand& band : kSpeedBands) {
        if (movementCode >= band.first && movementCode <= band.last) {
            return band.base + (movementCode - band.first) * band.step;
        }
    }
    return 0.0;  // 125-127 are reserved
}

bool ADSBSurfacePositionMessage::decodeImpl() {
    using Field = ADSBMessageField;
    const unsigned char* me = bits::bytes(data());

    _movementCode = static_cast<uint8_t>(bits::field(me, 5, 11));
    if (listingFields())
        addField(Field(Field::MOV_CODE, 5, 7, std::to_string(_movementCode)));
    _movement = _movementCode >= 1 && _movementCode <= 124;
    if (_movementCode > 124) {
        Log::log(Log::CRITICAL, "ADSBGndPosMsg", "Reserved Movement Code: %u.", _movementCode);
    }
    _groundSpeed = groundSpeedOf(_movementCode);
    if (listingFields())
        addField(Field(Field::GND_SPD, 5, 7, adsbtext::fixed(_groundSpeed)));

    _headingValid = bits::bit(me, 12) != 0;
    if (listingFields())
        addField(Field(Field::HDG_STATE, 12, 1, adsbtext::flag(_headingValid)));
    _heading = _headingValid ? bits::field(me, 13, 19) * 360.0 / 128.0 : 0.0;
    if (listingFields())
        addField(Field(Field::HDG, 13, 7, adsbtext::fixed(_heading)));

    _timeApplicability = bits::bit(me, 20) != 0;
    if (listingFields())
        addField(Field(Field::TIME_FLAG, 20, 1, adsbtext::flag(_timeApplicability)));
    _cprFormat = bits::bit(me, 21) != 0 ? ODD : EVEN;
    if (listingFields())
        addField(Field(Field::CPR_FMT, 21, 1, _cprFormat == ODD ? "ODD" : "EVEN"));
    _cprLatitude = static_cast<int32_t>(bits::field(me, 22, 38));
    if (listingFields())
        addField(Field(Field::CPR_LAT, 22, 17, std::to_string(_cprLatitude)));
    _cprLongitude = static_cast<int32_t>(bits::field(me, 39, 55));
    if (listingFields())
        addField(Field(Field::CPR_LON, 39, 17, std::to_string(_cprLongitude)));
    return true;
}

std::string ADSBSurfacePositionMessage::description() const {
    return "TC=POS_GND, SPD=" + adsbtext::number(_groundSpeed) +
           ", HDG=" + adsbtext::number(_heading) +
           ", CPR=" + (_cprFormat == EVEN ? "EVEN" : "ODD") +
           ", LAT=" + std::to_string(_cprLatitude) + ", LON=" + std::to_string(_cprLongitude);
}

}  // namespace modes
}  // namespace brannic
