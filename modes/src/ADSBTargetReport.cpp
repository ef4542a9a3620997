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
    _callsign.setValue(value);
    _callsign.setValid(!value.empty());
}

void ADSBTargetReport::setEmitterCategory(uint8_t value) {
    _emitterCategory.setValue(value);
    _emitterCategory.setValid(true);
}

void ADSBTargetReport::setSquawk(uint32_t value) {
    _squawk.setValue(value);
    _squawk.setValid(value >= 1 && value <= 4095);
}

void ADSBTargetReport::setPosition(double latitude, double longitude) {
    _position.setValue({latitude, longitude});
    // Comparisons with NaN are false, so NaN never makes a valid position.
    _position.setValid(latitude >= -90.0 && latitude <= 90.0 && longitude >= -180.0 &&
                       longitude <= 180.0);
}

void ADSBTargetReport::setSignalAmplitude(uint8_t value) {
    _signalAmplitude.setValue(value);
    _signalAmplitude.setValid(value != 0);
}

void ADSBTargetReport::setAltitudeBaro(int32_t value) {
    _altitudeBaro.setValue(value);
    _altitudeBaro.setValid(true);
}

void ADSBTargetReport::setAltitudeGeo(int32_t value) {
    _altitudeGeo.setValue(value);
    _altitudeGeo.setValid(true);
}

void ADSBTargetReport::setGroundSpeed(double value) {
    _groundSpeed.setValue(value);
    _groundSpeed.setValid(true);
}

void ADSBTargetReport::setHeading(double value) {
    _heading.setValue(value);
    _heading.setValid(true);
}

void ADSBTargetReport::setVerticalRateBaro(int32_t value) {
    _verticalRateBaro.setValue(value);
    _verticalRateBaro.setValid(true);
}

void ADSBTargetReport::setGroundStatus(bool value) {
    _groundStatus.setValue(value);
    _groundStatus.setValid(true);
}

std::string ADSBTargetReport::icaoAddressString() const {
    return _icaoAddressValid ? format("%6.2X", _icaoAddress) : std::string();
}

std::string ADSBTargetReport::squawkString() const {
    return format("%04o", squawk());
}

std::string ADSBTargetReport::latitudeString() const {
    return sexagesimal(latitude(), 2, 'N', 'S');
}

std::string ADSBTargetReport::longitudeString() const {
    return sexagesimal(longitude(), 3, 'E', 'W');
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
        {"Callsign", b(callsignValid()), shown(callsignValid(), callsign()), t(callsignLastChange()),
         t(callsignLastUpdate())});
    row(html, "td",
        {"Squawk", b(squawkValid()), shown(squawkValid(), squawkString()), t(squawkLastChange()),
         t(squawkLastUpdate())});
    row(html, "td",
        {"Emitter Category", b(emitterCategoryValid()),
         shown(emitterCategoryValid(), format("%u", static_cast<unsigned>(emitterCategory()))),
         t(emitterCategoryLastChange()), t(emitterCategoryLastUpdate())});
    row(html, "td",
        {"Ground Status", b(groundStatusValid()),
         shown(groundStatusValid(), groundStatus() ? "GND" : "AIR"), t(groundStatusLastChange()),
         t(groundStatusLastUpdate())});
    row(html, "td",
        {"SPI", b(spiStatusValid()), shown(spiStatusValid(), spiStatus() ? "SPI" : "NO SPI"),
         t(spiStatusLastChange()), t(spiStatusLastUpdate())});
    row(html, "td",
        {"Alert Status", b(alertStatusValid()),
         shown(alertStatusValid(), alertStatus() ? "ALERT" : "NO ALERT"), t(alertStatusLastChange()),
         t(alertStatusLastUpdate())});
    // The version is always known: version 0 until an operational status says otherwise.
    row(html, "td",
        {"MOPS Version", b(true), mopsName(mopsVersion()), t(mopsVersionLastChange()),
         t(mopsVersionLastUpdate())});
    row(html, "td",
        {"MOPS Certainty ", b(true), _mopsVersionConfirmed ? "CONFIRMED" : "ASSUMED",
         t(mopsVersionLastChange()), t(mopsVersionLastUpdate())});
    html += "</table>\n";

    tableStart(html, "Tectical");
    row(html, "th", {"Item", "Valid", "Value", "Last Update"});
    row(html, "td",
        {"Position", b(positionValid()), shown(positionValid(), positionString()),
         t(positionLastUpdate())});
    row(html, "td",
        {"Latitude", b(positionValid()), shown(positionValid(), decimal(latitude())),
         t(positionLastUpdate())});
    row(html, "td",
        {"Longitude", b(positionValid()), shown(positionValid(), decimal(longitude())),
         t(positionLastUpdate())});
    row(html, "td",
        {"Braometric Altitude", b(altitudeBaroValid()),
         shown(altitudeBaroValid(), format("%d", altitudeBaro())), t(altitudeBaroLastUpdate())});
    row(html, "td",
        {"Geometric Altitude", b(altitudeGeoValid()),
         shown(altitudeGeoValid(), format("%d", altitudeGeo())), t(altitudeGeoLastUpdate())});
    row(html, "td",
        {"Ground Speed", b(groundSpeedValid()), shown(groundSpeedValid(), decimal(groundSpeed())),
         t(groundSpeedLastUpdate())});
    row(html, "td",
        {"Heading", b(headingValid()), shown(headingValid(), decimal(heading())),
         t(headingLastUpdate())});
    row(html, "td",
        {"Barometric Vertical Rate", b(verticalRateBaroValid()),
         shown(verticalRateBaroValid(), format("%d", verticalRateBaro())),
         t(verticalRateBaroLastUpdate())});
    row(html, "td",
        {"Signal Amplitude", b(signalAmplitudeValid()),
         shown(signalAmplitudeValid(), format("%u", static_cast<unsigned>(signalAmplitude()))),
         t(signalAmplitudeLastUpdate())});
    html += "</table>\n";

    tableStart(html, "Quality Indicators");
    row(html, "th", {"Item", "Valid", "Value", "Last Update", "Last Change"});
    const auto number = [](uint8_t v) { return format("%u", static_cast<unsigned>(v)); };
    row(html, "td",
        {"NUCp", b(nucpValid()), shown(nucpValid(), number(nucp())), t(nucpLastUpdate()),
         t(nucpLastChange())});
    row(html, "td",
        {"NUCr", b(nucrValid()), shown(nucrValid(), number(nucr())), t(nucrLastUpdate()),
         t(nucrLastChange())});
    row(html, "td",
        {"NIC", b(nicValid()), shown(nicValid(), number(nic())), t(nicLastUpdate()),
         t(nicLastChange())});
    // The supplements have no last change of their own.
    row(html, "td",
        {"NICsuppA", b(nicSuppAValid()), shown(nicSuppAValid(), b(nicSuppA())), t(nicSuppALastUpdate()),
         ""});
    row(html, "td",
        {"NICsuppB", b(nicSuppBValid()), shown(nicSuppBValid(), b(nicSuppB())), t(nicSuppBLastUpdate()),
         ""});
    row(html, "td",
        {"NICsuppC", b(nicSuppCValid()), shown(nicSuppCValid(), b(nicSuppC())), t(nicSuppCLastUpdate()),
         ""});
    row(html, "td",
        {"PIC", b(picValid()), shown(picValid(), number(pic())), t(picLastUpdate()),
         t(picLastChange())});
    row(html, "td",
        {"NACp", b(nacpValid()), shown(nacpValid(), number(nacp())), t(nacpLastUpdate()),
         t(nacpLastChange())});
    row(html, "td",
        {"SIL", b(silValid()), shown(silValid(), number(sil())), t(silLastUpdate()),
         t(silLastChange())});
    html += "</table>\n</body>\n</html>\n";
    return html;
}

// --- From a tracked target -------------------------------------------------------------------

ADSBTargetReport ADSBTarget::report() const {
    ADSBTargetReport r;
    r._trackId = _trackId;
    r._lastUpdate = _lastUpdate;
    r.setIcaoAddress(_icaoAddr);
    r._callsign = {_callsign, !_callsign.value().empty()};
    // Each value with the target's own validity.
    r._emitterCategory = {_emitterCategory, emitterCategoryValid()};
    r._squawk = {_squawk, squawkValid()};
    r._position = {_position, positionValid()};
    r._signalAmplitude = {_signalAmplitude, signalAmplitudeValid()};
    r._altitudeBaro = {_altitudeBaro, altitudeBaroValid()};
    r._altitudeGeo = {_altitudeGeo, altitudeGeoValid()};
    r._groundSpeed = {_groundSpeed, groundSpeedValid()};
    r._heading = {_heading, headingValid()};
    r._verticalRateBaro = {_verticalRateBaro, verticalRateBaroValid()};
    r._groundStatus.setValue(groundStatus() == ON_GROUND);
    r._groundStatus.setValid(groundStatusValid());
    r._groundStatus.setLastUpdate(groundStatusLastUpdate());
    r._groundStatus.setLastChange(groundStatusLastChange());
    r._spiStatus = {_spiStatus, spiStatusValid()};
    r._alertStatus = {_alertStatus, alertStatusValid()};
    r._mopsVersion = _mopsVersion;
    r._mopsVersionConfirmed = _mopsVersionConfirmed;
    r._nucp = {_nucp, nucpValid()};
    r._nucr = {_nucr, nucrValid()};
    r._nic = {_nic, nicValid()};
    r._nicSuppA = {_nicSupplementA, nicSupplementAValid()};
    r._nicSuppB = {_nicSupplementB, nicSupplementBValid()};
    r._nicSuppC = {_nicSupplementC, nicSupplementCValid()};
    r._pic = {_pic, picValid()};
    r._nacp = {_nacp, nacpValid()};
    r._sil = {_sil, silValid()};
    return r;
}

}  // namespace modes
}  // namespace brannic
