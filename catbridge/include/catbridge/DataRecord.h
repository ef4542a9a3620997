#ifndef CATBRIDGE_DATARECORD_H
#define CATBRIDGE_DATARECORD_H

#include <cstdint>
#include <string>

#include <catbridge/catbridge_export.h>

namespace brannic {
namespace modes {

// One encoded ASTERIX data record (FSPEC and data items) of one category, with the time it
// was made (milliseconds since 1970-01-01 UTC).
//
// A record is valid when it has bytes, a category other than 0 and a time; a
// default-constructed record is empty and invalid. The valid flag is decided once, when the
// record is constructed: changing the bytes through data() later does not change it.
class CATBRIDGE_EXPORT DataRecord {
public:
    DataRecord();
    // A time stamp of 0 is replaced by the current time.
    DataRecord(uint8_t category, std::string data, uint64_t timeStamp);
    DataRecord(const DataRecord&) = default;
    DataRecord(DataRecord&&) = default;
    DataRecord& operator=(const DataRecord&) = default;
    DataRecord& operator=(DataRecord&&) = default;
    ~DataRecord();

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

#endif  // CATBRIDGE_DATARECORD_H
