// CAT004: the safety-net message types, summaries and detail views of the category-specific
// items and of the subfields of its compound items.

#include <cstdio>

#include "Bits.h"
#include "Html.h"
#include "ItemCodec.h"
#include "SubfieldValues.h"
#include "cat004_text.h"

namespace ast {
namespace {

using K = SubfieldKind;

#define AIRCRAFT(item, n)                                                                    \
    {4##item##001, K::Text, "AI" #n, 0, 0, false, 0, 0, 0, ""},                              \
        {4##item##002, K::Octal, "M3" #n, 0, 0, false, 0, 0, 0, ""},                         \
        {4##item##005, K::Value, "TT" #n, 24, 0, false, 1.0 / 128, 0.0, 3, "S"},             \
        {4##item##006, K::Value, "DT" #n, 16, 0, false, 0.5, 0.0, 1, "M"},                   \
        {4##item##008, K::Callsign, "MS" #n, 0, 0, false, 0, 0, 0, ""},                      \
        {4##item##009, K::Value, "FP" #n, 27, 0, false, 1.0, 0.0, 0, ""},                    \
    {                                                                                        \
        4##item##010, K::Value, "CF" #n, 16, 0, false, 0.25, 0.0, 2, "FL"                    \
    }

// How the subfields carry their values, sorted by type; the others are shown as their bits.
// Layouts of the EUROCONTROL definition of CAT004.
const SubfieldValue VALUES[] = {
    {4100001, K::Callsign, "AN", 0, 0, false, 0, 0, 0, ""},
    {4100002, K::Text, "CAN", 0, 0, false, 0, 0, 0, ""},
    {4100003, K::Text, "RT1", 0, 0, false, 0, 0, 0, ""},
    {4100004, K::Text, "RT2", 0, 0, false, 0, 0, 0, ""},
    {4100005, K::Text, "SB", 0, 0, false, 0, 0, 0, ""},
    {4100006, K::Text, "G", 0, 0, false, 0, 0, 0, ""},
    {4120003, K::Value, "CP", 8, 0, false, 0.5, 0.0, 1, "%"},
    {4120004, K::Value, "CD", 24, 0, false, 1.0 / 128, 0.0, 3, "S"},
    AIRCRAFT(170, 1),
    AIRCRAFT(171, 2),
};
#undef AIRCRAFT

}  // namespace

AST_SUBFIELD_VALUE_TEXT(cat004)

}  // namespace ast

namespace {

namespace b = ast::bits;
namespace html = ast::html;
using ast::Text;

// Safety-net message types: code, identifier, name.
struct MessageType {
    uint32_t code;
    const char* id;
    const char* name;
};

const MessageType MESSAGE_TYPES[] = {
    {1, "ALIVE", "Alive Message"},
    {2, "RAMLD", "Route Adherence Monitor Longitudinal Deviation"},
    {3, "RAMHD", "Route Adherence Monitor Heading Deviation"},
    {4, "MSAW", "Minimum Safe Altitude Warning"},
    {5, "APW", "Area Proximity Warning"},
    {6, "CLAM", "Clearance Level Adherence Monitor"},
    {7, "STCA", "Short Term Conflict Alert"},
    {8, "APM", "Approach Path Monitor"},
    {9, "ALM", "RIMCAS Arrival / Landing Monitor"},
    {10, "WRA", "RIMCAS Arrival / Departure Wrong Runway Alert"},
    {11, "OTA", "RIMCAS Arrival / Departure Opposite Traffic Alert"},
    {12, "RDM", "RIMCAS Departure Monitor"},
    {13, "RCM", "RIMCAS Runway / Taxiway Crossing Monitor"},
    {14, "TSM", "RIMCAS Taxiway Separation Monitor"},
    {15, "UTMM", "RIMCAS Unauthorized Taxiway Movement Monitor"},
    {16, "SBOA", "RIMCAS Stop Bar Overrun Alert"},
    {17, "EOC", "End Of Conflict"},
    {18, "ACASRA", "ACAS Resolution Advisory"},
    {19, "NTCA", "Near Term Conflict Alert"},
    {20, "DBPSM", "Downlinked Barometric Pressure Setting Monitor"},
    {21, "SAM", "Speed Adherence Monitor"},
    {22, "OCAT", "Outside Controlled Airspace Tool"},
    {23, "VCD", "Vertical Conflict Detection"},
    {24, "VRAM", "Vertical Rate Adherence Monitor"},
    {25, "CHAM", "Cleared Heading Adherence Monitor"},
    {26, "DSAM", "Downlinked Selected Altitude Monitor"},
    {27, "HAM", "Holding Adherence Monitor"},
    {28, "VPM", "Vertical Path Monitor"},
    {29, "TTA", "RIMCAS Taxiway Traffic Alert"},
    {30, "CRA", "RIMCAS Arrival/Departure Close Runway Alert"},
    {31, "ASM", "RIMCAS Arrival/Departure Aircraft Separation Monitor"},
    {32, "IAVM", "RIMCAS ILS Area Violation Monitor"},
    {33, "FTD", "Final Target Distance Indicator"},
    {34, "ITD", "Initial Target Distance Indicator"},
    {35, "IIA", "Wake Vortex Indicator Infringement Alert"},
    {36, "SQW", "Sequence Warning"},
    {37, "CUW", "Catch Up Warning"},
    {97, "LTW", "Lost Track Warning"},
    {98, "HVI", "Holding Volume Infringement"},
    {99, "AIW", "Airspace Infringement Warning"},
    {201, "MRVA", "Minimum Radar Vectoring Altitude Infringement"},
};

const MessageType* messageType(uint32_t code) {
    for (const MessageType& type : MESSAGE_TYPES)
        if (type.code == code)
            return &type;
    return nullptr;
}

// I004/060: the functions of each octet, bit 8 down to bit 2 (EUROCONTROL CAT004 edition 1.12).
const char* const FUNCTIONS[6][7] = {
    {"MRVA", "RAMLD", "RAMHD", "MSAW", "APW", "CLAM", "STCA"},
    {"APM", "RIMCA", "ACASRA", "NTCA", "DG", "OF", "OL"},
    {"AIW", "PAIW", "OCAT", "SAM", "VCD", "CHAM", "DSAM"},
    {"DBPSMARR", "DBPSMDEP", "DBPSMTL", "VRAMCRM", "VRAMVTM", "VRAMVRM", "HAMHD"},
    {"HAMRD", "HAMVD", "HVI", "LTW", "VPM", "TTA", "CRA"},
    {"ASM", "IAVM", "FTD", "ITD", "IIA", "SQW", "CUW"},
};

}  // namespace

extern "C" {

const char* ast_snet_message_type_get_id(uint32_t code) {
    const MessageType* type = messageType(code);
    return type ? type->id : "UNDEFINED";
}

const char* ast_snet_message_type_get_name(uint32_t code) {
    const MessageType* type = messageType(code);
    return type ? type->name : ast_snet_message_type_get_id(code);
}

char* ast_dataitem_004_000_get_summary(char* buffer, size_t capacity, const ast_dataitem_t* item) {
    Text out(buffer, capacity);
    if (ast::sized(item, 1, 4000))
        out.printf("MSG_TYPE:%s", ast_snet_message_type_get_id(item->data[0]));
    return buffer;
}

char* ast_dataitem_004_000_get_detail_html(char* buffer, size_t capacity,
                                           const ast_dataitem_t* item) {
    if (!ast::sized(item, 1, 4000))
        return Text(buffer, capacity).buffer();
    html::FieldRow rows[2];
    html::setRow(rows[0], "Message Type", "%u (%s)", item->data[0],
                 ast_snet_message_type_get_id(item->data[0]));
    html::setRow(rows[1], "Name", "%s", ast_snet_message_type_get_name(item->data[0]));
    return html::fieldTable(buffer, capacity, "Message Type", rows);
}

char* ast_dataitem_004_040_get_summary(char* buffer, size_t capacity, const ast_dataitem_t* item) {
    Text out(buffer, capacity);
    const ast_dataitem_004_040_t f = ast_dataitem_004_040_decode(item);
    if (f.present)
        out.printf("ALERT_ID:%04d", static_cast<int>(f.alert_id));
    return buffer;
}

char* ast_dataitem_004_060_get_summary(char* buffer, size_t capacity, const ast_dataitem_t* item) {
    Text out(buffer, capacity);
    const ast_dataitem_004_060_t f = ast_dataitem_004_060_decode(item);
    if (f.present)
        out.printf("FUNCTIONS:%zd", static_cast<ssize_t>(f.count));
    return buffer;
}

char* ast_dataitem_004_060_get_detail_html(char* buffer, size_t capacity,
                                           const ast_dataitem_t* item) {
    Text out(buffer, capacity);
    const ast_dataitem_004_060_t f = ast_dataitem_004_060_decode(item);
    if (!f.present)
        return buffer;
    html::heading(out, "Safety Net Function & System Status");
    html::tableBegin(out);
    html::headerRow(out, "Octet", "Function", "Active", html::END_OF_ROW);
    for (uint32_t octet = 1; octet <= f.octets; ++octet)
        for (uint32_t k = 1; k <= 7; ++k) {
            char where[16];
            std::snprintf(where, sizeof where, "Octet[%u]", octet);
            const bool on = (f.functions >> ((octet - 1) * 7 + k - 1)) & 1u;
            html::dataRow(out, where, FUNCTIONS[octet - 1][k - 1], html::yesNo(on),
                          html::END_OF_ROW);
        }
    html::tableEnd(out);
    return buffer;
}

}  // extern "C"
