/* CAT010, monosensor surface movement data: the category-specific decoded forms, summaries and
 * detail views, and the record getters. Included by asterix.h. */
#ifndef ASTERIX_CAT010_H
#define ASTERIX_CAT010_H

#include <asterix/asterix.h>
#include <asterix/cat062.h>

#ifdef __cplusplus
extern "C" {
#endif

/* I010/020 target report descriptor, up to three octets. */
typedef struct ast_dataitem_010_020 {
    uint8_t present;
    uint32_t typ; /* 0 SSR MLAT, 1 Mode S MLAT, 2 ADS-B, 3 PSR, 4 magnetic loop, 5 HF MLAT,
                     6 not defined, 7 other */
    uint8_t dcr, chn, gbs, crt;
    uint8_t sim, tst, rab; /* first extension */
    uint32_t lop, tot;
    uint8_t spi; /* second extension */
} ast_dataitem_010_020_t;

/* I010/170 track status, up to three octets. */
typedef struct ast_dataitem_010_170 {
    uint8_t present;
    uint8_t cnf; /* track in initiation phase */
    uint8_t tre; /* last report of the track */
    uint32_t cst;
    uint8_t mah, tcc, sth;
    uint32_t tom, dou, mrs; /* first extension */
    uint8_t gho;            /* second extension */
} ast_dataitem_010_170_t;

/* "MSG_TYPE:TARGET_REPORT" (1), "MSG_TYPE:START_UPDATE_CYCLE" (2), "MSG_TYPE:PERIODIC_STATUS"
 * (3), "MSG_TYPE:EVENT_STATUS" (4), else "MSG_TYPE:UNDEFINED". */
ASTERIX_EXPORT char* ast_dataitem_010_000_get_summary(char* buffer, size_t capacity,
                                                      const ast_dataitem_t* item);
ASTERIX_EXPORT ast_dataitem_010_020_t ast_dataitem_010_020_decode(const ast_dataitem_t* item);
ASTERIX_EXPORT char* ast_dataitem_010_020_get_summary(char* buffer, size_t capacity,
                                                      const ast_dataitem_t* item);
ASTERIX_EXPORT char* ast_dataitem_010_020_get_detail_html(char* buffer, size_t capacity,
                                                          const ast_dataitem_t* item);
/* I010/040 polar position: rho in metres (1 m), theta in 360/2^16 degrees. Summary
 * "RHO:%.0f THETA:%.1f". The encoder writes the rounded raws; it refuses a rho beyond 65535 m
 * or a theta outside 0 to 360 degrees (360 excluded). */
ASTERIX_EXPORT ast_polar_position_t ast_dataitem_010_040_decode(const ast_dataitem_t* item);
ASTERIX_EXPORT ast_dataitem_t ast_dataitem_010_040_encode(uint8_t* buffer, uint64_t capacity,
                                                          const ast_dataitem_value_t* value);
ASTERIX_EXPORT char* ast_dataitem_010_040_get_summary(char* buffer, size_t capacity,
                                                      const ast_dataitem_t* item);
ASTERIX_EXPORT char* ast_dataitem_010_040_get_detail_html(char* buffer, size_t capacity,
                                                          const ast_dataitem_t* item);
/* I010/042 position in Cartesian co-ordinates: x and y in metres (1 m). Summary
 * "X:%d Y:%d LSB:M". */
ASTERIX_EXPORT ast_radar_cartesian_t ast_dataitem_010_042_decode(const ast_dataitem_t* item);
ASTERIX_EXPORT char* ast_dataitem_010_042_get_summary(char* buffer, size_t capacity,
                                                      const ast_dataitem_t* item);
ASTERIX_EXPORT char* ast_dataitem_010_042_get_detail_html(char* buffer, size_t capacity,
                                                          const ast_dataitem_t* item);
/* "PAM:%d". */
ASTERIX_EXPORT char* ast_dataitem_010_131_get_summary(char* buffer, size_t capacity,
                                                      const ast_dataitem_t* item);
ASTERIX_EXPORT char* ast_dataitem_010_131_get_detail_html(char* buffer, size_t capacity,
                                                          const ast_dataitem_t* item);
ASTERIX_EXPORT ast_dataitem_010_170_t ast_dataitem_010_170_decode(const ast_dataitem_t* item);
ASTERIX_EXPORT char* ast_dataitem_010_170_get_summary(char* buffer, size_t capacity,
                                                      const ast_dataitem_t* item);
ASTERIX_EXPORT char* ast_dataitem_010_170_get_detail_html(char* buffer, size_t capacity,
                                                          const ast_dataitem_t* item);
/* I010/270 target size and orientation, the layout of I062/270. Summaries "L:%d W:%d O:%.2f",
 * "L:%d O:%.2f", "L:%d". */
ASTERIX_EXPORT ast_dataitem_062_270_t ast_dataitem_010_270_decode(const ast_dataitem_t* item);
ASTERIX_EXPORT char* ast_dataitem_010_270_get_summary(char* buffer, size_t capacity,
                                                      const ast_dataitem_t* item);
ASTERIX_EXPORT char* ast_dataitem_010_270_get_detail_html(char* buffer, size_t capacity,
                                                          const ast_dataitem_t* item);

/* Record getters. Message type: a track when the record holds I010/161, else ADS-B for a
 * descriptor of type ADS-B, multilateration for the MLAT types, a plot otherwise. Squawk,
 * flight level and heading read I010/060, I010/090 and I010/200, which have no descriptor: a
 * record holding them does not decode, so these getters answer nothing. */
ASTERIX_EXPORT ast_record_sacsic_t ast_datarecord_010_get_sacsic(const ast_datarecord_t* record);
ASTERIX_EXPORT ast_record_timeofday_t
ast_datarecord_010_get_timeofday(const ast_datarecord_t* record);
ASTERIX_EXPORT ast_record_msgtype_t ast_datarecord_010_get_msgtype(const ast_datarecord_t* record);
ASTERIX_EXPORT ast_record_tracknum_t
ast_datarecord_010_get_tracknum(const ast_datarecord_t* record);
ASTERIX_EXPORT ast_record_squawk_t ast_datarecord_010_get_squawk(const ast_datarecord_t* record);
ASTERIX_EXPORT ast_record_flightlevel_t
ast_datarecord_010_get_flightlevel(const ast_datarecord_t* record);
ASTERIX_EXPORT ast_record_velocity_t ast_datarecord_010_get_heading(const ast_datarecord_t* record);

#ifdef __cplusplus
}
#endif

#endif /* ASTERIX_CAT010_H */
