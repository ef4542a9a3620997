#include "TargetEnrichment.h"

#include <avistore/LibAvistore.h>

using brannic::avistore::ICAOAddr;
using brannic::avistore::LibAvistore;

TargetEnrichment TargetEnrichment::lookUp(quint32 icaoAddr, bool chineseNames) {
    TargetEnrichment e;
    const LibAvistore& db = LibAvistore::instance();
    const auto info = db.getICAOAddrDict().getICAOAddrInfo(ICAOAddr(icaoAddr));
    if (info.isValid() && info.country().isValid()) {
        const auto& country = info.country();
        e.countryValid = true;
        e.isoCode2 = country.isoCode2();
        e.isoCode3 = country.isoCode3();
        e.countryName = (chineseNames && !country.chineseName().isEmpty()) ? country.chineseName()
                                                                            : country.name();
    }
    const auto aircraft = db.getAircraftDict().getAircraft(icaoAddr);
    if (aircraft.isValid()) {
        e.aircraftValid = true;
        e.registration = aircraft.registration();
        e.acType = aircraft.acType();
        e.acTypeDescription = aircraft.acTypeDescription();
        e.operatorName = aircraft.operatorName();
    }
    return e;
}
