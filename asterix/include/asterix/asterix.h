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
    AST_MAX_DATARECORDS = 64,     /* records held by one ast_datablock_t */
    AST_MAX_DATAITEMS = 32,       /* items held by one ast_datarecord_t */
    AST_MAX_VALUES = 32,          /* values of an ast_datarecord_spec_t or ast_dataitem_mods_t */
    AST_MAX_BLOCK_LENGTH = 65535, /* largest LEN of a data block */
    AST_MAX_LOG_MESSAGE = 511,    /* characters of one log message */
    AST_MAX_SUBFIELDS = 35,       /* subfield entries of a decoded compound item */
    AST_MAX_MB_DATA = 255         /* elements of a decoded Mode S MB data item */
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

/* Mode 3/A and Mode C code confidence (I001/080, I001/100, I048/080, I048/100). */
ASTERIX_EXPORT char* ast_dataitem_mode_3a_confidence_get_summary(char* buffer, size_t capacity,
                                                                 const ast_dataitem_t* item);
ASTERIX_EXPORT char* ast_dataitem_mode_c_confidence_get_summary(char* buffer, size_t capacity,
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
 * limitation." (PANIC) and fails the block. */
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

#ifdef __cplusplus
}
#endif

#endif /* ASTERIX_ASTERIX_H */
