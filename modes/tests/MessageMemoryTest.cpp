// Messages reuse the memory of dropped messages: however many are alive at once and in
// whatever order they go, every message keeps its own values.

#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include <modes/DF11Message.h>
#include <modes/DF17Message.h>
#include <modes/DF4Message.h>
#include <modes/ModeSDecoder.h>

namespace brannic {
namespace modes {
namespace {

std::string fromHex(const std::string& hex) {
    std::string bytes;
    for (std::size_t i = 0; i + 1 < hex.size(); i += 2)
        bytes += static_cast<char>(std::stoi(hex.substr(i, 2), nullptr, 16));
    return bytes;
}

struct Reply {
    const char* hex;
    DownlinkFormat format;
    uint32_t address;
};

// Messages of three sizes: a long squitter, a short altitude reply and a short all-call.
const Reply kReplies[] = {
    {"8D4840D6202CC371C32CE0576098", DF_17, 0x4840D6},
    {"20001838CA3804", DF_4, 0},
    {"5D4840D6A4B2C1", DF_11, 0x4840D6},
};

TEST(MessageMemoryTest, MessagesAliveTogetherKeepTheirOwnValues) {
    ModeSDecoder decoder;
    // More messages of each size than are kept for reuse, alive at once, then dropped in
    // turn with new ones made in between, twice over.
    for (int round = 0; round < 2; ++round) {
        std::vector<std::unique_ptr<ModeSMessage>> alive;
        for (int i = 0; i < 60; ++i) {
            const Reply& r = kReplies[i % 3];
            alive.emplace_back(decoder.decode(ModeSMessage::DOWNLINK, fromHex(r.hex), 1000 + i));
            ASSERT_NE(alive.back(), nullptr) << r.hex;
        }
        for (int i = 0; i < 60; i += 2) {
            alive[i].reset();
            const Reply& r = kReplies[i % 3];
            alive[i].reset(decoder.decode(ModeSMessage::DOWNLINK, fromHex(r.hex), 5000 + i));
        }
        for (int i = 0; i < 60; ++i) {
            const Reply& r = kReplies[i % 3];
            SCOPED_TRACE(std::string(r.hex) + " #" + std::to_string(i));
            const auto* df = dynamic_cast<const DFMessage*>(alive[i].get());
            ASSERT_NE(df, nullptr);
            EXPECT_EQ(df->downlinkFormat(), r.format);
            EXPECT_EQ(df->data(), fromHex(r.hex));
            EXPECT_EQ(df->timeStamp(), uint64_t(i % 2 == 0 ? 5000 + i : 1000 + i));
            if (r.format != DF_4) {
                EXPECT_EQ(df->icaoAddress(), r.address);
            }
        }
    }
}

}  // namespace
}  // namespace modes
}  // namespace brannic
