/* The asterix library: EUROCONTROL ASTERIX data blocks, records and items.
 *
 * A flat C interface: plain structures and functions with the prefix ast_, no heap. Results
 * are fixed-capacity structures returned by value whose pointers point into the caller's
 * buffers, which must outlive them.
 *
 * An ASTERIX data block is one octet CAT, two octets LEN (the whole block, header included,
 * most significant first) and data records. A data record is an FSPEC (the field presence map:
 * seven Field Reference Number bits per octet, the lowest bit FX announcing a further octet)
 * followed by the data items whose FRN bits are set, in the order of the category's User
 * Application Profile (UAP). Every function stays within the available octets or the capacity
 * it is given, whatever the octets say; failures are reported by the ok or present flag of
 * the returned structure, which keeps what was filled before the failure. */
#ifndef ASTERIX_ASTERIX_H
#define ASTERIX_ASTERIX_H

#include <stdbool.h>
#include <stddef.h>
#include <stdint.h>

#include <asterix/asterix_export.h>

#ifdef __cplusplus
extern "C" {
#endif

/* ---------------------------------------------------------------------------------------- */
/* Limits and levels                                                                         */

/* Every fixed capacity of the library. */
enum ast_limits {
    AST_MAX_DATARECORDS = 64,      /* records held by one ast_datablock_t */
    AST_MAX_DATAITEMS = 32,        /* items held by one ast_datarecord_t */
    AST_MAX_VALUES = 32,           /* values of an ast_datarecord_spec_t or ast_dataitem_mods_t */
    AST_MAX_BLOCK_LENGTH = 65535,  /* largest LEN of a data block */
    AST_MAX_LOG_MESSAGE = 511,     /* characters of one log message */
    AST_MAX_SUBFIELDS = 35,        /* subfield entries of a decoded compound item */
    AST_MAX_MB_DATA = 255,         /* elements of a decoded Mode S MB data item */
    AST_MAX_WARNING_CODES = 23,    /* codes of a decoded I048/030 */
    AST_MAX_MESSAGE_COUNTERS = 255 /* counters of a decoded I034/070 */
};

/* Log levels, lowest first. */
enum ast_log_level {
    AST_LOG_DEBUG = 0,
    AST_LOG_INFO = 1,
    AST_LOG_WARNING = 2,
    AST_LOG_CRITICAL = 3,
    AST_LOG_PANIC = 4
};

/* A country as the detail views show it (for example the country of an ICAO 24-bit address
 * block). valid is 1 when the other members are filled, else 0. The texts are NUL-terminated
 * Latin-1 and owned by whoever filled the record. */
typedef struct ast_country {
    int valid;
    const char* iso_code_2;
    const char* iso_code_3;
    const char* name;
    const char* full_name;
} ast_country_t;

/* ---------------------------------------------------------------------------------------- */
/* Structures                                                                                */

/* Category x 1000 + item number: I021/010 is 21010. Item 998 is the Reserved Expansion Field,
 * 999 the Special Purpose Field; 902 to 908 are the CAT021 items whose editions 0.23/0.26
 * layout differs from editions 2.x. 0 is no item (a spare FRN). */
typedef uint32_t ast_dataitem_type_t;

/* One data item: a view into the caller's buffer. ok when the item was recognised and its
 * size worked out within the available octets. */
typedef struct ast_dataitem {
    const uint8_t* data;
    uint64_t size;
    ast_dataitem_type_t type;
    uint8_t ok;
} ast_dataitem_t;

/* One FSPEC. length counts octets (the last one has FX clear), bits the FRN positions covered
 * (7 per octet), set the FRN bits that are 1. ok when it ends within the buffer and at least
 * one FRN bit is set. */
typedef struct ast_fspec {
    const uint8_t* data;
    uint64_t length;
    uint64_t bits;
    uint64_t set;
    uint8_t ok;
} ast_fspec_t;

/* A User Application Profile: the FRN count of a category and the item type of an FRN (0 for
 * a spare FRN). Passed and stored by value. */
typedef struct ast_uap {
    uint32_t (*max_frn)(uint32_t category);
    ast_dataitem_type_t (*get_dataitem)(uint32_t category, uint32_t frn);
} ast_uap_t;

/* One data record. length is 0 until the record decodes completely; items[0..count) are the
 * items in the order in which they stand in the record. */
typedef struct ast_datarecord {
    const uint8_t* data;
    uint64_t length;
    uint32_t category;
    ast_uap_t uap;
    ast_fspec_t fspec;
    ast_dataitem_t items[AST_MAX_DATAITEMS];
    uint64_t count;
    uint8_t ok;
} ast_datarecord_t;

/* One data block. ok when its records exactly fill LEN. records[0..count) are valid. */
typedef struct ast_datablock {
    const uint8_t* data;
    uint64_t length;
    uint32_t category;
    ast_uap_t uap;
    const uint8_t* records_data;
    uint64_t records_length;
    ast_datarecord_t records[AST_MAX_DATARECORDS];
    uint64_t count;
    uint8_t ok;
} ast_datablock_t;

/* A value to encode: the item type and its decoded form (the structure that the item's
 * _decode function returns, present flag set). Some encoders store recomputed raw fields back
 * into the form, hence the pointer is not const. Not owned. */
typedef struct ast_dataitem_value {
    ast_dataitem_type_t type;
    void* value;
} ast_dataitem_value_t;

typedef struct ast_datarecord_spec {
    uint32_t category;
    ast_uap_t uap;
    ast_dataitem_value_t values[AST_MAX_VALUES];
    uint64_t count;
} ast_datarecord_spec_t;

typedef struct ast_datablock_spec {
    uint32_t category;
    ast_uap_t uap;
    ast_datarecord_spec_t records[AST_MAX_DATARECORDS];
    uint64_t count;
} ast_datablock_spec_t;

/* Replacements for ast_datarecord_modify and ast_datablock_modify. */
typedef struct ast_dataitem_mods {
    ast_dataitem_value_t values[AST_MAX_VALUES];
    uint64_t count;
} ast_dataitem_mods_t;

/* Per-type services of one item type. Any slot may be empty. get_size returns 0 when the item
 * cannot be sized within the available octets. Text functions write at most capacity octets,
 * always NUL-terminated when capacity > 0, and return the buffer. */
typedef uint64_t (*ast_get_size_fn)(const uint8_t* data, uint64_t available);
typedef const char* (*ast_get_name_fn)(ast_dataitem_type_t type);
typedef char* (*ast_item_text_fn)(char* buffer, size_t capacity, const ast_dataitem_t* item);
typedef ast_dataitem_t (*ast_encode_fn)(uint8_t* buffer, uint64_t capacity,
                                        const ast_dataitem_value_t* value);

typedef struct ast_dataitem_desc {
    ast_get_size_fn get_size;
    ast_get_name_fn get_name;
    ast_item_text_fn get_summary;
    ast_item_text_fn get_detail_html;
    ast_encode_fn encode;
} ast_dataitem_desc_t;

/* ---------------------------------------------------------------------------------------- */
/* UAP tables                                                                                */

ASTERIX_EXPORT extern const ast_uap_t AST_UAP_STANDARD;    /* CAT021 as edition 0.26 */
ASTERIX_EXPORT extern const ast_uap_t AST_UAP_CAT001_PLOT; /* CAT001 plots (TYP 0) */
ASTERIX_EXPORT extern const ast_uap_t AST_UAP_CAT021_VER023;
ASTERIX_EXPORT extern const ast_uap_t AST_UAP_CAT021_VER026;
ASTERIX_EXPORT extern const ast_uap_t AST_UAP_CAT021_VER21;
ASTERIX_EXPORT extern const ast_uap_t AST_UAP_CAT021_VER24;
ASTERIX_EXPORT extern const ast_uap_t AST_UAP_RAYTHEON; /* reduced CAT001 and CAT002 */
ASTERIX_EXPORT extern const ast_uap_t AST_UAP_THALES;   /* manufacturer CAT021 */

/* ---------------------------------------------------------------------------------------- */
/* Library information and log                                                               */

typedef void (*ast_log_handler_t)(int level, const char* message);

ASTERIX_EXPORT bool ast_library_init(const char* host);
ASTERIX_EXPORT const char* ast_library_version(void); /* static buffer, "1.7.0" */
ASTERIX_EXPORT int ast_library_version_major(void);
ASTERIX_EXPORT int ast_library_version_minor(void);
ASTERIX_EXPORT int ast_library_version_patch(void);
ASTERIX_EXPORT const char* ast_library_build(void);
ASTERIX_EXPORT const char* ast_library_about(void);
ASTERIX_EXPORT const char* ast_library_contact(void);

/* One process-wide handler; NULL (the initial state) switches logging off. Messages are at most
 * AST_MAX_LOG_MESSAGE characters. */
ASTERIX_EXPORT void ast_log_handler_reg(ast_log_handler_t handler);
/* Writes "[LEVEL   ] message\n" to standard output. */
ASTERIX_EXPORT void ast_log_stdout(int level, const char* message);

/* Static result buffers, overwritten by each call. */
ASTERIX_EXPORT const char* ast_category_to_str(uint32_t category);             /* "I048" */
ASTERIX_EXPORT const char* ast_dataitem_type_to_str(ast_dataitem_type_t type); /* "I021/010" */

/* ---------------------------------------------------------------------------------------- */
/* UAP and FSPEC                                                                             */

ASTERIX_EXPORT ast_dataitem_type_t ast_uap_get_dataitem(const ast_uap_t* uap, uint32_t category,
                                                        uint32_t frn);
ASTERIX_EXPORT uint32_t ast_uap_get_max_frn(const ast_uap_t* uap, uint32_t category);

ASTERIX_EXPORT ast_fspec_t ast_fspec_decode(const uint8_t* data, uint64_t available);
/* false for FRN 0, beyond the FSPEC's bits or an FSPEC that is not ok. */
ASTERIX_EXPORT bool ast_fspec_is_set(const ast_fspec_t* fspec, uint32_t frn);
/* Sets or clears the FRN's bit in buffer; never touches FX bits. false for FRN 0 or a capacity
 * that does not reach the FRN's octet. */
ASTERIX_EXPORT bool ast_fspec_set(uint8_t* buffer, uint64_t capacity, uint32_t frn, bool on);
ASTERIX_EXPORT ast_fspec_t ast_fspec_copy(uint8_t* buffer, uint64_t capacity,
                                          const ast_fspec_t* fspec);

/* ---------------------------------------------------------------------------------------- */
/* Data items                                                                                */

ASTERIX_EXPORT ast_dataitem_t ast_dataitem_decode(const uint8_t* data, uint64_t available,
                                                  ast_dataitem_type_t type);
/* Logs "Enconding function not implemented for dataitem %s." for a type without encoder. */
ASTERIX_EXPORT ast_dataitem_t ast_dataitem_encode(uint8_t* buffer, uint64_t capacity,
                                                  const ast_dataitem_value_t* value);
ASTERIX_EXPORT ast_dataitem_t ast_dataitem_copy(uint8_t* buffer, uint64_t capacity,
                                                const ast_dataitem_t* item);

/* The descriptor of a type; an unknown type logs "Unsupported dataitem %s" and gives a
 * descriptor whose slots are all empty. */
ASTERIX_EXPORT ast_dataitem_desc_t ast_dataitem_get_desc(ast_dataitem_type_t type);
ASTERIX_EXPORT uint64_t ast_dataitem_get_size(const uint8_t* data, uint64_t available,
                                              ast_dataitem_type_t type);
ASTERIX_EXPORT const char* ast_dataitem_get_name(ast_dataitem_type_t type);
ASTERIX_EXPORT char* ast_dataitem_get_summary(char* buffer, size_t capacity,
                                              const ast_dataitem_t* item);
ASTERIX_EXPORT char* ast_dataitem_get_detail_html(char* buffer, size_t capacity,
                                                  const ast_dataitem_t* item);
ASTERIX_EXPORT char* ast_dataitem_get_detail_html_dummy(char* buffer, size_t capacity,
                                                        const ast_dataitem_t* item);
ASTERIX_EXPORT char* ast_bds_get_detail_html_dummy(char* buffer, size_t capacity,
                                                   const ast_dataitem_t* item);
ASTERIX_EXPORT char* ast_dataitem_get_hex_str(char* buffer, size_t capacity,
                                              const ast_dataitem_t* item);
ASTERIX_EXPORT char* ast_dataitem_get_bin_str(char* buffer, size_t capacity,
                                              const ast_dataitem_t* item);
ASTERIX_EXPORT char* ast_dataitem_get_hex_html(char* buffer, size_t capacity,
                                               const ast_dataitem_t* item);
ASTERIX_EXPORT char* ast_dataitem_get_bin_html(char* buffer, size_t capacity,
                                               const ast_dataitem_t* item);
ASTERIX_EXPORT char* ast_datarecord_get_hex_html(char* buffer, size_t capacity,
                                                 const ast_datarecord_t* record);

/* Size rules: (data, available) -> octets of the item, 0 when it cannot be sized. */
ASTERIX_EXPORT uint64_t ast_dataitem_get_size_fixed(const uint8_t* data, uint64_t available,
                                                    uint64_t n);
ASTERIX_EXPORT uint64_t ast_dataitem_get_size_fixed_1_byte(const uint8_t* data, uint64_t available);
ASTERIX_EXPORT uint64_t ast_dataitem_get_size_fixed_2_byte(const uint8_t* data, uint64_t available);
ASTERIX_EXPORT uint64_t ast_dataitem_get_size_fixed_3_byte(const uint8_t* data, uint64_t available);
ASTERIX_EXPORT uint64_t ast_dataitem_get_size_fixed_4_byte(const uint8_t* data, uint64_t available);
ASTERIX_EXPORT uint64_t ast_dataitem_get_size_fixed_5_byte(const uint8_t* data, uint64_t available);
ASTERIX_EXPORT uint64_t ast_dataitem_get_size_fixed_6_byte(const uint8_t* data, uint64_t available);
ASTERIX_EXPORT uint64_t ast_dataitem_get_size_fixed_7_byte(const uint8_t* data, uint64_t available);
ASTERIX_EXPORT uint64_t ast_dataitem_get_size_fixed_8_byte(const uint8_t* data, uint64_t available);
ASTERIX_EXPORT uint64_t ast_dataitem_get_size_fixed_9_byte(const uint8_t* data, uint64_t available);
ASTERIX_EXPORT uint64_t ast_dataitem_get_size_fixed_12_byte(const uint8_t* data,
                                                            uint64_t available);
/* One octet REP, then REP elements of n octets. */
ASTERIX_EXPORT uint64_t ast_dataitem_get_size_repeat(const uint8_t* data, uint64_t available,
                                                     uint64_t n);
ASTERIX_EXPORT uint64_t ast_dataitem_get_size_rep_1_byte(const uint8_t* data, uint64_t available);
ASTERIX_EXPORT uint64_t ast_dataitem_get_size_rep_2_byte(const uint8_t* data, uint64_t available);
ASTERIX_EXPORT uint64_t ast_dataitem_get_size_rep_3_byte(const uint8_t* data, uint64_t available);
ASTERIX_EXPORT uint64_t ast_dataitem_get_size_rep_4_byte(const uint8_t* data, uint64_t available);
ASTERIX_EXPORT uint64_t ast_dataitem_get_size_rep_8_byte(const uint8_t* data, uint64_t available);
ASTERIX_EXPORT uint64_t ast_dataitem_get_size_rep_15_byte(const uint8_t* data, uint64_t available);
ASTERIX_EXPORT uint64_t ast_dataitem_get_size_rep_64_byte(const uint8_t* data, uint64_t available);
ASTERIX_EXPORT uint64_t ast_dataitem_get_size_rep_256_byte(const uint8_t* data, uint64_t available);
/* Extensible: octets while FX (bit 1) is 1. FX set on the max-th octet logs "Dataitem length
 * exceed max: %d" and returns 0: the item cannot be sized, and its record fails. */
ASTERIX_EXPORT uint64_t ast_dataitem_get_size_variable(const uint8_t* data, uint64_t available,
                                                       uint64_t max);
ASTERIX_EXPORT uint64_t ast_dataitem_get_size_var_1_byte(const uint8_t* data, uint64_t available);
ASTERIX_EXPORT uint64_t ast_dataitem_get_size_var_2_byte(const uint8_t* data, uint64_t available);
ASTERIX_EXPORT uint64_t ast_dataitem_get_size_var_3_byte(const uint8_t* data, uint64_t available);
ASTERIX_EXPORT uint64_t ast_dataitem_get_size_var_4_byte(const uint8_t* data, uint64_t available);
ASTERIX_EXPORT uint64_t ast_dataitem_get_size_var_5_byte(const uint8_t* data, uint64_t available);
ASTERIX_EXPORT uint64_t ast_dataitem_get_size_var_6_byte(const uint8_t* data, uint64_t available);
ASTERIX_EXPORT uint64_t ast_dataitem_get_size_var_23_byte(const uint8_t* data, uint64_t available);
ASTERIX_EXPORT uint64_t ast_dataitem_get_size_var_unlimited(const uint8_t* data,
                                                            uint64_t available);
/* First octet: length of the whole field including itself. */
ASTERIX_EXPORT uint64_t ast_dataitem_special_purpose_field_get_size(const uint8_t* data,
                                                                    uint64_t available);
ASTERIX_EXPORT uint64_t ast_dataitem_reserved_expansion_field_get_size(const uint8_t* data,
                                                                       uint64_t available);

/* ---------------------------------------------------------------------------------------- */
/* Compound items                                                                            */

/* One subfield of a compound item; its type is item type x 1000 + subfield index. */
typedef struct ast_subfield {
    uint8_t present;
    const uint8_t* data;
    uint64_t size;
    uint32_t type;
    uint8_t defined;
} ast_subfield_t;

typedef struct ast_dataitem_subfields {
    uint8_t present;
    ast_fspec_t primary;
    ast_subfield_t subfields[AST_MAX_SUBFIELDS];
    uint64_t count;
} ast_dataitem_subfields_t;

/* Subfield services of one subfield type. */
typedef struct ast_subfield_desc {
    const char* id;
    const char* name;
    ast_get_size_fn get_size;
    char* (*get_summary)(char* buffer, size_t capacity, const ast_subfield_t* subfield);
    char* (*get_detail_html)(char* buffer, size_t capacity, const ast_subfield_t* subfield);
} ast_subfield_desc_t;

/* Subfields defined for a compound item type; any other type logs "Undefined Subfield %s". */
ASTERIX_EXPORT uint32_t ast_dataitem_subfields_get_number(ast_dataitem_type_t type);
/* The primary subfield and every subfield it announces; 0 when the primary subfield is not an
 * ok FSPEC, a subfield has no size rule or cannot be sized, or the total exceeds available. */
ASTERIX_EXPORT uint64_t ast_dataitem_subfields_get_size(const uint8_t* data, uint64_t available,
                                                        ast_dataitem_type_t type);
ASTERIX_EXPORT ast_dataitem_subfields_t ast_dataitem_subfields_decode(const ast_dataitem_t* item);
ASTERIX_EXPORT char* ast_dataitem_subfields_get_summary(char* buffer, size_t capacity,
                                                        const ast_dataitem_t* item);
ASTERIX_EXPORT char* ast_dataitem_subfields_get_detail_html(char* buffer, size_t capacity,
                                                            const ast_dataitem_t* item);
/* Extensible subfield: FX set on the max-th octet logs "Subfield length exceed max: %d" and
 * returns 0. */
ASTERIX_EXPORT uint64_t ast_subfield_get_size_variable(const uint8_t* data, uint64_t available,
                                                       uint64_t max);
ASTERIX_EXPORT const char* ast_subfield_get_id(uint32_t subfield_type);
ASTERIX_EXPORT const char* ast_subfield_get_name(uint32_t subfield_type);
ASTERIX_EXPORT uint64_t ast_subfield_get_size(const uint8_t* data, uint64_t available,
                                              uint32_t subfield_type);
ASTERIX_EXPORT char* ast_subfield_get_summary(char* buffer, size_t capacity,
                                              const ast_subfield_t* subfield);
ASTERIX_EXPORT char* ast_subfield_get_detail_html(char* buffer, size_t capacity,
                                                  const ast_subfield_t* subfield);
ASTERIX_EXPORT char* ast_subfield_get_bin_html(char* buffer, size_t capacity,
                                               const ast_subfield_t* subfield);

/* ---------------------------------------------------------------------------------------- */
/* Shared decoded forms. Each _decode returns present = 0 and every field zero when the item is
 * not ok or its size is not the form's size. Encoders write nothing and return a not-ok item
 * when the value or its present flag is missing, the capacity is below the item size or a
 * field is out of range.                                                                     */

typedef struct ast_data_source {
    uint8_t present;
    uint32_t sac;
    uint32_t sic;
} ast_data_source_t;

typedef struct ast_time_of_day {
    uint8_t present;
    uint32_t raw; /* 1/128 s since midnight */
    uint32_t hours;
    uint32_t minutes;
    uint32_t seconds;
    uint32_t milliseconds;
} ast_time_of_day_t;

typedef struct ast_time_of_day_hp {
    uint8_t present;
    int32_t fsi;  /* full-second indication: 1, 0 or -1 */
    uint32_t raw; /* 2^-30 s */
    double seconds;
} ast_time_of_day_hp_t;

typedef struct ast_mode_3a {
    uint8_t present;
    uint8_t validated;
    uint8_t garbled;
    uint8_t changed;
    uint8_t changed_copy;
    int32_t code; /* A4..D1, shown in octal */
} ast_mode_3a_t;

typedef struct ast_mode_c {
    uint8_t present;
    uint8_t validated;
    uint8_t garbled;
    int32_t code; /* 1/4 FL */
} ast_mode_c_t;

typedef struct ast_track_number {
    uint8_t present;
    uint32_t number;
} ast_track_number_t;

typedef struct ast_target_address {
    uint8_t present;
    uint8_t octets[3];
    uint32_t address;
} ast_target_address_t;

typedef struct ast_aircraft_id {
    uint8_t present;
    char callsign[9];
} ast_aircraft_id_t;

typedef struct ast_target_id {
    uint8_t present;
    int32_t sti;
    char callsign[9];
} ast_target_id_t;

/* Both the 8-octet and the 6-octet (low resolution) WGS-84 positions. */
typedef struct ast_wgs84_position {
    uint8_t present;
    int32_t lat_raw;
    int32_t lon_raw;
    double latitude;
    double longitude;
} ast_wgs84_position_t;

typedef struct ast_cartesian_position {
    uint8_t present;
    int32_t x_raw;
    int32_t y_raw;
    double x; /* m */
    double y;
} ast_cartesian_position_t;

typedef struct ast_cartesian_velocity {
    uint8_t present;
    int32_t vx_raw;
    int32_t vy_raw;
    double vx; /* m/s */
    double vy;
} ast_cartesian_velocity_t;

typedef struct ast_polar_velocity {
    uint8_t present;
    int32_t speed_raw;
    int32_t heading_raw;
    double speed;   /* kt */
    double heading; /* degrees */
} ast_polar_velocity_t;

typedef struct ast_vertical_rate {
    uint8_t present;
    uint8_t range_exceeded;
    int32_t raw;
    double rate; /* ft/min */
} ast_vertical_rate_t;

typedef struct ast_height {
    uint8_t present;
    int32_t raw; /* 6.25 ft */
} ast_height_t;

typedef struct ast_sector_number {
    uint8_t present;
    uint32_t raw;
    double azimuth; /* degrees */
} ast_sector_number_t;

typedef struct ast_one_octet {
    uint8_t present;
    uint32_t value;
} ast_one_octet_t;

typedef struct ast_mb_data_element {
    uint8_t mb[7];
    uint8_t bds1;
    uint8_t bds2;
} ast_mb_data_element_t;

typedef struct ast_mb_data {
    uint8_t present;
    uint32_t count;
    ast_mb_data_element_t elements[AST_MAX_MB_DATA];
} ast_mb_data_t;

ASTERIX_EXPORT ast_data_source_t ast_dataitem_data_source_decode(const ast_dataitem_t* item);
ASTERIX_EXPORT ast_dataitem_t ast_dataitem_data_source_encode(uint8_t* buffer, uint64_t capacity,
                                                              const ast_dataitem_value_t* value);
ASTERIX_EXPORT char* ast_dataitem_data_source_get_summary(char* buffer, size_t capacity,
                                                          const ast_dataitem_t* item);
ASTERIX_EXPORT char* ast_dataitem_data_source_get_detail_html(char* buffer, size_t capacity,
                                                              const ast_dataitem_t* item);

ASTERIX_EXPORT ast_time_of_day_t ast_dataitem_time_of_day_decode(const ast_dataitem_t* item);
/* Encodes raw, or when raw is 0 the time from hours, minutes, seconds and milliseconds
 * (truncated to 1/128 s). Refuses a time outside one day, 00:00:00 to 23:59:59.9921875
 * (raw 0 to 11059199): a time of 24:00:00 or later is not sent modulo anything. */
ASTERIX_EXPORT ast_dataitem_t ast_dataitem_time_of_day_encode(uint8_t* buffer, uint64_t capacity,
                                                              const ast_dataitem_value_t* value);
ASTERIX_EXPORT char* ast_dataitem_time_of_day_get_summary(char* buffer, size_t capacity,
                                                          const ast_dataitem_t* item);
ASTERIX_EXPORT char* ast_dataitem_time_of_day_get_detail_html(char* buffer, size_t capacity,
                                                              const ast_dataitem_t* item);

ASTERIX_EXPORT ast_time_of_day_hp_t ast_dataitem_time_of_day_hp_decode(const ast_dataitem_t* item);
ASTERIX_EXPORT char* ast_dataitem_time_of_day_hp_get_summary(char* buffer, size_t capacity,
                                                             const ast_dataitem_t* item);
ASTERIX_EXPORT char* ast_dataitem_time_of_day_hp_get_detail_html(char* buffer, size_t capacity,
                                                                 const ast_dataitem_t* item);

ASTERIX_EXPORT ast_mode_3a_t ast_dataitem_mode_3a_decode(const ast_dataitem_t* item);
ASTERIX_EXPORT ast_dataitem_t ast_dataitem_mode_3a_encode(uint8_t* buffer, uint64_t capacity,
                                                          const ast_dataitem_value_t* value);
ASTERIX_EXPORT char* ast_dataitem_mode_3a_get_summary(char* buffer, size_t capacity,
                                                      const ast_dataitem_t* item);
ASTERIX_EXPORT char* ast_dataitem_mode_3a_get_detail_html(char* buffer, size_t capacity,
                                                          const ast_dataitem_t* item);

ASTERIX_EXPORT ast_mode_c_t ast_dataitem_mode_c_decode(const ast_dataitem_t* item);
ASTERIX_EXPORT ast_dataitem_t ast_dataitem_mode_c_encode(uint8_t* buffer, uint64_t capacity,
                                                         const ast_dataitem_value_t* value);
ASTERIX_EXPORT char* ast_dataitem_mode_c_get_summary(char* buffer, size_t capacity,
                                                     const ast_dataitem_t* item);
ASTERIX_EXPORT char* ast_dataitem_mode_c_get_detail_html(char* buffer, size_t capacity,
                                                         const ast_dataitem_t* item);

ASTERIX_EXPORT ast_track_number_t ast_dataitem_track_number_decode(const ast_dataitem_t* item);
ASTERIX_EXPORT ast_dataitem_t ast_dataitem_track_number_encode(uint8_t* buffer, uint64_t capacity,
                                                               const ast_dataitem_value_t* value);
ASTERIX_EXPORT char* ast_dataitem_track_number_get_summary(char* buffer, size_t capacity,
                                                           const ast_dataitem_t* item);

ASTERIX_EXPORT ast_target_address_t ast_dataitem_target_address_decode(const ast_dataitem_t* item);
ASTERIX_EXPORT ast_dataitem_t ast_dataitem_target_address_encode(uint8_t* buffer, uint64_t capacity,
                                                                 const ast_dataitem_value_t* value);
ASTERIX_EXPORT char* ast_dataitem_target_address_get_summary(char* buffer, size_t capacity,
                                                             const ast_dataitem_t* item);
ASTERIX_EXPORT char* ast_dataitem_target_address_get_detail_html(char* buffer, size_t capacity,
                                                                 const ast_dataitem_t* item);

ASTERIX_EXPORT ast_aircraft_id_t ast_dataitem_aircraft_id_decode(const ast_dataitem_t* item);
ASTERIX_EXPORT ast_dataitem_t ast_dataitem_aircraft_id_encode(uint8_t* buffer, uint64_t capacity,
                                                              const ast_dataitem_value_t* value);
ASTERIX_EXPORT char* ast_dataitem_aircraft_id_get_detail_html(char* buffer, size_t capacity,
                                                              const ast_dataitem_t* item);
ASTERIX_EXPORT char* ast_dataitem_aircraft_id_get_summary(char* buffer, size_t capacity,
                                                          const ast_dataitem_t* item);

ASTERIX_EXPORT ast_target_id_t ast_dataitem_target_id_decode(const ast_dataitem_t* item);
ASTERIX_EXPORT ast_dataitem_t ast_dataitem_target_id_encode(uint8_t* buffer, uint64_t capacity,
                                                            const ast_dataitem_value_t* value);
ASTERIX_EXPORT char* ast_dataitem_target_id_get_summary(char* buffer, size_t capacity,
                                                        const ast_dataitem_t* item);

/* 8 octets; the scale is 180/2^25 degrees, 180/2^30 for I021/131. */
ASTERIX_EXPORT ast_wgs84_position_t ast_dataitem_wgs84_decode(const ast_dataitem_t* item);
ASTERIX_EXPORT ast_dataitem_t ast_dataitem_wgs84_encode(uint8_t* buffer, uint64_t capacity,
                                                        const ast_dataitem_value_t* value);
/* 6 octets, 180/2^23 degrees. */
ASTERIX_EXPORT ast_wgs84_position_t ast_dataitem_wgs84_low_decode(const ast_dataitem_t* item);
ASTERIX_EXPORT ast_dataitem_t ast_dataitem_wgs84_low_encode(uint8_t* buffer, uint64_t capacity,
                                                            const ast_dataitem_value_t* value);
ASTERIX_EXPORT char* ast_dataitem_wgs84_get_summary(char* buffer, size_t capacity,
                                                    const ast_dataitem_t* item);
ASTERIX_EXPORT char* ast_dataitem_wgs84_get_detail_html(char* buffer, size_t capacity,
                                                        const ast_dataitem_t* item);
/* "%02d%02d%02d%c%03d%02d%02d%c" of a position. */
ASTERIX_EXPORT char* ast_wgs84_to_str(char* buffer, size_t capacity, double latitude,
                                      double longitude);

ASTERIX_EXPORT ast_cartesian_position_t
ast_dataitem_cartesian_position_decode(const ast_dataitem_t* item);
ASTERIX_EXPORT ast_dataitem_t ast_dataitem_cartesian_position_encode(
    uint8_t* buffer, uint64_t capacity, const ast_dataitem_value_t* value);
ASTERIX_EXPORT char* ast_dataitem_cartesian_position_get_summary(char* buffer, size_t capacity,
                                                                 const ast_dataitem_t* item);

ASTERIX_EXPORT ast_cartesian_velocity_t
ast_dataitem_cartesian_velocity_decode(const ast_dataitem_t* item);
ASTERIX_EXPORT ast_dataitem_t ast_dataitem_cartesian_velocity_encode(
    uint8_t* buffer, uint64_t capacity, const ast_dataitem_value_t* value);
ASTERIX_EXPORT char* ast_dataitem_cartesian_velocity_get_summary(char* buffer, size_t capacity,
                                                                 const ast_dataitem_t* item);

ASTERIX_EXPORT ast_polar_velocity_t ast_dataitem_polar_velocity_decode(const ast_dataitem_t* item);
ASTERIX_EXPORT ast_dataitem_t ast_dataitem_polar_velocity_encode(uint8_t* buffer, uint64_t capacity,
                                                                 const ast_dataitem_value_t* value);
ASTERIX_EXPORT char* ast_dataitem_polar_velocity_get_summary(char* buffer, size_t capacity,
                                                             const ast_dataitem_t* item);
ASTERIX_EXPORT char* ast_dataitem_polar_velocity_get_detail_html(char* buffer, size_t capacity,
                                                                 const ast_dataitem_t* item);

ASTERIX_EXPORT ast_vertical_rate_t ast_dataitem_vertical_rate_decode(const ast_dataitem_t* item);
ASTERIX_EXPORT ast_dataitem_t ast_dataitem_vertical_rate_encode(uint8_t* buffer, uint64_t capacity,
                                                                const ast_dataitem_value_t* value);
ASTERIX_EXPORT char* ast_dataitem_vertical_rate_get_detail_html(char* buffer, size_t capacity,
                                                                const ast_dataitem_t* item);
ASTERIX_EXPORT char* ast_dataitem_vertical_rate_get_summary(char* buffer, size_t capacity,
                                                            const ast_dataitem_t* item);

ASTERIX_EXPORT ast_height_t ast_dataitem_height_decode(const ast_dataitem_t* item);
ASTERIX_EXPORT ast_dataitem_t ast_dataitem_height_encode(uint8_t* buffer, uint64_t capacity,
                                                         const ast_dataitem_value_t* value);
ASTERIX_EXPORT char* ast_dataitem_height_get_summary(char* buffer, size_t capacity,
                                                     const ast_dataitem_t* item);

ASTERIX_EXPORT ast_sector_number_t ast_dataitem_sector_number_decode(const ast_dataitem_t* item);
ASTERIX_EXPORT ast_dataitem_t ast_dataitem_sector_number_encode(uint8_t* buffer, uint64_t capacity,
                                                                const ast_dataitem_value_t* value);
ASTERIX_EXPORT char* ast_dataitem_sector_number_get_summary(char* buffer, size_t capacity,
                                                            const ast_dataitem_t* item);
ASTERIX_EXPORT char* ast_dataitem_sector_number_get_detail_html(char* buffer, size_t capacity,
                                                                const ast_dataitem_t* item);

/* One-octet values. The service-identification encoder (also the message-type encoder) refuses
 * a value above 255; the signal-amplitude encoder writes the low octet unchecked. */
ASTERIX_EXPORT ast_one_octet_t ast_dataitem_service_id_decode(const ast_dataitem_t* item);
ASTERIX_EXPORT ast_one_octet_t ast_dataitem_message_type_decode(const ast_dataitem_t* item);
ASTERIX_EXPORT ast_dataitem_t ast_dataitem_service_id_encode(uint8_t* buffer, uint64_t capacity,
                                                             const ast_dataitem_value_t* value);
ASTERIX_EXPORT ast_dataitem_t ast_dataitem_message_type_encode(uint8_t* buffer, uint64_t capacity,
                                                               const ast_dataitem_value_t* value);
ASTERIX_EXPORT ast_dataitem_t ast_dataitem_signal_amplitude_encode(
    uint8_t* buffer, uint64_t capacity, const ast_dataitem_value_t* value);
ASTERIX_EXPORT ast_dataitem_t ast_dataitem_021_095_encode(uint8_t* buffer, uint64_t capacity,
                                                          const ast_dataitem_value_t* value);
ASTERIX_EXPORT char* ast_dataitem_service_id_get_summary(char* buffer, size_t capacity,
                                                         const ast_dataitem_t* item);
ASTERIX_EXPORT char* ast_dataitem_signal_amplitude_get_summary(char* buffer, size_t capacity,
                                                               const ast_dataitem_t* item);

ASTERIX_EXPORT ast_mb_data_t ast_dataitem_mb_data_decode(const ast_dataitem_t* item);
ASTERIX_EXPORT char* ast_dataitem_mb_data_get_summary(char* buffer, size_t capacity,
                                                      const ast_dataitem_t* item);
ASTERIX_EXPORT char* ast_dataitem_mb_data_get_detail_html(char* buffer, size_t capacity,
                                                          const ast_dataitem_t* item);

/* Mode 3/A and Mode C code confidence (I001/080, I001/100, I048/080, I048/100). quality holds
 * the twelve confidence bits QA4..QD1 (1: low quality of the pulse); the Mode C form also
 * carries V, G and the Mode C reply in Gray notation (C1 A1 C2 A2 C4 A4 B1 D1 B2 D2 B4 D4). */
typedef struct ast_mode_3a_confidence {
    uint8_t present;
    uint32_t quality;
} ast_mode_3a_confidence_t;

typedef struct ast_mode_c_confidence {
    uint8_t present;
    uint8_t validated;
    uint8_t garbled;
    uint32_t gray;
    uint32_t quality;
} ast_mode_c_confidence_t;

ASTERIX_EXPORT ast_mode_3a_confidence_t
ast_dataitem_mode_3a_confidence_decode(const ast_dataitem_t* item);
ASTERIX_EXPORT ast_mode_c_confidence_t
ast_dataitem_mode_c_confidence_decode(const ast_dataitem_t* item);
ASTERIX_EXPORT char* ast_dataitem_mode_3a_confidence_get_summary(char* buffer, size_t capacity,
                                                                 const ast_dataitem_t* item);
ASTERIX_EXPORT char* ast_dataitem_mode_c_confidence_get_summary(char* buffer, size_t capacity,
                                                                const ast_dataitem_t* item);
ASTERIX_EXPORT char* ast_dataitem_mode_3a_confidence_get_detail_html(char* buffer, size_t capacity,
                                                                     const ast_dataitem_t* item);
ASTERIX_EXPORT char* ast_dataitem_mode_c_confidence_get_detail_html(char* buffer, size_t capacity,
                                                                    const ast_dataitem_t* item);

/* "BIN:01000001 11110000". */
ASTERIX_EXPORT char* ast_dataitem_binary_get_summary(char* buffer, size_t capacity,
                                                     const ast_dataitem_t* item);
ASTERIX_EXPORT char* ast_dataitem_reserved_expansion_field_get_summary(char* buffer,
                                                                       size_t capacity,
                                                                       const ast_dataitem_t* item);
ASTERIX_EXPORT char* ast_dataitem_special_purpose_field_get_summary(char* buffer, size_t capacity,
                                                                    const ast_dataitem_t* item);

/* ---------------------------------------------------------------------------------------- */
/* Callbacks for detail views (each NULL at start; the detail views call them when set)       */

typedef struct ast_sac_info {
    char region_code[8];
    char region_name[64];
    char country_code[8];
    char country_name[64];
} ast_sac_info_t;

typedef struct ast_sensor_info {
    char country[64];
    char system[64];
    char type[32];
    char manufacturer[64];
    char model[64];
    char description[128];
} ast_sensor_info_t;

typedef bool (*ast_callback_sac_get_info_t)(uint32_t sac, ast_sac_info_t* info);
typedef bool (*ast_callback_sacsic_get_sensor_t)(uint32_t sac, uint32_t sic,
                                                 ast_sensor_info_t* sensor);
typedef bool (*ast_callback_get_national_flag_t)(const ast_country_t* country, char* buffer,
                                                 size_t capacity);
typedef bool (*ast_callback_icao_addr_get_country_t)(uint32_t address, ast_country_t* country);
/* (buffer, capacity, width, height, zoom selector, latitude, longitude): a picture address. */
typedef bool (*ast_callback_get_map_url_t)(char* buffer, size_t capacity, int width, int height,
                                           int zoom, double latitude, double longitude);

ASTERIX_EXPORT void ast_reg_callback_sac_get_info(ast_callback_sac_get_info_t callback);
ASTERIX_EXPORT void ast_reg_callback_sacsic_get_sensor(ast_callback_sacsic_get_sensor_t callback);
ASTERIX_EXPORT void ast_reg_callback_get_national_flag(ast_callback_get_national_flag_t callback);
ASTERIX_EXPORT void ast_reg_callback_icao_addr_get_country(
    ast_callback_icao_addr_get_country_t callback);
ASTERIX_EXPORT void ast_reg_callback_get_map_url(ast_callback_get_map_url_t callback);

/* Static-map requests centred on the position with a marker: zoom 12 for selector 1, else 4.
 * true when text was written; ast_get_map_url_nomap writes nothing and returns false. */
ASTERIX_EXPORT bool ast_get_map_url_google(char* buffer, size_t capacity, int width, int height,
                                           int zoom, double latitude, double longitude);
ASTERIX_EXPORT bool ast_get_map_url_googlechina(char* buffer, size_t capacity, int width,
                                                int height, int zoom, double latitude,
                                                double longitude);
ASTERIX_EXPORT bool ast_get_map_url_baidu(char* buffer, size_t capacity, int width, int height,
                                          int zoom, double latitude, double longitude);
ASTERIX_EXPORT bool ast_get_map_url_tencent(char* buffer, size_t capacity, int width, int height,
                                            int zoom, double latitude, double longitude);
ASTERIX_EXPORT bool ast_get_map_url_osm(char* buffer, size_t capacity, int width, int height,
                                        int zoom, double latitude, double longitude);
ASTERIX_EXPORT bool ast_get_map_url_nomap(char* buffer, size_t capacity, int width, int height,
                                          int zoom, double latitude, double longitude);

/* ---------------------------------------------------------------------------------------- */
/* Data records and blocks                                                                   */

/* Decodes one record: the FSPEC, then each announced item in UAP order. Not ok (length 0, the
 * items decoded so far kept) when the FSPEC or an item cannot be decoded or a 33rd item
 * appears. */
ASTERIX_EXPORT ast_datarecord_t ast_datarecord_decode(const uint8_t* data, uint64_t available,
                                                      uint32_t category, const ast_uap_t* uap);
/* Writes FSPEC and items in UAP order. Logs "Failed to encode FSPEC." or "Failed to encode
 * dataitem %s." (DEBUG). The result's FSPEC and item entries are left empty (zero); its count
 * is the spec's count of values. */
ASTERIX_EXPORT ast_datarecord_t ast_datarecord_encode(uint8_t* buffer, uint64_t capacity,
                                                      const ast_datarecord_spec_t* spec);
/* Rewrites a decoded record, replacing present items whose type occurs in mods. */
ASTERIX_EXPORT ast_datarecord_t ast_datarecord_modify(uint8_t* buffer, uint64_t capacity,
                                                      const ast_datarecord_t* source,
                                                      const ast_dataitem_mods_t* mods);
ASTERIX_EXPORT ast_datarecord_t ast_datarecord_copy(uint8_t* buffer, uint64_t capacity,
                                                    const ast_datarecord_t* source);

/* Decodes CAT, LEN and up to 64 records; a 65th logs "Number of datarecords %d exceed
 * limitation." (PANIC), then at DEBUG "Binary data size: %d" (the available octets), the first
 * 256 of them 16 a line, and "%llu further octets left out." for the rest, and fails the block
 * (its first 64 records kept). ast_datablock_iter_begin walks such a block. */
ASTERIX_EXPORT ast_datablock_t ast_datablock_decode(const uint8_t* data, uint64_t available,
                                                    const ast_uap_t* uap);
/* Decodes with a guessed UAP: per record for CAT001 (plot or track), else the cached UAP of
 * the previous success, else every exported UAP in turn. */
ASTERIX_EXPORT ast_datablock_t ast_datablock_smart_decode(const uint8_t* data, uint64_t available);
/* The in-place forms: the result is built directly in *block, which avoids copying the
 * 64-record structure. Same behaviour as the forms above. */
ASTERIX_EXPORT void ast_datablock_decode_into(ast_datablock_t* block, const uint8_t* data,
                                              uint64_t available, const ast_uap_t* uap);
ASTERIX_EXPORT void ast_datablock_smart_decode_into(ast_datablock_t* block, const uint8_t* data,
                                                    uint64_t available);
/* Encodes 1 to 64 record specs of the block's category. records[i] is the result of the
 * i-th record encode; the entries behind them are zero. */
ASTERIX_EXPORT ast_datablock_t ast_datablock_encode(uint8_t* buffer, uint64_t capacity,
                                                    const ast_datablock_spec_t* spec);
ASTERIX_EXPORT ast_datablock_t ast_datablock_modify(uint8_t* buffer, uint64_t capacity,
                                                    const ast_datablock_t* source,
                                                    const ast_dataitem_mods_t* mods);

/* A walk over the records of one data block, one record at a time into a record of the
 * caller's, without the 64-record limit of ast_datablock_t: a legal block of small plots
 * (LEN up to 65535) can hold hundreds of records. The records are those ast_datablock_decode
 * would give, decoded against the whole available input as it does.
 *
 * The header is read by ast_datablock_iter_begin: category is the CAT octet (when 3 octets are
 * available), length is LEN (0 when LEN exceeds the available octets); a header that is
 * refused (no data, fewer than 3 octets, LEN below 3 or above available) sets failed at once.
 * pos is the offset from data of the next record, count the records walked so far. When
 * cat001_by_typ is set, each CAT001 record gets the plot or the standard profile by the TYP
 * bit of its I001/020, as smart decode chooses them. */
typedef struct ast_datablock_iter {
    const uint8_t* data;
    uint64_t available;
    uint64_t length;
    uint32_t category;
    ast_uap_t uap;
    uint8_t cat001_by_typ;
    uint64_t pos;
    uint64_t count;
    uint8_t failed;
} ast_datablock_iter_t;

/* Starts a walk with one UAP (NULL: none, every record fails). */
ASTERIX_EXPORT ast_datablock_iter_t ast_datablock_iter_begin(const uint8_t* data,
                                                            uint64_t available,
                                                            const ast_uap_t* uap);
/* Starts a walk with the UAP that smart decode would choose, tried in its order (CAT001 plot
 * or track per record, the cached UAP, then every exported UAP) and updating its cache; a
 * candidate is kept when its walk ends exactly at LEN, whatever the number of records. When
 * none does, the walk of the last candidate is returned, so that the caller sees the failure. */
ASTERIX_EXPORT ast_datablock_iter_t ast_datablock_iter_smart_begin(const uint8_t* data,
                                                                  uint64_t available);
/* Decodes the next record into *record and returns true when it is ok. Returns false at the
 * end of the block (record untouched) and when a record fails: then *record holds the failed
 * record (ok 0, its items so far kept, data at the failing record), failed is set and every
 * later call returns false. No log line beyond those of item decoding. */
ASTERIX_EXPORT bool ast_datablock_iter_next(ast_datablock_iter_t* iter, ast_datarecord_t* record);
/* True when the walk ended with the records exactly filling LEN (a block of LEN 3 at once). */
ASTERIX_EXPORT bool ast_datablock_iter_ok(const ast_datablock_iter_t* iter);

/* ---------------------------------------------------------------------------------------- */
/* BDS registers (Comm-B, ICAO Doc 9871)                                                     */

/* A register is viewed as an ast_dataitem_t over its 7 MB octets whose type holds the BDS code
 * BDS1 x 16 + BDS2 (0x40 for 4,0). Each _decode returns an empty form (present 0, every field
 * 0) unless the item is ok, 7 octets long and of the register's code. Fields whose register
 * has a status bit carry it as *_status; a field whose status is 0 holds 0. */

/* BDS 1,0 data link capability report. */
typedef struct ast_bds_10 {
    uint8_t present;
    uint8_t continuation;        /* MB bit 9 */
    uint8_t tcas_operational;    /* MB bit 16 */
    uint32_t subnetwork_version; /* MB bits 17-23 */
    uint8_t enhanced_protocol;   /* MB bit 24: 1 for a level 5 transponder */
    uint8_t specific_services;   /* MB bit 25 */
    uint32_t uelm;               /* MB bits 26-28: uplink ELM throughput */
    uint32_t delm;               /* MB bits 29-32: downlink ELM throughput */
    uint8_t aircraft_id;         /* MB bit 33 */
    uint8_t squitter;            /* MB bit 34 */
    uint8_t surveillance_id;     /* MB bit 35 */
    uint8_t gicb;                /* MB bit 36: common usage GICB capability report */
} ast_bds_10_t;

/* BDS 2,0 aircraft identification (first octet 0x20), eight characters and a NUL. */
typedef struct ast_bds_20 {
    uint8_t present;
    char callsign[9];
} ast_bds_20_t;

/* BDS 3,0 ACAS active resolution advisory. */
typedef struct ast_bds_30 {
    uint8_t present;
    uint32_t ara; /* MB bits 9-22: active resolution advisories */
    uint8_t ara_active;
    uint32_t rac; /* MB bits 23-26: resolution advisory complements */
    uint8_t rac_active;
    uint8_t rat;  /* MB bit 27: RA terminated */
    uint8_t mte;  /* MB bit 28: multiple threat encounter */
    uint32_t tti; /* MB bits 29-30: 0 none, 1 Mode S address, 2 altitude/range/bearing */
    uint8_t threat_address[3]; /* MB bits 31-54 when tti is 1 */
} ast_bds_30_t;

/* BDS 4,0 selected vertical intention. */
typedef struct ast_bds_40 {
    uint8_t present;
    uint8_t mcp_altitude_status;
    uint32_t mcp_altitude; /* ft, 16 ft steps */
    uint8_t fms_altitude_status;
    uint32_t fms_altitude; /* ft */
    uint8_t baro_setting_status;
    double baro_setting; /* mb: 800 + 0.1 steps */
    uint8_t mode_status;
    uint8_t vnav;
    uint8_t alt_hold;
    uint8_t approach;
    uint8_t target_source_status;
    uint32_t target_source; /* 0 unknown, 1 aircraft altitude, 2 FCU/MCP, 3 FMS */
} ast_bds_40_t;

/* BDS 5,0 track and turn report. */
typedef struct ast_bds_50 {
    uint8_t present;
    uint8_t roll_angle_status;
    double roll_angle; /* degrees, right wing down positive */
    uint8_t true_track_status;
    double true_track; /* degrees, 0 to 360 */
    uint8_t ground_speed_status;
    double ground_speed; /* kt */
    uint8_t track_angle_rate_status;
    double track_angle_rate; /* degrees/s */
    uint8_t true_airspeed_status;
    uint32_t true_airspeed; /* kt */
} ast_bds_50_t;

/* BDS 6,0 heading and speed report. */
typedef struct ast_bds_60 {
    uint8_t present;
    uint8_t magnetic_heading_status;
    double magnetic_heading; /* degrees, 0 to 360 */
    uint8_t indicated_airspeed_status;
    uint32_t indicated_airspeed; /* kt */
    uint8_t mach_status;
    double mach;
    uint8_t baro_altitude_rate_status;
    double baro_altitude_rate; /* ft/min */
    uint8_t inertial_vertical_velocity_status;
    double inertial_vertical_velocity; /* ft/min */
} ast_bds_60_t;

/* A view of the 7 octets at data as register `code`: size 7, ok when 7 octets are available. */
ASTERIX_EXPORT ast_dataitem_t ast_bds_decode(const uint8_t* data, uint64_t available,
                                             uint32_t code);
ASTERIX_EXPORT ast_bds_10_t ast_bds_10_decode(const ast_dataitem_t* bds);
ASTERIX_EXPORT ast_bds_20_t ast_bds_20_decode(const ast_dataitem_t* bds);
ASTERIX_EXPORT ast_bds_30_t ast_bds_30_decode(const ast_dataitem_t* bds);
ASTERIX_EXPORT ast_bds_40_t ast_bds_40_decode(const ast_dataitem_t* bds);
ASTERIX_EXPORT ast_bds_50_t ast_bds_50_decode(const ast_dataitem_t* bds);
ASTERIX_EXPORT ast_bds_60_t ast_bds_60_decode(const ast_dataitem_t* bds);
ASTERIX_EXPORT char* ast_bds_10_get_detail_html(char* buffer, size_t capacity,
                                                const ast_dataitem_t* bds);
ASTERIX_EXPORT char* ast_bds_20_get_detail_html(char* buffer, size_t capacity,
                                                const ast_dataitem_t* bds);
ASTERIX_EXPORT char* ast_bds_30_get_detail_html(char* buffer, size_t capacity,
                                                const ast_dataitem_t* bds);
ASTERIX_EXPORT char* ast_bds_40_get_detail_html(char* buffer, size_t capacity,
                                                const ast_dataitem_t* bds);
ASTERIX_EXPORT char* ast_bds_50_get_detail_html(char* buffer, size_t capacity,
                                                const ast_dataitem_t* bds);
ASTERIX_EXPORT char* ast_bds_60_get_detail_html(char* buffer, size_t capacity,
                                                const ast_dataitem_t* bds);
/* Dispatches by code to the six detail views; any other code logs "Unsupported BDS %s" (the code
 * as "%X,%X", WARNING) and writes empty text. */
ASTERIX_EXPORT char* ast_bds_get_detail_html(char* buffer, size_t capacity,
                                             const ast_dataitem_t* bds);
/* "Data Link Capability Report" for 0x10 and so on; "UNKNOWN NAME" for a code without one. */
ASTERIX_EXPORT const char* ast_bds_get_name(uint32_t code);
/* Static buffers: "BDS %X,%X" and "%X,%X". */
ASTERIX_EXPORT const char* ast_bds_type_to_str(uint32_t code);
ASTERIX_EXPORT const char* ast_bds_type_to_str_simple(uint32_t code);

/* ---------------------------------------------------------------------------------------- */
/* Record getter results                                                                     */

/* The common surveillance values of a data record (SAC/SIC, time of day, message type, track
 * number, Mode 3/A, callsign, ICAO address, position, flight level, heading, speed), one small
 * structure per value, returned by value by the record getters of each category. valid is 1
 * when the record carries the value; otherwise valid and every other field are 0, so a
 * zero-initialised result is an invalid one. */

/* Message types that the record getters answer. */
enum ast_message_type {
    AST_MSGTYPE_NORTH_MARKER = 1,
    AST_MSGTYPE_SECTOR_CROSSING = 2,
    AST_MSGTYPE_PLOT = 3,
    AST_MSGTYPE_TRACK = 4,
    AST_MSGTYPE_ADSB = 5,
    AST_MSGTYPE_MLAT = 6
};

/* System Area Code and System Identification Code of the data source. */
typedef struct ast_record_sacsic {
    uint8_t valid;
    uint32_t sac;
    uint32_t sic;
} ast_record_sacsic_t;

/* Time of day, UTC. source is the item type the time was read from (CAT021 carries several
 * times: of applicability, of reception, of transmission). */
typedef struct ast_record_timeofday {
    uint8_t valid;
    ast_dataitem_type_t source;
    uint32_t raw; /* 1/128 s since midnight */
    uint32_t hours;
    uint32_t minutes;
    uint32_t seconds;
    uint32_t milliseconds;
} ast_record_timeofday_t;

/* One of ast_message_type. */
typedef struct ast_record_msgtype {
    uint8_t valid;
    uint32_t type;
} ast_record_msgtype_t;

typedef struct ast_record_tracknum {
    uint8_t valid;
    uint32_t number;
} ast_record_tracknum_t;

/* Mode 3/A code: the twelve bits A4..D1, one octal digit per pulse group (7700 is 07700). */
typedef struct ast_record_squawk {
    uint8_t valid;
    uint32_t code;
} ast_record_squawk_t;

/* Aircraft identification: eight IA-5 characters as transmitted (blank-padded), NUL-terminated. */
typedef struct ast_record_callsign {
    uint8_t valid;
    char callsign[9];
} ast_record_callsign_t;

/* ICAO 24-bit aircraft address. */
typedef struct ast_record_icaoaddr {
    uint8_t valid;
    uint32_t address;
} ast_record_icaoaddr_t;

/* WGS-84 position in degrees, north and east positive. */
typedef struct ast_record_coordinate {
    uint8_t valid;
    double latitude;
    double longitude;
} ast_record_coordinate_t;

/* Flight level in flight levels (hundreds of feet of pressure altitude): 1/4 FL becomes 0.25. */
typedef struct ast_record_flightlevel {
    uint8_t valid;
    double level;
} ast_record_flightlevel_t;

/* Position relative to the radar: slant range in NM and azimuth in degrees from north. */
typedef struct ast_record_polarcoord {
    uint8_t valid;
    double rho;
    double theta;
} ast_record_polarcoord_t;

/* A velocity as magnitude and direction, the answer of both the heading and the speed getter.
 * valid says that the asked value (the heading for the heading getter, the speed for the speed
 * getter) is there; speed_valid and heading_valid say which parts the source item filled, since
 * one item (for example a ground vector) usually carries both. */
typedef struct ast_record_velocity {
    uint8_t valid;
    uint8_t speed_valid;
    double speed; /* kt */
    uint8_t heading_valid;
    double heading; /* degrees clockwise from true north */
} ast_record_velocity_t;

/* ---------------------------------------------------------------------------------------- */
/* Record views, getters and keywords                                                        */

/* A detail table of the record's items: header cells "Dataitem", "Name", "Size", "Summary",
 * then one row per item (type text, name, size as "%.2zu", summary of at most 255 characters),
 * rows alternating as every detail table does; ends with "</table><br/>". A NULL record writes
 * empty text. */
ASTERIX_EXPORT char* ast_datarecord_get_detail_html(char* buffer, size_t capacity,
                                                    const ast_datarecord_t* record);

/* The common surveillance values of any record, through the getter table of its category.
 * Invalid (all zero) for a NULL record, a record that is not ok, a category outside 1 to 62,
 * and a category without a table or without that getter. Nothing is logged. */
ASTERIX_EXPORT ast_record_sacsic_t ast_datarecord_get_sacsic(const ast_datarecord_t* record);
ASTERIX_EXPORT ast_record_timeofday_t ast_datarecord_get_timeofday(const ast_datarecord_t* record);
ASTERIX_EXPORT ast_record_msgtype_t ast_datarecord_get_msgtype(const ast_datarecord_t* record);
ASTERIX_EXPORT ast_record_tracknum_t ast_datarecord_get_tracknum(const ast_datarecord_t* record);
ASTERIX_EXPORT ast_record_squawk_t ast_datarecord_get_squawk(const ast_datarecord_t* record);
ASTERIX_EXPORT ast_record_callsign_t ast_datarecord_get_callsign(const ast_datarecord_t* record);
ASTERIX_EXPORT ast_record_icaoaddr_t ast_datarecord_get_icaoaddr(const ast_datarecord_t* record);
ASTERIX_EXPORT ast_record_coordinate_t
ast_datarecord_get_coordinate(const ast_datarecord_t* record);
ASTERIX_EXPORT ast_record_flightlevel_t
ast_datarecord_get_flightlevel(const ast_datarecord_t* record);
ASTERIX_EXPORT ast_record_polarcoord_t
ast_datarecord_get_polarcoord(const ast_datarecord_t* record);
ASTERIX_EXPORT ast_record_velocity_t ast_datarecord_get_heading(const ast_datarecord_t* record);
ASTERIX_EXPORT ast_record_velocity_t ast_datarecord_get_speed(const ast_datarecord_t* record);

/* Keywords: the values by which records are shown, searched and filtered. */
enum ast_keyword {
    AST_KEYWORD_SACSIC = 0,       /* "SAC/SIC": "%.3d/%.3d" */
    AST_KEYWORD_TIMESTAMP = 1,    /* "Time Stamp": "%02d:%02d:%02d.%03d" */
    AST_KEYWORD_TYPE = 2,         /* "Type": "North", "Sector", "Plot", "Track", "ADS-B", "Mlat" */
    AST_KEYWORD_TRACKNUM = 3,     /* "Track Number": "%.4d" */
    AST_KEYWORD_MODE3A = 4,       /* "Mode 3/A": "%.4o" */
    AST_KEYWORD_FLIGHTLEVEL = 5,  /* "Flight Level": "%04.2f" */
    AST_KEYWORD_CALLSIGN = 6,     /* "Callsign": the characters, trailing blanks left out */
    AST_KEYWORD_ICAOADDR = 7,     /* "ICAO Address": "%.6X" */
    AST_KEYWORD_POLARCOORD = 8,   /* "Polar Coordinates": "R:%08.4f T:%06.2f" (NM, degrees) */
    AST_KEYWORD_WGS84COORD = 9,   /* "WGS84 Coordinates": "%.6f %.6f" (latitude, longitude) */
    AST_KEYWORD_SPEED = 10,       /* "Speed": "M:%06.2f T:%06.2f", "M:%06.2f" or "T:%06.2f" */
    AST_KEYWORD_HEADING = 11,     /* "Heading": as "Speed", from the heading getter */
    AST_KEYWORD_COUNT = 12
};

/* The keyword's name; empty text for an unknown keyword. Returns buffer. */
ASTERIX_EXPORT char* ast_keyword_to_str(char* buffer, size_t capacity, uint32_t keyword);
/* The record's value for the keyword in the keyword's format; empty text when the record does
 * not carry it (or a message type outside 1 to 6). Returns buffer. */
ASTERIX_EXPORT char* ast_datarecord_get_keyword(char* buffer, size_t capacity,
                                                const ast_datarecord_t* record, uint32_t keyword);
/* Whether the record gives a valid value for the keyword. */
ASTERIX_EXPORT bool ast_datarecord_contain_keyword(const ast_datarecord_t* record,
                                                   uint32_t keyword);
/* Whether the record's value matches a text typed by a user: SAC/SIC against "SAC/SIC" (or a
 * lone SAC), the track number against a decimal number, the flight level against a number (within
 * 1/8 FL), the ICAO address against a hexadecimal number, Mode 3/A against an octal number; a
 * number may have leading blanks and a sign, and only blanks behind it. The callsign matches by
 * ast_keyword_match with the text as pattern. Any other keyword, a text without a number or a
 * record without the value gives false. */
ASTERIX_EXPORT bool ast_datarecord_match_keyword(const ast_datarecord_t* record, uint32_t keyword,
                                                 const char* text, bool case_sensitive);
/* Blank-delimited word match: leading blanks of both are skipped, then the pattern's characters
 * up to its end or a blank must equal the text's (case-folded unless case_sensitive), and the
 * text must end or reach a blank there. An empty pattern matches an empty or blank text. NULL
 * gives false. */
ASTERIX_EXPORT bool ast_keyword_match(const char* pattern, const char* text, bool case_sensitive);

/* ---------------------------------------------------------------------------------------- */
/* Item names of each category                                                               */

ASTERIX_EXPORT const char* ast_dataitem_001_get_name(ast_dataitem_type_t type);
ASTERIX_EXPORT const char* ast_dataitem_002_get_name(ast_dataitem_type_t type);
ASTERIX_EXPORT const char* ast_dataitem_004_get_name(ast_dataitem_type_t type);
ASTERIX_EXPORT const char* ast_dataitem_008_get_name(ast_dataitem_type_t type);
ASTERIX_EXPORT const char* ast_dataitem_010_get_name(ast_dataitem_type_t type);
ASTERIX_EXPORT const char* ast_dataitem_019_get_name(ast_dataitem_type_t type);
ASTERIX_EXPORT const char* ast_dataitem_020_get_name(ast_dataitem_type_t type);
ASTERIX_EXPORT const char* ast_dataitem_021_get_name(ast_dataitem_type_t type);
ASTERIX_EXPORT const char* ast_dataitem_023_get_name(ast_dataitem_type_t type);
ASTERIX_EXPORT const char* ast_dataitem_034_get_name(ast_dataitem_type_t type);
ASTERIX_EXPORT const char* ast_dataitem_048_get_name(ast_dataitem_type_t type);
ASTERIX_EXPORT const char* ast_dataitem_062_get_name(ast_dataitem_type_t type);
ASTERIX_EXPORT const char* ast_dataitem_065_get_name(ast_dataitem_type_t type);
ASTERIX_EXPORT const char* ast_dataitem_240_get_name(ast_dataitem_type_t type);

/* ---------------------------------------------------------------------------------------- */
/* CAT021, ADS-B target reports (editions 0.23, 0.26, 2.1 and 2.4)                           */

/* I021/008 aircraft operational status. */
typedef struct ast_dataitem_021_008 {
    uint8_t present;
    uint8_t ra;
    uint32_t tc;
    uint8_t ts;
    uint8_t arv;
    uint8_t cdti_a;
    uint8_t not_tcas;
    uint8_t sa;
} ast_dataitem_021_008_t;

/* I021/016 service management: report period raw x 0.5 s. */
typedef struct ast_dataitem_021_016 {
    uint8_t present;
    uint32_t raw;
    double report_period;
} ast_dataitem_021_016_t;

/* I021/040 target report descriptor (editions 2.x). */
typedef struct ast_dataitem_021_040 {
    uint8_t present;
    uint32_t atp;
    uint32_t arc;
    uint8_t rc;
    uint8_t rab;
    uint8_t dcr;
    uint8_t gbs;
    uint8_t sim;
    uint8_t tst;
    uint8_t saa;
    uint32_t cl;
    uint8_t llc;
    uint8_t ipc;
    uint8_t nogo;
    uint8_t cpr;
    uint8_t ldpj;
    uint8_t rcf;
} ast_dataitem_021_040_t;

/* Type 21903: the two-octet target report descriptor of edition 0.26. */
typedef struct ast_dataitem_021_903 {
    uint8_t present;
    uint8_t dcr;
    uint8_t gbs;
    uint8_t sim;
    uint8_t tst;
    uint8_t rab;
    uint8_t saa;
    uint8_t spi;
    uint32_t atp;
    uint32_t arc;
} ast_dataitem_021_903_t;

/* I021/090 quality indicators. */
typedef struct ast_dataitem_021_090 {
    uint8_t present;
    uint32_t nucr_nacv;
    uint32_t nucp_nic;
    uint32_t nic_baro;
    uint32_t sil;
    uint32_t nacp;
    uint32_t sil_supplement;
    uint32_t sda;
    uint32_t gva;
    uint32_t pic;
} ast_dataitem_021_090_t;

/* Type 21905: figure of merit of edition 0.26. */
typedef struct ast_dataitem_021_905 {
    uint8_t present;
    uint32_t ac;
    uint32_t mn;
    uint32_t dc;
    uint32_t pa;
} ast_dataitem_021_905_t;

/* Type 21906: link technology indicator of edition 0.26. */
typedef struct ast_dataitem_021_906 {
    uint8_t present;
    uint8_t dti;
    uint8_t mds;
    uint8_t uat;
    uint8_t vdl;
    uint8_t otr;
} ast_dataitem_021_906_t;

/* Type 21909: I021/165 track angle rate of editions 2.x, two fixed octets: 6 spare bits and a
 * 10-bit two's complement rate in 1/32 degrees per second, positive for a right turn. (Editions
 * 0.23 and 0.26 send I021/165, rate of turn, as an extensible item: type 21165.) */
typedef struct ast_dataitem_021_909 {
    uint8_t present;
    int32_t raw;
    double rate; /* degrees/s */
} ast_dataitem_021_909_t;

/* I021/140 geometric altitude (6.25 ft) and I021/145 flight level (1/4 FL). */
typedef struct ast_dataitem_021_140 {
    uint8_t present;
    int32_t raw;
} ast_dataitem_021_140_t;

typedef struct ast_dataitem_021_145 {
    uint8_t present;
    int32_t raw;
} ast_dataitem_021_145_t;

/* I021/150 air speed: IM selects Mach (0.001) over IAS (2^-14 NM/s). */
typedef struct ast_dataitem_021_150 {
    uint8_t present;
    uint32_t raw;
    uint8_t ias_flag;
    double ias;
    uint8_t mach_flag;
    double mach;
} ast_dataitem_021_150_t;

/* I021/160 ground vector. The encoder uses re, ground_speed and track_angle. */
typedef struct ast_dataitem_021_160 {
    uint8_t present;
    uint8_t re;
    uint32_t speed_raw;
    double ground_speed; /* kt */
    uint32_t track_raw;
    double track_angle; /* degrees */
} ast_dataitem_021_160_t;

/* I021/200 target status (editions 2.x). */
typedef struct ast_dataitem_021_200 {
    uint8_t present;
    uint8_t icf;
    uint8_t lnav;
    uint8_t me;
    uint32_t ps;
    uint32_t ss;
} ast_dataitem_021_200_t;

/* I021/210 MOPS version. */
typedef struct ast_dataitem_021_210 {
    uint8_t present;
    uint8_t vns;
    uint32_t vn;
    uint32_t ltt;
} ast_dataitem_021_210_t;

/* The record form of edition 0.26: one optional field per item. */
typedef struct ast_cat021_v026_record {
    uint8_t ok;
    ast_data_source_t i010;
    ast_one_octet_t i020;
    ast_time_of_day_t i030;
    ast_dataitem_021_903_t i903;
    ast_mode_3a_t i070;
    ast_target_address_t i080;
    ast_dataitem_021_905_t i905;
    ast_one_octet_t i095;
    ast_wgs84_position_t i902;
    ast_one_octet_t i904;
    ast_dataitem_021_145_t i145;
    ast_dataitem_021_160_t i160;
    ast_aircraft_id_t i170;
    ast_one_octet_t i908;
} ast_cat021_v026_record_t;

/* The record form of edition 2.4. */
typedef struct ast_cat021_v24_record {
    uint8_t ok;
    ast_dataitem_021_008_t i008;
    ast_data_source_t i010;
    ast_one_octet_t i015;
    ast_dataitem_021_016_t i016;
    ast_one_octet_t i020;
    ast_dataitem_021_040_t i040;
    ast_mode_3a_t i070;
    ast_time_of_day_t i071;
    ast_time_of_day_t i072;
    ast_time_of_day_t i073;
    ast_time_of_day_hp_t i074;
    ast_time_of_day_t i075;
    ast_time_of_day_hp_t i076;
    ast_time_of_day_t i077;
    ast_target_address_t i080;
    ast_dataitem_021_090_t i090;
    ast_wgs84_position_t i130;
    ast_wgs84_position_t i131;
    ast_one_octet_t i132;
    ast_dataitem_021_140_t i140;
    ast_dataitem_021_145_t i145;
    ast_dataitem_021_150_t i150;
    ast_vertical_rate_t i155;
    ast_vertical_rate_t i157;
    ast_dataitem_021_160_t i160;
    ast_track_number_t i161;
    ast_aircraft_id_t i170;
    ast_dataitem_021_200_t i200;
    ast_dataitem_021_210_t i210;
} ast_cat021_v24_record_t;

ASTERIX_EXPORT ast_dataitem_021_008_t ast_dataitem_021_008_decode(const ast_dataitem_t* item);
ASTERIX_EXPORT char* ast_dataitem_021_008_get_summary(char* buffer, size_t capacity,
                                                      const ast_dataitem_t* item);
ASTERIX_EXPORT char* ast_dataitem_021_008_get_detail_html(char* buffer, size_t capacity,
                                                          const ast_dataitem_t* item);
ASTERIX_EXPORT ast_dataitem_021_016_t ast_dataitem_021_016_decode(const ast_dataitem_t* item);
ASTERIX_EXPORT char* ast_dataitem_021_016_get_summary(char* buffer, size_t capacity,
                                                      const ast_dataitem_t* item);
ASTERIX_EXPORT ast_one_octet_t ast_dataitem_021_020_decode(const ast_dataitem_t* item);
ASTERIX_EXPORT char* ast_dataitem_021_020_get_summary(char* buffer, size_t capacity,
                                                      const ast_dataitem_t* item);
ASTERIX_EXPORT char* ast_dataitem_021_020_get_detail_html(char* buffer, size_t capacity,
                                                          const ast_dataitem_t* item);
ASTERIX_EXPORT char* ast_dataitem_021_032_get_summary(char* buffer, size_t capacity,
                                                      const ast_dataitem_t* item);
ASTERIX_EXPORT char* ast_dataitem_021_032_get_detail_html(char* buffer, size_t capacity,
                                                          const ast_dataitem_t* item);
ASTERIX_EXPORT ast_dataitem_021_040_t ast_dataitem_021_040_decode(const ast_dataitem_t* item);
ASTERIX_EXPORT ast_dataitem_t ast_dataitem_021_040_encode(uint8_t* buffer, uint64_t capacity,
                                                          const ast_dataitem_value_t* value);
ASTERIX_EXPORT char* ast_dataitem_021_040_get_summary(char* buffer, size_t capacity,
                                                      const ast_dataitem_t* item);
ASTERIX_EXPORT char* ast_dataitem_021_040_get_detail_html(char* buffer, size_t capacity,
                                                          const ast_dataitem_t* item);
ASTERIX_EXPORT ast_dataitem_021_090_t ast_dataitem_021_090_decode(const ast_dataitem_t* item);
ASTERIX_EXPORT ast_dataitem_t ast_dataitem_021_090_encode(uint8_t* buffer, uint64_t capacity,
                                                          const ast_dataitem_value_t* value);
ASTERIX_EXPORT char* ast_dataitem_021_090_get_summary(char* buffer, size_t capacity,
                                                      const ast_dataitem_t* item);
ASTERIX_EXPORT char* ast_dataitem_021_090_get_detail_html(char* buffer, size_t capacity,
                                                          const ast_dataitem_t* item);
ASTERIX_EXPORT char* ast_dataitem_021_095_get_summary(char* buffer, size_t capacity,
                                                      const ast_dataitem_t* item);
ASTERIX_EXPORT ast_dataitem_021_140_t ast_dataitem_021_140_decode(const ast_dataitem_t* item);
ASTERIX_EXPORT char* ast_dataitem_021_140_get_summary(char* buffer, size_t capacity,
                                                      const ast_dataitem_t* item);
ASTERIX_EXPORT char* ast_dataitem_021_140_get_detail_html(char* buffer, size_t capacity,
                                                          const ast_dataitem_t* item);
ASTERIX_EXPORT ast_dataitem_021_145_t ast_dataitem_021_145_decode(const ast_dataitem_t* item);
ASTERIX_EXPORT ast_dataitem_t ast_dataitem_021_145_encode(uint8_t* buffer, uint64_t capacity,
                                                          const ast_dataitem_value_t* value);
ASTERIX_EXPORT char* ast_dataitem_021_145_get_summary(char* buffer, size_t capacity,
                                                      const ast_dataitem_t* item);
ASTERIX_EXPORT char* ast_dataitem_021_145_get_detail_html(char* buffer, size_t capacity,
                                                          const ast_dataitem_t* item);
ASTERIX_EXPORT char* ast_dataitem_021_146_get_summary(char* buffer, size_t capacity,
                                                      const ast_dataitem_t* item);
ASTERIX_EXPORT char* ast_dataitem_021_146_get_detail_html(char* buffer, size_t capacity,
                                                          const ast_dataitem_t* item);
ASTERIX_EXPORT ast_dataitem_021_150_t ast_dataitem_021_150_decode(const ast_dataitem_t* item);
ASTERIX_EXPORT char* ast_dataitem_021_150_get_summary(char* buffer, size_t capacity,
                                                      const ast_dataitem_t* item);
ASTERIX_EXPORT char* ast_dataitem_021_150_get_detail_html(char* buffer, size_t capacity,
                                                          const ast_dataitem_t* item);
ASTERIX_EXPORT char* ast_dataitem_021_151_get_summary(char* buffer, size_t capacity,
                                                      const ast_dataitem_t* item);
ASTERIX_EXPORT char* ast_dataitem_021_151_get_detail_html(char* buffer, size_t capacity,
                                                          const ast_dataitem_t* item);
ASTERIX_EXPORT char* ast_dataitem_021_152_get_summary(char* buffer, size_t capacity,
                                                      const ast_dataitem_t* item);
ASTERIX_EXPORT char* ast_dataitem_021_152_get_detail_html(char* buffer, size_t capacity,
                                                          const ast_dataitem_t* item);
ASTERIX_EXPORT ast_dataitem_021_160_t ast_dataitem_021_160_decode(const ast_dataitem_t* item);
ASTERIX_EXPORT ast_dataitem_t ast_dataitem_021_160_encode(uint8_t* buffer, uint64_t capacity,
                                                          const ast_dataitem_value_t* value);
ASTERIX_EXPORT char* ast_dataitem_021_160_get_summary(char* buffer, size_t capacity,
                                                      const ast_dataitem_t* item);
ASTERIX_EXPORT char* ast_dataitem_021_160_get_detail_html(char* buffer, size_t capacity,
                                                          const ast_dataitem_t* item);
ASTERIX_EXPORT ast_dataitem_021_200_t ast_dataitem_021_200_decode(const ast_dataitem_t* item);
ASTERIX_EXPORT ast_dataitem_t ast_dataitem_021_200_encode(uint8_t* buffer, uint64_t capacity,
                                                          const ast_dataitem_value_t* value);
ASTERIX_EXPORT char* ast_dataitem_021_200_get_summary(char* buffer, size_t capacity,
                                                      const ast_dataitem_t* item);
ASTERIX_EXPORT ast_dataitem_021_210_t ast_dataitem_021_210_decode(const ast_dataitem_t* item);
ASTERIX_EXPORT ast_dataitem_t ast_dataitem_021_210_encode(uint8_t* buffer, uint64_t capacity,
                                                          const ast_dataitem_value_t* value);
ASTERIX_EXPORT char* ast_dataitem_021_210_get_summary(char* buffer, size_t capacity,
                                                      const ast_dataitem_t* item);
ASTERIX_EXPORT char* ast_dataitem_021_210_get_detail_html(char* buffer, size_t capacity,
                                                          const ast_dataitem_t* item);
ASTERIX_EXPORT char* ast_dataitem_021_230_get_summary(char* buffer, size_t capacity,
                                                      const ast_dataitem_t* item);
ASTERIX_EXPORT char* ast_dataitem_021_400_get_summary(char* buffer, size_t capacity,
                                                      const ast_dataitem_t* item);
/* Edition 0.26 layouts, types 21903 to 21908 ("A03" stands for 903 and so on). */
ASTERIX_EXPORT ast_dataitem_021_903_t ast_dataitem_021_A03_decode(const ast_dataitem_t* item);
ASTERIX_EXPORT ast_dataitem_t ast_dataitem_021_A03_encode(uint8_t* buffer, uint64_t capacity,
                                                          const ast_dataitem_value_t* value);
ASTERIX_EXPORT char* ast_dataitem_021_A03_get_summary(char* buffer, size_t capacity,
                                                      const ast_dataitem_t* item);
ASTERIX_EXPORT char* ast_dataitem_021_A03_get_detail_html(char* buffer, size_t capacity,
                                                          const ast_dataitem_t* item);
ASTERIX_EXPORT ast_dataitem_021_905_t ast_dataitem_021_A05_decode(const ast_dataitem_t* item);
ASTERIX_EXPORT ast_dataitem_t ast_dataitem_021_A05_encode(uint8_t* buffer, uint64_t capacity,
                                                          const ast_dataitem_value_t* value);
ASTERIX_EXPORT char* ast_dataitem_021_A05_get_summary(char* buffer, size_t capacity,
                                                      const ast_dataitem_t* item);
ASTERIX_EXPORT char* ast_dataitem_021_A05_get_detail_html(char* buffer, size_t capacity,
                                                          const ast_dataitem_t* item);
ASTERIX_EXPORT ast_dataitem_021_906_t ast_dataitem_021_A06_decode(const ast_dataitem_t* item);
ASTERIX_EXPORT char* ast_dataitem_021_A06_get_summary(char* buffer, size_t capacity,
                                                      const ast_dataitem_t* item);
ASTERIX_EXPORT char* ast_dataitem_021_A06_get_detail_html(char* buffer, size_t capacity,
                                                          const ast_dataitem_t* item);
ASTERIX_EXPORT char* ast_dataitem_021_A08_get_summary(char* buffer, size_t capacity,
                                                      const ast_dataitem_t* item);
/* Type 21909, I021/165 of editions 2.x: summary "TAR:%.2fDEG/S". */
ASTERIX_EXPORT ast_dataitem_021_909_t ast_dataitem_021_A09_decode(const ast_dataitem_t* item);
ASTERIX_EXPORT char* ast_dataitem_021_A09_get_summary(char* buffer, size_t capacity,
                                                      const ast_dataitem_t* item);
ASTERIX_EXPORT char* ast_dataitem_021_A09_get_detail_html(char* buffer, size_t capacity,
                                                          const ast_dataitem_t* item);

/* Item-specific size rules. I021/271 of editions 1.0 to 2.1 (type 21907): a first octet with
 * FX, then one octet without FX. */
ASTERIX_EXPORT uint64_t ast_dataitem_021_220_get_size(const uint8_t* data, uint64_t available);
ASTERIX_EXPORT uint64_t ast_dataitem_021_295_get_size(const uint8_t* data, uint64_t available);
ASTERIX_EXPORT uint64_t ast_dataitem_021_A07_get_size(const uint8_t* data, uint64_t available);
ASTERIX_EXPORT uint64_t ast_dataitem_021_110_get_size(const uint8_t* data, uint64_t available);

/* Subfields of I021/110 (trajectory intent), I021/220 (met information), I021/295 (data ages). */
ASTERIX_EXPORT const char* ast_subfield_021_110_get_id(uint32_t subfield_type);
ASTERIX_EXPORT const char* ast_subfield_021_110_get_name(uint32_t subfield_type);
ASTERIX_EXPORT uint64_t ast_subfield_021_110_get_size(const uint8_t* data, uint64_t available,
                                                      uint32_t subfield_type);
ASTERIX_EXPORT char* ast_subfield_021_110_get_summary(char* buffer, size_t capacity,
                                                      const ast_subfield_t* subfield);
ASTERIX_EXPORT const char* ast_subfield_021_220_get_id(uint32_t subfield_type);
ASTERIX_EXPORT const char* ast_subfield_021_220_get_name(uint32_t subfield_type);
ASTERIX_EXPORT uint64_t ast_subfield_021_220_get_size(const uint8_t* data, uint64_t available,
                                                      uint32_t subfield_type);
ASTERIX_EXPORT char* ast_subfield_021_220_get_summary(char* buffer, size_t capacity,
                                                      const ast_subfield_t* subfield);
ASTERIX_EXPORT const char* ast_subfield_021_295_get_id(uint32_t subfield_type);
ASTERIX_EXPORT const char* ast_subfield_021_295_get_name(uint32_t subfield_type);
ASTERIX_EXPORT uint64_t ast_subfield_021_295_get_size(const uint8_t* data, uint64_t available,
                                                      uint32_t subfield_type);
ASTERIX_EXPORT char* ast_subfield_021_295_get_summary(char* buffer, size_t capacity,
                                                      const ast_subfield_t* subfield);

/* Record assembly: the present fields become the values of ast_datarecord_encode with the given
 * UAP (items the UAP does not place are left out). Disassembly fills a form from an ok CAT021
 * record; "Failed to disassemble dataitem %s." (DEBUG) for an item that does not decode. */
ASTERIX_EXPORT ast_datarecord_t ast_datarecord_021_v026_assemble(
    uint8_t* buffer, uint64_t capacity, const ast_cat021_v026_record_t* form, ast_uap_t uap);
ASTERIX_EXPORT ast_datarecord_t ast_datarecord_021_v24_assemble(uint8_t* buffer, uint64_t capacity,
                                                                const ast_cat021_v24_record_t* form,
                                                                ast_uap_t uap);
ASTERIX_EXPORT ast_cat021_v026_record_t
ast_datarecord_021_v026_disassemble(const ast_datarecord_t* record);
ASTERIX_EXPORT ast_cat021_v24_record_t
ast_datarecord_021_v24_disassemble(const ast_datarecord_t* record);

/* CAT021 record getters. Each scans an OK CAT021 record for its item and decodes it with the
 * item's decoder; a NULL record, a record that is not OK or not of CAT021, or a record without
 * the item (or whose item does not decode) gives an invalid result.
 * - sacsic: I021/010.
 * - timeofday: the first of I021/030 (editions 0.2x), I021/071 (time of applicability for
 *   position), I021/073 (time of message reception for position), I021/072, I021/075 and
 *   I021/077 (time of report transmission) that the record carries.
 * - msgtype: always AST_MSGTYPE_ADSB for an OK record.
 * - tracknum: I021/161. squawk: I021/070. callsign: I021/170. icaoaddr: I021/080.
 * - coordinate: I021/130 (low resolution) or the edition 0.26 position (type 21902); a record
 *   with neither falls back to the high-resolution position I021/131.
 * - flightlevel: I021/145, FL = raw / 4.
 * - heading and speed: I021/160, ground speed x 0.2197265625 kt (2^-14 NM/s) and track angle
 *   x 0.0054931640625 degrees (360/2^16); both parts are filled by either getter. */
ASTERIX_EXPORT ast_record_sacsic_t ast_datarecord_021_get_sacsic(const ast_datarecord_t* record);
ASTERIX_EXPORT ast_record_timeofday_t
ast_datarecord_021_get_timeofday(const ast_datarecord_t* record);
ASTERIX_EXPORT ast_record_msgtype_t ast_datarecord_021_get_msgtype(const ast_datarecord_t* record);
ASTERIX_EXPORT ast_record_tracknum_t
ast_datarecord_021_get_tracknum(const ast_datarecord_t* record);
ASTERIX_EXPORT ast_record_squawk_t ast_datarecord_021_get_squawk(const ast_datarecord_t* record);
ASTERIX_EXPORT ast_record_callsign_t
ast_datarecord_021_get_callsign(const ast_datarecord_t* record);
ASTERIX_EXPORT ast_record_icaoaddr_t
ast_datarecord_021_get_icaoaddr(const ast_datarecord_t* record);
ASTERIX_EXPORT ast_record_coordinate_t
ast_datarecord_021_get_coordinate(const ast_datarecord_t* record);
ASTERIX_EXPORT ast_record_flightlevel_t
ast_datarecord_021_get_flightlevel(const ast_datarecord_t* record);
ASTERIX_EXPORT ast_record_velocity_t ast_datarecord_021_get_heading(const ast_datarecord_t* record);
ASTERIX_EXPORT ast_record_velocity_t ast_datarecord_021_get_speed(const ast_datarecord_t* record);

/* ---------------------------------------------------------------------------------------- */
/* Radar categories: CAT001 and CAT048 (monoradar target reports), CAT002 and CAT034         */
/* (monoradar service messages)                                                              */

/* I001/040 and I048/040 measured position in slant polar co-ordinates: rho in 1/128 NM
 * (CAT001) or 1/256 NM (CAT048), theta in 360/2^16 degrees. The encoders write the rounded
 * raws of rho and theta; they refuse a rho beyond the 16-bit field or a theta outside 0 to 360
 * degrees (360 excluded). */
typedef struct ast_polar_position {
    uint8_t present;
    uint32_t rho_raw;
    uint32_t theta_raw;
    double rho;   /* NM */
    double theta; /* degrees */
} ast_polar_position_t;

/* I001/042 and I048/042 calculated position in Cartesian co-ordinates: two's complement x and
 * y in 1/64 NM (CAT001) or 1/128 NM (CAT048). The encoder writes the rounded raws of x and y. */
typedef struct ast_radar_cartesian {
    uint8_t present;
    int32_t x_raw;
    int32_t y_raw;
    double x; /* NM */
    double y; /* NM */
} ast_radar_cartesian_t;

/* I001/020 target report descriptor: the first octet and its first extension. */
typedef struct ast_dataitem_001_020 {
    uint8_t present;
    uint8_t typ;      /* 0 plot, 1 track */
    uint8_t sim;      /* simulated */
    uint32_t ssr_psr; /* 0 no detection, 1 sole primary, 2 sole secondary, 3 combined */
    uint8_t ant;      /* antenna 2 */
    uint8_t spi;
    uint8_t rab;      /* report from a field monitor */
    uint8_t tst;      /* first extension: test target */
    uint32_t ds1_ds2; /* 0 default, 1 unlawful interference, 2 radio failure, 3 emergency */
    uint8_t me;       /* military emergency */
    uint8_t mi;       /* military identification */
} ast_dataitem_001_020_t;

/* I001/130 radar plot characteristics: the 7-bit values of its octets. */
typedef struct ast_dataitem_001_130 {
    uint8_t present;
    uint32_t count;
    uint32_t values[2];
} ast_dataitem_001_130_t;

/* I001/141 truncated time of day: 1/128 s within the 512 s period. The encoder writes raw, or
 * when raw is 0 the rounded seconds (which must stay below 512). */
typedef struct ast_dataitem_001_141 {
    uint8_t present;
    uint32_t raw;
    double seconds;
} ast_dataitem_001_141_t;

/* I001/170 track status. */
typedef struct ast_dataitem_001_170 {
    uint8_t present;
    uint8_t con;   /* track in initiation phase */
    uint8_t rad;   /* 0 primary track, 1 SSR or combined track */
    uint8_t man;   /* manoeuvring */
    uint8_t dou;   /* doubtful plot to track association */
    uint32_t rdpc; /* radar data processing chain, 1 or 2 */
    uint8_t gho;   /* ghost track */
    uint8_t tre;   /* first extension: last report of the track */
} ast_dataitem_001_170_t;

/* I001/210 track quality: one or two 7-bit quality values. */
typedef struct ast_dataitem_001_210 {
    uint8_t present;
    uint32_t count;
    uint32_t q1;
    uint32_t q2;
} ast_dataitem_001_210_t;

/* I048/020 target report descriptor: the first octet and its first extension. */
typedef struct ast_dataitem_048_020 {
    uint8_t present;
    uint32_t typ; /* 0 no detection, 1 PSR, 2 SSR, 3 SSR+PSR, 4 Mode S all-call, 5 roll-call,
                     6 all-call + PSR, 7 roll-call + PSR */
    uint8_t sim;
    uint8_t rdp; /* report from RDP chain 2 */
    uint8_t spi;
    uint8_t rab;
    uint8_t tst; /* first extension */
    uint8_t err; /* extended range */
    uint8_t xpp; /* X-pulse present */
    uint8_t me;
    uint8_t mi;
    uint32_t foe_fri; /* 0 no Mode 4 interrogation, 1 friendly, 2 unknown, 3 no reply */
} ast_dataitem_048_020_t;

/* I048/030 warning/error conditions: the 7-bit codes in the order sent. */
typedef struct ast_dataitem_048_030 {
    uint8_t present;
    uint32_t count;
    uint32_t codes[AST_MAX_WARNING_CODES];
} ast_dataitem_048_030_t;

/* I048/110 height measured by a 3D radar: 14-bit two's complement in 25 ft. */
typedef struct ast_dataitem_048_110 {
    uint8_t present;
    int32_t raw;
    int32_t height; /* ft */
} ast_dataitem_048_110_t;

/* I048/130 radar plot characteristics, each subfield with its present flag. */
typedef struct ast_dataitem_048_130 {
    uint8_t present;
    uint8_t srl_present;
    double srl; /* SSR plot runlength, degrees (360/2^13) */
    uint8_t srr_present;
    uint32_t srr; /* received replies for (M)SSR */
    uint8_t sam_present;
    int32_t sam; /* amplitude of (M)SSR reply, dBm */
    uint8_t prl_present;
    double prl; /* primary plot runlength, degrees (360/2^13) */
    uint8_t pam_present;
    int32_t pam; /* amplitude of primary plot, dBm */
    uint8_t rpd_present;
    double rpd; /* range PSR - SSR, NM (1/256) */
    uint8_t apd_present;
    double apd; /* azimuth PSR - SSR, degrees (360/2^14) */
} ast_dataitem_048_130_t;

/* I048/170 track status: the first octet and its first extension. */
typedef struct ast_dataitem_048_170 {
    uint8_t present;
    uint8_t cnf;  /* tentative track */
    uint32_t rad; /* 0 combined, 1 PSR, 2 SSR/Mode S, 3 invalid */
    uint8_t dou;
    uint8_t mah;  /* horizontal manoeuvre sensed */
    uint32_t cdm; /* 0 maintaining, 1 climbing, 2 descending, 3 unknown */
    uint8_t tre;  /* first extension: end of track */
    uint8_t gho;
    uint8_t sup;
    uint8_t tcc;
} ast_dataitem_048_170_t;

/* I048/230 communications/ACAS capability and flight status. */
typedef struct ast_dataitem_048_230 {
    uint8_t present;
    uint32_t com;  /* communications capability, 0 to 4 */
    uint32_t stat; /* flight status, 0 to 5 and 7 */
    uint8_t si;    /* II-code capable */
    uint8_t mssc;  /* Mode S specific service capability */
    uint8_t arc;   /* altitude reporting in 25 ft */
    uint8_t aic;   /* aircraft identification capability */
    uint8_t b1a;   /* BDS 1,0 bit 16 */
    uint32_t b1b;  /* BDS 1,0 bits 37-40 */
} ast_dataitem_048_230_t;

/* I034/041 antenna rotation period: 1/128 s. */
typedef struct ast_dataitem_034_041 {
    uint8_t present;
    uint32_t raw;
    double period; /* s */
} ast_dataitem_034_041_t;

/* I034/050 system configuration and status, each subfield with its present flag. */
typedef struct ast_dataitem_034_050 {
    uint8_t present;
    uint8_t com_present;
    uint8_t nogo;    /* system inhibited */
    uint8_t rdpc;    /* RDP chain 2 selected */
    uint8_t rdpr;    /* RDP reset */
    uint8_t ovl_rdp; /* RDP overloaded */
    uint8_t ovl_xmt; /* transmission subsystem overloaded */
    uint8_t msc;     /* monitoring system disconnected */
    uint8_t tsv;     /* time source invalid */
    uint8_t psr_present;
    uint8_t psr_ant;    /* antenna 2 */
    uint32_t psr_ch_ab; /* 0 none, 1 channel A, 2 channel B, 3 diversity */
    uint8_t psr_ovl;
    uint8_t psr_msc;
    uint8_t ssr_present;
    uint8_t ssr_ant;
    uint32_t ssr_ch_ab;
    uint8_t ssr_ovl;
    uint8_t ssr_msc;
    uint8_t mds_present;
    uint8_t mds_ant;
    uint32_t mds_ch_ab;
    uint8_t mds_ovl_sur;
    uint8_t mds_msc;
    uint8_t mds_scf; /* surveillance co-ordination function on channel B */
    uint8_t mds_dlf; /* data link function on channel B */
    uint8_t mds_ovl_scf;
    uint8_t mds_ovl_dlf;
} ast_dataitem_034_050_t;

/* I034/060 system processing mode: reduction steps (0 none to 7) in use per subsystem. */
typedef struct ast_dataitem_034_060 {
    uint8_t present;
    uint8_t com_present;
    uint32_t red_rdp;
    uint32_t red_xmt;
    uint8_t psr_present;
    uint8_t psr_pol; /* circular polarisation */
    uint32_t psr_red_rad;
    uint32_t psr_stc; /* STC map 1 to 4 as 0 to 3 */
    uint8_t ssr_present;
    uint32_t ssr_red_rad;
    uint8_t mds_present;
    uint32_t mds_red_rad;
    uint8_t mds_clu; /* autonomous rather than cluster mode */
} ast_dataitem_034_060_t;

/* I034/070 message count values: per counter a 5-bit type and an 11-bit count. */
typedef struct ast_message_counter {
    uint32_t type;
    uint32_t count;
} ast_message_counter_t;

typedef struct ast_dataitem_034_070 {
    uint8_t present;
    uint32_t count;
    ast_message_counter_t counters[AST_MAX_MESSAGE_COUNTERS];
} ast_dataitem_034_070_t;

ASTERIX_EXPORT ast_dataitem_001_020_t ast_dataitem_001_020_decode(const ast_dataitem_t* item);
ASTERIX_EXPORT ast_dataitem_t ast_dataitem_001_020_encode(uint8_t* buffer, uint64_t capacity,
                                                          const ast_dataitem_value_t* value);
ASTERIX_EXPORT char* ast_dataitem_001_020_get_summary(char* buffer, size_t capacity,
                                                      const ast_dataitem_t* item);
ASTERIX_EXPORT char* ast_dataitem_001_020_get_detail_html(char* buffer, size_t capacity,
                                                          const ast_dataitem_t* item);
ASTERIX_EXPORT ast_polar_position_t ast_dataitem_001_040_decode(const ast_dataitem_t* item);
ASTERIX_EXPORT ast_dataitem_t ast_dataitem_001_040_encode(uint8_t* buffer, uint64_t capacity,
                                                          const ast_dataitem_value_t* value);
ASTERIX_EXPORT ast_radar_cartesian_t ast_dataitem_001_042_decode(const ast_dataitem_t* item);
ASTERIX_EXPORT ast_dataitem_t ast_dataitem_001_042_encode(uint8_t* buffer, uint64_t capacity,
                                                          const ast_dataitem_value_t* value);
ASTERIX_EXPORT ast_dataitem_001_130_t ast_dataitem_001_130_decode(const ast_dataitem_t* item);
ASTERIX_EXPORT ast_dataitem_001_141_t ast_dataitem_001_141_decode(const ast_dataitem_t* item);
ASTERIX_EXPORT ast_dataitem_t ast_dataitem_001_141_encode(uint8_t* buffer, uint64_t capacity,
                                                          const ast_dataitem_value_t* value);
ASTERIX_EXPORT char* ast_dataitem_001_141_get_summary(char* buffer, size_t capacity,
                                                      const ast_dataitem_t* item);
ASTERIX_EXPORT char* ast_dataitem_001_141_get_detail_html(char* buffer, size_t capacity,
                                                          const ast_dataitem_t* item);
ASTERIX_EXPORT ast_dataitem_001_170_t ast_dataitem_001_170_decode(const ast_dataitem_t* item);
ASTERIX_EXPORT ast_dataitem_t ast_dataitem_001_170_encode(uint8_t* buffer, uint64_t capacity,
                                                          const ast_dataitem_value_t* value);
ASTERIX_EXPORT char* ast_dataitem_001_170_get_summary(char* buffer, size_t capacity,
                                                      const ast_dataitem_t* item);
ASTERIX_EXPORT char* ast_dataitem_001_170_get_detail_html(char* buffer, size_t capacity,
                                                          const ast_dataitem_t* item);
ASTERIX_EXPORT ast_dataitem_001_210_t ast_dataitem_001_210_decode(const ast_dataitem_t* item);
ASTERIX_EXPORT char* ast_dataitem_001_210_get_summary(char* buffer, size_t capacity,
                                                      const ast_dataitem_t* item);
ASTERIX_EXPORT char* ast_dataitem_001_210_get_detail_html(char* buffer, size_t capacity,
                                                          const ast_dataitem_t* item);

ASTERIX_EXPORT char* ast_dataitem_002_000_get_summary(char* buffer, size_t capacity,
                                                      const ast_dataitem_t* item);

ASTERIX_EXPORT char* ast_dataitem_034_000_get_summary(char* buffer, size_t capacity,
                                                      const ast_dataitem_t* item);
ASTERIX_EXPORT ast_dataitem_034_041_t ast_dataitem_034_041_decode(const ast_dataitem_t* item);
ASTERIX_EXPORT char* ast_dataitem_034_041_get_summary(char* buffer, size_t capacity,
                                                      const ast_dataitem_t* item);
ASTERIX_EXPORT ast_dataitem_034_050_t ast_dataitem_034_050_decode(const ast_dataitem_t* item);
ASTERIX_EXPORT ast_dataitem_034_060_t ast_dataitem_034_060_decode(const ast_dataitem_t* item);
ASTERIX_EXPORT ast_dataitem_034_070_t ast_dataitem_034_070_decode(const ast_dataitem_t* item);
ASTERIX_EXPORT char* ast_dataitem_034_070_get_summary(char* buffer, size_t capacity,
                                                      const ast_dataitem_t* item);
ASTERIX_EXPORT char* ast_dataitem_034_070_get_detail_html(char* buffer, size_t capacity,
                                                          const ast_dataitem_t* item);

ASTERIX_EXPORT ast_dataitem_048_020_t ast_dataitem_048_020_decode(const ast_dataitem_t* item);
ASTERIX_EXPORT ast_dataitem_t ast_dataitem_048_020_encode(uint8_t* buffer, uint64_t capacity,
                                                          const ast_dataitem_value_t* value);
ASTERIX_EXPORT char* ast_dataitem_048_020_get_summary(char* buffer, size_t capacity,
                                                      const ast_dataitem_t* item);
ASTERIX_EXPORT char* ast_dataitem_048_020_get_detail_html(char* buffer, size_t capacity,
                                                          const ast_dataitem_t* item);
ASTERIX_EXPORT ast_dataitem_048_030_t ast_dataitem_048_030_decode(const ast_dataitem_t* item);
ASTERIX_EXPORT char* ast_dataitem_048_030_get_summary(char* buffer, size_t capacity,
                                                      const ast_dataitem_t* item);
ASTERIX_EXPORT char* ast_dataitem_048_030_get_detail_html(char* buffer, size_t capacity,
                                                          const ast_dataitem_t* item);
ASTERIX_EXPORT ast_polar_position_t ast_dataitem_048_040_decode(const ast_dataitem_t* item);
ASTERIX_EXPORT ast_dataitem_t ast_dataitem_048_040_encode(uint8_t* buffer, uint64_t capacity,
                                                          const ast_dataitem_value_t* value);
ASTERIX_EXPORT ast_radar_cartesian_t ast_dataitem_048_042_decode(const ast_dataitem_t* item);
ASTERIX_EXPORT ast_dataitem_048_110_t ast_dataitem_048_110_decode(const ast_dataitem_t* item);
ASTERIX_EXPORT char* ast_dataitem_048_110_get_summary(char* buffer, size_t capacity,
                                                      const ast_dataitem_t* item);
ASTERIX_EXPORT char* ast_dataitem_048_110_get_detail_html(char* buffer, size_t capacity,
                                                          const ast_dataitem_t* item);
ASTERIX_EXPORT ast_dataitem_048_130_t ast_dataitem_048_130_decode(const ast_dataitem_t* item);
ASTERIX_EXPORT ast_dataitem_048_170_t ast_dataitem_048_170_decode(const ast_dataitem_t* item);
ASTERIX_EXPORT char* ast_dataitem_048_170_get_summary(char* buffer, size_t capacity,
                                                      const ast_dataitem_t* item);
ASTERIX_EXPORT char* ast_dataitem_048_170_get_detail_html(char* buffer, size_t capacity,
                                                          const ast_dataitem_t* item);
/* Logs "I048/230: Communication Capability Unknown." for COM 5 to 7 and "I048/230: Flight
 * Status Unknown." for STAT 6 (WARNING); the form keeps the codes as sent. */
ASTERIX_EXPORT ast_dataitem_048_230_t ast_dataitem_048_230_decode(const ast_dataitem_t* item);
ASTERIX_EXPORT char* ast_dataitem_048_230_get_summary(char* buffer, size_t capacity,
                                                      const ast_dataitem_t* item);
ASTERIX_EXPORT char* ast_dataitem_048_230_get_detail_html(char* buffer, size_t capacity,
                                                          const ast_dataitem_t* item);
/* The 7 octets of I048/260 as a BDS 3,0 register. */
ASTERIX_EXPORT ast_bds_30_t ast_dataitem_048_260_decode(const ast_dataitem_t* item);
ASTERIX_EXPORT char* ast_dataitem_048_260_get_summary(char* buffer, size_t capacity,
                                                      const ast_dataitem_t* item);
ASTERIX_EXPORT char* ast_dataitem_048_260_get_detail_html(char* buffer, size_t capacity,
                                                          const ast_dataitem_t* item);

/* Shared by I001/040 and I048/040 ("RHO:%.1f THETA:%.1f"), I001/042 and I048/042
 * ("X:%.1f Y:%.1f LSB:M", the position in metres). */
ASTERIX_EXPORT char* ast_dataitem_polar_position_get_summary(char* buffer, size_t capacity,
                                                             const ast_dataitem_t* item);
ASTERIX_EXPORT char* ast_dataitem_polar_position_get_detail_html(char* buffer, size_t capacity,
                                                                 const ast_dataitem_t* item);
ASTERIX_EXPORT char* ast_dataitem_radar_cartesian_get_summary(char* buffer, size_t capacity,
                                                              const ast_dataitem_t* item);
ASTERIX_EXPORT char* ast_dataitem_radar_cartesian_get_detail_html(char* buffer, size_t capacity,
                                                                  const ast_dataitem_t* item);

/* Item-specific size rules of the compound items I034/050, I034/060 and I048/130. */
ASTERIX_EXPORT uint64_t ast_dataitem_034_050_get_size(const uint8_t* data, uint64_t available);
ASTERIX_EXPORT uint64_t ast_dataitem_034_060_get_size(const uint8_t* data, uint64_t available);
ASTERIX_EXPORT uint64_t ast_dataitem_048_130_get_size(const uint8_t* data, uint64_t available);

/* Subfields of I034/050, I034/060, I048/120 and I048/130 (subfield type: item type x 1000 +
 * index, for example 48130001 for SRL). */
ASTERIX_EXPORT const char* ast_subfield_034_050_get_id(uint32_t subfield_type);
ASTERIX_EXPORT const char* ast_subfield_034_050_get_name(uint32_t subfield_type);
ASTERIX_EXPORT uint64_t ast_subfield_034_050_get_size(const uint8_t* data, uint64_t available,
                                                      uint32_t subfield_type);
ASTERIX_EXPORT char* ast_subfield_034_050_get_summary(char* buffer, size_t capacity,
                                                      const ast_subfield_t* subfield);
ASTERIX_EXPORT char* ast_subfield_034_050_get_detail_html(char* buffer, size_t capacity,
                                                          const ast_subfield_t* subfield);
ASTERIX_EXPORT const char* ast_subfield_034_060_get_id(uint32_t subfield_type);
ASTERIX_EXPORT const char* ast_subfield_034_060_get_name(uint32_t subfield_type);
ASTERIX_EXPORT uint64_t ast_subfield_034_060_get_size(const uint8_t* data, uint64_t available,
                                                      uint32_t subfield_type);
ASTERIX_EXPORT char* ast_subfield_034_060_get_summary(char* buffer, size_t capacity,
                                                      const ast_subfield_t* subfield);
ASTERIX_EXPORT char* ast_subfield_034_060_get_detail_html(char* buffer, size_t capacity,
                                                          const ast_subfield_t* subfield);
ASTERIX_EXPORT const char* ast_subfield_048_120_get_id(uint32_t subfield_type);
ASTERIX_EXPORT const char* ast_subfield_048_120_get_name(uint32_t subfield_type);
ASTERIX_EXPORT uint64_t ast_subfield_048_120_get_size(const uint8_t* data, uint64_t available,
                                                      uint32_t subfield_type);
ASTERIX_EXPORT const char* ast_subfield_048_130_get_id(uint32_t subfield_type);
ASTERIX_EXPORT const char* ast_subfield_048_130_get_name(uint32_t subfield_type);
ASTERIX_EXPORT uint64_t ast_subfield_048_130_get_size(const uint8_t* data, uint64_t available,
                                                      uint32_t subfield_type);
ASTERIX_EXPORT char* ast_subfield_048_130_get_summary(char* buffer, size_t capacity,
                                                      const ast_subfield_t* subfield);

/* Record forms, one optional field per item (present flag first), as for CAT021: assembly
 * encodes the present fields that the form writes with the given UAP (ast_datarecord_encode;
 * the caller's form is never written), disassembly fills a zeroed form from an OK record of
 * the category and sets ok, logging "Failed to disassemble dataitem %s." (DEBUG) for an item
 * that does not decode. */

/* CAT001: assembly writes 010, 020, 040, 042, 070, 090, 141, 161, 170 and 200; disassembly
 * also fills 080, 100, 130 and 210. Use AST_UAP_STANDARD for a track, AST_UAP_CAT001_PLOT for
 * a plot. */
typedef struct ast_cat001_record {
    uint8_t ok;
    ast_data_source_t i010;
    ast_dataitem_001_020_t i020;
    ast_polar_position_t i040;
    ast_radar_cartesian_t i042;
    ast_mode_3a_t i070;
    ast_mode_3a_confidence_t i080;
    ast_mode_c_t i090;
    ast_mode_c_confidence_t i100;
    ast_dataitem_001_130_t i130;
    ast_dataitem_001_141_t i141;
    ast_track_number_t i161;
    ast_dataitem_001_170_t i170;
    ast_polar_velocity_t i200;
    ast_dataitem_001_210_t i210;
} ast_cat001_record_t;

/* CAT002: 000 (message type), 010, 020 and 030 both ways. */
typedef struct ast_cat002_record {
    uint8_t ok;
    ast_one_octet_t i000;
    ast_data_source_t i010;
    ast_sector_number_t i020;
    ast_time_of_day_t i030;
} ast_cat002_record_t;

/* CAT034: assembly writes 000, 010, 020 and 030; disassembly also fills 041, 050, 060, 070. */
typedef struct ast_cat034_record {
    uint8_t ok;
    ast_one_octet_t i000;
    ast_data_source_t i010;
    ast_sector_number_t i020;
    ast_time_of_day_t i030;
    ast_dataitem_034_041_t i041;
    ast_dataitem_034_050_t i050;
    ast_dataitem_034_060_t i060;
    ast_dataitem_034_070_t i070;
} ast_cat034_record_t;

/* CAT048: assembly writes 010, 020, 040, 070, 090, 140, 161, 200, 220 and 240; disassembly
 * also fills 030, 042, 080, 100, 110, 130, 170, 230, 250 and 260. */
typedef struct ast_cat048_record {
    uint8_t ok;
    ast_data_source_t i010;
    ast_dataitem_048_020_t i020;
    ast_dataitem_048_030_t i030;
    ast_polar_position_t i040;
    ast_radar_cartesian_t i042;
    ast_mode_3a_t i070;
    ast_mode_3a_confidence_t i080;
    ast_mode_c_t i090;
    ast_mode_c_confidence_t i100;
    ast_dataitem_048_110_t i110;
    ast_dataitem_048_130_t i130;
    ast_time_of_day_t i140;
    ast_track_number_t i161;
    ast_dataitem_048_170_t i170;
    ast_polar_velocity_t i200;
    ast_target_address_t i220;
    ast_dataitem_048_230_t i230;
    ast_aircraft_id_t i240;
    ast_mb_data_t i250;
    ast_bds_30_t i260;
} ast_cat048_record_t;

ASTERIX_EXPORT ast_datarecord_t ast_datarecord_001_assemble(uint8_t* buffer, uint64_t capacity,
                                                            const ast_cat001_record_t* form,
                                                            ast_uap_t uap);
ASTERIX_EXPORT ast_cat001_record_t ast_datarecord_001_disassemble(const ast_datarecord_t* record);
ASTERIX_EXPORT ast_datarecord_t ast_datarecord_002_assemble(uint8_t* buffer, uint64_t capacity,
                                                            const ast_cat002_record_t* form,
                                                            ast_uap_t uap);
ASTERIX_EXPORT ast_cat002_record_t ast_datarecord_002_disassemble(const ast_datarecord_t* record);
ASTERIX_EXPORT ast_datarecord_t ast_datarecord_034_assemble(uint8_t* buffer, uint64_t capacity,
                                                            const ast_cat034_record_t* form,
                                                            ast_uap_t uap);
ASTERIX_EXPORT ast_cat034_record_t ast_datarecord_034_disassemble(const ast_datarecord_t* record);
ASTERIX_EXPORT ast_datarecord_t ast_datarecord_048_assemble(uint8_t* buffer, uint64_t capacity,
                                                            const ast_cat048_record_t* form,
                                                            ast_uap_t uap);
ASTERIX_EXPORT ast_cat048_record_t ast_datarecord_048_disassemble(const ast_datarecord_t* record);

/* CAT048 to CAT001: SAC/SIC; the descriptor (TYP 0 gives no detection, 1 sole primary, 2, 4
 * and 5 sole secondary, 3, 6 and 7 combined; SIM, SPI, RAB and TST copied; a track when
 * I048/161 is present, else a plot); the polar position; the Cartesian position at the CAT001
 * LSB (raw halved); Mode 3/A, Mode C, the time (as the truncated time of day), the track
 * number, the velocity and the track status (confirmation, manoeuvre, doubtful association,
 * ghost, end of track, PSR or SSR/combined track, the RDP chain of I048/020). */
ASTERIX_EXPORT ast_cat001_record_t ast_datarecord_convert_048_001(const ast_cat048_record_t* form);
/* CAT034 to CAT002: message types 1 (north marker) and 2 (sector crossing) are kept, any other
 * logs "Unsupported I034/000 message type %u detected." (WARNING) and is left out; SAC/SIC,
 * the sector number (raw, azimuth -1) and the time of day are copied. */
ASTERIX_EXPORT ast_cat002_record_t ast_datarecord_convert_034_002(const ast_cat034_record_t* form);

/* Record getters of CAT001, CAT002 and CAT048, as those of CAT021. Message types: CAT001 and
 * CAT048 answer AST_MSGTYPE_TRACK for a record with I001/161 or I048/161, else
 * AST_MSGTYPE_PLOT; CAT002 answers the north marker (1) and the sector crossing (2) of I002/000
 * and nothing for its other message types. Flight level from the Mode C code (1/4 FL); polar
 * coordinate from I001/040 or I048/040; the CAT048 heading from I048/200 (both parts). */
ASTERIX_EXPORT ast_record_sacsic_t ast_datarecord_001_get_sacsic(const ast_datarecord_t* record);
ASTERIX_EXPORT ast_record_msgtype_t ast_datarecord_001_get_msgtype(const ast_datarecord_t* record);
ASTERIX_EXPORT ast_record_tracknum_t
ast_datarecord_001_get_tracknum(const ast_datarecord_t* record);
ASTERIX_EXPORT ast_record_squawk_t ast_datarecord_001_get_squawk(const ast_datarecord_t* record);
ASTERIX_EXPORT ast_record_flightlevel_t
ast_datarecord_001_get_flightlevel(const ast_datarecord_t* record);
ASTERIX_EXPORT ast_record_polarcoord_t
ast_datarecord_001_get_polarcoord(const ast_datarecord_t* record);
ASTERIX_EXPORT ast_record_sacsic_t ast_datarecord_002_get_sacsic(const ast_datarecord_t* record);
ASTERIX_EXPORT ast_record_timeofday_t
ast_datarecord_002_get_timeofday(const ast_datarecord_t* record);
ASTERIX_EXPORT ast_record_msgtype_t ast_datarecord_002_get_msgtype(const ast_datarecord_t* record);
ASTERIX_EXPORT ast_record_sacsic_t ast_datarecord_048_get_sacsic(const ast_datarecord_t* record);
ASTERIX_EXPORT ast_record_timeofday_t
ast_datarecord_048_get_timeofday(const ast_datarecord_t* record);
ASTERIX_EXPORT ast_record_msgtype_t ast_datarecord_048_get_msgtype(const ast_datarecord_t* record);
ASTERIX_EXPORT ast_record_tracknum_t
ast_datarecord_048_get_tracknum(const ast_datarecord_t* record);
ASTERIX_EXPORT ast_record_squawk_t ast_datarecord_048_get_squawk(const ast_datarecord_t* record);
ASTERIX_EXPORT ast_record_callsign_t
ast_datarecord_048_get_callsign(const ast_datarecord_t* record);
ASTERIX_EXPORT ast_record_icaoaddr_t
ast_datarecord_048_get_icaoaddr(const ast_datarecord_t* record);
ASTERIX_EXPORT ast_record_flightlevel_t
ast_datarecord_048_get_flightlevel(const ast_datarecord_t* record);
ASTERIX_EXPORT ast_record_polarcoord_t
ast_datarecord_048_get_polarcoord(const ast_datarecord_t* record);
ASTERIX_EXPORT ast_record_velocity_t ast_datarecord_048_get_heading(const ast_datarecord_t* record);

#ifdef __cplusplus
}
#endif

/* The categories whose declarations live in headers of their own. */
#include <asterix/cat004.h>
#include <asterix/cat008.h>
#include <asterix/cat010.h>
#include <asterix/cat019.h>
#include <asterix/cat020.h>
#include <asterix/cat023.h>
#include <asterix/cat062.h>
#include <asterix/cat065.h>
#include <asterix/cat240.h>

#endif /* ASTERIX_ASTERIX_H */
