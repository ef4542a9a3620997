#ifndef CATBRIDGE_ASTERIXPACKER_H
#define CATBRIDGE_ASTERIXPACKER_H

#include <cstdint>
#include <list>
#include <string>

#include <catbridge/DataBlock.h>
#include <catbridge/DataRecord.h>
#include <catbridge/catbridge_export.h>

namespace brannic {
namespace modes {

// Groups encoded ASTERIX records of one category into data blocks for transmission, each block
// smaller than a maximum size in octets (header included) and holding no more than a maximum
// number of records, the records kept in their order.
//
// A block is one octet CAT, two octets LEN (the whole block, header included, most significant
// first) and the records one after the other, as the EUROCONTROL ASTERIX rules lay it out. LEN
// being sixteen bits, no block can be longer than 65,535 octets.
//
// Logs through the modes library log under "ASTERIXPacker". Copyable; holds only its limits.
class CATBRIDGE_EXPORT ASTERIXPacker {
public:
    // The largest block a LEN field can describe, header included.
    static constexpr uint32_t kMaxBlockLength = 65535;
    static constexpr uint32_t kHeaderLength = 3;

    // Limits 1024 octets and 16 records. Logs "Initialized." at INFO.
    ASTERIXPacker();
    ASTERIXPacker(const ASTERIXPacker&) = default;
    ASTERIXPacker& operator=(const ASTERIXPacker&) = default;
    ~ASTERIXPacker();

    uint16_t maxDataBlockSize() const { return _maxDataBlockSize; }
    void setMaxDataBlockSize(const uint16_t& size) { _maxDataBlockSize = size; }
    uint16_t maxDataRecords() const { return _maxDataRecords; }
    void setMaxDataRecords(const uint16_t& count) { _maxDataRecords = count; }

    // One block holding `record` alone, stamped with the record's time; neither limit applies.
    // An invalid record, or one too long for any block (more than 65,532 octets), gives an
    // invalid block.
    DataBlock pack(const DataRecord& record) const;

    // Blocks of the category of the first record, in order. A record of another category is
    // left out with "Data record category %u is different with data block category %u, data
    // record has been ignored." at CRITICAL. A block is closed when the next record would make
    // it reach the size limit ("Current datablock size (%u) has reached its limitation (%u), a
    // new datablock will be created." at INFO) or when it holds the maximum number of records
    // ("Datarecords in current datablock  (%u) has reached its limitation (%u), a new datablock
    // will be created." at INFO). A record that alone reaches the size limit gets a block of its
    // own, larger than the limit; no block is ever empty. A record too long for any block is
    // left out with a CRITICAL line. Blocks are stamped with the current time. The records'
    // validity is not checked: pass valid ones.
    std::list<DataBlock> pack(const std::list<DataRecord>& records) const;

private:
    // CAT and LEN of a block whose records take `length` octets.
    static std::string createHeader(uint8_t category, std::size_t length);

    uint16_t _maxDataBlockSize = 1024;
    uint16_t _maxDataRecords = 16;
};

}  // namespace modes
}  // namespace brannic

#endif  // CATBRIDGE_ASTERIXPACKER_H
