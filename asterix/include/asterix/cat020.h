/* CAT020, multilateration target reports: the category-specific decoded forms, summaries and
 * detail views, the size rules of its items of their own layout, the record form and the record
 * getters. Included by asterix.h. */
#ifndef ASTERIX_CAT020_H
#define ASTERIX_CAT020_H

#include <asterix/asterix.h>

#ifdef __cplusplus
extern "C" {
#endif

/* I020/020 target report descriptor: the technologies of the first octet, then the flags of the
 * first extension. */
typedef struct ast_dataitem_020_020 {
    uint8_t present;
    uint8_t ssr, ms, hf, vdl4, uat, dme, ot;
    uint8_t rab, spi, chn, gbs, crt, sim, tst;
} ast_dataitem_020_020_t;

/* I020/170 track status. */
typedef struct ast_dataitem_020_170 {
    uint8_t present;
    uint8_t cnf; /* track in initiation phase */
    uint8_t tre; /* last report of the track */
    uint8_t cst; /* coasted */
    uint32_t cdm; /* 0 maintaining, 1 climbing, 2 descending, 3 invalid */
    uint8_t mah, sth;
    uint8_t gho; /* first extension: ghost track */
} ast_dataitem_020_170_t;

/* I020/230 communications/ACAS capability and flight status. */
typedef struct ast_dataitem_020_230 {
    uint8_t present;
    uint32_t com;
    uint32_t stat; /* 0 airborne, 1 on ground, 2 alert airborne, 3 alert on ground, 4 alert SPI,
                      5 SPI */
    uint8_t mssc, arc, aic, b1a;
    uint32_t b1b;
} ast_dataitem_020_230_t;

/* I020/500 position accuracy: which of its three parts are present and their raw values. */
typedef struct ast_dataitem_020_500 {
    uint8_t present;
    uint8_t dop_present;
    uint32_t dop_x, dop_y, dop_xy; /* 0.25 each */
    uint8_t sdp_present;
    uint32_t sdp_x, sdp_y; /* 0.25 m */
    int32_t sdp_xy;
    uint8_t sdh_present;
    uint32_t sdh; /* 0.5 m */
} ast_dataitem_020_500_t;

ASTERIX_EXPORT ast_dataitem_020_020_t ast_dataitem_020_020_decode(const ast_dataitem_t* item);
/* "MLAT_TYPE:" followed by the technologies used ("SSR", "MS", "HF", "VDL4", "UAT", "DME",
 * "OT") and " SIM", " TST" when set. */
ASTERIX_EXPORT char* ast_dataitem_020_020_get_summary(char* buffer, size_t capacity,
                                                      const ast_dataitem_t* item);
ASTERIX_EXPORT char* ast_dataitem_020_020_get_detail_html(char* buffer, size_t capacity,
                                                          const ast_dataitem_t* item);
ASTERIX_EXPORT ast_dataitem_020_170_t ast_dataitem_020_170_decode(const ast_dataitem_t* item);
/* "TRACK_STATUS:" followed by "CONFIRMED" or "INIT" and the set flags. */
ASTERIX_EXPORT char* ast_dataitem_020_170_get_summary(char* buffer, size_t capacity,
                                                      const ast_dataitem_t* item);
ASTERIX_EXPORT char* ast_dataitem_020_170_get_detail_html(char* buffer, size_t capacity,
                                                          const ast_dataitem_t* item);
ASTERIX_EXPORT ast_dataitem_020_230_t ast_dataitem_020_230_decode(const ast_dataitem_t* item);
/* "STAT:AIRBORNE", "STAT:GROUND", "STAT:AIRBORNE_ALERT", "STAT:GROUND_ALERT",
 * "STAT:ALERT_SPI", "STAT:SPI" or "STAT:UNKNOWN", then " CAP:MODE-S" for a Mode S specific
 * service capability. */
ASTERIX_EXPORT char* ast_dataitem_020_230_get_summary(char* buffer, size_t capacity,
                                                      const ast_dataitem_t* item);
ASTERIX_EXPORT char* ast_dataitem_020_230_get_detail_html(char* buffer, size_t capacity,
                                                          const ast_dataitem_t* item);
/* "RECEIVERS:%d", the number of contributing receivers. */
ASTERIX_EXPORT char* ast_dataitem_020_400_get_summary(char* buffer, size_t capacity,
                                                      const ast_dataitem_t* item);
ASTERIX_EXPORT char* ast_dataitem_020_400_get_detail_html(char* buffer, size_t capacity,
                                                          const ast_dataitem_t* item);
ASTERIX_EXPORT ast_dataitem_020_500_t ast_dataitem_020_500_decode(const ast_dataitem_t* item);
/* "POS_ACCURACY:" followed by " DOP", " SDP", " SDH" for the parts present. */
ASTERIX_EXPORT char* ast_dataitem_020_500_get_summary(char* buffer, size_t capacity,
                                                      const ast_dataitem_t* item);
ASTERIX_EXPORT char* ast_dataitem_020_500_get_detail_html(char* buffer, size_t capacity,
                                                          const ast_dataitem_t* item);

/* Detail views of the heights (I020/105, I020/110, 6.25 ft) and of the target identification
 * (I020/245). */
ASTERIX_EXPORT char* ast_dataitem_020_height_get_detail_html(char* buffer, size_t capacity,
                                                             const ast_dataitem_t* item);
ASTERIX_EXPORT char* ast_dataitem_020_245_get_detail_html(char* buffer, size_t capacity,
                                                          const ast_dataitem_t* item);

/* Size rules: I020/055 Mode-1 code (1 octet), I020/100 Mode C code and confidence (4 octets),
 * I020/500 a presence octet (DOP, SDP, SDH bits 8 to 6, FX) then 6, 6 and 2 octets. */
ASTERIX_EXPORT uint64_t ast_dataitem_020_055_get_size(const uint8_t* data, uint64_t available);
ASTERIX_EXPORT uint64_t ast_dataitem_020_100_get_size(const uint8_t* data, uint64_t available);
ASTERIX_EXPORT uint64_t ast_dataitem_020_500_get_size(const uint8_t* data, uint64_t available);

/* CAT020 record form, filled by disassembly. */
typedef struct ast_cat020_record {
    uint8_t ok;
    ast_data_source_t i010;
    ast_dataitem_020_020_t i020;
    ast_wgs84_position_t i041;
    ast_cartesian_position_t i042;
    ast_mode_3a_t i070;
    ast_mode_c_t i090;
    ast_height_t i105;
    ast_height_t i110;
    ast_time_of_day_t i140;
    ast_track_number_t i161;
    ast_dataitem_020_170_t i170;
    ast_cartesian_velocity_t i202;
    ast_target_address_t i220;
    ast_dataitem_020_230_t i230;
    ast_target_id_t i245;
    ast_mb_data_t i250;
} ast_cat020_record_t;

ASTERIX_EXPORT ast_cat020_record_t ast_datarecord_020_disassemble(const ast_datarecord_t* record);

/* Record getters. Message type: multilateration (6) for every record. Callsign from I020/245,
 * address from I020/220, coordinate from I020/041, flight level from I020/090. */
ASTERIX_EXPORT ast_record_sacsic_t ast_datarecord_020_get_sacsic(const ast_datarecord_t* record);
ASTERIX_EXPORT ast_record_timeofday_t
ast_datarecord_020_get_timeofday(const ast_datarecord_t* record);
ASTERIX_EXPORT ast_record_msgtype_t ast_datarecord_020_get_msgtype(const ast_datarecord_t* record);
ASTERIX_EXPORT ast_record_tracknum_t
ast_datarecord_020_get_tracknum(const ast_datarecord_t* record);
ASTERIX_EXPORT ast_record_squawk_t ast_datarecord_020_get_squawk(const ast_datarecord_t* record);
ASTERIX_EXPORT ast_record_callsign_t
ast_datarecord_020_get_callsign(const ast_datarecord_t* record);
ASTERIX_EXPORT ast_record_icaoaddr_t
ast_datarecord_020_get_icaoaddr(const ast_datarecord_t* record);
ASTERIX_EXPORT ast_record_coordinate_t
ast_datarecord_020_get_coordinate(const ast_datarecord_t* record);
ASTERIX_EXPORT ast_record_flightlevel_t
ast_datarecord_020_get_flightlevel(const ast_datarecord_t* record);

#ifdef __cplusplus
}
#endif

#endif /* ASTERIX_CAT020_H */
