#include <catbridge/DataBlock.h>

#include <utility>

#include "Clock.h"

namespace brannic {
namespace modes {

DataBlock::DataBlock() = default;

DataBlock::DataBlock(uint8_t category, std::string data, uint64_t timeStamp)
    : _data(std::move(data)),
      _category(category),
      _timeStamp(timeStamp != 0 ? timeStamp : catbridge::currentTimeMs()) {
    _valid = !_data.empty() && _category != 0 && _timeStamp != 0;
}

DataBlock::~DataBlock() = default;

}  // namespace modes
}  // namespace brannic
