#include "DataStreamIO.h"

namespace brannic {
namespace avistore {
namespace datastream {

void writeCountry(QDataStream& out, const Country& country) {
    out << country.isValid() << country.isoCode2() << country.isoCode3() << country.name()
        << country.fullName() << country.chineseName();
}

void writeRegion(QDataStream& out, const Region& region) {
    out << region.isValid() << region.code() << region.name();
}

}  // namespace datastream
}  // namespace avistore
}  // namespace brannic
