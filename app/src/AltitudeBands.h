#ifndef VELTMAR_ALTITUDEBANDS_H
#define VELTMAR_ALTITUDEBANDS_H

#include <QColor>
#include <QString>

// The colours of targets by barometric altitude, shared by the symbols, trails, labels and the
// legend. Bands follow the usual airspace layers: low-level traffic, the climb and descent
// zone around terminal areas, then every ten flight levels up to the high-altitude cruise.
// Targets on the ground, targets that have sent no altitude and targets gone silent each get
// a colour of their own.
namespace AltitudeBands {

enum Band {
    Ground = 0,
    Below2000,  // under 2,000 ft
    To10000,    // 2,000 to under 10,000 ft
    ToFL200,    // FL100 to under FL200
    ToFL300,    // FL200 to under FL300
    ToFL400,    // FL300 to under FL400
    FL400Up,    // FL400 and above
    NoAltitude,
    Silent,  // longer than the warning time without a reply
    kBandCount
};

// The band of a target's state. Silent wins over everything; then ground; then altitude, each
// band including its lower bound (10,000 ft is FL100 to FL200).
Band bandOf(bool silent, bool onGround, bool altitudeValid, int altitudeFeet);

QColor colour(Band band);
// Translated legend text ("FL100–FL200").
QString legendText(Band band);

}  // namespace AltitudeBands

#endif  // VELTMAR_ALTITUDEBANDS_H
