#ifndef MODES_ADDRESSMAP_H
#define MODES_ADDRESSMAP_H

#include <cstddef>
#include <cstdint>
#include <vector>

namespace brannic {
namespace modes {

// A hash table from a 24-bit key (an ICAO aircraft address, an interrogator code) to a small
// value, for the look-ups that every reply makes: the keys sit side by side in one array
// (open addressing, linear probing), so a look-up usually costs one cache line instead of the
// chain of nodes of a tree or of a node-based hash table. No order: callers that list entries
// in address order keep an ordered container besides.
//
// Every key but 0xFFFFFFFF, which marks an empty slot, can be stored: Mode S addresses and
// interrogator codes are 24-bit, but a target report read from outside may carry any 32-bit
// address, and it must be kept like any other. 0xFFFFFFFF is never found and never stored. Erasing shifts the following entries back, so the
// table never fills with tombstones. Copyable and movable like the vectors it holds.
template <typename Value>
class AddressMap {
public:
    AddressMap() = default;

    std::size_t size() const { return _size; }

    // The value of `key`, or null.
    Value* find(uint32_t key) {
        if (_keys.empty() || key > kMaxKey)
            return nullptr;
        for (std::size_t i = slotOf(key);; i = (i + 1) & mask()) {
            if (_keys[i] == key)
                return &_values[i];
            if (_keys[i] == kEmpty)
                return nullptr;
        }
    }
    const Value* find(uint32_t key) const { return const_cast<AddressMap*>(this)->find(key); }

    // The value of `key`, entered value-initialised when absent; null for a key out of range.
    Value* findOrInsert(uint32_t key) {
        if (key > kMaxKey)
            return nullptr;
        if (2 * (_size + 1) > _keys.size())
            grow();
        for (std::size_t i = slotOf(key);; i = (i + 1) & mask()) {
            if (_keys[i] == key)
                return &_values[i];
            if (_keys[i] == kEmpty) {
                _keys[i] = key;
                _values[i] = Value();
                ++_size;
                return &_values[i];
            }
        }
    }

    // Removes `key`; false when it was not there.
    bool erase(uint32_t key) {
        if (_keys.empty() || key > kMaxKey)
            return false;
        std::size_t i = slotOf(key);
        while (_keys[i] != key) {
            if (_keys[i] == kEmpty)
                return false;
            i = (i + 1) & mask();
        }
        // Backward shift: move up every following entry whose home slot does not lie between
        // the hole and itself, so that no probe sequence is cut.
        for (std::size_t j = (i + 1) & mask();; j = (j + 1) & mask()) {
            if (_keys[j] == kEmpty)
                break;
            const std::size_t home = slotOf(_keys[j]);
            const bool stays = i <= j ? (i < home && home <= j) : (i < home || home <= j);
            if (stays)
                continue;
            _keys[i] = _keys[j];
            _values[i] = _values[j];
            i = j;
        }
        _keys[i] = kEmpty;
        --_size;
        return true;
    }

    void clear() {
        _keys.clear();
        _values.clear();
        _size = 0;
    }

    // Calls f(key, value) for every entry, in no particular order.
    template <typename F>
    void forEach(F f) {
        for (std::size_t i = 0; i < _keys.size(); ++i) {
            if (_keys[i] != kEmpty)
                f(_keys[i], _values[i]);
        }
    }

private:
    static constexpr uint32_t kMaxKey = 0xFFFFFFFE;
    static constexpr uint32_t kEmpty = 0xFFFFFFFF;
    static constexpr std::size_t kFirstCapacity = 64;

    std::size_t mask() const { return _keys.size() - 1; }
    // Fibonacci hashing: addresses of one country share their top bits.
    std::size_t slotOf(uint32_t key) const {
        return static_cast<std::size_t>((key * 0x9E3779B1u) >> 7) & mask();
    }

    void grow() {
        std::vector<uint32_t> keys;
        std::vector<Value> values;
        keys.swap(_keys);
        values.swap(_values);
        const std::size_t capacity = keys.empty() ? kFirstCapacity : 2 * keys.size();
        _keys.assign(capacity, kEmpty);
        _values.assign(capacity, Value());
        _size = 0;
        for (std::size_t i = 0; i < keys.size(); ++i) {
            if (keys[i] != kEmpty)
                *findOrInsert(keys[i]) = values[i];
        }
    }

    std::vector<uint32_t> _keys;
    std::vector<Value> _values;
    std::size_t _size = 0;
};

}  // namespace modes
}  // namespace brannic

#endif  // MODES_ADDRESSMAP_H
