#include "ProcessingPipeline.h"

#include <modes/ADSBTarget.h>
#include <modes/ADSBTracker.h>
#include <modes/DF17Message.h>
#include <modes/ModeSDecoder.h>

using namespace brannic::modes;

ProcessingPipeline::ProcessingPipeline(ModeSDecoder& decoder, ADSBTracker& tracker)
    : _decoder(decoder), _tracker(tracker) {}

bool ProcessingPipeline::processModeSReply(const QByteArray& reply, quint64 timeStamp,
                                           bool hasSignal, quint8 signal, ModeSRow& row) {
    ModeSMessage* decoded = _decoder.decode(
        ModeSMessage::DOWNLINK, reinterpret_cast<const unsigned char*>(reply.constData()),
        static_cast<uint64_t>(reply.size()), timeStamp);
    if (!decoded) {
        return false;
    }
    std::unique_ptr<ModeSMessage> message(decoded);
    ++_sequence;
    ++_decodedTotal;
    if (hasSignal) {
        message->setSignalAmplitude(signal);
    }
    const ADSBTarget* target = _tracker.procModeSMsg(message.get());
    if (target && _observer) {
        _observer(*message, *target);
    }
    std::unique_ptr<ADSBMessage> adsb;
    // Only DF17 proper: DF18 and DF19 squitters are listed without their ME text.
    const auto* df17 = dynamic_cast<const DF17Message*>(message.get());
    if (df17 && df17->downlinkFormat() == DF_17 && df17->valid()) {
        adsb.reset(_tracker.decodeADSBMsg(df17->icaoAddress(), df17->constFieldME().data()));
    }
    row.sequence = _sequence;
    row.message = std::move(message);
    row.adsb = std::move(adsb);
    return true;
}

void ProcessingPipeline::processTargetReports(std::vector<ADSBTargetReport>& reports,
                                              quint64 receiveTime, bool playbackMode) {
    for (ADSBTargetReport& report : reports) {
        if (playbackMode) {
            restamp(report, receiveTime);
        }
        _tracker.procTargetReport(&report);
    }
}

namespace {

// Each time of a report, as a getter and its setter.
struct TimeField {
    uint64_t (ADSBTargetReport::*get)() const;
    void (ADSBTargetReport::*set)(const uint64_t&);
};

const TimeField kTimes[] = {
    {&ADSBTargetReport::lastUpdate, &ADSBTargetReport::setLastUpdate},
    {&ADSBTargetReport::callsignLastUpdate, &ADSBTargetReport::setCallsignLastUpdate},
    {&ADSBTargetReport::callsignLastChange, &ADSBTargetReport::setCallsignLastChange},
    {&ADSBTargetReport::emitterCategoryLastUpdate, &ADSBTargetReport::setEmitterCategoryLastUpdate},
    {&ADSBTargetReport::emitterCategoryLastChange, &ADSBTargetReport::setEmitterCategoryLastChange},
    {&ADSBTargetReport::squawkLastUpdate, &ADSBTargetReport::setSquawkLastUpdate},
    {&ADSBTargetReport::squawkLastChange, &ADSBTargetReport::setSquawkLastChange},
    {&ADSBTargetReport::positionLastUpdate, &ADSBTargetReport::setPositionLastUpdate},
    {&ADSBTargetReport::signalAmplitudeLastUpdate, &ADSBTargetReport::setSignalAmplitudeLastUpdate},
    {&ADSBTargetReport::altitudeBaroLastUpdate, &ADSBTargetReport::setAltitudeBaroLastUpdate},
    {&ADSBTargetReport::altitudeGeoLastUpdate, &ADSBTargetReport::setAltitudeGeoLastUpdate},
    {&ADSBTargetReport::groundSpeedLastUpdate, &ADSBTargetReport::setGroundSpeedLastUpdate},
    {&ADSBTargetReport::headingLastUpdate, &ADSBTargetReport::setHeadingLastUpdate},
    {&ADSBTargetReport::verticalRateBaroLastUpdate,
     &ADSBTargetReport::setVerticalRateBaroLastUpdate},
    {&ADSBTargetReport::groundStatusLastUpdate, &ADSBTargetReport::setGroundStatusLastUpdate},
    {&ADSBTargetReport::groundStatusLastChange, &ADSBTargetReport::setGroundStatusLastChange},
    {&ADSBTargetReport::spiStatusLastUpdate, &ADSBTargetReport::setSpiStatusLastUpdate},
    {&ADSBTargetReport::spiStatusLastChange, &ADSBTargetReport::setSpiStatusLastChange},
    {&ADSBTargetReport::alertStatusLastUpdate, &ADSBTargetReport::setAlertStatusLastUpdate},
    {&ADSBTargetReport::alertStatusLastChange, &ADSBTargetReport::setAlertStatusLastChange},
    {&ADSBTargetReport::mopsVersionLastUpdate, &ADSBTargetReport::setMopsVersionLastUpdate},
    {&ADSBTargetReport::mopsVersionLastChange, &ADSBTargetReport::setMopsVersionLastChange},
    {&ADSBTargetReport::nucpLastUpdate, &ADSBTargetReport::setNUCpLastUpdate},
    {&ADSBTargetReport::nucpLastChange, &ADSBTargetReport::setNUCpLastChange},
    {&ADSBTargetReport::nucrLastUpdate, &ADSBTargetReport::setNUCrLastUpdate},
    {&ADSBTargetReport::nucrLastChange, &ADSBTargetReport::setNUCrLastChange},
    {&ADSBTargetReport::nicLastUpdate, &ADSBTargetReport::setNICLastUpdate},
    {&ADSBTargetReport::nicLastChange, &ADSBTargetReport::setNICLastChange},
    {&ADSBTargetReport::nicSuppALastUpdate, &ADSBTargetReport::setNICSuppALastUpdate},
    {&ADSBTargetReport::nicSuppBLastUpdate, &ADSBTargetReport::setNICSuppBLastUpdate},
    {&ADSBTargetReport::nicSuppCLastUpdate, &ADSBTargetReport::setNICSuppCLastUpdate},
    {&ADSBTargetReport::picLastUpdate, &ADSBTargetReport::setPICLastUpdate},
    {&ADSBTargetReport::picLastChange, &ADSBTargetReport::setPICLastChange},
    {&ADSBTargetReport::nacpLastUpdate, &ADSBTargetReport::setNACpLastUpdate},
    {&ADSBTargetReport::nacpLastChange, &ADSBTargetReport::setNACpLastChange},
    {&ADSBTargetReport::silLastUpdate, &ADSBTargetReport::setSILLastUpdate},
    {&ADSBTargetReport::silLastChange, &ADSBTargetReport::setSILLastChange},
};

}  // namespace

void ProcessingPipeline::restamp(ADSBTargetReport& report, quint64 time) {
    for (const TimeField& f : kTimes) {
        if ((report.*f.get)() != 0) {
            (report.*f.set)(time);
        }
    }
}
