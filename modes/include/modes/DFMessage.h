#ifndef MODES_DFMESSAGE_H
#define MODES_DFMESSAGE_H

#include <cstdint>
#include <string>

#include <modes/DownlinkFormat.h>
#include <modes/ModeSMessage.h>
#include <modes/modes_export.h>

namespace brannic {
namespace modes {

class ModeSMessageFieldAA;
class ModeSMessageFieldME;
class ModeSMessageFieldPI;

// A Mode S downlink reply of one downlink format, the base of DF0Message ... DF21Message.
class MODES_EXPORT DFMessage : public ModeSMessage {
public:
    using DownlinkFormat = modes::DownlinkFormat;

    DownlinkFormat downlinkFormat() const { return _downlinkFormat; }
    // "DF-0" ... "DF-24".
    const std::string& downlinkFormatName() const;

    // The downlink format of the five-bit code in the top of the first byte: codes 0 to 23
    // give the format of that number, every other code DF_24 (extended length).
    static DownlinkFormat downlinkFormatByCode(uint8_t code);

    // "Mode-S DF-17 Message" and so on; the formats describe their fields instead.
    std::string description() const override;

protected:
    explicit DFMessage(DownlinkFormat downlinkFormat);

    // The checks common to every format: the reply is long enough and its first five bits
    // name this format. A mismatch logs "DF format mismatch." (INFO, "DFMessage").
    bool decodeImpl() override;

    // What every extended squitter (DF17, DF18, DF19 with AF 0) shares: AA at bit 8, ME at 32
    // and PI at 88. A squitter's interrogator code is 0, so its PI must equal the computed
    // parity; otherwise "Parity check failed." is logged (INFO, `source`) and the result is
    // false. On success the address is AA's and the result is the fields' validity.
    bool decodeSquitter(ModeSMessageFieldAA& aa, ModeSMessageFieldME& me, ModeSMessageFieldPI& pi,
                        const std::string& source);

private:
    DownlinkFormat _downlinkFormat;
};

}  // namespace modes
}  // namespace brannic

#endif  // MODES_DFMESSAGE_H
