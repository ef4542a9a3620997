/* CAT023, CNS/ATM ground station and service status reports: the report type and the ground
 * station status. Included by asterix.h. */
#ifndef ASTERIX_CAT023_H
#define ASTERIX_CAT023_H

#include <asterix/asterix.h>

#ifdef __cplusplus
extern "C" {
#endif

/* I023/100 ground station status: the flags of the first octet and, when sent, the status
 * reporting period. */
typedef struct ast_dataitem_023_100 {
    uint8_t present;
    uint8_t nogo; /* data not released for operational use */
    uint8_t odp, oxt, msc, tsv, spo, rn;
    uint8_t gssp_present;
    uint32_t gssp; /* s */
} ast_dataitem_023_100_t;

/* "RPT_TYPE:STATION_STATUS" (1), "RPT_TYPE:SERVICE_STATUS" (2), "RPT_TYPE:SERVICE_STATISTICS"
 * (3), else "RPT_TYPE:UNDEFINED". */
ASTERIX_EXPORT char* ast_dataitem_023_000_get_summary(char* buffer, size_t capacity,
                                                      const ast_dataitem_t* item);
ASTERIX_EXPORT ast_dataitem_023_100_t ast_dataitem_023_100_decode(const ast_dataitem_t* item);
/* "STS:NOGO" or "STS:GO", then " GSSP:%dS" when the period is sent. */
ASTERIX_EXPORT char* ast_dataitem_023_100_get_summary(char* buffer, size_t capacity,
                                                      const ast_dataitem_t* item);
ASTERIX_EXPORT char* ast_dataitem_023_100_get_detail_html(char* buffer, size_t capacity,
                                                          const ast_dataitem_t* item);

#ifdef __cplusplus
}
#endif

#endif /* ASTERIX_CAT023_H */
