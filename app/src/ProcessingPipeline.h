#ifndef VELTMAR_PROCESSINGPIPELINE_H
#define VELTMAR_PROCESSINGPIPELINE_H

#include <QByteArray>

#include <functional>
#include <vector>

#include <modes/ADSBTargetReport.h>

#include "ModeSMessageModel.h"

namespace brannic {
namespace modes {
class ADSBTarget;
class ADSBTracker;
class ModeSDecoder;
class ModeSMessage;
}  // namespace modes
}  // namespace brannic

// The road of one framed reply: Mode S decoding (parity, repair, confidence), the tracker,
// and, for a valid DF17, the decoding of its ME field for display. The result becomes a row of
// the Mode-S message list. Also the shorter road of JSON target reports into the tracker.
//
// Neither owns the decoder nor the tracker.
class ProcessingPipeline {
public:
    ProcessingPipeline(brannic::modes::ModeSDecoder& decoder, brannic::modes::ADSBTracker& tracker);

    // Told of every decoded reply the tracker took, with the target as the reply left it
    // (the BaseStation output). Called before the reply becomes a row.
    using TrackedReplyObserver = std::function<void(const brannic::modes::ModeSMessage& message,
                                                    const brannic::modes::ADSBTarget& target)>;
    void setTrackedReplyObserver(TrackedReplyObserver observer) { _observer = std::move(observer); }

    // Replies decoded since the last start.
    quint32 sequence() const { return _sequence; }
    void resetSequence() { _sequence = 0; }
    // Replies decoded since the pipeline was made, across starts.
    quint64 decodedTotal() const { return _decodedTotal; }

    // Decodes one reply received at `timeStamp` (ms since the epoch) with an optional signal
    // level (Beast input), feeds the tracker and fills `row`. False when the decoder rejects
    // the reply: nothing is counted and `row` is untouched.
    bool processModeSReply(const QByteArray& reply, quint64 timeStamp, bool hasSignal,
                           quint8 signal, ModeSRow& row);

    // Feeds decoded JSON reports in order. In playback mode every time a report carries (its
    // own and each value's) is replaced by the receive time, so that the targets age by the
    // clock of this run.
    void processTargetReports(std::vector<brannic::modes::ADSBTargetReport>& reports,
                              quint64 receiveTime, bool playbackMode);

    // Replaces every non-zero time of `report` by `time`.
    static void restamp(brannic::modes::ADSBTargetReport& report, quint64 time);

private:
    brannic::modes::ModeSDecoder& _decoder;
    brannic::modes::ADSBTracker& _tracker;
    TrackedReplyObserver _observer;
    quint32 _sequence = 0;
    quint64 _decodedTotal = 0;
};

#endif  // VELTMAR_PROCESSINGPIPELINE_H
