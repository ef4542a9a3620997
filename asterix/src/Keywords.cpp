// Keywords: the common surveillance values of a record by name, formatted for display and
// matched against what a user types to search or filter records.

#include <cmath>
#include <cstdlib>

#include "Frame.h"

namespace {

using ast::Text;

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

const char* skipBlanks(const char* text) {
    while (isBlank(*text))
        ++text;
    return text;
}

// A whole number typed by a user in `base` (leading blanks and a sign allowed, only blanks
// behind it); false when the text holds no such number.
bool parseInteger(const char* text, int base, long long* value) {
    char* end = nullptr;
    *value = std::strtoll(text, &end, base);
    return end != text && *skipBlanks(end) == '\0';
}

// ---- formats: each writes the record's value and says whether the record carries it -------

bool formatSacsic(Text& out, const ast_datarecord_t* record) {
    const ast_record_sacsic_t r = ast_datarecord_get_sacsic(record);
    if (r.valid)
        out.printf("%.3u/%.3u", r.sac, r.sic);
    return r.valid;
}

bool formatTime(Text& out, const ast_datarecord_t* record) {
    const ast_record_timeofday_t r = ast_datarecord_get_timeofday(record);
    if (r.valid)
        out.printf("%02u:%02u:%02u.%03u", r.hours, r.minutes, r.seconds, r.milliseconds);
    return r.valid;
}

// Message types by their ast_message_type value.
const char* const MESSAGE_TYPES[] = {nullptr, "North", "Sector", "Plot", "Track", "ADS-B", "Mlat"};

bool formatType(Text& out, const ast_datarecord_t* record) {
    const ast_record_msgtype_t r = ast_datarecord_get_msgtype(record);
    if (r.valid && r.type >= 1 && r.type <= 6)
        out.append(MESSAGE_TYPES[r.type]);
    return r.valid;
}

bool formatTrack(Text& out, const ast_datarecord_t* record) {
    const ast_record_tracknum_t r = ast_datarecord_get_tracknum(record);
    if (r.valid)
        out.printf("%.4u", r.number);
    return r.valid;
}

bool formatSquawk(Text& out, const ast_datarecord_t* record) {
    const ast_record_squawk_t r = ast_datarecord_get_squawk(record);
    if (r.valid)
        out.printf("%.4o", r.code);
    return r.valid;
}

bool formatLevel(Text& out, const ast_datarecord_t* record) {
    const ast_record_flightlevel_t r = ast_datarecord_get_flightlevel(record);
    if (r.valid)
        out.printf("%04.2f", r.level);
    return r.valid;
}

// Identifications are blank-padded to eight characters on the air; the padding is not shown.
bool formatCallsign(Text& out, const ast_datarecord_t* record) {
    const ast_record_callsign_t r = ast_datarecord_get_callsign(record);
    if (r.valid) {
        int length = 0;
        for (int i = 0; i < 8 && r.callsign[i]; ++i)
            if (!isBlank(r.callsign[i]))
                length = i + 1;
        out.printf("%.*s", length, r.callsign);
    }
    return r.valid;
}

bool formatAddress(Text& out, const ast_datarecord_t* record) {
    const ast_record_icaoaddr_t r = ast_datarecord_get_icaoaddr(record);
    if (r.valid)
        out.printf("%.6X", r.address);
    return r.valid;
}

bool formatPolar(Text& out, const ast_datarecord_t* record) {
    const ast_record_polarcoord_t r = ast_datarecord_get_polarcoord(record);
    if (r.valid)
        out.printf("R:%08.4f T:%06.2f", r.rho, r.theta);
    return r.valid;
}

bool formatWgs84(Text& out, const ast_datarecord_t* record) {
    const ast_record_coordinate_t r = ast_datarecord_get_coordinate(record);
    if (r.valid)
        out.printf("%.6f %.6f", r.latitude, r.longitude);
    return r.valid;
}

// Magnitude and direction, as far as the source item gives them.
void formatVelocity(Text& out, const ast_record_velocity_t& r) {
    if (r.speed_valid && r.heading_valid)
        out.printf("M:%06.2f T:%06.2f", r.speed, r.heading);
    else if (r.speed_valid)
        out.printf("M:%06.2f", r.speed);
    else if (r.heading_valid)
        out.printf("T:%06.2f", r.heading);
}

bool formatSpeed(Text& out, const ast_datarecord_t* record) {
    const ast_record_velocity_t r = ast_datarecord_get_speed(record);
    if (r.valid)
        formatVelocity(out, r);
    return r.valid;
}

bool formatHeading(Text& out, const ast_datarecord_t* record) {
    const ast_record_velocity_t r = ast_datarecord_get_heading(record);
    if (r.valid)
        formatVelocity(out, r);
    return r.valid;
}

// ---- matches ---------------------------------------------------------------------------------

// "SAC/SIC" compares both codes; a lone number compares the SAC, so that a user can pick every
// source of one area.
bool matchSacsic(const ast_datarecord_t* record, const char* text, bool) {
    const ast_record_sacsic_t r = ast_datarecord_get_sacsic(record);
    char* end = nullptr;
    const long long sac = std::strtoll(text, &end, 10);
    if (!r.valid || end == text)
        return false;
    const char* rest = skipBlanks(end);
    if (*rest == '\0')
        return sac == r.sac;
    if (*rest != '/')
        return false;
    long long sic;
    return parseInteger(rest + 1, 10, &sic) && sac == r.sac && sic == r.sic;
}

bool matchTrack(const ast_datarecord_t* record, const char* text, bool) {
    const ast_record_tracknum_t r = ast_datarecord_get_tracknum(record);
    long long number;
    return r.valid && parseInteger(text, 10, &number) && number == r.number;
}

bool matchSquawk(const ast_datarecord_t* record, const char* text, bool) {
    const ast_record_squawk_t r = ast_datarecord_get_squawk(record);
    long long code;
    return r.valid && parseInteger(text, 8, &code) && code == r.code;
}

bool matchAddress(const ast_datarecord_t* record, const char* text, bool) {
    const ast_record_icaoaddr_t r = ast_datarecord_get_icaoaddr(record);
    long long address;
    return r.valid && parseInteger(text, 16, &address) && address == r.address;
}

// Within half the finest step of a level (1/4 FL), so that "350" is FL 350.00 and not 350.25.
bool matchLevel(const ast_datarecord_t* record, const char* text, bool) {
    const ast_record_flightlevel_t r = ast_datarecord_get_flightlevel(record);
    char* end = nullptr;
    const double level = std::strtod(text, &end);
    return r.valid && end != text && *skipBlanks(end) == '\0' &&
           std::fabs(level - r.level) < 0.125;
}

bool matchCallsign(const ast_datarecord_t* record, const char* text, bool caseSensitive) {
    const ast_record_callsign_t r = ast_datarecord_get_callsign(record);
    return r.valid && ast_keyword_match(text, r.callsign, caseSensitive);
}

// The keywords in their order: name, format and match (nullptr: cannot be matched).
struct Keyword {
    const char* name;
    bool (*format)(Text& out, const ast_datarecord_t* record);
    bool (*match)(const ast_datarecord_t* record, const char* text, bool caseSensitive);
};

const Keyword KEYWORDS[AST_KEYWORD_COUNT] = {
    {"SAC/SIC", &formatSacsic, &matchSacsic},
    {"Time Stamp", &formatTime, nullptr},
    {"Type", &formatType, nullptr},
    {"Track Number", &formatTrack, &matchTrack},
    {"Mode 3/A", &formatSquawk, &matchSquawk},
    {"Flight Level", &formatLevel, &matchLevel},
    {"Callsign", &formatCallsign, &matchCallsign},
    {"ICAO Address", &formatAddress, &matchAddress},
    {"Polar Coordinates", &formatPolar, nullptr},
    {"WGS84 Coordinates", &formatWgs84, nullptr},
    {"Speed", &formatSpeed, nullptr},
    {"Heading", &formatHeading, nullptr},
};

const Keyword* keywordEntry(uint32_t keyword) {
    return keyword < AST_KEYWORD_COUNT ? &KEYWORDS[keyword] : nullptr;
}

char foldCase(char c, bool caseSensitive) {
    return !caseSensitive && c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

}  // namespace

extern "C" {

char* ast_keyword_to_str(char* buffer, size_t capacity, uint32_t keyword) {
    Text out(buffer, capacity);
    if (const Keyword* entry = keywordEntry(keyword))
        out.append(entry->name);
    return buffer;
}

char* ast_datarecord_get_keyword(char* buffer, size_t capacity, const ast_datarecord_t* record,
                                 uint32_t keyword) {
    Text out(buffer, capacity);
    if (const Keyword* entry = keywordEntry(keyword))
        entry->format(out, record);
    return buffer;
}

bool ast_datarecord_contain_keyword(const ast_datarecord_t* record, uint32_t keyword) {
    Text none(nullptr, 0);
    const Keyword* entry = keywordEntry(keyword);
    return entry && entry->format(none, record);
}

bool ast_datarecord_match_keyword(const ast_datarecord_t* record, uint32_t keyword,
                                  const char* text, bool case_sensitive) {
    const Keyword* entry = keywordEntry(keyword);
    return entry && entry->match && text && entry->match(record, text, case_sensitive);
}

bool ast_keyword_match(const char* pattern, const char* text, bool case_sensitive) {
    if (!pattern || !text)
        return false;
    pattern = skipBlanks(pattern);
    text = skipBlanks(text);
    for (; *pattern && !isBlank(*pattern); ++pattern, ++text) {
        if (!*text || foldCase(*pattern, case_sensitive) != foldCase(*text, case_sensitive))
            return false;
    }
    return *text == '\0' || isBlank(*text);
}

}  // extern "C"
