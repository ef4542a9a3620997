#include "AltitudeBands.h"

#include <QCoreApplication>

namespace AltitudeBands {

namespace {

struct BandInfo {
    int lowerFeet;  // lowest altitude of the band; unused below 2,000 ft and for the state bands
    QRgb colour;
    const char* legend;
};

// Bright, distinct colours on the scope's dark background, warm low down and cool high up.
constexpr BandInfo kBands[kBandCount] = {
    {0, qRgb(0xb0, 0x8d, 0x64), QT_TRANSLATE_NOOP("AltitudeBands", "Ground")},
    {0, qRgb(0xff, 0x7a, 0x45), QT_TRANSLATE_NOOP("AltitudeBands", "Below 2,000 ft")},
    {2000, qRgb(0xff, 0xd2, 0x3f), QT_TRANSLATE_NOOP("AltitudeBands", "2,000 ft–FL100")},
    {10000, qRgb(0x7d, 0xdc, 0x5a), QT_TRANSLATE_NOOP("AltitudeBands", "FL100–FL200")},
    {20000, qRgb(0x3f, 0xd6, 0xd0), QT_TRANSLATE_NOOP("AltitudeBands", "FL200–FL300")},
    {30000, qRgb(0x5b, 0x9d, 0xff), QT_TRANSLATE_NOOP("AltitudeBands", "FL300–FL400")},
    {40000, qRgb(0xc5, 0x7b, 0xff), QT_TRANSLATE_NOOP("AltitudeBands", "FL400 and above")},
    {0, qRgb(0xe8, 0xe8, 0xe8), QT_TRANSLATE_NOOP("AltitudeBands", "No altitude")},
    {0, qRgb(0x6b, 0x72, 0x80), QT_TRANSLATE_NOOP("AltitudeBands", "Silent")},
};

}  // namespace

Band bandOf(bool silent, bool onGround, bool altitudeValid, int altitudeFeet) {
    if (silent)
        return Silent;
    if (onGround)
        return Ground;
    if (!altitudeValid)
        return NoAltitude;
    Band band = Below2000;
    for (int b = To10000; b <= FL400Up; ++b) {
        if (altitudeFeet >= kBands[b].lowerFeet)
            band = Band(b);
    }
    return band;
}

QColor colour(Band band) {
    return QColor(kBands[band < kBandCount ? band : NoAltitude].colour);
}

QString legendText(Band band) {
    return QCoreApplication::translate("AltitudeBands",
                                       kBands[band < kBandCount ? band : NoAltitude].legend);
}

}  // namespace AltitudeBands
