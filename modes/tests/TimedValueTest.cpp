// The timed value behind every item of a target and a report: how each way of storing moves
// the two times, and how each validity rule reads them.

#include <modes/TimedValue.h>

#include <gtest/gtest.h>

namespace brannic {
namespace modes {
namespace {

TEST(TimedValue, StoringMovesTheTimes) {
    enum Op { SET, TRACKED, ON_CHANGE };
    const struct {
        const char* what;
        Op op;
        int value;
        uint64_t time;
        int expectValue;
        uint64_t expectUpdate, expectChange;
        bool stored;
    } steps[] = {
        // A fresh value (0, never updated) first stored by the change-tracked rule: stored with
        // both times even though it equals the initial 0, for it has no last change yet.
        {"first tracked 0", TRACKED, 0, 100, 0, 100, 100, true},
        {"same again", TRACKED, 0, 200, 0, 200, 100, false},
        {"changed", TRACKED, 5, 300, 5, 300, 300, true},
        {"plain store keeps the last change", SET, 7, 400, 7, 400, 300, true},
        {"on change, same value", ON_CHANGE, 7, 500, 7, 500, 300, false},
        {"on change, new value", ON_CHANGE, 8, 600, 8, 600, 600, true},
    };
    TimedValue<int> v;
    for (const auto& s : steps) {
        SCOPED_TRACE(s.what);
        bool stored = true;
        switch (s.op) {
            case SET:
                v.set(s.value, s.time);
                break;
            case TRACKED:
                stored = v.setTracked(s.value, s.time);
                break;
            case ON_CHANGE:
                stored = v.setOnChange(s.value, s.time);
                break;
        }
        EXPECT_EQ(stored, s.stored);
        EXPECT_EQ(v.value(), s.expectValue);
        EXPECT_EQ(v.lastUpdate(), s.expectUpdate);
        EXPECT_EQ(v.lastChange(), s.expectChange);
    }
    // Reports carry both times of their own.
    EXPECT_TRUE(v.setTracked(9, 700, 650));
    EXPECT_EQ(v.lastUpdate(), 700u);
    EXPECT_EQ(v.lastChange(), 650u);
    v.clear();
    EXPECT_EQ(v.value(), 0);
    EXPECT_EQ(v.lastUpdate(), 0u);
    EXPECT_EQ(v.lastChange(), 0u);
}

TEST(TimedValue, ValidityRules) {
    TimedValue<int> byUpdate;
    TimedValue<int, Validity::BY_CHANGE> byChange;
    TimedValue<int, Validity::BY_FLAG> byFlag;
    EXPECT_FALSE(byUpdate.valid());
    EXPECT_FALSE(byChange.valid());
    EXPECT_FALSE(byFlag.valid());

    byUpdate.set(1, 10);
    byChange.set(1, 10);  // updated but never changed
    byFlag.set(1, 10);
    EXPECT_TRUE(byUpdate.valid());
    EXPECT_FALSE(byChange.valid());
    EXPECT_FALSE(byFlag.valid());  // only the flag counts
    byChange.setTracked(2, 20);
    byFlag.setValid(true);
    EXPECT_TRUE(byChange.valid());
    EXPECT_TRUE(byFlag.valid());

    // The flag is ignored by the other rules.
    byUpdate.setValid(false);
    EXPECT_TRUE(byUpdate.valid());

    // A copy under another rule keeps value and times and takes the validity it is given.
    const TimedValue<int, Validity::BY_FLAG> copy(byChange, false);
    EXPECT_EQ(copy.value(), 2);
    EXPECT_EQ(copy.lastUpdate(), 20u);
    EXPECT_EQ(copy.lastChange(), 20u);
    EXPECT_FALSE(copy.valid());
    EXPECT_TRUE((TimedValue<int, Validity::BY_FLAG>(byUpdate, true).valid()));

    byFlag.clear();
    EXPECT_FALSE(byFlag.valid());
}

}  // namespace
}  // namespace modes
}  // namespace brannic
