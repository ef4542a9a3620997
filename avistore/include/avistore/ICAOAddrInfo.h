#ifndef AVISTORE_ICAOADDRINFO_H
#define AVISTORE_ICAOADDRINFO_H

#include <avistore/Country.h>
#include <avistore/ICAOAddr.h>
#include <avistore/avistore_export.h>

namespace brannic {
namespace avistore {

// The answer of an address-block look-up: the address asked for and the country of the
// block that holds it. Invalid (address 0, invalid country) when no block holds it.
class AVISTORE_EXPORT ICAOAddrInfo {
public:
    ICAOAddrInfo() = default;
    // A valid answer.
    ICAOAddrInfo(const ICAOAddr& icaoAddr, const Country& country)
        : _valid(true), _icaoAddr(icaoAddr), _country(country) {}

    bool isValid() const { return _valid; }
    const ICAOAddr& icaoAddr() const { return _icaoAddr; }
    // May be invalid even in a valid answer: blocks that ICAO itself administers (temporary
    // and special-use addresses) belong to no State.
    const Country& country() const { return _country; }

private:
    bool _valid = false;
    ICAOAddr _icaoAddr;
    Country _country;
};

}  // namespace avistore
}  // namespace brannic

#endif  // AVISTORE_ICAOADDRINFO_H
