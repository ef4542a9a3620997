/* CAT019, multilateration system status messages: the message type and the system status.
 * Included by asterix.h. */
#ifndef ASTERIX_CAT019_H
#define ASTERIX_CAT019_H

#include <asterix/asterix.h>

#ifdef __cplusplus
extern "C" {
#endif

/* I019/550 system status. */
typedef struct ast_dataitem_019_550 {
    uint8_t present;
    uint32_t nogo; /* 0 operational, 1 degraded, 2 NOGO, 3 undefined */
    uint8_t ovl;   /* overload */
    uint8_t tsv;   /* time source not valid */
    uint8_t ttf;   /* test target failure */
} ast_dataitem_019_550_t;

/* "MSG_TYPE:CYCLE_START" (1), "MSG_TYPE:PERIODIC_STATUS" (2), "MSG_TYPE:EVENT_STATUS" (3),
 * else "MSG_TYPE:UNDEFINED". */
ASTERIX_EXPORT char* ast_dataitem_019_000_get_summary(char* buffer, size_t capacity,
                                                      const ast_dataitem_t* item);
ASTERIX_EXPORT ast_dataitem_019_550_t ast_dataitem_019_550_decode(const ast_dataitem_t* item);
/* "SYS_STAT:OPERATIVE", "SYS_STAT:DEGRADED", "SYS_STAT:NOGO" or "SYS_STAT:UNDIFINED". */
ASTERIX_EXPORT char* ast_dataitem_019_550_get_summary(char* buffer, size_t capacity,
                                                      const ast_dataitem_t* item);
ASTERIX_EXPORT char* ast_dataitem_019_550_get_detail_html(char* buffer, size_t capacity,
                                                          const ast_dataitem_t* item);

#ifdef __cplusplus
}
#endif

#endif /* ASTERIX_CAT019_H */
