#ifndef MODES_ADSBSERVICESTATUS_H
#define MODES_ADSBSERVICESTATUS_H

#include <cstdint>

#include <modes/modes_export.h>

namespace brannic {
namespace modes {

// Identity and settings of the ADS-B ground service that stamps its reports: the system area
// and identification codes (SAC/SIC of ASTERIX I021/010), the service identification
// (I021/015) and how often reports go out.
class MODES_EXPORT ADSBServiceStatus {
public:
    // How reports are emitted. Kept for the configuration; nothing in the encoder reads it.
    enum ReportMode : int32_t { PERIODIC = 0, ON_CHANGE = 1 };

    ADSBServiceStatus() = default;

    uint8_t sac() const { return _sac; }
    void setSac(const uint8_t& sac) { _sac = sac; }
    uint8_t sic() const { return _sic; }
    void setSic(const uint8_t& sic) { _sic = sic; }
    uint8_t serviceId() const { return _serviceId; }
    void setServiceId(const uint8_t& serviceId) { _serviceId = serviceId; }
    ReportMode reportMode() const { return _reportMode; }
    void setReportMode(const ReportMode& reportMode) { _reportMode = reportMode; }
    // Milliseconds between two reports of the service.
    uint16_t reportPeriod() const { return _reportPeriod; }
    void setReportPeriod(const uint16_t& reportPeriod) { _reportPeriod = reportPeriod; }

private:
    uint8_t _sac = 0;
    uint8_t _sic = 0;
    uint8_t _serviceId = 1;
    ReportMode _reportMode = PERIODIC;
    uint16_t _reportPeriod = 1000;
};

}  // namespace modes
}  // namespace brannic

#endif  // MODES_ADSBSERVICESTATUS_H
