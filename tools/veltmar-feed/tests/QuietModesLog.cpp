// The modes library logs every decoder it creates and every reply it refuses; the tests make
// plenty of both. Its log goes nowhere while they run.

#include <gtest/gtest.h>

#include "ModesRoundTrip.h"

namespace {

class QuietModesLog : public ::testing::Environment {
public:
    void SetUp() override { feedtest::quietModesLog(); }
};

const ::testing::Environment* const kQuiet = ::testing::AddGlobalTestEnvironment(new QuietModesLog);

}  // namespace
