#ifndef MODES_ADSBTESTMESSAGE_H
#define MODES_ADSBTESTMESSAGE_H

#include <cstdint>
#include <string>

#include <modes/ADSBMessage.h>
#include <modes/modes_export.h>

namespace brannic {
namespace modes {

// Test message (type code 23): the subtype (ME bits 5-7) and the six bytes that follow as they
// are. A subtype other than 0 is logged and accepted.
class MODES_EXPORT ADSBTestMessage : public ADSBMessage {
public:
    ADSBTestMessage();

    std::string description() const override;

    uint8_t subtype() const { return _subtype; }
    const std::string& testData() const { return _testData; }  // ME bytes 1-6

protected:
    bool decodeImpl() override;

private:
    uint8_t _subtype = 0;
    std::string _testData;
};

}  // namespace modes
}  // namespace brannic

#endif  // MODES_ADSBTESTMESSAGE_H
