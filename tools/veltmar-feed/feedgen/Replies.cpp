#include "feedgen/Replies.h"

#include <algorithm>

#include "feedgen/Bits.h"
#include "feedgen/ModeACode.h"
#include "feedgen/Parity.h"

namespace feedgen {
namespace replies {

namespace {

Frame start(unsigned downlinkFormat, unsigned bytes) {
    Frame frame;
    frame.size = static_cast<uint8_t>(bytes);
    bits::put(frame.data(), 0, 4, downlinkFormat);
    return frame;
}

// The AC field (bits 19 to 31); false when the altitude is out of range.
bool putAltitude(Frame& frame, const AltitudeReport& altitude) {
    uint32_t code = 0;
    if (altitude.feet && !altitude::encode13(*altitude.feet, altitude.coding, code))
        return false;
    bits::put(frame.data(), 19, 31, code);
    return true;
}

// The ACAS replies DF0 and DF16 share their first 32 bits.
bool putAirAir(Frame& frame, bool onGround, const AltitudeReport& altitude,
               uint8_t replyInformation, uint8_t sensitivityLevel) {
    if (replyInformation > 15 || sensitivityLevel > 7)
        return false;
    bits::put(frame.data(), 5, 5, onGround ? 1 : 0);
    bits::put(frame.data(), 8, 10, sensitivityLevel);
    bits::put(frame.data(), 13, 16, replyInformation);
    return putAltitude(frame, altitude);
}

void putRegister(Frame& frame, const MBField& field) {
    std::copy(field.begin(), field.end(), frame.bytes.begin() + 4);
}

// The surveillance replies and their Comm-B forms share their first 32 bits: DF4 and DF20
// the flight status and altitude, DF5 and DF21 the flight status and identity.
bool putStatusAndAltitude(Frame& frame, uint8_t flightStatus, const AltitudeReport& altitude) {
    if (flightStatus > 7 || !putAltitude(frame, altitude))
        return false;
    bits::put(frame.data(), 5, 7, flightStatus);
    return true;
}

bool putStatusAndIdentity(Frame& frame, uint8_t flightStatus, uint32_t squawk) {
    if (flightStatus > 7 || squawk > 07777)
        return false;
    bits::put(frame.data(), 5, 7, flightStatus);
    bits::put(frame.data(), 19, 31, modea::identityBits(squawk));
    return true;
}

}  // namespace

Frame df0(uint32_t address, bool onGround, const AltitudeReport& altitude,
          uint8_t replyInformation, uint8_t sensitivityLevel) {
    Frame frame = start(0, Frame::kShortBytes);
    if (!putAirAir(frame, onGround, altitude, replyInformation, sensitivityLevel))
        return Frame{};
    parity::seal(frame, address);
    return frame;
}

Frame df4(uint32_t address, uint8_t flightStatus, const AltitudeReport& altitude) {
    Frame frame = start(4, Frame::kShortBytes);
    if (!putStatusAndAltitude(frame, flightStatus, altitude))
        return Frame{};
    parity::seal(frame, address);
    return frame;
}

Frame df5(uint32_t address, uint8_t flightStatus, uint32_t squawk) {
    Frame frame = start(5, Frame::kShortBytes);
    if (!putStatusAndIdentity(frame, flightStatus, squawk))
        return Frame{};
    parity::seal(frame, address);
    return frame;
}

Frame df11(uint32_t address, uint8_t capability, uint32_t interrogatorCode) {
    if (capability > 7 || interrogatorCode > 0x7F)
        return Frame{};
    Frame frame = start(11, Frame::kShortBytes);
    bits::put(frame.data(), 5, 7, capability);
    bits::put(frame.data(), 8, 31, address);
    parity::seal(frame, interrogatorCode);
    return frame;
}

Frame df16(uint32_t address, bool onGround, const AltitudeReport& altitude, const MBField& mv,
           uint8_t replyInformation, uint8_t sensitivityLevel) {
    Frame frame = start(16, Frame::kLongBytes);
    if (!putAirAir(frame, onGround, altitude, replyInformation, sensitivityLevel))
        return Frame{};
    putRegister(frame, mv);
    parity::seal(frame, address);
    return frame;
}

Frame df20(uint32_t address, uint8_t flightStatus, const AltitudeReport& altitude,
           const MBField& mb) {
    Frame frame = start(20, Frame::kLongBytes);
    if (!putStatusAndAltitude(frame, flightStatus, altitude))
        return Frame{};
    putRegister(frame, mb);
    parity::seal(frame, address);
    return frame;
}

Frame df21(uint32_t address, uint8_t flightStatus, uint32_t squawk, const MBField& mb) {
    Frame frame = start(21, Frame::kLongBytes);
    if (!putStatusAndIdentity(frame, flightStatus, squawk))
        return Frame{};
    putRegister(frame, mb);
    parity::seal(frame, address);
    return frame;
}

}  // namespace replies
}  // namespace feedgen
