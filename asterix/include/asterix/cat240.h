/* CAT240, radar video transmission: the category-specific decoded forms, summaries and detail
 * views, the video-cell decoder and its detail view, and the record getters. Included by
 * asterix.h. */
#ifndef ASTERIX_CAT240_H
#define ASTERIX_CAT240_H

#include <asterix/asterix.h>

#ifdef __cplusplus
extern "C" {
#endif

enum { AST_MAX_VIDEO_CELLS = 1023 /* non-empty cells of one decoded video block */ };

/* I240/040 video header nano and I240/041 video header femto: the azimuths of the cells group,
 * its first cell and the duration of a cell (in ns for I240/040, fs for I240/041;
 * cell_duration is in seconds). */
typedef struct ast_dataitem_240_040 {
    uint8_t present;
    uint32_t start_az_raw;
    uint32_t end_az_raw;
    double start_az; /* degrees, 360/2^16 */
    double end_az;
    uint32_t start_rg; /* cells */
    uint32_t cell_dur; /* ns or fs */
    double cell_duration; /* s */
} ast_dataitem_240_040_t;

/* I240/048 video cells resolution and data compression indicator. */
typedef struct ast_dataitem_240_048 {
    uint8_t present;
    uint8_t compression;
    uint32_t res;  /* resolution code, 1 to 6 */
    uint32_t bits; /* bits per cell of the code (1, 2, 4, 8, 16, 32), 0 for another code */
} ast_dataitem_240_048_t;

/* I240/049 video octets and video cells counters. */
typedef struct ast_dataitem_240_049 {
    uint8_t present;
    uint32_t nb_vb;    /* valid octets */
    uint32_t nb_cells; /* valid cells */
} ast_dataitem_240_049_t;

/* One non-empty video cell: its 1-based number in the block, its range in metres and its
 * amplitude. */
typedef struct ast_video_cell {
    uint32_t number;
    double range;
    uint32_t amplitude;
} ast_video_cell_t;

typedef struct ast_video_cells {
    uint8_t ok;
    uint32_t bits; /* bits per cell */
    uint32_t count;
    ast_video_cell_t cells[AST_MAX_VIDEO_CELLS];
} ast_video_cells_t;

/* "MSG_TYPE:VIDEO_SUMMARY" (1), "MSG_TYPE:VIDEO_MESSAGE" (2), else "MSG_TYPE:UNDEFINED". */
ASTERIX_EXPORT char* ast_dataitem_240_000_get_summary(char* buffer, size_t capacity,
                                                      const ast_dataitem_t* item);
/* "MSG_INDEX:%u", the 32-bit message sequence number. */
ASTERIX_EXPORT char* ast_dataitem_240_020_get_summary(char* buffer, size_t capacity,
                                                      const ast_dataitem_t* item);
/* "SUM:%s" with the summary characters, "SUM:%s...[%u]" with the first 32 and the count of a
 * longer one. */
ASTERIX_EXPORT char* ast_dataitem_240_030_get_summary(char* buffer, size_t capacity,
                                                      const ast_dataitem_t* item);
ASTERIX_EXPORT char* ast_dataitem_240_030_get_detail_html(char* buffer, size_t capacity,
                                                          const ast_dataitem_t* item);
/* Both headers (I240/040 and I240/041, told apart by the item type). Summary
 * "AZ:%.2f-%.2f RG:%.2f": the azimuths and the range of the first cell in metres. */
ASTERIX_EXPORT ast_dataitem_240_040_t ast_dataitem_240_040_decode(const ast_dataitem_t* item);
ASTERIX_EXPORT char* ast_dataitem_240_040_get_summary(char* buffer, size_t capacity,
                                                      const ast_dataitem_t* item);
ASTERIX_EXPORT char* ast_dataitem_240_040_get_detail_html(char* buffer, size_t capacity,
                                                          const ast_dataitem_t* item);
ASTERIX_EXPORT ast_dataitem_240_048_t ast_dataitem_240_048_decode(const ast_dataitem_t* item);
/* "RES:%u-BITS". */
ASTERIX_EXPORT char* ast_dataitem_240_048_get_summary(char* buffer, size_t capacity,
                                                      const ast_dataitem_t* item);
ASTERIX_EXPORT char* ast_dataitem_240_048_get_detail_html(char* buffer, size_t capacity,
                                                          const ast_dataitem_t* item);
ASTERIX_EXPORT ast_dataitem_240_049_t ast_dataitem_240_049_decode(const ast_dataitem_t* item);
/* "OCTET:%u CELL:%u". */
ASTERIX_EXPORT char* ast_dataitem_240_049_get_summary(char* buffer, size_t capacity,
                                                      const ast_dataitem_t* item);
ASTERIX_EXPORT char* ast_dataitem_240_049_get_detail_html(char* buffer, size_t capacity,
                                                          const ast_dataitem_t* item);
/* The video blocks I240/050, 051 and 052: "OCTET:%zu", the video octets; the detail view is
 * their hex table. */
ASTERIX_EXPORT char* ast_dataitem_240_video_get_summary(char* buffer, size_t capacity,
                                                        const ast_dataitem_t* item);
ASTERIX_EXPORT char* ast_dataitem_240_video_get_detail_html(char* buffer, size_t capacity,
                                                            const ast_dataitem_t* item);

/* The video-cell decoder: the cells of `size` video octets at the resolution code of I240/048,
 * the first cell `start_range` and the cell duration in seconds. Only 8-bit cells are decoded:
 * another valid code logs "Unsupported video resolution %d-bits." (CRITICAL) and gives an
 * empty, not-ok result, an invalid code gives it without a log. Each non-zero octet is a cell,
 * logged at INFO; the 1024th logs "Number of videocells %d exceed limitation." (PANIC) and
 * gives a not-ok result. */
ASTERIX_EXPORT ast_video_cells_t ast_videocells_decode(const uint8_t* octets, uint64_t size,
                                                       uint32_t resolution, uint32_t start_range,
                                                       double cell_duration);
/* The cells of a CAT240 video record (its I240/048, I240/040 or 041 and its video block),
 * decoded into *cells (not ok when the record has none of them). */
ASTERIX_EXPORT void ast_datarecord_240_get_videocells(ast_video_cells_t* cells,
                                                      const ast_datarecord_t* record);
/* The video detail view of decoded cells: "%d valid (non empty) video cells.", "Video
 * resolution is %d-bits." and a table of the cells. */
ASTERIX_EXPORT char* ast_videocells_get_detail_html(char* buffer, size_t capacity,
                                                    const ast_video_cells_t* cells);

/* Record getters; the message type is the value of I240/000 (1 video summary, 2 video). */
ASTERIX_EXPORT ast_record_sacsic_t ast_datarecord_240_get_sacsic(const ast_datarecord_t* record);
ASTERIX_EXPORT ast_record_timeofday_t
ast_datarecord_240_get_timeofday(const ast_datarecord_t* record);
ASTERIX_EXPORT ast_record_msgtype_t ast_datarecord_240_get_msgtype(const ast_datarecord_t* record);

#ifdef __cplusplus
}
#endif

#endif /* ASTERIX_CAT240_H */
