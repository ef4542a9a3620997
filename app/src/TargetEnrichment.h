#ifndef VELTMAR_TARGETENRICHMENT_H
#define VELTMAR_TARGETENRICHMENT_H

#include <QString>

// What the aviation reference database says about one aircraft address: the State the
// address block is allocated to (ICAO Annex 10, Vol. III) and, when the aircraft is known, its
// registration, type and operator. Empty texts where nothing is known.
struct TargetEnrichment {
    bool countryValid = false;
    QString isoCode2;  // "DE"
    QString isoCode3;  // "DEU"
    QString countryName;
    bool aircraftValid = false;
    QString registration;
    QString acType;
    QString acTypeDescription;
    QString operatorName;

    // From the process-wide aviation database. With `chineseNames`, the country name is the
    // Simplified Chinese one where the database has it.
    static TargetEnrichment lookUp(quint32 icaoAddr, bool chineseNames);
};

#endif  // VELTMAR_TARGETENRICHMENT_H
