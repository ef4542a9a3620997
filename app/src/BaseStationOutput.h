#ifndef VELTMAR_BASESTATIONOUTPUT_H
#define VELTMAR_BASESTATIONOUTPUT_H

#include <QString>

#include "StreamServer.h"

namespace brannic {
namespace modes {
class ADSBTarget;
class ModeSMessage;
}  // namespace modes
}  // namespace brannic

// The BaseStation output: a TCP server (port 30003 by convention) that sends one SBS-1 "MSG"
// text line per reply the tracker took, the form that virtual radar servers and plotting tools
// read. A line has 22 comma-separated fields and ends with CR LF:
//
//   1 "MSG"           2 transmission type   3 session id (1)     4 aircraft id (track number)
//   5 address, 6 hex  6 flight id (track number)
//   7, 8  date "yyyy/MM/dd" and time "hh:mm:ss.zzz" the reply was received
//   9, 10 date and time the line was written
//   11 callsign  12 altitude (ft)  13 ground speed (kt)  14 track (degrees)  15 latitude
//   16 longitude  17 vertical rate (ft/min)  18 squawk (4 octal digits)  19 alert (squawk
//   change)  20 emergency  21 SPI (ident)  22 on the ground
//
// Transmission types: 1 identification (DF17/18 type codes 1-4), 2 surface position (5-8),
// 3 airborne position (9-18, 20-22), 4 airborne velocity (19), 5 altitude reply (DF4, DF20),
// 6 identity reply (DF5, DF21), 7 air-air surveillance (DF0, DF16), 8 all-call reply (DF11).
// Other replies (other type codes, DF19, DF24) give no line.
//
// Values come from the tracker's target as this reply left it, and only those this reply
// updated (their last update is the reply's time): the callsign for type 1; altitude for 3, 5
// and 7; position (the tracker's decoded position) for 2 and 3; ground speed and track for 2
// and 4; vertical rate for 4; squawk for 6. Type 6 also shows the track's altitude, as
// BaseStation does, though the reply carries none. Flags are written, -1 for set and 0 for not set,
// only in the types that carry them, as BaseStation does: 19 to 22 in types 3 and 6, 19, 21
// and 22 in type 5, 22 in types 2 (always -1), 7 and 8; the other flag fields stay empty.
// Alert and SPI come from the flight status (DF4/5/20/21) or the surveillance status of an
// airborne position; emergency is a squawk of 7500, 7600 or 7700; on the ground from the flight
// status, the vertical status (DF0/16) or the capability (DF11), 0 when the reply does not say.
// Dates and times are local, as BaseStation writes them.
class BaseStationOutput : public StreamServer {
    Q_OBJECT
public:
    explicit BaseStationOutput(QObject* parent = nullptr);

    // The transmission type of a reply, 0 for none.
    static int transmissionType(const brannic::modes::ModeSMessage& message);
    // The line (with its CR LF) for a reply the tracker took into `target`, written at
    // `nowMs`; empty for a reply without a transmission type.
    static QString line(const brannic::modes::ModeSMessage& message,
                        const brannic::modes::ADSBTarget& target, quint64 nowMs);

    // Sends the line of the reply to every client; false (nothing sent) without a line.
    bool sendReply(const brannic::modes::ModeSMessage& message,
                   const brannic::modes::ADSBTarget& target, quint64 nowMs);
    quint64 linesSent() const { return _linesSent; }

private:
    quint64 _linesSent = 0;
};

#endif  // VELTMAR_BASESTATIONOUTPUT_H
