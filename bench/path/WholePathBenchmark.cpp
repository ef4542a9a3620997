// The whole road of a Mode-S Beast reply, as the program takes it: Beast bytes (0x1a doubled)
// in socket-sized chunks through the program's BeastFramer, ModeSDecoder::decode with the
// frame's time, the signal level, ADSBTracker::procModeSMsg, and every second of stream time
// the tracker tick that kills the targets silent for 60 s. Every setting at its default.
//
// The streams are the generator's measurement streams (tools/veltmar-feed, Scene.h): aircraft
// arriving in turn, each flying 120 s, so that no more than about 1,000 are alive at once;
// 5,000 aircraft sending extended squitters only, and 20,000 with the Mode S replies of
// rotating radars and ACAS besides (DF0/4/5/11/20/21). The receiver stamps GPS time of day.
//
// Counters: replies/s is replies per CPU-second (frames cut by the framer); peak_targets the
// most targets held at a tick; bytes/target the growth of the heap in use at that peak, per
// target held (decoder tables included). Where the system lets a process count its own
// instructions and cycles (perf events), instr/reply and cycles/reply as well: on a shared
// machine the instruction count stays put when the CPU time does not.
//
//   taskset -c 1 build/bin/bench/path_bench --benchmark_repetitions=5
//       --benchmark_report_aggregates_only=true  (one line)

#include <linux/perf_event.h>
#include <malloc.h>
#include <sys/ioctl.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>

#include <QByteArray>

#include <modes/ADSBTracker.h>
#include <modes/Log.h>
#include <modes/LogHandler.h>
#include <modes/ModeSDecoder.h>

#include "BeastFramer.h"
#include "PathStream.h"

namespace {

using brannic::modes::ADSBTracker;
using brannic::modes::Log;
using brannic::modes::ModeSDecoder;
using brannic::modes::ModeSMessage;

// The program installs a handler of its own; lines are dropped here.
class DropLines : public brannic::modes::LogHandler {
public:
    void logMessage(const std::string&) override {}
};

// A user-space hardware counter of this thread; does nothing where perf events are refused.
class HardwareCounter {
public:
    explicit HardwareCounter(uint64_t config) {
        perf_event_attr attr{};
        attr.size = sizeof(attr);
        attr.type = PERF_TYPE_HARDWARE;
        attr.config = config;
        attr.disabled = 1;
        attr.exclude_kernel = 1;
        attr.exclude_hv = 1;
        _fd = static_cast<int>(syscall(SYS_perf_event_open, &attr, 0, -1, -1, 0));
    }
    ~HardwareCounter() {
        if (_fd >= 0)
            close(_fd);
    }
    bool ok() const { return _fd >= 0; }
    void start() {
        if (_fd >= 0)
            ioctl(_fd, PERF_EVENT_IOC_ENABLE, 0);
    }
    void stop() {
        if (_fd >= 0)
            ioctl(_fd, PERF_EVENT_IOC_DISABLE, 0);
    }
    uint64_t value() const {
        uint64_t count = 0;
        if (_fd < 0 || read(_fd, &count, sizeof(count)) != sizeof(count))
            return 0;
        return count;
    }

private:
    int _fd = -1;
};

constexpr uint64_t kTickMs = 1000;     // the program's tracker timer
constexpr uint64_t kExpiryMs = 60000;  // targets killed after 60 s without a reply

void wholePath(benchmark::State& state, const pathbench::Stream& stream) {
    DropLines drop;
    Log::setLogHandler(&drop);
    int64_t replies = 0;
    HardwareCounter instructions(PERF_COUNT_HW_INSTRUCTIONS);
    HardwareCounter cycles(PERF_COUNT_HW_CPU_CYCLES);
    size_t peakTargets = 0;
    double peakBytesPerTarget = 0;
    for (auto _ : state) {
        const size_t heapBefore = mallinfo2().uordblks;
        ModeSDecoder decoder;
        ADSBTracker tracker;
        BeastFramer framer;
        uint64_t nextTick = 0;
        const ModeSFrameSink sink = [&](const ModeSFrame& frame) {
            ++replies;
            if (frame.timeStamp >= nextTick) {
                if (nextTick != 0) {
                    // The count is taken off the clock: the tracker has no cheap size.
                    state.PauseTiming();
                    instructions.stop();
                    cycles.stop();
                    const size_t held = tracker.allTargetsSince(0).size();
                    if (held > peakTargets) {
                        peakTargets = held;
                        peakBytesPerTarget =
                            double(mallinfo2().uordblks - heapBefore) / double(held);
                    }
                    instructions.start();
                    cycles.start();
                    state.ResumeTiming();
                    tracker.killTargets(frame.timeStamp - kExpiryMs);
                }
                nextTick = frame.timeStamp + kTickMs;
            }
            std::unique_ptr<ModeSMessage> message(decoder.decode(
                ModeSMessage::DOWNLINK, reinterpret_cast<const unsigned char*>(frame.reply.constData()),
                static_cast<uint64_t>(frame.reply.size()), frame.timeStamp));
            if (!message)
                return false;
            if (frame.hasSignal)
                message->setSignalAmplitude(frame.signal);
            benchmark::DoNotOptimize(tracker.procModeSMsg(message.get()));
            return true;
        };
        instructions.start();
        cycles.start();
        for (const pathbench::Chunk& chunk : stream.chunks) {
            framer.feed(QByteArray::fromRawData(stream.bytes.data() + chunk.offset, int(chunk.size)),
                        chunk.receiveTimeMs, sink);
        }
        instructions.stop();
        cycles.stop();
        if (framer.clock().judgement() != FrameClock::Judgement::TimeOfDay) {
            state.SkipWithError("the frames did not take the stream's time of day");
            break;
        }
    }
    Log::setLogHandler(nullptr);
    state.counters["replies/s"] = benchmark::Counter(double(replies), benchmark::Counter::kIsRate);
    state.counters["replies"] = double(stream.frames);
    if (instructions.ok() && replies > 0) {
        state.counters["instr/reply"] = double(instructions.value()) / double(replies);
        state.counters["cycles/reply"] = double(cycles.value()) / double(replies);
    }
    state.counters["peak_targets"] = double(peakTargets);
    state.counters["bytes/target"] = peakBytesPerTarget;
}

void BM_WholePath_AdsbOnly5000(benchmark::State& state) {
    wholePath(state, pathbench::stream(5000, false));
}
BENCHMARK(BM_WholePath_AdsbOnly5000)->Unit(benchmark::kMillisecond);

void BM_WholePath_Mixed20000(benchmark::State& state) {
    wholePath(state, pathbench::stream(20000, true));
}
BENCHMARK(BM_WholePath_Mixed20000)->Unit(benchmark::kMillisecond);

}  // namespace
