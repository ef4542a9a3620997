#ifndef MODES_TESTS_TRACKERDIGEST_H
#define MODES_TESTS_TRACKERDIGEST_H

// Everything the decoder and the tracker make public, written out as text, so that two
// builds can be compared value by value over the same stream of replies: each decoded
// message (format, address, confidence, time, bytes, fields and description), the ADS-B
// message the program would show for it, every value of the target it updated, the log lines
// it caused, and the targets killed along the way.
//
// The text of a whole stream is long, so a run keeps a running 64-bit hash of it with a
// checkpoint every 1000 replies, plus the full text of every target left at the end. A golden
// file of an earlier build holds the same; a test compares checkpoint by checkpoint and line by
// line.

#include <cinttypes>
#include <cstdlib>
#include <cstdio>
#include <fstream>
#include <functional>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include <modes/ADSBMessage.h>
#include <modes/ADSBTarget.h>
#include <modes/ADSBTracker.h>
#include <modes/DFMessage.h>
#include <modes/Log.h>
#include <modes/LogHandler.h>
#include <modes/ModeSDecoder.h>
#include <modes/ModeSMessageField.h>

#include "Clock.h"

namespace brannic {
namespace modes {
namespace digest {

inline std::string number(double v) {
    char text[40];
    std::snprintf(text, sizeof text, "%.17g", v);
    return text;
}

// Every public value of a target, one "name=value" per item.
inline std::string describe(const ADSBTarget& t) {
    std::ostringstream o;
    ADSBTarget c = t;  // statisticValid() is not const
    o << "trk=" << t.trackId() << " upd=" << t.lastUpdate() << " icao=" << t.icaoAddr()
      << " cs='" << t.callsign() << "'," << t.callsignLastUpdate() << ","
      << t.callsignLastChange() << " emt=" << unsigned(t.emitterCategory()) << ","
      << t.emitterCategoryValid() << "," << t.emitterCategoryLastUpdate() << ","
      << t.emitterCategoryLastChange() << " sqk=" << t.squawk() << "," << t.squawkValid() << ","
      << t.squawkLastUpdate() << "," << t.squawkLastChange() << " pos=" << number(t.latitude())
      << "," << number(t.longitude()) << "," << t.positionValid() << ","
      << t.positionLastUpdate() << " amp=" << unsigned(t.signalAmplitude()) << ","
      << t.signalAmplitudeValid() << "," << t.signalAmplitudeLastUpdate()
      << " alt=" << t.altitudeBaro() << "," << t.altitudeBaroValid() << ","
      << t.altitudeBaroLastUpdate() << " gs=" << number(t.groundSpeed()) << ","
      << t.groundSpeedValid() << "," << t.groundSpeedLastUpdate()
      << " hdg=" << number(t.heading()) << "," << t.headingValid() << ","
      << t.headingLastUpdate() << " vr=" << t.verticalRateBaro() << ","
      << t.verticalRateBaroValid() << "," << t.verticalRateBaroLastUpdate()
      << " ca=" << unsigned(t.transponderCommCapability()) << ","
      << t.transponderCommCapabilityValid() << "," << t.transponderCommCapabilityLastUpdate()
      << " gnd=" << t.groundStatus() << "," << t.groundStatusValid() << ","
      << t.groundStatusLastUpdate() << "," << t.groundStatusLastChange()
      << " spi=" << t.spiStatus() << "," << t.spiStatusValid() << "," << t.spiStatusLastUpdate()
      << "," << t.spiStatusLastChange() << " alert=" << t.alertStatus() << ","
      << t.alertStatusValid() << "," << t.alertStatusLastUpdate() << ","
      << t.alertStatusLastChange() << " mops=" << t.mopsVersion() << ","
      << t.mopsVersionAssumed() << "," << t.mopsVersionConfirmed() << ","
      << t.mopsVersionLastUpdate() << "," << t.mopsVersionLastChange()
      << " nucp=" << unsigned(t.nucp()) << "," << t.nucpValid() << "," << t.nucpLastUpdate()
      << "," << t.nucpLastChange() << " nucr=" << unsigned(t.nucr()) << "," << t.nucrValid()
      << "," << t.nucrLastUpdate() << "," << t.nucrLastChange() << " nic=" << unsigned(t.nic())
      << "," << t.nicValid() << "," << t.nicLastUpdate() << "," << t.nicLastChange()
      << " suppA=" << t.nicSupplementA() << "," << t.nicSupplementAValid() << ","
      << t.nicSuppALastUpdate() << " suppB=" << t.nicSupplementB() << ","
      << t.nicSupplementBValid() << "," << t.nicSuppBLastUpdate()
      << " suppC=" << t.nicSupplementC() << "," << t.nicSupplementCValid() << ","
      << t.nicSuppCLastUpdate() << " pic=" << unsigned(t.pic()) << "," << t.picValid() << ","
      << t.picLastUpdate() << "," << t.picLastChange() << " nacp=" << unsigned(t.nacp()) << ","
      << t.nacpValid() << "," << t.nacpLastUpdate() << "," << t.nacpLastChange()
      << " sil=" << unsigned(t.sil()) << "," << t.silValid() << "," << t.silLastUpdate() << ","
      << t.silLastChange() << " stat=" << c.statisticValid() << ","
      << t.statisticLastUpdate() << "," << t.statisticDfMsgCount() << " df";
    for (int df = 0; df < kDownlinkFormatCount; ++df)
        o << ":" << t.statisticDfMsgCount(static_cast<DownlinkFormat>(df));
    o << " adsb";
    for (int type = 0; type < kADSBMessageTypeCount; ++type)
        o << ":" << t.statisticADSBMsgCount(static_cast<ADSBMessageType>(type));
    return o.str();
}

inline std::string describe(const ModeSMessage& m) {
    std::ostringstream o;
    o << "msg " << m.dataHexString() << " v=" << m.valid() << " a=" << m.icaoAddressHexString()
      << " p=" << m.calculatedParityHexString() << " c=" << m.confidence()
      << " t=" << m.timeStamp() << "," << m.timeSource() << " s=" << unsigned(m.signalAmplitude())
      << " n=" << unsigned(m.bits()) << " '" << m.description() << "'";
    for (const ModeSMessageField* f : m.fields())
        o << " [" << f->name() << "," << unsigned(f->pos()) << "," << f->valid() << ","
          << f->description() << "]";
    return o.str();
}

inline std::string describe(const ADSBMessage& m) {
    std::ostringstream o;
    o << "adsb " << m.dataHexString() << " v=" << m.valid() << " tc=" << unsigned(m.typeCode())
      << " ty=" << m.type() << " t=" << m.timeStamp() << " '" << m.description() << "'";
    for (const ADSBMessageField& f : m.fields())
        o << " [" << f.designator() << "," << unsigned(f.pos()) << "," << unsigned(f.bits()) << ","
          << f.valid() << "," << f.description() << "]";
    return o.str();
}

// Log lines without the source padding, which depends on the sources seen before.
class LogRecorder : public LogHandler {
public:
    LogRecorder() : _previous(Log::showLevel()) {
        Log::setShowLevel(Log::DEBUG);
        Log::setLogHandler(this);
    }
    ~LogRecorder() {
        Log::setLogHandler(nullptr);
        Log::setShowLevel(_previous);
    }
    void logMessage(const std::string& line) override {
        std::string text = line;
        const auto close = text.find("] ", 10);
        if (close != std::string::npos) {
            auto end = close;
            while (end > 11 && text[end - 1] == ' ')
                --end;
            text.erase(end, close - end);
        }
        lines.push_back(text);
    }
    std::vector<std::string> lines;

private:
    Log::Level _previous;
};

// FNV-1a, 64 bits.
class Hash {
public:
    void add(const std::string& text) {
        for (unsigned char c : text) {
            _value ^= c;
            _value *= 1099511628211ull;
        }
        _value ^= '\n';
        _value *= 1099511628211ull;
    }
    uint64_t value() const { return _value; }

private:
    uint64_t _value = 14695981039346656037ull;
};

// The public results of one stream.
struct Result {
    std::vector<std::string> checkpoints;  // "<replies> <hash>"
    std::vector<std::string> targets;      // describe() of every target left at the end
    std::string firstText;                 // the text of the first replies, for reading
};

// One reply in: time stamp (ms) and bytes.
struct Reply {
    uint64_t time;
    std::string data;
};

// Runs `replies` through a decoder and a tracker prepared by `setUp`, killing targets silent
// for `expiryMs` of stream time every `killEveryMs`.
// Replies come from `next` until it returns false; a checkpoint every `checkpointEvery`.
inline Result run(const std::function<bool(Reply&)>& next,
                  const std::function<void(ModeSDecoder&, ADSBTracker&)>& setUp,
                  uint64_t expiryMs, uint64_t killEveryMs, std::size_t checkpointEvery) {
    Result result;
    LogRecorder log;
    ModeSDecoder decoder;
    ADSBTracker tracker;
    if (setUp)
        setUp(decoder, tracker);
    Hash hash;
    // VELTMAR_DIGEST_TEXT=<file> writes the whole text, for comparing two builds with diff.
    std::unique_ptr<std::ofstream> textOut;
    if (const char* file = std::getenv("VELTMAR_DIGEST_TEXT"))
        textOut.reset(new std::ofstream(file, std::ios::app));
    uint64_t nextKill = 0;
    std::size_t index = 0;
    Reply reply;
    bool more = next(reply);
    while (more) {
        log.lines.clear();
        clock::setFixedTime(reply.time);
        std::string text = std::to_string(index);
        std::unique_ptr<ModeSMessage> msg(
            decoder.decode(ModeSMessage::DOWNLINK, reply.data, reply.time));
        if (msg) {
            text += "\n" + describe(*msg);
            const ADSBTarget* target = tracker.procModeSMsg(msg.get());
            text += target != nullptr ? "\n" + describe(*target) : std::string("\nnone");
            const auto* df = static_cast<const DFMessage*>(msg.get());
            if (df->downlinkFormat() == DF_17 && msg->valid()) {
                std::unique_ptr<ADSBMessage> adsb(
                    tracker.decodeADSBMsg(msg->icaoAddress(), msg->data().substr(4, 7)));
                text += adsb ? "\n" + describe(*adsb) : std::string("\nno adsb");
            }
        }
        if (nextKill == 0)
            nextKill = reply.time + killEveryMs;
        if (reply.time >= nextKill) {
            nextKill = reply.time + killEveryMs;
            for (const ADSBTarget& killed : tracker.killTargets(reply.time - expiryMs))
                text += "\nkilled " + describe(killed);
            text += "\nsince " + std::to_string(tracker.allTargetsSince(reply.time - 5000).size()) +
                    " " +
                    std::to_string(
                        tracker.allTargetsSince(reply.time - 5000, reply.time - 1000).size());
        }
        for (const std::string& line : log.lines)
            text += "\nlog " + line;
        hash.add(text);
        if (textOut)
            *textOut << text << "\n";
        if (index < 20)
            result.firstText += text + "\n";
        ++index;
        more = next(reply);
        if (index % checkpointEvery == 0 || !more) {
            char line[64];
            std::snprintf(line, sizeof line, "%zu %016" PRIx64, index, hash.value());
            result.checkpoints.push_back(line);
        }
    }
    clock::setFixedTime(0);
    for (const ADSBTarget& target : tracker.allTargets())
        result.targets.push_back(describe(target));
    return result;
}

inline Result run(const std::vector<Reply>& replies,
                  const std::function<void(ModeSDecoder&, ADSBTracker&)>& setUp = {},
                  uint64_t expiryMs = 60000, uint64_t killEveryMs = 10000) {
    std::size_t i = 0;
    return run(
        [&](Reply& reply) {
            if (i == replies.size())
                return false;
            reply = replies[i++];
            return true;
        },
        setUp, expiryMs, killEveryMs, 1000);
}

inline void write(const Result& result, const std::string& path) {
    std::ofstream out(path);
    for (const std::string& c : result.checkpoints)
        out << "checkpoint " << c << "\n";
    for (const std::string& t : result.targets)
        out << "target " << t << "\n";
}

inline Result read(const std::string& path) {
    Result result;
    std::ifstream in(path);
    std::string line;
    while (std::getline(in, line)) {
        if (line.rfind("checkpoint ", 0) == 0)
            result.checkpoints.push_back(line.substr(11));
        else if (line.rfind("target ", 0) == 0)
            result.targets.push_back(line.substr(7));
    }
    return result;
}

}  // namespace digest
}  // namespace modes
}  // namespace brannic

#endif  // MODES_TESTS_TRACKERDIGEST_H
