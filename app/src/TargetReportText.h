#ifndef VELTMAR_TARGETREPORTTEXT_H
#define VELTMAR_TARGETREPORTTEXT_H

#include <QCoreApplication>
#include <QString>

#include <modes/ADSBTargetReport.h>

// A target report as a few lines of plain text, for tool tips: identity, squawk, position,
// altitude, ground speed, heading, vertical rate, ground status and the time of the last
// reply. Values that are not valid are left out.
class TargetReportText {
    Q_DECLARE_TR_FUNCTIONS(TargetReportText)

public:
    static QString toText(const brannic::modes::ADSBTargetReport& report);
};

#endif  // VELTMAR_TARGETREPORTTEXT_H
