#include <catbridge/ASTERIXPacker.h>

#include <modes/Log.h>

namespace brannic {
namespace modes {

namespace {

const char* const kSource = "ASTERIXPacker";

// The most record octets one block can carry behind its header.
constexpr std::size_t kMaxRecordsLength =
    ASTERIXPacker::kMaxBlockLength - ASTERIXPacker::kHeaderLength;

}  // namespace

ASTERIXPacker::ASTERIXPacker() {
    Log::log(Log::INFO, kSource, "Initialized.");
}

ASTERIXPacker::~ASTERIXPacker() = default;

std::string ASTERIXPacker::createHeader(uint8_t category, std::size_t length) {
    const std::size_t len = length + kHeaderLength;
    std::string header(kHeaderLength, '\0');
    header[0] = static_cast<char>(category);
    header[1] = static_cast<char>(len >> 8 & 0xFF);
    header[2] = static_cast<char>(len & 0xFF);
    return header;
}

DataBlock ASTERIXPacker::pack(const DataRecord& record) const {
    if (!record.valid() || record.constData().size() > kMaxRecordsLength)
        return DataBlock();
    return DataBlock(record.category(),
                     createHeader(record.category(), record.constData().size()) +
                         record.constData(),
                     record.timeStamp());
}

std::list<DataBlock> ASTERIXPacker::pack(const std::list<DataRecord>& records) const {
    std::list<DataBlock> blocks;
    if (records.empty())
        return blocks;

    const uint8_t category = records.front().category();
    std::string accumulator;
    unsigned count = 0;
    const auto close = [&]() {
        blocks.emplace_back(category, createHeader(category, accumulator.size()) + accumulator, 0);
        accumulator.clear();
        count = 0;
    };

    for (const DataRecord& record : records) {
        const std::string& bytes = record.constData();
        if (record.category() != category) {
            Log::log(Log::CRITICAL, kSource,
                     "Data record category %u is different with data block category %u, data "
                     "record has been ignored.",
                     static_cast<unsigned>(record.category()), static_cast<unsigned>(category));
            continue;
        }
        if (bytes.size() > kMaxRecordsLength) {
            Log::log(Log::CRITICAL, kSource,
                     "Data record size %zu exceeds the largest data block, data record has been "
                     "ignored.",
                     bytes.size());
            continue;
        }
        // An empty accumulator is never closed: a record that alone reaches the size limit
        // starts a block of its own instead of following an empty one.
        if (!accumulator.empty()) {
            if (accumulator.size() + kHeaderLength + bytes.size() >= _maxDataBlockSize) {
                Log::log(Log::INFO, kSource,
                         "Current datablock size (%u) has reached its limitation (%u), a new "
                         "datablock will be created.",
                         static_cast<unsigned>(accumulator.size() + kHeaderLength),
                         static_cast<unsigned>(_maxDataBlockSize));
                close();
            } else if (count >= _maxDataRecords) {
                Log::log(Log::INFO, kSource,
                         "Datarecords in current datablock  (%u) has reached its limitation (%u), "
                         "a new datablock will be created.",
                         count, static_cast<unsigned>(_maxDataRecords));
                close();
            }
        }
        accumulator += bytes;
        ++count;
    }
    if (!accumulator.empty())
        close();
    return blocks;
}

}  // namespace modes
}  // namespace brannic
