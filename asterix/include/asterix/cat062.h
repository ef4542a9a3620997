/* CAT062, SDPS system track data: the category-specific decoded forms, summaries and detail
 * views, the size rules and subfields of the compound items, the record form and the record
 * getters. Included by asterix.h. */
#ifndef ASTERIX_CAT062_H
#define ASTERIX_CAT062_H

#include <asterix/asterix.h>

#ifdef __cplusplus
extern "C" {
#endif

/* I062/080 track status, up to 6 octets; fields of absent extensions are 0. */
typedef struct ast_dataitem_062_080 {
    uint8_t present;
    uint32_t octets;
    uint8_t mon;  /* monosensor track */
    uint8_t spi;
    uint8_t mrh;  /* geometric altitude more reliable */
    uint32_t src; /* source of the calculated altitude of I062/130, 0 to 7 */
    uint8_t cnf;  /* tentative track */
    uint8_t sim, tse, tsb, fpc, aff, stp, kos;
    uint8_t ama;
    uint32_t md4;
    uint8_t me, mi;
    uint32_t md5;
    uint8_t cst, psr, ssr, mds, ads, suc, aac;
    uint32_t sds;
    uint32_t ems; /* emergency status, 0 none to 7 */
    uint8_t pft, fplt;
    uint8_t dupt, dupf, dupm, sfc, idd, iec;
} ast_dataitem_062_080_t;

/* I062/130 calculated track geometric altitude: 6.25 ft. */
typedef struct ast_dataitem_062_130 {
    uint8_t present;
    int32_t raw;
    double altitude; /* ft */
} ast_dataitem_062_130_t;

/* I062/135 calculated track barometric altitude: QNH correction and 15 bits of 1/4 FL. */
typedef struct ast_dataitem_062_135 {
    uint8_t present;
    uint8_t qnh;
    int32_t raw;
    double level; /* FL */
} ast_dataitem_062_135_t;

/* I062/136 measured flight level: 1/4 FL. */
typedef struct ast_dataitem_062_136 {
    uint8_t present;
    int32_t raw;
    double level; /* FL */
} ast_dataitem_062_136_t;

/* I062/200 mode of movement. */
typedef struct ast_dataitem_062_200 {
    uint8_t present;
    uint32_t trans; /* 0 constant course, 1 right turn, 2 left turn, 3 undetermined */
    uint32_t lon;   /* 0 constant speed, 1 increasing, 2 decreasing, 3 undetermined */
    uint32_t vert;  /* 0 level, 1 climb, 2 descent, 3 undetermined */
    uint8_t adf;    /* altitude discrepancy */
} ast_dataitem_062_200_t;

/* I062/210 calculated acceleration: 0.25 m/s^2 each. */
typedef struct ast_dataitem_062_210 {
    uint8_t present;
    int32_t ax_raw;
    int32_t ay_raw;
    double ax;
    double ay;
} ast_dataitem_062_210_t;

/* I062/220 calculated rate of climb/descent: 6.25 ft/min. */
typedef struct ast_dataitem_062_220 {
    uint8_t present;
    int32_t raw;
    double rate; /* ft/min */
} ast_dataitem_062_220_t;

/* I062/270 target size and orientation: length, then orientation and width when sent. */
typedef struct ast_dataitem_062_270 {
    uint8_t present;
    uint32_t octets;
    uint32_t length; /* m */
    uint32_t orientation_raw;
    double orientation; /* degrees, 360/128 */
    uint32_t width;     /* m */
} ast_dataitem_062_270_t;

enum { AST_MAX_COMPOSED_TRACKS = 16 };

/* I062/510 composed track number: the master track first, then the slave tracks. */
typedef struct ast_composed_track {
    uint32_t unit;  /* system unit identification */
    uint32_t track; /* system track number, 15 bits */
} ast_composed_track_t;

typedef struct ast_dataitem_062_510 {
    uint8_t present;
    uint32_t count;
    ast_composed_track_t tracks[AST_MAX_COMPOSED_TRACKS];
} ast_dataitem_062_510_t;

ASTERIX_EXPORT ast_dataitem_062_080_t ast_dataitem_062_080_decode(const ast_dataitem_t* item);
ASTERIX_EXPORT char* ast_dataitem_062_080_get_summary(char* buffer, size_t capacity,
                                                      const ast_dataitem_t* item);
ASTERIX_EXPORT char* ast_dataitem_062_080_get_detail_html(char* buffer, size_t capacity,
                                                          const ast_dataitem_t* item);
ASTERIX_EXPORT ast_dataitem_062_130_t ast_dataitem_062_130_decode(const ast_dataitem_t* item);
ASTERIX_EXPORT char* ast_dataitem_062_130_get_summary(char* buffer, size_t capacity,
                                                      const ast_dataitem_t* item);
ASTERIX_EXPORT char* ast_dataitem_062_130_get_detail_html(char* buffer, size_t capacity,
                                                          const ast_dataitem_t* item);
ASTERIX_EXPORT ast_dataitem_062_135_t ast_dataitem_062_135_decode(const ast_dataitem_t* item);
ASTERIX_EXPORT char* ast_dataitem_062_135_get_summary(char* buffer, size_t capacity,
                                                      const ast_dataitem_t* item);
ASTERIX_EXPORT char* ast_dataitem_062_135_get_detail_html(char* buffer, size_t capacity,
                                                          const ast_dataitem_t* item);
ASTERIX_EXPORT ast_dataitem_062_136_t ast_dataitem_062_136_decode(const ast_dataitem_t* item);
ASTERIX_EXPORT char* ast_dataitem_062_136_get_summary(char* buffer, size_t capacity,
                                                      const ast_dataitem_t* item);
ASTERIX_EXPORT char* ast_dataitem_062_136_get_detail_html(char* buffer, size_t capacity,
                                                          const ast_dataitem_t* item);
ASTERIX_EXPORT ast_dataitem_062_200_t ast_dataitem_062_200_decode(const ast_dataitem_t* item);
ASTERIX_EXPORT char* ast_dataitem_062_200_get_summary(char* buffer, size_t capacity,
                                                      const ast_dataitem_t* item);
ASTERIX_EXPORT char* ast_dataitem_062_200_get_detail_html(char* buffer, size_t capacity,
                                                          const ast_dataitem_t* item);
ASTERIX_EXPORT ast_dataitem_062_210_t ast_dataitem_062_210_decode(const ast_dataitem_t* item);
ASTERIX_EXPORT char* ast_dataitem_062_210_get_summary(char* buffer, size_t capacity,
                                                      const ast_dataitem_t* item);
ASTERIX_EXPORT char* ast_dataitem_062_210_get_detail_html(char* buffer, size_t capacity,
                                                          const ast_dataitem_t* item);
ASTERIX_EXPORT ast_dataitem_062_220_t ast_dataitem_062_220_decode(const ast_dataitem_t* item);
ASTERIX_EXPORT char* ast_dataitem_062_220_get_summary(char* buffer, size_t capacity,
                                                      const ast_dataitem_t* item);
ASTERIX_EXPORT char* ast_dataitem_062_220_get_detail_html(char* buffer, size_t capacity,
                                                          const ast_dataitem_t* item);
ASTERIX_EXPORT char* ast_dataitem_062_245_get_detail_html(char* buffer, size_t capacity,
                                                          const ast_dataitem_t* item);
ASTERIX_EXPORT ast_dataitem_062_270_t ast_dataitem_062_270_decode(const ast_dataitem_t* item);
ASTERIX_EXPORT char* ast_dataitem_062_270_get_summary(char* buffer, size_t capacity,
                                                      const ast_dataitem_t* item);
ASTERIX_EXPORT char* ast_dataitem_062_270_get_detail_html(char* buffer, size_t capacity,
                                                          const ast_dataitem_t* item);
/* More than AST_MAX_COMPOSED_TRACKS parts: present 0. */
ASTERIX_EXPORT ast_dataitem_062_510_t ast_dataitem_062_510_decode(const ast_dataitem_t* item);
ASTERIX_EXPORT char* ast_dataitem_062_510_get_summary(char* buffer, size_t capacity,
                                                      const ast_dataitem_t* item);
ASTERIX_EXPORT char* ast_dataitem_062_510_get_detail_html(char* buffer, size_t capacity,
                                                          const ast_dataitem_t* item);

/* Size rules: the compound items through their subfields; I062/510 three-octet parts, each
 * ending with an FX bit. */
ASTERIX_EXPORT uint64_t ast_dataitem_062_110_get_size(const uint8_t* data, uint64_t available);
ASTERIX_EXPORT uint64_t ast_dataitem_062_290_get_size(const uint8_t* data, uint64_t available);
ASTERIX_EXPORT uint64_t ast_dataitem_062_295_get_size(const uint8_t* data, uint64_t available);
ASTERIX_EXPORT uint64_t ast_dataitem_062_340_get_size(const uint8_t* data, uint64_t available);
ASTERIX_EXPORT uint64_t ast_dataitem_062_380_get_size(const uint8_t* data, uint64_t available);
ASTERIX_EXPORT uint64_t ast_dataitem_062_390_get_size(const uint8_t* data, uint64_t available);
ASTERIX_EXPORT uint64_t ast_dataitem_062_500_get_size(const uint8_t* data, uint64_t available);
ASTERIX_EXPORT uint64_t ast_dataitem_062_510_get_size(const uint8_t* data, uint64_t available);

/* Subfields of I062/110 (7), 290 (10), 295 (31), 340 (6), 380 (28), 390 (18) and 500 (8);
 * subfield type: item type x 1000 + index (62380002 is the target identification of I062/380).
 * Ages (I062/290, I062/295) are in 1/4 s, one octet each but the two octets of the ADS-C age. */
#ifndef AST_SUBFIELD_FAMILY_DECL
#define AST_SUBFIELD_FAMILY_DECL(cat, item)                                                     \
    ASTERIX_EXPORT const char* ast_subfield_##cat##_##item##_get_id(uint32_t subfield_type);    \
    ASTERIX_EXPORT const char* ast_subfield_##cat##_##item##_get_name(uint32_t subfield_type);  \
    ASTERIX_EXPORT uint64_t ast_subfield_##cat##_##item##_get_size(                             \
        const uint8_t* data, uint64_t available, uint32_t subfield_type);                       \
    ASTERIX_EXPORT char* ast_subfield_##cat##_##item##_get_summary(                             \
        char* buffer, size_t capacity, const ast_subfield_t* subfield);                         \
    ASTERIX_EXPORT char* ast_subfield_##cat##_##item##_get_detail_html(                         \
        char* buffer, size_t capacity, const ast_subfield_t* subfield);
#endif
AST_SUBFIELD_FAMILY_DECL(062, 110)
AST_SUBFIELD_FAMILY_DECL(062, 290)
AST_SUBFIELD_FAMILY_DECL(062, 295)
AST_SUBFIELD_FAMILY_DECL(062, 340)
AST_SUBFIELD_FAMILY_DECL(062, 380)
AST_SUBFIELD_FAMILY_DECL(062, 390)
AST_SUBFIELD_FAMILY_DECL(062, 500)

/* CAT062 record form, filled by disassembly (no assembly). */
typedef struct ast_cat062_record {
    uint8_t ok;
    ast_data_source_t i010;
    ast_one_octet_t i015;
    ast_track_number_t i040;
    ast_mode_3a_t i060;
    ast_time_of_day_t i070;
    ast_dataitem_062_080_t i080;
    ast_cartesian_position_t i100;
    ast_wgs84_position_t i105;
    ast_dataitem_062_130_t i130;
    ast_dataitem_062_135_t i135;
    ast_dataitem_062_136_t i136;
    ast_cartesian_velocity_t i185;
    ast_dataitem_062_200_t i200;
    ast_dataitem_062_210_t i210;
    ast_dataitem_062_220_t i220;
    ast_target_id_t i245;
} ast_cat062_record_t;

ASTERIX_EXPORT ast_cat062_record_t ast_datarecord_062_disassemble(const ast_datarecord_t* record);

/* Record getters. Message type: track (4). Callsign from I062/245, else the target
 * identification of I062/380; ICAO address from I062/380; coordinate from I062/105; flight
 * level from I062/136. */
ASTERIX_EXPORT ast_record_sacsic_t ast_datarecord_062_get_sacsic(const ast_datarecord_t* record);
ASTERIX_EXPORT ast_record_timeofday_t
ast_datarecord_062_get_timeofday(const ast_datarecord_t* record);
ASTERIX_EXPORT ast_record_msgtype_t ast_datarecord_062_get_msgtype(const ast_datarecord_t* record);
ASTERIX_EXPORT ast_record_tracknum_t
ast_datarecord_062_get_tracknum(const ast_datarecord_t* record);
ASTERIX_EXPORT ast_record_squawk_t ast_datarecord_062_get_squawk(const ast_datarecord_t* record);
ASTERIX_EXPORT ast_record_callsign_t
ast_datarecord_062_get_callsign(const ast_datarecord_t* record);
ASTERIX_EXPORT ast_record_icaoaddr_t
ast_datarecord_062_get_icaoaddr(const ast_datarecord_t* record);
ASTERIX_EXPORT ast_record_coordinate_t
ast_datarecord_062_get_coordinate(const ast_datarecord_t* record);
ASTERIX_EXPORT ast_record_flightlevel_t
ast_datarecord_062_get_flightlevel(const ast_datarecord_t* record);

#ifdef __cplusplus
}
#endif

#endif /* ASTERIX_CAT062_H */
