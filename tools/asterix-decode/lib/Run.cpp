#include "Run.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>
#include <vector>

#include "Pcap.h"
#include "UdpReceiver.h"

namespace asterixdecode {

namespace {

bool decodePcap(ByteSource& source, const std::string& name, size_t skip, Decoder& decoder,
                Output& err) {
    PcapReader reader(source);
    std::string error;
    if (!reader.open(&error)) {
        err.append(name + ": " + error + "\n");
        return false;
    }
    PcapFrame frame;
    while (reader.next(&frame, &error)) {
        UdpPayload payload;
        std::string why;
        switch (udpPayload(frame.data.data(), frame.data.size(), reader.linkType(), &payload,
                           &why)) {
            case UdpResult::Payload:
                frameDatagram(payload.data, payload.size, skip, frame.number, decoder);
                break;
            case UdpResult::NotUdp:
                break;
            case UdpResult::Damaged:
                decoder.damaged(Position{frame.number, 0}, why);
                break;
        }
    }
    if (!error.empty())
        decoder.inputDamaged(name + ": " + error);
    return true;
}

int receiveUdp(const RunOptions& options, Decoder& decoder, Output& out, Output& err,
               const volatile std::sig_atomic_t* stop) {
    UdpReceiver receiver;
    std::string error;
    if (!receiver.open(options.port, options.group, options.interface, &error)) {
        err.append("asterix-decode: " + error + "\n");
        return 2;
    }
    std::vector<uint8_t> datagram(65536);
    uint64_t received = 0;
    const int timeoutMs = options.timeout > 0 ? static_cast<int>(options.timeout * 1000) : -1;
    while (!(stop && *stop) && (!options.count || received < options.count)) {
        const long n = receiver.receive(datagram.data(), datagram.size(), timeoutMs);
        if (n == -1 && timeoutMs >= 0 && !(stop && *stop))
            break;  // quiet for the whole time-out
        if (n == -1)
            continue;
        if (n < 0) {
            err.append("asterix-decode: receiving failed\n");
            return 2;
        }
        ++received;
        frameDatagram(datagram.data(), static_cast<size_t>(n), options.skip, received, decoder);
        // A live feed is shown as it comes.
        out.flush();
        err.flush();
    }
    return 0;
}

}  // namespace

bool decodeInput(ByteSource& source, const std::string& name, size_t skip, Decoder& decoder,
                 Output& err) {
    uint8_t magic[4];
    const size_t got = source.readFully(magic, sizeof magic);
    PrefixedSource whole(magic, got, source);
    if (got == sizeof magic && isPcapMagic(magic))
        return decodePcap(whole, name, skip, decoder, err);
    frameStream(whole, skip, decoder);
    return true;
}

int run(const RunOptions& options, Output& out, Output& err,
        const volatile std::sig_atomic_t* stop) {
    Decoder decoder(options.decode, out, err);
    int status = 0;
    if (options.udp) {
        status = receiveUdp(options, decoder, out, err, stop);
    } else {
        std::vector<std::string> files = options.files;
        if (files.empty())
            files.push_back("-");
        for (const std::string& file : files) {
            const bool stdinput = file == "-";
            const int fd = stdinput ? 0 : ::open(file.c_str(), O_RDONLY);
            if (fd < 0) {
                err.append("asterix-decode: " + file + ": " + std::strerror(errno) + "\n");
                status = 2;
                continue;
            }
            FdSource source(fd);
            if (!decodeInput(source, stdinput ? "standard input" : file, options.skip, decoder,
                             err))
                status = 2;
            if (source.failed()) {
                err.append("asterix-decode: " + file + ": read error\n");
                status = 2;
            }
            if (!stdinput)
                ::close(fd);
        }
    }
    out.flush();
    if (options.counts)
        decoder.writeCounts();
    err.flush();
    if (status == 0 && decoder.failures())
        status = 1;
    return status;
}

}  // namespace asterixdecode
