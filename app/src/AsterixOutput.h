#ifndef VELTMAR_ASTERIXOUTPUT_H
#define VELTMAR_ASTERIXOUTPUT_H

#include <array>
#include <memory>

#include <QMetaType>
#include <QObject>
#include <QString>

#include <catbridge/ASTERIXEncoder.h>
#include <catbridge/ASTERIXPacker.h>
#include <catbridge/DataBlock.h>

#include "AsterixOutputChannel.h"

namespace brannic {
namespace modes {
class ADSBServiceStatus;
class ADSBTracker;
}  // namespace modes
}  // namespace brannic

Q_DECLARE_METATYPE(brannic::modes::DataBlock)

// The ASTERIX output: every cycle, the targets updated since the previous cycle that have a
// position become CAT021 target reports of the configured edition, the reports are packed
// into data blocks, and each block is numbered, handed on through blockProduced() and sent as
// one UDP datagram on each enabled channel.
//
// Owns the encoder, the packer (whose limits the caller sets through packer()) and the two
// channels. The first cycle after start() reports every target the tracker holds; block
// numbers count from 1 after each start.
class AsterixOutput : public QObject {
    Q_OBJECT

public:
    struct Settings {
        // 26 for edition 0.26, 240 for edition 2.4; any other value produces nothing.
        quint32 cat21Version = brannic::modes::ASTERIXEncoder::CAT021_V026;
        bool multicast = true;  // both channels
        std::array<AsterixOutputChannel::Settings, 2> channels;
    };

    explicit AsterixOutput(QObject* parent = nullptr);
    ~AsterixOutput() override;

    brannic::modes::ASTERIXPacker& packer() { return _packer; }
    const brannic::modes::ASTERIXEncoder& encoder() const { return _encoder; }
    // Channel 1 at index 0, channel 2 at index 1.
    AsterixOutputChannel& channel(int index) { return *_channels[index]; }

    // Time (ms since the epoch) of the previous cycle, 0 before the first.
    quint64 lastAsterixOutput() const { return _lastAsterixOutput; }
    // Blocks produced since the last start.
    quint64 asterixSequence() const { return _asterixSequence; }

    // Starts afresh with `settings`: the previous-cycle time and the block count back to 0,
    // then channel 1 and channel 2 prepared (their messages come through message()).
    void start(const Settings& settings);
    // Closes both channels; "ASTERIX output has stopped." (show and log). The previous-cycle
    // time and the block count go back to 0.
    void stop();

    // One cycle at the time `nowMs` (ms since the epoch): targets updated since the previous
    // cycle, with a position, to records, records to blocks, blocks to blockProduced() and to
    // the enabled channels, in order. A cycle without such a target produces nothing.
    void outputCycle(const brannic::modes::ADSBTracker& tracker,
                     const brannic::modes::ADSBServiceStatus& serviceStatus, quint64 nowMs);

signals:
    // One block as produced, with its number since the last start (1 for the first). Emitted
    // before the block is sent.
    void blockProduced(const brannic::modes::DataBlock& block, quint64 sequence);
    // A text for the general log; showInStatusBar asks for the status bar as well.
    void message(const QString& text, bool showInStatusBar);

private:
    brannic::modes::ASTERIXEncoder _encoder;
    brannic::modes::ASTERIXPacker _packer;
    std::array<std::unique_ptr<AsterixOutputChannel>, 2> _channels;
    Settings _settings;
    quint64 _lastAsterixOutput = 0;
    quint64 _asterixSequence = 0;
};

#endif  // VELTMAR_ASTERIXOUTPUT_H
