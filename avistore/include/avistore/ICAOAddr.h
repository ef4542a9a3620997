#ifndef AVISTORE_ICAOADDR_H
#define AVISTORE_ICAOADDR_H

#include <cstdint>

#include <QString>

#include <avistore/avistore_export.h>

namespace brannic {
namespace avistore {

// An ICAO 24-bit aircraft address (ICAO Annex 10 Vol. III, Chapter 9) held in 32 bits. The
// value is kept as given; nothing masks it to 24 bits.
class AVISTORE_EXPORT ICAOAddr {
public:
    ICAOAddr() = default;
    explicit ICAOAddr(uint32_t addr) : _addr(addr) {}

    void set(uint32_t addr) { _addr = addr; }
    uint32_t toUInt() const { return _addr; }
    // Six upper-case hexadecimal digits, zero-filled, no prefix ("3C6444"); a value above
    // 0xFFFFFF gives all its digits.
    QString toHexStr() const;

    bool operator==(const ICAOAddr& other) const { return _addr == other._addr; }
    bool operator!=(const ICAOAddr& other) const { return _addr != other._addr; }

private:
    uint32_t _addr = 0;
};

}  // namespace avistore
}  // namespace brannic

#endif  // AVISTORE_ICAOADDR_H
