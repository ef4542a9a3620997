#ifndef VELTMAR_BENCH_PATHSTREAM_H
#define VELTMAR_BENCH_PATHSTREAM_H

// A generated arrival stream (feedgen::arrivalStream) as a receiver with a GPS clock sends it
// in Mode-S Beast: the bytes, cut into socket-sized chunks, each with the time it is taken to
// have arrived (the stream time of the frame it begins in). Built once per process.

#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "feedgen/BeastWriter.h"
#include "feedgen/ReceiverClock.h"
#include "feedgen/Scene.h"

namespace pathbench {

// Stream time 0: 2026-01-01T06:00:00Z, so that the stream stays on one UTC date for hours
// (and its first stamp is not 00:00:00.000, which reads as "no stamp").
constexpr int64_t kStartNs = (1767225600LL + 6 * 3600) * 1000000000LL;
constexpr size_t kChunkBytes = 16384;

struct Chunk {
    size_t offset;
    size_t size;
    uint64_t receiveTimeMs;
};

struct Stream {
    std::string bytes;
    std::vector<Chunk> chunks;
    uint64_t frames = 0;
};

inline const Stream& stream(size_t aircraft, bool modeSReplies) {
    static std::map<std::pair<size_t, bool>, Stream> streams;
    Stream& s = streams[{aircraft, modeSReplies}];
    if (!s.bytes.empty())
        return s;
    feedgen::Scene scene(feedgen::arrivalStream(aircraft, modeSReplies, 1, kStartNs));
    const feedgen::BeastWriter writer(feedgen::ReceiverClock(feedgen::ClockKind::GpsTimeOfDay, 0));
    feedgen::Transmission t;
    size_t nextCut = 0;
    while (scene.next(t)) {
        if (s.bytes.size() >= nextCut) {
            s.chunks.push_back({s.bytes.size(), 0, static_cast<uint64_t>(t.timeNs / 1000000)});
            nextCut = s.bytes.size() + kChunkBytes;
        }
        if (writer.append(t, s.bytes))
            ++s.frames;
    }
    for (size_t i = 0; i < s.chunks.size(); ++i) {
        const size_t end = i + 1 < s.chunks.size() ? s.chunks[i + 1].offset : s.bytes.size();
        s.chunks[i].size = end - s.chunks[i].offset;
    }
    return s;
}

}  // namespace pathbench

#endif  // VELTMAR_BENCH_PATHSTREAM_H
