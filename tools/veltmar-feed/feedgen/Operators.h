#ifndef FEEDGEN_OPERATORS_H
#define FEEDGEN_OPERATORS_H

// The three-letter ICAO operator designators (ICAO Doc 8585) of the airlines whose aircraft
// the scene flies, so that an airliner's callsign is the designator and a flight number, as
// air traffic control hears it ("DLH4KM").

#include <string>

namespace feedgen {
namespace operators {

// The designator of an operator as the aviation database names it ("Lufthansa" gives "DLH");
// empty for operators not in the table (private owners among them), whose aircraft fly under
// their registration.
std::string designator(const std::string& operatorName);

}  // namespace operators
}  // namespace feedgen

#endif  // FEEDGEN_OPERATORS_H
