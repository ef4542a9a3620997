#include "feedgen/RecordingReader.h"

#include "feedgen/AvrReader.h"
#include "feedgen/BeastReader.h"
#include "feedgen/CsvRecordingReader.h"

namespace feedgen {

std::unique_ptr<RecordingReader> RecordingReader::create(RecordingFormat format, ClockKind clock) {
    switch (format) {
    case RecordingFormat::Beast: return std::make_unique<BeastReader>(clock);
    case RecordingFormat::Avr: return std::make_unique<AvrReader>(clock);
    case RecordingFormat::Csv: return std::make_unique<CsvRecordingReader>();
    }
    return nullptr;
}

RecordingFormat detectRecordingFormat(const uint8_t* data, size_t size) {
    if (size > 0 && data[0] == 0x1a)
        return RecordingFormat::Beast;
    if (size > 0 && (data[0] == '*' || data[0] == '@' || data[0] == ':'))
        return RecordingFormat::Avr;
    return RecordingFormat::Csv;
}

}  // namespace feedgen
