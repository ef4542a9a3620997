#ifndef ASTERIX_SRC_DETAILCALLBACKS_H
#define ASTERIX_SRC_DETAILCALLBACKS_H

// The host's callbacks that detail views call when registered (each nullptr at start): the
// area of a SAC, the sensor of a SAC/SIC, a national flag picture, the country of an ICAO
// address block and a map picture of a position.

#include <asterix/asterix.h>

namespace ast {
namespace callbacks {

ast_callback_sac_get_info_t sacInfo();
ast_callback_sacsic_get_sensor_t sensor();
ast_callback_get_national_flag_t nationalFlag();
ast_callback_icao_addr_get_country_t addressCountry();
ast_callback_get_map_url_t mapUrl();

}  // namespace callbacks
}  // namespace ast

#endif  // ASTERIX_SRC_DETAILCALLBACKS_H
