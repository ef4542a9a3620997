/* CAT004, safety net messages: the safety-net message types, the category-specific decoded
 * forms, summaries and detail views, the subfields of the compound items and the record form.
 * Included by asterix.h. */
#ifndef ASTERIX_CAT004_H
#define ASTERIX_CAT004_H

#include <asterix/asterix.h>

#ifdef __cplusplus
extern "C" {
#endif

/* Safety-net message type (I004/000): "STCA" and "Short Term Conflict Alert" for 7 and so on;
 * any other code gives "UNDEFINED" (the name function falls back to the identifier). */
ASTERIX_EXPORT const char* ast_snet_message_type_get_id(uint32_t code);
ASTERIX_EXPORT const char* ast_snet_message_type_get_name(uint32_t code);

/* "MSG_TYPE:%s" with the identifier of the message type. */
ASTERIX_EXPORT char* ast_dataitem_004_000_get_summary(char* buffer, size_t capacity,
                                                      const ast_dataitem_t* item);
ASTERIX_EXPORT char* ast_dataitem_004_000_get_detail_html(char* buffer, size_t capacity,
                                                          const ast_dataitem_t* item);

/* I004/040 alert identifier, 16 bits. Summary "ALERT_ID:%04d". */
typedef struct ast_dataitem_004_040 {
    uint8_t present;
    uint32_t alert_id;
} ast_dataitem_004_040_t;

ASTERIX_EXPORT ast_dataitem_004_040_t ast_dataitem_004_040_decode(const ast_dataitem_t* item);
ASTERIX_EXPORT ast_dataitem_t ast_dataitem_004_040_encode(uint8_t* buffer, uint64_t capacity,
                                                          const ast_dataitem_value_t* value);
ASTERIX_EXPORT char* ast_dataitem_004_040_get_summary(char* buffer, size_t capacity,
                                                      const ast_dataitem_t* item);

/* I004/060 safety net function and system status, up to 6 octets of 7 flags each: flag k of
 * octet n (k = 1 for bit 8 ... 7 for bit 2) is bit (n - 1) x 7 + k - 1 of functions. Summary
 * "FUNCTIONS:%zd", the number of flags set. */
typedef struct ast_dataitem_004_060 {
    uint8_t present;
    uint32_t octets;
    uint64_t functions;
    uint32_t count;
} ast_dataitem_004_060_t;

ASTERIX_EXPORT ast_dataitem_004_060_t ast_dataitem_004_060_decode(const ast_dataitem_t* item);
ASTERIX_EXPORT char* ast_dataitem_004_060_get_summary(char* buffer, size_t capacity,
                                                      const ast_dataitem_t* item);
ASTERIX_EXPORT char* ast_dataitem_004_060_get_detail_html(char* buffer, size_t capacity,
                                                          const ast_dataitem_t* item);

/* Subfields of I004/100 area definition (6), I004/120 conflict characteristics (4), I004/170
 * and I004/171 aircraft identification and characteristics (10 each). */
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
AST_SUBFIELD_FAMILY_DECL(004, 100)
AST_SUBFIELD_FAMILY_DECL(004, 120)
AST_SUBFIELD_FAMILY_DECL(004, 170)
AST_SUBFIELD_FAMILY_DECL(004, 171)

/* CAT004 record form, filled by disassembly; the compound items as their subfields. */
typedef struct ast_cat004_record {
    uint8_t ok;
    ast_one_octet_t i000;
    ast_data_source_t i010;
    ast_time_of_day_t i020;
    ast_track_number_t i030;
    ast_track_number_t i035;
    ast_dataitem_004_040_t i040;
    ast_dataitem_004_060_t i060;
    ast_dataitem_subfields_t i100;
    ast_dataitem_subfields_t i120;
    ast_dataitem_subfields_t i170;
    ast_dataitem_subfields_t i171;
} ast_cat004_record_t;

ASTERIX_EXPORT ast_cat004_record_t ast_datarecord_004_disassemble(const ast_datarecord_t* record);

#ifdef __cplusplus
}
#endif

#endif /* ASTERIX_CAT004_H */
