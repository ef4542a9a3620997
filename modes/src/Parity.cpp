#include "Parity.h"

#include <vector>

namespace brannic {
namespace modes {
namespace parity {

namespace {

constexpr unsigned kLongBytes = kLongBits / 8;

// kByteTable[k][v]: the parity contributed by byte value v at byte k of a 112-bit reply,
// so that a whole reply costs one look-up per byte instead of one per set bit.
using ByteTable = std::array<std::array<uint32_t, 256>, kLongBytes>;

constexpr ByteTable makeByteTable() {
    ByteTable table{};
    for (unsigned k = 0; k < kLongBytes; ++k) {
        for (unsigned v = 0; v < 256; ++v) {
            uint32_t crc = 0;
            for (unsigned b = 0; b < 8; ++b) {
                if (v & (0x80u >> b))
                    crc ^= kParityTable[8 * k + b];
            }
            table[k][v] = crc;
        }
    }
    return table;
}

constexpr ByteTable kByteTable = makeByteTable();

constexpr unsigned kShortBits = 56;

// The parity of the first `Bytes` bytes of a reply whose first byte faces table row `firstRow`.
template <unsigned Bytes>
uint32_t dataBytes(const unsigned char* data, unsigned firstRow) {
    uint32_t crc = 0;
    for (unsigned k = 0; k < Bytes; ++k)
        crc ^= kByteTable[firstRow + k][data[k]];
    return crc;
}

// What flipping bit i of a `bits`-bit reply does to its parity.
uint32_t contribution(unsigned bits, unsigned i) {
    const unsigned entry = tableStart(bits) + i;
    return entry < kLongBits ? kParityTable[entry] : 0;
}

// Open-addressing map from syndrome to the first bit position (or pair) that produces it,
// filled in the order of the brute-force search so that the first insertion wins.
class SyndromeMap {
public:
    struct Slot {
        uint32_t syndrome = 0;
        uint8_t first = 0;
        uint8_t second = 0;
        bool used = false;
    };

    explicit SyndromeMap(unsigned slots) : _slots(slots, Slot{}) {}

    void insertIfAbsent(uint32_t syndrome, uint8_t first, uint8_t second) {
        for (unsigned index = slotOf(syndrome);; index = (index + 1) & mask()) {
            Slot& slot = _slots[index];
            if (!slot.used) {
                slot = Slot{syndrome, first, second, true};
                return;
            }
            if (slot.syndrome == syndrome)
                return;
        }
    }

    const Slot* find(uint32_t syndrome) const {
        for (unsigned index = slotOf(syndrome);; index = (index + 1) & mask()) {
            const Slot& slot = _slots[index];
            if (!slot.used)
                return nullptr;
            if (slot.syndrome == syndrome)
                return &slot;
        }
    }

private:
    unsigned mask() const { return static_cast<unsigned>(_slots.size()) - 1; }
    unsigned slotOf(uint32_t syndrome) const { return (syndrome * 0x9E3779B1u >> 8) & mask(); }

    std::vector<Slot> _slots;
};

// Tables for the two reply lengths that exist; at most 6,216 pairs fill 16,384 slots.
struct RepairTables {
    SyndromeMap singles{256};
    SyndromeMap pairs{16384};

    explicit RepairTables(unsigned bits) {
        for (unsigned i = 0; i < bits; ++i) {
            singles.insertIfAbsent(contribution(bits, i), static_cast<uint8_t>(i), 0);
        }
        for (unsigned i = 0; i < bits; ++i) {
            for (unsigned j = i + 1; j < bits; ++j) {
                pairs.insertIfAbsent(contribution(bits, i) ^ contribution(bits, j),
                                     static_cast<uint8_t>(i), static_cast<uint8_t>(j));
            }
        }
    }
};

const RepairTables* tablesFor(unsigned bits) {
    static const RepairTables shortTables(56);
    static const RepairTables longTables(kLongBits);
    if (bits == kLongBits)
        return &longTables;
    if (bits == 56)
        return &shortTables;
    return nullptr;
}

}  // namespace

uint32_t compute(const unsigned char* data, std::size_t size, unsigned bits) {
    const unsigned start = tableStart(bits);
    uint32_t crc = 0;
    // Whole replies, the case of every received one: a fixed number of look-ups, over the data
    // bytes only (the rows of the parity field hold zeros).
    if (bits == kLongBits && size >= kLongBytes)
        return dataBytes<kLongBytes - 3>(data, 0);
    if (bits == kShortBits && size >= kShortBits / 8)
        return dataBytes<kShortBits / 8 - 3>(data, tableStart(kShortBits) / 8);
    if (bits % 8 == 0 && start + bits <= kLongBits) {
        const unsigned firstByte = start / 8;
        for (unsigned k = 0; k < bits / 8 && k < size; ++k)
            crc ^= kByteTable[firstByte + k][data[k]];
        return crc;
    }
    for (unsigned i = 0; i < bits && i / 8 < size; ++i) {
        if ((data[i / 8] >> (7 - i % 8)) & 1u)
            crc ^= contribution(bits, i);
    }
    return crc;
}

int findSingle(uint32_t syndrome, unsigned bits) {
    if (const RepairTables* tables = tablesFor(bits)) {
        const auto* slot = tables->singles.find(syndrome);
        return slot != nullptr ? slot->first : -1;
    }
    for (unsigned i = 0; i < bits; ++i) {
        if (contribution(bits, i) == syndrome)
            return static_cast<int>(i);
    }
    return -1;
}

bool findPair(uint32_t syndrome, unsigned bits, unsigned& first, unsigned& second) {
    if (const RepairTables* tables = tablesFor(bits)) {
        const auto* slot = tables->pairs.find(syndrome);
        if (slot == nullptr)
            return false;
        first = slot->first;
        second = slot->second;
        return true;
    }
    for (unsigned i = 0; i < bits; ++i) {
        for (unsigned j = i + 1; j < bits; ++j) {
            if ((contribution(bits, i) ^ contribution(bits, j)) == syndrome) {
                first = i;
                second = j;
                return true;
            }
        }
    }
    return false;
}

}  // namespace parity
}  // namespace modes
}  // namespace brannic
