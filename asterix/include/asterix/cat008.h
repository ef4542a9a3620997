/* CAT008, monoradar derived weather information: summaries of the message type and of the item
 * count of a weather picture. Included by asterix.h. */
#ifndef ASTERIX_CAT008_H
#define ASTERIX_CAT008_H

#include <asterix/asterix.h>

#ifdef __cplusplus
extern "C" {
#endif

/* "MSG_TYPE:POLAR_VECTOR" (1), "MSG_TYPE:CARTESIAN_POINT_LENGTH" (2), "MSG_TYPE:CONTOUR" (3),
 * "MSG_TYPE:CARTESIAN_POINT_POINT" (4), "MSG_TYPE:START_OF_PICTURE" (254),
 * "MSG_TYPE:END_OF_PICTURE" (255), else "MSG_TYPE:UNDEFINED". */
ASTERIX_EXPORT char* ast_dataitem_008_000_get_summary(char* buffer, size_t capacity,
                                                      const ast_dataitem_t* item);
/* "NUM:%d": the 16-bit count of items of one weather picture. */
ASTERIX_EXPORT char* ast_dataitem_008_120_get_summary(char* buffer, size_t capacity,
                                                      const ast_dataitem_t* item);

#ifdef __cplusplus
}
#endif

#endif /* ASTERIX_CAT008_H */
