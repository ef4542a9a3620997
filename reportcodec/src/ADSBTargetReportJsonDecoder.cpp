#include <reportcodec/ADSBTargetReportJsonDecoder.h>

#include <cstdint>
#include <limits>

#include <rapidjson/document.h>
#include <rapidjson/reader.h>

#include <modes/Log.h>

namespace brannic {
namespace modes {

namespace {

const char* const kSource = "JSONDecoder";

// The iterative parser keeps its state on the heap instead of recursing, so a document nested
// a hundred thousand levels deep costs memory, not stack.
constexpr unsigned kParseFlags = rapidjson::kParseIterativeFlag;

int digitValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

// A string of exactly `length` digits in `base`, read as a number. Anything else (a sign,
// blanks, a "0x" prefix, a digit outside the base) is refused rather than read in part, so a
// damaged address or code is ignored instead of turning into another aircraft's.
bool readDigits(const rapidjson::Value& value, rapidjson::SizeType length, int base,
                uint32_t& out) {
    if (!value.IsString() || value.GetStringLength() != length) {
        return false;
    }
    const char* text = value.GetString();
    uint32_t number = 0;
    for (rapidjson::SizeType i = 0; i < length; ++i) {
        const int digit = digitValue(text[i]);
        if (digit < 0 || digit >= base) {
            return false;
        }
        number = number * static_cast<uint32_t>(base) + static_cast<uint32_t>(digit);
    }
    out = number;
    return true;
}

const rapidjson::Value* member(const rapidjson::Value& object, const char* name) {
    const auto it = object.FindMember(name);
    return it == object.MemberEnd() ? nullptr : &it->value;
}

// One array element: the members in the order uti, hex, fli, squ, lat/lon, alt, spd, trk,
// vrt, gda.
ADSBTargetReport decodeTarget(const rapidjson::Value& object) {
    ADSBTargetReport report;
    if (const auto* v = member(object, "uti")) {
        // Seconds; refused when the milliseconds would not fit in 64 bits.
        if (v->IsUint64() && v->GetUint64() <= std::numeric_limits<uint64_t>::max() / 1000) {
            report.setLastUpdate(v->GetUint64() * 1000);
        }
    }
    // Every value set validly below is as recent as the report itself.
    const uint64_t time = report.lastUpdate();

    uint32_t number = 0;
    if (const auto* v = member(object, "hex")) {
        if (readDigits(*v, 6, 16, number)) {
            report.setIcaoAddress(number);
        }
    }
    if (const auto* v = member(object, "fli")) {
        if (v->IsString() && v->GetStringLength() > 0) {
            report.setCallsign(std::string(v->GetString(), v->GetStringLength()));
            report.setCallsignLastUpdate(time);
            report.setCallsignLastChange(time);
        }
    }
    if (const auto* v = member(object, "squ")) {
        if (readDigits(*v, 4, 8, number)) {
            report.setSquawk(number);
            if (report.squawkValid()) {
                report.setSquawkLastUpdate(time);
                report.setSquawkLastChange(time);
            }
        }
    }
    const auto* lat = member(object, "lat");
    const auto* lon = member(object, "lon");
    if (lat != nullptr && lon != nullptr && lat->IsDouble() && lon->IsDouble()) {
        report.setPosition(lat->GetDouble(), lon->GetDouble());
        if (report.positionValid()) {
            report.setPositionLastUpdate(time);
        }
    }
    if (const auto* v = member(object, "alt")) {
        if (v->IsInt()) {
            report.setAltitudeBaro(v->GetInt());
            report.setAltitudeBaroLastUpdate(time);
        }
    }
    if (const auto* v = member(object, "spd")) {
        if (v->IsInt()) {
            report.setGroundSpeed(static_cast<double>(v->GetInt()));
            report.setGroundSpeedLastUpdate(time);
        }
    }
    if (const auto* v = member(object, "trk")) {
        if (v->IsInt()) {
            report.setHeading(static_cast<double>(v->GetInt()));
            report.setHeadingLastUpdate(time);
        }
    }
    if (const auto* v = member(object, "vrt")) {
        if (v->IsInt()) {
            report.setVerticalRateBaro(v->GetInt());
            report.setVerticalRateBaroLastUpdate(time);
        }
    }
    if (const auto* v = member(object, "gda")) {
        if (v->IsString()) {
            const std::string state(v->GetString(), v->GetStringLength());
            if (state == "A" || state == "G") {
                report.setGroundStatus(state == "G");
                report.setGroundStatusLastUpdate(time);
                report.setGroundStatusLastChange(time);
                Log::log(Log::DEBUG, kSource, "Ground status: %d", report.groundStatus() ? 1 : 0);
            }
        }
    }
    return report;
}

}  // namespace

ADSBTargetReportJsonDecoder::ADSBTargetReportJsonDecoder() {
    Log::log(Log::INFO, kSource, "Initialized.");
}

ADSBTargetReportJsonDecoder::~ADSBTargetReportJsonDecoder() = default;

std::vector<ADSBTargetReport> ADSBTargetReportJsonDecoder::decode(const std::string& text) const {
    std::vector<ADSBTargetReport> reports;
    rapidjson::Document document;
    document.Parse<kParseFlags>(text.data(), text.size());
    if (!document.HasParseError() && document.IsArray()) {
        for (const rapidjson::Value& element : document.GetArray()) {
            if (!element.IsObject()) {
                continue;
            }
            ADSBTargetReport report = decodeTarget(element);
            if (report.valid()) {
                reports.push_back(std::move(report));
            }
        }
    }
    Log::log(Log::DEBUG, kSource, "Decode %i target reports", static_cast<int>(reports.size()));
    return reports;
}

}  // namespace modes
}  // namespace brannic
