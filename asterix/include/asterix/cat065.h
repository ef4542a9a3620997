/* CAT065, SDPS service status messages: the category-specific decoded form, summaries and
 * detail view, and the record form. Included by asterix.h. */
#ifndef ASTERIX_CAT065_H
#define ASTERIX_CAT065_H

#include <asterix/asterix.h>

#ifdef __cplusplus
extern "C" {
#endif

/* I065/040 SDPS configuration and status. */
typedef struct ast_dataitem_065_040 {
    uint8_t present;
    uint32_t nogo; /* 0 operational, 1 degraded, 2 not currently connected, 3 unknown */
    uint8_t ovl;   /* overload */
    uint8_t tsv;   /* time source not valid */
    uint32_t pss;  /* processing system status: 0 not applicable, 1 to 3 SDPS-1 to SDPS-3 */
    uint8_t sttn;  /* track re-numbering indication */
} ast_dataitem_065_040_t;

/* "MSG_TYPE:SDPS_STATUS", "MSG_TYPE:END_OF_BATCH", "MSG_TYPE:SVC_STATUS_REPORT" for 1 to 3,
 * else "MSG_TYPE:UNDEFINED". */
ASTERIX_EXPORT char* ast_dataitem_065_000_get_summary(char* buffer, size_t capacity,
                                                      const ast_dataitem_t* item);
/* "BAT:%d". */
ASTERIX_EXPORT char* ast_dataitem_065_020_get_summary(char* buffer, size_t capacity,
                                                      const ast_dataitem_t* item);
ASTERIX_EXPORT ast_dataitem_065_040_t ast_dataitem_065_040_decode(const ast_dataitem_t* item);
/* "STS:OPE", "STS:DGD", "STS:DIS" or "STS:UKN" from NOGO, then " SDPS-%d". */
ASTERIX_EXPORT char* ast_dataitem_065_040_get_summary(char* buffer, size_t capacity,
                                                      const ast_dataitem_t* item);
ASTERIX_EXPORT char* ast_dataitem_065_040_get_detail_html(char* buffer, size_t capacity,
                                                          const ast_dataitem_t* item);

/* CAT065 record form, filled by disassembly: message type, data source, service
 * identification, batch number, time of message, SDPS status. */
typedef struct ast_cat065_record {
    uint8_t ok;
    ast_one_octet_t i000;
    ast_data_source_t i010;
    ast_one_octet_t i015;
    ast_one_octet_t i020;
    ast_time_of_day_t i030;
    ast_dataitem_065_040_t i040;
} ast_cat065_record_t;

ASTERIX_EXPORT ast_cat065_record_t ast_datarecord_065_disassemble(const ast_datarecord_t* record);

#ifdef __cplusplus
}
#endif

#endif /* ASTERIX_CAT065_H */
