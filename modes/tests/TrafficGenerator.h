#ifndef MODES_TESTS_TRAFFICGENERATOR_H
#define MODES_TESTS_TRAFFICGENERATOR_H

// Deterministic synthetic Mode S traffic for tests and benchmarks: aircraft that arrive in
// turn, fly straight for a while and fall silent, each sending extended squitters at the
// rates of DO-260B (airborne position and velocity twice a second, identification every
// five seconds, operational status every two and a half), optionally with Mode S replies to
// ground interrogators, aircraft on the ground, damaged replies and noise.
//
// Frames carry correct parity (address overlay where the format has one) unless damaged on
// purpose. Positions are CPR-encoded with the formulas of CPREncoder.h.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "CPREncoder.h"
#include "Parity.h"

namespace brannic {
namespace modes {
namespace traffic {

// One reply as a receiver delivers it: its time and 7 or 14 bytes.
struct Frame {
    uint64_t time = 0;
    uint8_t size = 0;
    uint8_t bytes[14] = {};

    std::string data() const { return std::string(reinterpret_cast<const char*>(bytes), size); }
};

// --- Bit writing ---------------------------------------------------------------------------

// Sets bits first..last (0-based from the most significant bit of `data`) to `value`.
inline void put(uint8_t* data, unsigned first, unsigned last, uint64_t value) {
    for (unsigned pos = last + 1; pos-- > first; value >>= 1) {
        const uint8_t mask = static_cast<uint8_t>(0x80u >> (pos % 8));
        data[pos / 8] = (value & 1u) ? (data[pos / 8] | mask) : (data[pos / 8] & ~mask);
    }
}

inline void flip(uint8_t* data, unsigned pos) {
    data[pos / 8] ^= static_cast<uint8_t>(0x80u >> (pos % 8));
}

// The last 24 bits become the parity of the rest xor `overlay`.
inline void seal(Frame& f, uint32_t overlay) {
    const uint32_t p = parity::compute(f.bytes, f.size, f.size * 8u) ^ overlay;
    f.bytes[f.size - 3] = static_cast<uint8_t>(p >> 16);
    f.bytes[f.size - 2] = static_cast<uint8_t>(p >> 8);
    f.bytes[f.size - 1] = static_cast<uint8_t>(p);
}

// --- ME fields (bits 0-based within the 56-bit ME) ----------------------------------------

struct ME {
    uint8_t bytes[7] = {};
};

inline ME meIdentification(unsigned typeCode, unsigned category, const std::string& callsign) {
    static const char kChars[] =
        "?ABCDEFGHIJKLMNOPQRSTUVWXYZ????? ???????????????0123456789??????";
    ME me;
    put(me.bytes, 0, 4, typeCode);
    put(me.bytes, 5, 7, category);
    for (unsigned i = 0; i < 8; ++i) {
        const char c = i < callsign.size() ? callsign[i] : ' ';
        const char* hit = c != '?' && c != '\0' ? std::strchr(kChars, c) : nullptr;
        put(me.bytes, 8 + 6 * i, 13 + 6 * i, hit != nullptr ? unsigned(hit - kChars) : 0u);
    }
    return me;
}

// Movement code of a surface ground speed in knots (inverse of the DO-260B quantisation).
inline unsigned movementCode(double knots) {
    if (knots < 0.125)
        return 1;
    if (knots < 1)
        return 3 + unsigned((knots - 0.125) / 0.14583333);
    if (knots < 2)
        return 9 + unsigned((knots - 1) / 0.25);
    if (knots < 15)
        return 13 + unsigned((knots - 2) / 0.5);
    if (knots < 70)
        return 39 + unsigned(knots - 15);
    if (knots < 100)
        return 94 + unsigned((knots - 70) / 2);
    if (knots < 175)
        return 109 + unsigned((knots - 100) / 5);
    return 124;
}

// Airborne position with a 25-ft altitude (Q = 1); `flag7` is the single-antenna flag or NIC
// supplement B depending on the version.
inline ME meAirbornePosition(unsigned typeCode, int altitudeFeet, bool odd,
                             const cprenc::Encoded& cpr, bool flag7 = false, bool t = false) {
    ME me;
    put(me.bytes, 0, 4, typeCode);
    put(me.bytes, 7, 7, flag7);
    const uint32_t n = static_cast<uint32_t>(std::max(0, (altitudeFeet + 1000) / 25)) & 0x7FF;
    put(me.bytes, 8, 14, n >> 4);
    put(me.bytes, 15, 15, 1);
    put(me.bytes, 16, 19, n & 0xF);
    put(me.bytes, 20, 20, t);
    put(me.bytes, 21, 21, odd);
    put(me.bytes, 22, 38, cpr.latitude);
    put(me.bytes, 39, 55, cpr.longitude);
    return me;
}

inline ME meSurfacePosition(unsigned typeCode, unsigned movement, bool headingValid,
                            unsigned headingCode, bool odd, const cprenc::Encoded& cpr) {
    ME me;
    put(me.bytes, 0, 4, typeCode);
    put(me.bytes, 5, 11, movement);
    put(me.bytes, 12, 12, headingValid);
    put(me.bytes, 13, 19, headingCode);
    put(me.bytes, 21, 21, odd);
    put(me.bytes, 22, 38, cpr.latitude);
    put(me.bytes, 39, 55, cpr.longitude);
    return me;
}

// Ground-referenced velocity: subtype 1 or 2, the raw (value + 1) components and vertical rate.
inline ME meVelocity(unsigned subtype, bool west, unsigned vEW, bool south, unsigned vNS,
                     bool baro, bool down, unsigned vr, unsigned nucr = 0) {
    ME me;
    put(me.bytes, 0, 4, 19);
    put(me.bytes, 5, 7, subtype);
    put(me.bytes, 10, 12, nucr);
    put(me.bytes, 13, 13, west);
    put(me.bytes, 14, 23, vEW);
    put(me.bytes, 24, 24, south);
    put(me.bytes, 25, 34, vNS);
    put(me.bytes, 35, 35, baro);
    put(me.bytes, 36, 36, down);
    put(me.bytes, 37, 45, vr);
    return me;
}

inline ME meOperationalStatus(unsigned version, bool nicSupplementA) {
    ME me;
    put(me.bytes, 0, 4, 31);
    put(me.bytes, 40, 42, version);
    put(me.bytes, 43, 43, nicSupplementA);
    return me;
}

inline ME meAircraftStatus(unsigned subtype, unsigned emergency, unsigned modeABits) {
    ME me;
    put(me.bytes, 0, 4, 28);
    put(me.bytes, 5, 7, subtype);
    put(me.bytes, 8, 10, emergency);
    put(me.bytes, 11, 23, modeABits);
    return me;
}

inline ME meTargetState(unsigned subtype, unsigned nacp, unsigned nicBaro, unsigned sil) {
    ME me;
    put(me.bytes, 0, 4, 29);
    put(me.bytes, 5, 6, subtype);
    put(me.bytes, 39, 42, nacp);
    put(me.bytes, 43, 43, nicBaro);
    put(me.bytes, 44, 45, sil);
    return me;
}

// --- Replies -------------------------------------------------------------------------------

// DF17/18/19 with the ME field; `firstByte` holds format and CA/CF/AF.
inline Frame squitter(uint64_t time, uint8_t firstByte, uint32_t address, const ME& me) {
    Frame f;
    f.time = time;
    f.size = 14;
    f.bytes[0] = firstByte;
    put(f.bytes, 8, 31, address);
    std::memcpy(f.bytes + 4, me.bytes, 7);
    seal(f, 0);
    return f;
}

// 13-bit altitude code of a 25-ft altitude (M = 0, Q = 1).
inline uint32_t altitudeCode(int feet) {
    const uint32_t n = static_cast<uint32_t>(std::max(0, (feet + 1000) / 25)) & 0x7FF;
    return ((n >> 5) << 7) | (((n >> 4) & 1) << 5) | 0x10 | (n & 0xF);
}

// DF0, 4, 5, 16, 20, 21: bits 5..31 as given (status field and altitude or identity code),
// the MB/MV field for the long formats, the address overlaid on the parity.
inline Frame addressParityReply(uint64_t time, unsigned df, uint32_t bits5to31, uint32_t address,
                                uint64_t mb = 0) {
    Frame f;
    f.time = time;
    f.size = df >= 16 ? 14 : 7;
    put(f.bytes, 0, 4, df);
    put(f.bytes, 5, 31, bits5to31 & 0x7FFFFFF);
    if (f.size == 14)
        put(f.bytes, 32, 87, mb & 0xFFFFFFFFFFFFFFull);
    seal(f, address);
    return f;
}

inline Frame allCallReply(uint64_t time, uint32_t address, unsigned ca, uint32_t ii) {
    Frame f;
    f.time = time;
    f.size = 7;
    put(f.bytes, 0, 4, 11);
    put(f.bytes, 5, 7, ca);
    put(f.bytes, 8, 31, address);
    seal(f, ii);
    return f;
}

// --- Scenario -------------------------------------------------------------------------------

struct Options {
    uint32_t aircraft = 100;
    uint64_t startMs = 1600000000000ull;
    uint32_t heardSeconds = 60;  // each aircraft is heard this long, then falls silent
    uint32_t arrivalMs = 100;    // between the first replies of consecutive aircraft
    double centerLat = 51.5;
    double centerLon = 5.5;
    double radiusNM = 150;
    uint32_t firstAddress = 0x400000;
    bool modeS = false;          // DF4/5/11/20/21 (and DF0/16) besides the squitters
    bool squitterVariety = false;  // status, test, reserved types, DF18/DF19, versions 0-2
    bool surface = false;        // one aircraft in eight on the ground
    bool gnss = false;           // GNSS-height positions (type codes 20-22) from some aircraft
    bool velocityGaps = false;   // velocities without east-west or vertical information
    double damaged = 0;          // share of squitters with one to three bits inverted
    double noise = 0;            // random frames per reply
    double mismatched = 0;       // share of airborne positions that encode a place elsewhere
    bool parityFieldErrors = false;  // damage may leave a syndrome of one parity-field bit
    uint32_t seed = 1;
};

class Generator {
public:
    explicit Generator(const Options& options) : _o(options), _seed(options.seed) {}

    std::vector<Frame> generate() {
        std::vector<Frame> frames;
        for (uint32_t k = 0; k < _o.aircraft; ++k)
            aircraft(k, frames);
        std::stable_sort(frames.begin(), frames.end(),
                         [](const Frame& a, const Frame& b) { return a.time < b.time; });
        return frames;
    }

private:
    uint32_t next() {
        _seed ^= _seed << 13;
        _seed ^= _seed >> 17;
        _seed ^= _seed << 5;
        return _seed;
    }
    double uniform() { return (next() >> 8) / 16777216.0; }
    bool chance(double p) { return uniform() < p; }

    // Damage and noise are drawn when a frame is emitted.
    void emit(std::vector<Frame>& out, Frame f, bool squitterFrame) {
        if (squitterFrame && _o.damaged > 0 && chance(_o.damaged)) {
            const unsigned count = 1 + next() % 3;
            Frame damaged = f;
            const unsigned span = _o.parityFieldErrors ? 112 : 88;
            for (unsigned i = 0; i < count; ++i)
                flip(damaged.bytes, 5 + next() % (span - 5));
            if (_o.parityFieldErrors || !parityFieldOnly(damaged))
                f = damaged;
        }
        out.push_back(f);
        if (_o.noise > 0 && chance(_o.noise)) {
            Frame n;
            n.time = f.time + next() % 500;
            n.size = chance(0.5) ? 14 : 7;
            for (unsigned i = 0; i < n.size; ++i)
                n.bytes[i] = static_cast<uint8_t>(next());
            if (chance(0.5))
                n.bytes[0] = static_cast<uint8_t>(0x88 | (next() & 7));  // looks like a DF17
            if (n.bytes[0] >= 0x80)
                n.size = 14;
            if (_o.parityFieldErrors || !parityFieldOnly(n))
                out.push_back(n);
        }
    }

    // A long reply whose syndrome is a single parity-field bit.
    static bool parityFieldOnly(const Frame& f) {
        if (f.size != 14)
            return false;
        const uint32_t received =
            uint32_t(f.bytes[11]) << 16 | uint32_t(f.bytes[12]) << 8 | f.bytes[13];
        const uint32_t syndrome = parity::compute(f.bytes, 14, 112) ^ received;
        return syndrome != 0 && (syndrome & (syndrome - 1)) == 0;
    }

    void aircraft(uint32_t k, std::vector<Frame>& out) {
        const uint32_t address = (_o.firstAddress + k * 7919u) & 0xFFFFFF;
        const uint64_t start = _o.startMs + uint64_t(k) * _o.arrivalMs + next() % 97;
        const uint64_t end = start + uint64_t(_o.heardSeconds) * 1000;
        const bool onGround = _o.surface && k % 8 == 3;
        const bool gnss = _o.gnss && k % 5 == 2;
        const unsigned version = _o.squitterVariety ? k % 3 : 0;
        // Start somewhere within the radius, fly straight at a steady speed and level.
        const double bearing = uniform() * 2 * M_PI;
        const double range = (onGround ? 0.1 : 1.0) * _o.radiusNM * std::sqrt(uniform());
        double lat = _o.centerLat + range * std::cos(bearing) / 60.0;
        double lon = _o.centerLon +
                     range * std::sin(bearing) / (60.0 * std::cos(_o.centerLat * M_PI / 180));
        const double track = uniform() * 360.0;
        const double speed = onGround ? 3 + uniform() * 25 : 250 + uniform() * 250;  // kt
        const int altitude = 3000 + int(next() % 1400) * 25;
        const int climb = int(next() % 41) - 20;  // in steps of 64 ft/min
        const bool noVerticalRate = _o.velocityGaps && k % 4 == 1;
        const std::string callsign = "TST" + std::to_string(k % 100000);
        const uint8_t df17 = 0x8D;
        bool odd = next() & 1;
        bool confirmed = false;

        for (uint64_t t = start; t < end; t += 500 + next() % 21) {
            const double hours = (t - start) / 3600000.0;
            const double dn = speed * hours * std::cos(track * M_PI / 180);
            const double de = speed * hours * std::sin(track * M_PI / 180);
            const double plat = lat + dn / 60.0;
            const double plon = lon + de / (60.0 * std::cos(plat * M_PI / 180));
            const uint64_t tick = (t - start) / 500;
            // Climbing or descending at the rate the velocity messages report; now and then
            // an altitude reply off by 1000 ft, as a garbled Mode C would be.
            const int level = altitude + int(int64_t(t - start) * climb * 64 / 60000);
            if (onGround) {
                emit(out,
                     squitter(t, df17, address,
                              meSurfacePosition(6 + k % 3, movementCode(speed), true,
                                                unsigned(track * 128 / 360) & 0x7F, odd,
                                                cprenc::encodeSurface(plat, plon, odd))),
                     true);
            } else {
                const unsigned tc = gnss ? 20 + k % 3 : 9 + k % 10;
                // A report from somewhere else under this address, as from a second aircraft
                // with the same address or an error the parity did not catch.
                double rlat = plat, rlon = plon;
                if (_o.mismatched > 0 && chance(_o.mismatched)) {
                    rlat += (uniform() - 0.5) * 8;
                    rlon += (uniform() - 0.5) * 8;
                }
                emit(out,
                     squitter(t, df17, address,
                              meAirbornePosition(tc, level, odd,
                                                 cprenc::encodeAirborne(rlat, rlon, odd),
                                                 version == 2 && (k & 8))),
                     true);
                const double east = speed * std::sin(track * M_PI / 180);
                const double north = speed * std::cos(track * M_PI / 180);
                unsigned vEW = unsigned(std::lround(std::fabs(east))) + 1;
                const unsigned vNS = unsigned(std::lround(std::fabs(north))) + 1;
                if (_o.velocityGaps && k % 6 == 5 && tick % 4 == 0)
                    vEW = 0;
                const unsigned vr = noVerticalRate ? 0 : unsigned(std::abs(climb)) + 1;
                emit(out,
                     squitter(t + 250, df17, address,
                              meVelocity(1, east < 0, vEW, north < 0, vNS, k % 2 == 0, climb < 0,
                                         vr, k % 5)),
                     true);
            }
            confirmed = true;
            odd = !odd;
            if (tick % 10 == 3)
                emit(out, squitter(t + 120, df17, address, meIdentification(4 - k % 4, k % 8, callsign)),
                     true);
            if (_o.squitterVariety && tick % 5 == 1 && version > 0)
                emit(out, squitter(t + 60, df17, address, meOperationalStatus(version, k & 16)),
                     true);
            if (_o.squitterVariety && tick % 40 == 7)
                variety(out, t + 30, address, k, tick);
            if (_o.modeS && confirmed)
                modeS(out, t + 170, address, tick % 53 == 11 ? level + 1000 : level, k, tick);
        }
    }

    void variety(std::vector<Frame>& out, uint64_t t, uint32_t address, uint32_t k,
                 uint64_t tick) {
        switch ((k + tick / 40) % 7) {
            case 0:
                emit(out, squitter(t, 0x8D, address, meAircraftStatus(1, k % 8, next() & 0x1FBF)),
                     true);
                break;
            case 1:
                emit(out, squitter(t, 0x8D, address, meTargetState(k % 2, k % 12, 1, 3)), true);
                break;
            case 2: {
                ME test;
                put(test.bytes, 0, 4, 23);
                put(test.bytes, 8, 39, next());
                emit(out, squitter(t, 0x8D, address, test), true);
                break;
            }
            case 3: {
                ME reserved;
                put(reserved.bytes, 0, 4, 24 + k % 4);
                emit(out, squitter(t, 0x8D, address, reserved), true);
                break;
            }
            case 4:
                emit(out, squitter(t, 0x90, address, meOperationalStatus(2, true)), true);  // DF18
                break;
            case 5:
                emit(out, squitter(t, 0x98, address, meOperationalStatus(2, false)), true);  // DF19
                break;
            default:
                emit(out, squitter(t, 0x8D, address, meOperationalStatus(k % 8 == 6 ? 5 : 0, false)),
                     true);
                break;
        }
    }

    // Replies to ground interrogators of an aircraft already heard in a squitter.
    void modeS(std::vector<Frame>& out, uint64_t t, uint32_t address, int altitude, uint32_t k,
               uint64_t tick) {
        const unsigned fs = tick % 97 == 5 ? unsigned(next() % 6) : 0;
        const uint32_t identity = (k * 2654435761u >> 7) & 0x1FBF;  // 13 bits, X clear
        switch (tick % 4) {
            case 0:
                emit(out, addressParityReply(t, 4, fs << 24 | altitudeCode(altitude), address),
                     false);
                break;
            case 1:
                emit(out, addressParityReply(t, 20, fs << 24 | altitudeCode(altitude), address,
                                             uint64_t(next()) << 24 | next()),
                     false);
                break;
            case 2:
                emit(out, allCallReply(t, address, 5, tick % 8 == 2 ? 0 : 3), false);
                break;
            default:
                emit(out, addressParityReply(t, tick % 8 == 3 ? 5 : 21, fs << 24 | identity,
                                             address, uint64_t(next()) << 16),
                     false);
                break;
        }
        if (tick % 16 == 9)
            emit(out, addressParityReply(t + 40, tick % 32 == 9 ? 0 : 16, altitudeCode(altitude),
                                         address, uint64_t(next()) << 8),
                 false);
    }

    Options _o;
    uint32_t _seed;
};

inline std::vector<Frame> generate(const Options& options) {
    return Generator(options).generate();
}

}  // namespace traffic
}  // namespace modes
}  // namespace brannic

#endif  // MODES_TESTS_TRAFFICGENERATOR_H
