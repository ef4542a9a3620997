#ifndef AVISTORE_SACINFO_H
#define AVISTORE_SACINFO_H

#include <avistore/Country.h>
#include <avistore/Region.h>
#include <avistore/avistore_export.h>

namespace brannic {
namespace avistore {

// An ASTERIX System Area Code (EUROCONTROL ASTERIX Part 1, item "Data Source Identifier")
// with the region and country it is allocated to. A default-constructed one is invalid.
class AVISTORE_EXPORT SACInfo {
public:
    SACInfo() = default;
    // A valid entry.
    SACInfo(const Region& region, uint sac, const Country& country)
        : _valid(true), _region(region), _sac(sac), _country(country) {}

    bool isValid() const { return _valid; }
    void setValid(bool valid) { _valid = valid; }
    const Region& region() const { return _region; }
    void setRegion(const Region& region) { _region = region; }
    uint sac() const { return _sac; }
    void setSac(uint sac) { _sac = sac; }
    const Country& country() const { return _country; }
    void setCountry(const Country& country) { _country = country; }

    bool operator==(const SACInfo& other) const {
        return _valid == other._valid && _region == other._region && _sac == other._sac &&
               _country == other._country;
    }
    bool operator!=(const SACInfo& other) const { return !(*this == other); }

private:
    bool _valid = false;
    Region _region;
    uint _sac = 0;
    Country _country;
};

}  // namespace avistore
}  // namespace brannic

#endif  // AVISTORE_SACINFO_H
