#ifndef CATBRIDGE_DATABLOCK_H
#define CATBRIDGE_DATABLOCK_H

#include <cstdint>
#include <string>

#include <catbridge/catbridge_export.h>

namespace brannic {
namespace modes {

// One complete ASTERIX data block as it goes on the wire: the category octet, the two-octet
// LEN (the whole block, header included, most significant octet first) and the records, with
// the time it was made (milliseconds since 1970-01-01 UTC).
//
// A block is valid when it has bytes, a category other than 0 and a time; a default-constructed
// block is empty and invalid. The valid flag is decided once, when the block is constructed.
class CATBRIDGE_EXPORT DataBlock {
public:
    DataBlock();
    // A time stamp of 0 is replaced by the current time.
    DataBlock(uint8_t category, std::string data, uint64_t timeStamp);
    DataBlock(const DataBlock&) = default;
    DataBlock(DataBlock&&) = default;
    DataBlock& operator=(const DataBlock&) = default;
    DataBlock& operator=(DataBlock&&) = default;
    ~DataBlock();

    std::string& data() { return _data; }
    const std::string& constData() const { return _data; }
    uint8_t category() const { return _category; }
    uint64_t timeStamp() const { return _timeStamp; }
    bool valid() const { return _valid; }

private:
    std::string _data;
    bool _valid = false;
    uint8_t _category = 0;
    uint64_t _timeStamp = 0;
};

}  // namespace modes
}  // namespace brannic

#endif  // CATBRIDGE_DATABLOCK_H
