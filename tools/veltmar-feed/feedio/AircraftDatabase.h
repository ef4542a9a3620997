#ifndef FEEDIO_AIRCRAFTDATABASE_H
#define FEEDIO_AIRCRAFTDATABASE_H

// The aircraft table of the aviation database (avistore.db), read for the scene: address,
// registration, type designator and description, operator.

#include <vector>

#include <QString>

#include "feedgen/Fleet.h"

namespace feedio {

// Reads every row of the `aircraft` table of the SQLite file at `path`, in ascending address
// order, opening it read-only under a connection of its own. False, with `error` saying why and
// `records` untouched, when the file does not exist, cannot be opened or has no such table.
bool loadAircraft(const QString& path, std::vector<feedgen::AircraftRecord>& records, QString& error);

}  // namespace feedio

#endif  // FEEDIO_AIRCRAFTDATABASE_H
