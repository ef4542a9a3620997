#ifndef MODES_TIMEDVALUE_H
#define MODES_TIMEDVALUE_H

#include <cstdint>

namespace brannic {
namespace modes {

// How a timed value tells whether it holds something: by a last update after "never" (most
// surveillance values), by a last change after "never" (values that count only once they have
// been stated, such as NACp), or by a flag of its own (reports, which say so explicitly).
enum class Validity : uint8_t { BY_UPDATE, BY_CHANGE, BY_FLAG };

namespace detail {

template <bool hasFlag>
struct ValidFlag {
    bool flag() const { return false; }
    void setFlag(bool) {}
};

template <>
struct ValidFlag<true> {
    bool flag() const { return _flag; }
    void setFlag(bool valid) { _flag = valid; }

private:
    bool _flag = false;
};

}  // namespace detail

// One surveillance value with the time it was last received (last update) and the time it last
// took a new value (last change), in milliseconds since 1970-01-01 UTC; 0 means never. Its
// validity follows `rule`.
//
// Two ways of storing: set() stores the value and its last update whatever they were (plain
// values such as the altitude); setTracked() keeps the last change of a value that did not
// change (values whose changes matter, such as the squawk).
template <typename T, Validity rule = Validity::BY_UPDATE>
class TimedValue : private detail::ValidFlag<rule == Validity::BY_FLAG> {
    using Flag = detail::ValidFlag<rule == Validity::BY_FLAG>;

public:
    TimedValue() = default;

    // A copy of `other` under this rule; with BY_FLAG, `valid` becomes the flag.
    template <Validity otherRule>
    TimedValue(const TimedValue<T, otherRule>& other, bool valid)
        : _value(other.value()), _lastUpdate(other.lastUpdate()), _lastChange(other.lastChange()) {
        Flag::setFlag(valid);
    }

    const T& value() const { return _value; }
    uint64_t lastUpdate() const { return _lastUpdate; }
    uint64_t lastChange() const { return _lastChange; }
    bool valid() const {
        switch (rule) {
            case Validity::BY_UPDATE:
                return _lastUpdate > 0;
            case Validity::BY_CHANGE:
                return _lastChange > 0;
            case Validity::BY_FLAG:
                break;
        }
        return Flag::flag();
    }

    // The value and its last update, whatever they were.
    void set(const T& value, uint64_t time) {
        _value = value;
        _lastUpdate = time;
    }

    // An unchanged value that already has a last change only moves its last update; anything
    // else stores the value and both times. True when the value was stored.
    bool setTracked(const T& value, uint64_t lastUpdate, uint64_t lastChange) {
        if (_value == value && _lastChange > 0) {
            _lastUpdate = lastUpdate;
            return false;
        }
        _value = value;
        _lastUpdate = lastUpdate;
        _lastChange = lastChange;
        return true;
    }
    bool setTracked(const T& value, uint64_t time) { return setTracked(value, time, time); }

    // The last update always moves; the value and its last change only when it differs.
    // True when it differed.
    bool setOnChange(const T& value, uint64_t time) {
        _lastUpdate = time;
        if (_value == value)
            return false;
        _value = value;
        _lastChange = time;
        return true;
    }

    // Single members, for reports that are filled item by item.
    void setValue(const T& value) { _value = value; }
    void setLastUpdate(uint64_t time) { _lastUpdate = time; }
    void setLastChange(uint64_t time) { _lastChange = time; }
    // Only meaningful with BY_FLAG; the other rules ignore it.
    void setValid(bool valid) { Flag::setFlag(valid); }

    // Back to the value of T{} and never updated (and, with BY_FLAG, not valid).
    void clear() { *this = TimedValue(); }

private:
    T _value{};
    uint64_t _lastUpdate = 0;
    uint64_t _lastChange = 0;
};

}  // namespace modes
}  // namespace brannic

#endif  // MODES_TIMEDVALUE_H
