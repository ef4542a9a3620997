#ifndef AVISTORE_REGION_H
#define AVISTORE_REGION_H

#include <QString>

#include <avistore/avistore_export.h>

namespace brannic {
namespace avistore {

// A region that ASTERIX System Area Codes belong to, for example one of the nine ICAO
// air-navigation regions ("EUR", "European"). A default-constructed region is invalid.
class AVISTORE_EXPORT Region {
public:
    Region() = default;
    // A valid region.
    Region(const QString& code, const QString& name);

    bool isValid() const { return _valid; }
    void setValid(bool valid) { _valid = valid; }
    // Upper case as loaded.
    const QString& code() const { return _code; }
    void setCode(const QString& code) { _code = code; }
    const QString& name() const { return _name; }
    void setName(const QString& name) { _name = name; }

    // Same validity, code and name.
    bool operator==(const Region& other) const;
    bool operator!=(const Region& other) const { return !(*this == other); }

private:
    bool _valid = false;
    QString _code;
    QString _name;
};

}  // namespace avistore
}  // namespace brannic

#endif  // AVISTORE_REGION_H
