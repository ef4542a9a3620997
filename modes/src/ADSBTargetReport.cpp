#include <modes/ADSBTargetReport.h>

#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <ctime>
#include <initializer_list>

#include <modes/ADSBTarget.h>

namespace brannic {
namespace modes {

namespace {

std::string format(const char* fmt, ...) __attribute__((format(printf, 1, 2)));

std::string format(const char* fmt, ...) {
    char buffer[512];
    va_list args;
    va_start(args, fmt);
    const int n = std::vsnprintf(buffer, sizeof buffer, fmt, args);
    va_end(args);
    if (n < 0) {
        return std::string();
    }
    return std::string(buffer, static_cast<size_t>(n) < sizeof buffer ? n : sizeof buffer - 1);
}

std::string decimal(double value) {
    return format("%.6f", value);
}

// Degrees, minutes and rounded seconds of an angle, each printed as a zero-filled number; the
// degrees take `degreeDigits` digits. Seconds that round to 60 stay 60.
std::string sexagesimal(double angle, int degreeDigits, char positive, char negative) {
    if (!std::isfinite(angle)) {
        return std::string();
    }
    const double a = std::fabs(angle);
    const double degrees = std::floor(a);
    const double minutesAll = (a - degrees) * 60.0;
    const double minutes = std::floor(minutesAll);
    const double seconds = std::round((minutesAll - minutes) * 60.0);
    return format("%0*.0f%02.0f%02.0f%c", degreeDigits, degrees, minutes, seconds,
                  angle > 0 ? positive : negative);
}

// Text content and attribute values for HTML: the five characters with a meaning in markup.
std::string escape(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            case '\'':
                out += "&#39;";
                break;
            default:
                out += c;
        }
    }
    return out;
}

// The style element holds raw text that only "</" can end early; CSS reads "<\/" as "</".
std::string styleText(const std::string& css) {
    std::string out;
    out.reserve(css.size());
    for (size_t i = 0; i < css.size(); ++i) {
        out += css[i];
        if (css[i] == '<' && i + 1 < css.size() && css[i + 1] == '/') {
            out += '\\';
        }
    }
    return out;
}

// One table row; each cell is escaped.
void row(std::string& html, const char* cell, std::initializer_list<std::string> cells) {
    html += "<tr>";
    for (const std::string& text : cells) {
        html += '<';
        html += cell;
        html += '>';
        html += escape(text);
        html += "</";
        html += cell;
        html += '>';
    }
    html += "</tr>\n";
}

void tableStart(std::string& html, const char* title) {
    html += "<h2>";
    html += title;
    html += "</h2>\n<table border=\"1\" cellspacing=\"0\" class=\"general_table\">\n";
}

// Value cell: empty when the item is not valid.
std::string shown(bool valid, const std::string& value) {
    return valid ? value : std::string();
}

const char* mopsName(MOPSVersion version) {
    switch (version) {
        case MOPS_V0:
            return "MOPS V0";
        case MOPS_V1:
            return "MOPS V1";
        case MOPS_V2:
            return "MOPS V2";
        default:
            return "UNKNOWN";
    }
}

}  // namespace

ADSBTargetReport::ADSBTargetReport() = default;

ADSBTargetReport::~ADSBTargetReport() = default;

void ADSBTargetReport::setIcaoAddress(uint32_t address) {
    _icaoAddress = address;
    _icaoAddressValid = address != 0;
}

void ADSBTargetReport::setCallsign(const std::string& value) {
    _callsign = value;
    _callsignValid = !value.empty();
}

void ADSBTargetReport::setEmitterCategory(uint8_t value) {
    _emitterCategory = value;
    _emitterCategoryValid = true;
}

void ADSBTargetReport::setSquawk(uint32_t value) {
    _squawk = value;
    _squawkValid = value >= 1 && value <= 4095;
}

void ADSBTargetReport::setPosition(double latitude, double longitude) {
    _latitude = latitude;
    _longitude = longitude;
    // Comparisons with NaN are false, so NaN never makes a valid position.
    _positionValid =
        latitude >= -90.0 && latitude <= 90.0 && longitude >= -180.0 && longitude <= 180.0;
}

void ADSBTargetReport::setSignalAmplitude(uint8_t value) {
    _signalAmplitude = value;
    _signalAmplitudeValid = value != 0;
}

void ADSBTargetReport::setAltitudeBaro(int32_t value) {
    _altitudeBaro = value;
    _altitudeBaroValid = true;
}

void ADSBTargetReport::setGroundSpeed(double value) {
    _groundSpeed = value;
    _groundSpeedValid = true;
}

void ADSBTargetReport::setHeading(double value) {
    _heading = value;
    _headingValid = true;
}

void ADSBTargetReport::setVerticalRateBaro(int32_t value) {
    _verticalRateBaro = value;
    _verticalRateBaroValid = true;
}

void ADSBTargetReport::setGroundStatus(bool value) {
    _groundStatus = value;
    _groundStatusValid = true;
}

std::string ADSBTargetReport::icaoAddressString() const {
    return _icaoAddressValid ? format("%6.2X", _icaoAddress) : std::string();
}

std::string ADSBTargetReport::squawkString() const {
    return format("%04o", _squawk);
}

std::string ADSBTargetReport::latitudeString() const {
    return sexagesimal(_latitude, 2, 'N', 'S');
}

std::string ADSBTargetReport::longitudeString() const {
    return sexagesimal(_longitude, 3, 'E', 'W');
}

std::string ADSBTargetReport::positionString() const {
    return latitudeString() + longitudeString();
}

std::string ADSBTargetReport::timeToString(uint64_t time) {
    if (time == 0) {
        return std::string();
    }
    const std::time_t seconds = static_cast<std::time_t>(time / 1000);
    std::tm utc{};
    if (gmtime_r(&seconds, &utc) == nullptr) {
        return std::string();
    }
    return format("%04d-%02d-%02dT%02d:%02d:%02d.%03uZ", utc.tm_year + 1900, utc.tm_mon + 1,
                  utc.tm_mday, utc.tm_hour, utc.tm_min, utc.tm_sec,
                  static_cast<unsigned>(time % 1000));
}

std::string ADSBTargetReport::boolToString(bool value) {
    return value ? "TRUE" : "FALSE";
}

std::string ADSBTargetReport::toHtml(const std::string& css) const {
    const auto t = &ADSBTargetReport::timeToString;
    const auto b = &ADSBTargetReport::boolToString;
    std::string html;
    html.reserve(8192 + css.size());
    html += "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<title>ADS-B Target Report</title>\n";
    html += "<style type=\"text/css\">\n";
    html += styleText(css);
    html += "\n</style>\n</head>\n<body>\n<h1>ADS-B Target Report</h1>\n";

    tableStart(html, "Identification");
    row(html, "th", {"Item", "Valid", "Value", "Last Update"});
    row(html, "td",
        {"Track Number", b(valid()), shown(valid(), format("%u", _trackId)), t(_lastUpdate)});
    row(html, "td",
        {"ICAO Address", b(_icaoAddressValid), shown(_icaoAddressValid, icaoAddressString()),
         t(_lastUpdate)});
    html += "</table>\n";

    tableStart(html, "Static");
    row(html, "th", {"Item", "Valid", "Value", "Last Change", "Last Update"});
    row(html, "td",
        {"Callsign", b(_callsignValid), shown(_callsignValid, _callsign), t(_callsignLastChange),
         t(_callsignLastUpdate)});
    row(html, "td",
        {"Squawk", b(_squawkValid), shown(_squawkValid, squawkString()), t(_squawkLastChange),
         t(_squawkLastUpdate)});
    row(html, "td",
        {"Emitter Category", b(_emitterCategoryValid),
         shown(_emitterCategoryValid, format("%u", static_cast<unsigned>(_emitterCategory))),
         t(_emitterCategoryLastChange), t(_emitterCategoryLastUpdate)});
    row(html, "td",
        {"Ground Status", b(_groundStatusValid),
         shown(_groundStatusValid, _groundStatus ? "GND" : "AIR"), t(_groundStatusLastChange),
         t(_groundStatusLastUpdate)});
    row(html, "td",
        {"SPI", b(_spiStatusValid), shown(_spiStatusValid, _spiStatus ? "SPI" : "NO SPI"),
         t(_spiStatusLastChange), t(_spiStatusLastUpdate)});
    row(html, "td",
        {"Alert Status", b(_alertStatusValid),
         shown(_alertStatusValid, _alertStatus ? "ALERT" : "NO ALERT"), t(_alertStatusLastChange),
         t(_alertStatusLastUpdate)});
    // The version is always known: version 0 until an operational status says otherwise.
    row(html, "td",
        {"MOPS Version", b(true), mopsName(_mopsVersion), t(_mopsVersionLastChange),
         t(_mopsVersionLastUpdate)});
    row(html, "td",
        {"MOPS Certainty ", b(true), _mopsVersionConfirmed ? "CONFIRMED" : "ASSUMED",
         t(_mopsVersionLastChange), t(_mopsVersionLastUpdate)});
    html += "</table>\n";

    tableStart(html, "Tectical");
    row(html, "th", {"Item", "Valid", "Value", "Last Update"});
    row(html, "td",
        {"Position", b(_positionValid), shown(_positionValid, positionString()),
         t(_positionLastUpdate)});
    row(html, "td",
        {"Latitude", b(_positionValid), shown(_positionValid, decimal(_latitude)),
         t(_positionLastUpdate)});
    row(html, "td",
        {"Longitude", b(_positionValid), shown(_positionValid, decimal(_longitude)),
         t(_positionLastUpdate)});
    row(html, "td",
        {"Braometric Altitude", b(_altitudeBaroValid),
         shown(_altitudeBaroValid, format("%d", _altitudeBaro)), t(_altitudeBaroLastUpdate)});
    row(html, "td",
        {"Ground Speed", b(_groundSpeedValid), shown(_groundSpeedValid, decimal(_groundSpeed)),
         t(_groundSpeedLastUpdate)});
    row(html, "td",
        {"Heading", b(_headingValid), shown(_headingValid, decimal(_heading)),
         t(_headingLastUpdate)});
    row(html, "td",
        {"Barometric Vertical Rate", b(_verticalRateBaroValid),
         shown(_verticalRateBaroValid, format("%d", _verticalRateBaro)),
         t(_verticalRateBaroLastUpdate)});
    row(html, "td",
        {"Signal Amplitude", b(_signalAmplitudeValid),
         shown(_signalAmplitudeValid, format("%u", static_cast<unsigned>(_signalAmplitude))),
         t(_signalAmplitudeLastUpdate)});
    html += "</table>\n";

    tableStart(html, "Quality Indicators");
    row(html, "th", {"Item", "Valid", "Value", "Last Update", "Last Change"});
    const auto number = [](uint8_t v) { return format("%u", static_cast<unsigned>(v)); };
    row(html, "td",
        {"NUCp", b(_nucpValid), shown(_nucpValid, number(_nucp)), t(_nucpLastUpdate),
         t(_nucpLastChange)});
    row(html, "td",
        {"NUCr", b(_nucrValid), shown(_nucrValid, number(_nucr)), t(_nucrLastUpdate),
         t(_nucrLastChange)});
    row(html, "td",
        {"NIC", b(_nicValid), shown(_nicValid, number(_nic)), t(_nicLastUpdate),
         t(_nicLastChange)});
    // The supplements have no last change of their own.
    row(html, "td",
        {"NICsuppA", b(_nicSuppAValid), shown(_nicSuppAValid, b(_nicSuppA)), t(_nicSuppALastUpdate),
         ""});
    row(html, "td",
        {"NICsuppB", b(_nicSuppBValid), shown(_nicSuppBValid, b(_nicSuppB)), t(_nicSuppBLastUpdate),
         ""});
    row(html, "td",
        {"NICsuppC", b(_nicSuppCValid), shown(_nicSuppCValid, b(_nicSuppC)), t(_nicSuppCLastUpdate),
         ""});
    row(html, "td",
        {"PIC", b(_picValid), shown(_picValid, number(_pic)), t(_picLastUpdate),
         t(_picLastChange)});
    row(html, "td",
        {"NACp", b(_nacpValid), shown(_nacpValid, number(_nacp)), t(_nacpLastUpdate),
         t(_nacpLastChange)});
    row(html, "td",
        {"SIL", b(_silValid), shown(_silValid, number(_sil)), t(_silLastUpdate),
         t(_silLastChange)});
    html += "</table>\n</body>\n</html>\n";
    return html;
}

// --- From a tracked target -------------------------------------------------------------------

ADSBTargetReport ADSBTarget::report() const {
    ADSBTargetReport r;
    r.setTrackId(_trackId);
    r.setLastUpdate(_lastUpdate);
    r.setIcaoAddress(_icaoAddr);
    r.setCallsign(_callsign);
    r.setCallsignLastUpdate(_callsignLastUpdate);
    r.setCallsignLastChange(_callsignLastChange);

    // Each value: the setter, then the target's own validity, which overrides the setter's.
    r.setEmitterCategory(_emitterCategory);
    r.setEmitterCategoryValid(emitterCategoryValid());
    r.setEmitterCategoryLastUpdate(_emitterCategoryLastUpdate);
    r.setEmitterCategoryLastChange(_emitterCategoryLastChange);

    r.setSquawk(_squawk);
    r.setSquawkValid(squawkValid());
    r.setSquawkLastUpdate(_squawkLastUpdate);
    r.setSquawkLastChange(_squawkLastChange);

    r.setPosition(_latitude, _longitude);
    r.setPositionValid(positionValid());
    r.setPositionLastUpdate(_positionLastUpdate);

    r.setSignalAmplitude(_signalAmplitude);
    r.setSignalAmplitudeValid(signalAmplitudeValid());
    r.setSignalAmplitudeLastUpdate(_signalAmplitudeLastUpdate);

    r.setAltitudeBaro(_altitudeBaro);
    r.setAltitudeBaroValid(altitudeBaroValid());
    r.setAltitudeBaroLastUpdate(_altitudeBaroLastUpdate);

    r.setGroundSpeed(_groundSpeed);
    r.setGroundSpeedValid(groundSpeedValid());
    r.setGroundSpeedLastUpdate(_groundSpeedLastUpdate);

    r.setHeading(_heading);
    r.setHeadingValid(headingValid());
    r.setHeadingLastUpdate(_headingLastUpdate);

    r.setVerticalRateBaro(_verticalRateBaro);
    r.setVerticalRateBaroValid(verticalRateBaroValid());
    r.setVerticalRateBaroLastUpdate(_verticalRateBaroLastUpdate);

    r.setGroundStatus(_groundStatus == ON_GROUND);
    r.setGroundStatusValid(groundStatusValid());
    r.setGroundStatusLastUpdate(_groundStatusLastUpdate);
    r.setGroundStatusLastChange(_groundStatusLastChange);

    r.setSpiStatus(_spiStatus);
    r.setSpiStatusValid(spiStatusValid());
    r.setSpiStatusLastUpdate(_spiStatusLastUpdate);
    r.setSpiStatusLastChange(_spiStatusLastChange);

    r.setAlertStatus(_alertStatus);
    r.setAlertStatusValid(alertStatusValid());
    r.setAlertStatusLastUpdate(_alertStatusLastUpdate);
    r.setAlertStatusLastChange(_alertStatusLastChange);

    r.setMopsVersion(_mopsVersion);
    r.setMopsVersionConfirmed(_mopsVersionConfirmed);
    r.setMopsVersionLastUpdate(_mopsVersionLastUpdate);
    r.setMopsVersionLastChange(_mopsVersionLastChange);

    r.setNUCp(_nucp);
    r.setNUCpValid(nucpValid());
    r.setNUCpLastUpdate(_nucpLastUpdate);
    r.setNUCpLastChange(_nucpLastChange);

    r.setNUCr(_nucr);
    r.setNUCrValid(nucrValid());
    r.setNUCrLastUpdate(_nucrLastUpdate);
    r.setNUCrLastChange(_nucrLastChange);

    r.setNIC(_nic);
    r.setNICValid(nicValid());
    r.setNICLastUpdate(_nicLastUpdate);
    r.setNICLastChange(_nicLastChange);

    r.setNICSuppA(_nicSupplementA);
    r.setNICSuppAValid(nicSupplementAValid());
    r.setNICSuppALastUpdate(_nicSuppALastUpdate);
    r.setNICSuppB(_nicSupplementB);
    r.setNICSuppBValid(nicSupplementBValid());
    r.setNICSuppBLastUpdate(_nicSuppBLastUpdate);
    r.setNICSuppC(_nicSupplementC);
    r.setNICSuppCValid(nicSupplementCValid());
    r.setNICSuppCLastUpdate(_nicSuppCLastUpdate);

    r.setPIC(_pic);
    r.setPICValid(picValid());
    r.setPICLastUpdate(_picLastUpdate);
    r.setPICLastChange(_picLastChange);

    r.setNACp(_nacp);
    r.setNACpValid(nacpValid());
    r.setNACpLastUpdate(_nacpLastUpdate);
    r.setNACpLastChange(_nacpLastChange);

    r.setSIL(_sil);
    r.setSILValid(silValid());
    r.setSILLastUpdate(_silLastUpdate);
    r.setSILLastChange(_silLastChange);
    return r;
}

}  // namespace modes
}  // namespace brannic
