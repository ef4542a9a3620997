#ifndef ASTERIX_SRC_DESCRIPTORS_H
#define ASTERIX_SRC_DESCRIPTORS_H

// Descriptor initialisers of the shared item forms, for the category units' item tables:
// size rule, the category's name function, summary, detail view and encoder.

#include "Frame.h"

#define AST_DESC_DATA_SOURCE(name)                                                         \
    {                                                                                      \
        &ast_dataitem_get_size_fixed_2_byte, &name, &ast_dataitem_data_source_get_summary, \
            &ast_dataitem_data_source_get_detail_html, &ast_dataitem_data_source_encode    \
    }
#define AST_DESC_TIME_OF_DAY(name)                                                         \
    {                                                                                      \
        &ast_dataitem_get_size_fixed_3_byte, &name, &ast_dataitem_time_of_day_get_summary, \
            &ast_dataitem_time_of_day_get_detail_html, &ast_dataitem_time_of_day_encode    \
    }
#define AST_DESC_TIME_OF_DAY_HP(name)                                                         \
    {                                                                                         \
        &ast_dataitem_get_size_fixed_4_byte, &name, &ast_dataitem_time_of_day_hp_get_summary, \
            &ast_dataitem_time_of_day_hp_get_detail_html, nullptr                             \
    }
#define AST_DESC_MODE_3A(name)                                                         \
    {                                                                                  \
        &ast_dataitem_get_size_fixed_2_byte, &name, &ast_dataitem_mode_3a_get_summary, \
            &ast_dataitem_mode_3a_get_detail_html, &ast_dataitem_mode_3a_encode        \
    }
#define AST_DESC_MODE_C(name)                                                         \
    {                                                                                 \
        &ast_dataitem_get_size_fixed_2_byte, &name, &ast_dataitem_mode_c_get_summary, \
            &ast_dataitem_mode_c_get_detail_html, &ast_dataitem_mode_c_encode         \
    }
#define AST_DESC_TRACK_NUMBER(name)                                                         \
    {                                                                                       \
        &ast_dataitem_get_size_fixed_2_byte, &name, &ast_dataitem_track_number_get_summary, \
            &ast_dataitem_get_detail_html_dummy, &ast_dataitem_track_number_encode          \
    }
#define AST_DESC_TARGET_ADDRESS(name)                                                         \
    {                                                                                         \
        &ast_dataitem_get_size_fixed_3_byte, &name, &ast_dataitem_target_address_get_summary, \
            &ast_dataitem_target_address_get_detail_html, &ast_dataitem_target_address_encode \
    }
#define AST_DESC_AIRCRAFT_ID(name)                                                         \
    {                                                                                      \
        &ast_dataitem_get_size_fixed_6_byte, &name, &ast_dataitem_aircraft_id_get_summary, \
            &ast_dataitem_aircraft_id_get_detail_html, &ast_dataitem_aircraft_id_encode    \
    }
#define AST_DESC_TARGET_ID(name)                                                         \
    {                                                                                    \
        &ast_dataitem_get_size_fixed_7_byte, &name, &ast_dataitem_target_id_get_summary, \
            &ast_dataitem_get_detail_html_dummy, &ast_dataitem_target_id_encode          \
    }
#define AST_DESC_WGS84(name)                                                         \
    {                                                                                \
        &ast_dataitem_get_size_fixed_8_byte, &name, &ast_dataitem_wgs84_get_summary, \
            &ast_dataitem_wgs84_get_detail_html, &ast_dataitem_wgs84_encode          \
    }
#define AST_DESC_WGS84_LOW(name)                                                     \
    {                                                                                \
        &ast_dataitem_get_size_fixed_6_byte, &name, &ast_dataitem_wgs84_get_summary, \
            &ast_dataitem_wgs84_get_detail_html, &ast_dataitem_wgs84_low_encode      \
    }
#define AST_DESC_CARTESIAN_POSITION(name)                                                         \
    {                                                                                             \
        &ast_dataitem_get_size_fixed_6_byte, &name, &ast_dataitem_cartesian_position_get_summary, \
            &ast_dataitem_get_detail_html_dummy, &ast_dataitem_cartesian_position_encode          \
    }
#define AST_DESC_CARTESIAN_VELOCITY(name)                                                         \
    {                                                                                             \
        &ast_dataitem_get_size_fixed_4_byte, &name, &ast_dataitem_cartesian_velocity_get_summary, \
            &ast_dataitem_get_detail_html_dummy, &ast_dataitem_cartesian_velocity_encode          \
    }
#define AST_DESC_POLAR_VELOCITY(name)                                                         \
    {                                                                                         \
        &ast_dataitem_get_size_fixed_4_byte, &name, &ast_dataitem_polar_velocity_get_summary, \
            &ast_dataitem_polar_velocity_get_detail_html, &ast_dataitem_polar_velocity_encode \
    }
#define AST_DESC_VERTICAL_RATE(name)                                                         \
    {                                                                                        \
        &ast_dataitem_get_size_fixed_2_byte, &name, &ast_dataitem_vertical_rate_get_summary, \
            &ast_dataitem_vertical_rate_get_detail_html, &ast_dataitem_vertical_rate_encode  \
    }
#define AST_DESC_HEIGHT(name)                                                         \
    {                                                                                 \
        &ast_dataitem_get_size_fixed_2_byte, &name, &ast_dataitem_height_get_summary, \
            &ast_dataitem_get_detail_html_dummy, &ast_dataitem_height_encode          \
    }
#define AST_DESC_SECTOR_NUMBER(name)                                                         \
    {                                                                                        \
        &ast_dataitem_get_size_fixed_1_byte, &name, &ast_dataitem_sector_number_get_summary, \
            &ast_dataitem_sector_number_get_detail_html, &ast_dataitem_sector_number_encode  \
    }
#define AST_DESC_SERVICE_ID(name)                                                         \
    {                                                                                     \
        &ast_dataitem_get_size_fixed_1_byte, &name, &ast_dataitem_service_id_get_summary, \
            &ast_dataitem_get_detail_html_dummy, &ast_dataitem_service_id_encode          \
    }
#define AST_DESC_SIGNAL_AMPLITUDE(name)                                                         \
    {                                                                                           \
        &ast_dataitem_get_size_fixed_1_byte, &name, &ast_dataitem_signal_amplitude_get_summary, \
            &ast_dataitem_get_detail_html_dummy, &ast_dataitem_signal_amplitude_encode          \
    }
#define AST_DESC_MB_DATA(name)                                                       \
    {                                                                                \
        &ast_dataitem_get_size_rep_8_byte, &name, &ast_dataitem_mb_data_get_summary, \
            &ast_dataitem_mb_data_get_detail_html, nullptr                           \
    }
#define AST_DESC_MODE_3A_CONFIDENCE(name)                                                         \
    {                                                                                             \
        &ast_dataitem_get_size_fixed_2_byte, &name, &ast_dataitem_mode_3a_confidence_get_summary, \
            &ast_dataitem_mode_3a_confidence_get_detail_html, nullptr                             \
    }
#define AST_DESC_MODE_C_CONFIDENCE(name)                                                         \
    {                                                                                            \
        &ast_dataitem_get_size_fixed_4_byte, &name, &ast_dataitem_mode_c_confidence_get_summary, \
            &ast_dataitem_mode_c_confidence_get_detail_html, nullptr                             \
    }
#define AST_DESC_RESERVED_EXPANSION(name)                       \
    {                                                           \
        &ast_dataitem_reserved_expansion_field_get_size, &name, \
            &ast_dataitem_reserved_expansion_field_get_summary, \
            &ast_dataitem_get_detail_html_dummy, nullptr        \
    }
#define AST_DESC_SPECIAL_PURPOSE(name)                                                            \
    {                                                                                             \
        &ast_dataitem_special_purpose_field_get_size, &name,                                      \
            &ast_dataitem_special_purpose_field_get_summary, &ast_dataitem_get_detail_html_dummy, \
            nullptr                                                                               \
    }

// An extensible item (FX octets) known only by its size so far.
#define AST_DESC_EXTENSIBLE(name)                                                               \
    {                                                                                           \
        &ast_dataitem_get_size_var_unlimited, &name, &ast_dataitem_binary_get_summary, nullptr, \
            nullptr                                                                             \
    }

// The exported subfield services of one compound item (ast_subfield_021_110_get_id and so on),
// each dispatching through the subfield table like the generic ast_subfield_ services.
#define AST_SUBFIELD_ID_NAME_SIZE(cat, item)                                                 \
    const char* ast_subfield_##cat##_##item##_get_id(uint32_t type) {                        \
        return ast_subfield_get_id(type);                                                    \
    }                                                                                        \
    const char* ast_subfield_##cat##_##item##_get_name(uint32_t type) {                      \
        return ast_subfield_get_name(type);                                                  \
    }                                                                                        \
    uint64_t ast_subfield_##cat##_##item##_get_size(const uint8_t* data, uint64_t available, \
                                                    uint32_t type) {                         \
        return ast_subfield_get_size(data, available, type);                                 \
    }
#define AST_SUBFIELD_SUMMARY(cat, item)                                            \
    char* ast_subfield_##cat##_##item##_get_summary(char* buffer, size_t capacity, \
                                                    const ast_subfield_t* sf) {    \
        return ast_subfield_get_summary(buffer, capacity, sf);                     \
    }
#define AST_SUBFIELD_DETAIL(cat, item)                                                 \
    char* ast_subfield_##cat##_##item##_get_detail_html(char* buffer, size_t capacity, \
                                                        const ast_subfield_t* sf) {    \
        return ast_subfield_get_detail_html(buffer, capacity, sf);                     \
    }

#endif  // ASTERIX_SRC_DESCRIPTORS_H
