// Reception on a UDP port: the datagrams of a loopback sender decoded as they come, the end by
// count or by quiet time, and a multicast group joined on a chosen interface.

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <string>
#include <thread>

#include <gtest/gtest.h>

#include "AstTestData.h"
#include "Run.h"
#include "UdpReceiver.h"

namespace {

// A port that was free a moment ago.
uint16_t freePort() {
    asterixdecode::UdpReceiver probe;
    std::string error;
    EXPECT_TRUE(probe.open(0, "", "", &error)) << error;
    return probe.localPort();
}

// Sends `datagram` to address:port every 20 ms until `done` or 5 s; how many were sent.
int sendUntil(const std::atomic<bool>& done, const Bytes& datagram, const char* address,
              uint16_t port, bool multicast) {
    const int fd = ::socket(AF_INET, SOCK_DGRAM, 0);
    if (multicast) {
        in_addr local{};
        ::inet_pton(AF_INET, "127.0.0.1", &local);
        ::setsockopt(fd, IPPROTO_IP, IP_MULTICAST_IF, &local, sizeof local);
        const unsigned char loop = 1;
        ::setsockopt(fd, IPPROTO_IP, IP_MULTICAST_LOOP, &loop, sizeof loop);
    }
    sockaddr_in to{};
    to.sin_family = AF_INET;
    to.sin_port = htons(port);
    ::inet_pton(AF_INET, address, &to.sin_addr);
    int sent = 0;
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (!done && std::chrono::steady_clock::now() < until) {
        ::sendto(fd, datagram.data(), datagram.size(), 0, reinterpret_cast<sockaddr*>(&to),
                 sizeof to);
        ++sent;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    ::close(fd);
    return sent;
}

struct Reception {
    int status = -1;
    std::string out, err;
};

Reception receive(const asterixdecode::RunOptions& options, const Bytes& datagram,
                  const char* address, bool multicast) {
    Reception r;
    std::atomic<bool> done{false};
    asterixdecode::Output out, err;
    std::thread receiver([&] {
        r.status = asterixdecode::run(options, out, err, nullptr);
        done = true;
    });
    if (!datagram.empty())
        sendUntil(done, datagram, address, options.port, multicast);
    receiver.join();
    r.out = out.text();
    r.err = err.text();
    return r;
}

asterixdecode::RunOptions udpOptions(uint16_t port) {
    asterixdecode::RunOptions o;
    o.udp = true;
    o.port = port;
    o.decode.format = asterixdecode::Format::Keywords;
    o.decode.keywords = {AST_KEYWORD_SACSIC, AST_KEYWORD_CALLSIGN};
    return o;
}

}  // namespace

TEST(Udp, DatagramsAreDecodedUntilTheCount) {
    asterixdecode::RunOptions o = udpOptions(freePort());
    o.count = 3;
    o.timeout = 5;
    const Reception r = receive(o, readFile("cat048.raw"), "127.0.0.1", false);
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out,
              "# cat\tsacsic\tcallsign\n"
              "I048\t025/201\tDLH65A\n"
              "I048\t025/201\tDLH65A\n"
              "I048\t025/201\tDLH65A\n");
    EXPECT_NE(r.err.find("I048: 3 blocks, 3 records"), std::string::npos) << r.err;
}

TEST(Udp, QuietTimeEndsTheReception) {
    asterixdecode::RunOptions o = udpOptions(freePort());
    o.timeout = 0.2;
    const auto start = std::chrono::steady_clock::now();
    const Reception r = receive(o, Bytes(), nullptr, false);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(3));
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "total: 0 blocks, 0 records (0 shown), 0 failures\n");
}

TEST(Udp, RefusedGroupsAndInterfaces) {
    const struct {
        const char* group;
        const char* interface;
        const char* error;
    } rows[] = {{"10.1.2.3", "", "is no IPv4 multicast group"},
                {"239.1.2.3.4", "", "is no IPv4 multicast group"},
                {"239.1.2.3", "no-such-interface0", "no interface 'no-such-interface0'"}};
    for (const auto& row : rows) {
        asterixdecode::UdpReceiver receiver;
        std::string error;
        EXPECT_FALSE(receiver.open(freePort(), row.group, row.interface, &error)) << row.group;
        EXPECT_NE(error.find(row.error), std::string::npos) << error;
    }
}

// Needs a loopback that carries multicast; skipped where the system refuses the group.
TEST(Udp, MulticastGroupOnTheLoopbackInterface) {
    const uint16_t port = freePort();
    {
        asterixdecode::UdpReceiver probe;
        std::string error;
        if (!probe.open(port, "239.255.18.18", "127.0.0.1", &error))
            GTEST_SKIP() << "no multicast here: " << error;
    }
    asterixdecode::RunOptions o = udpOptions(port);
    o.group = "239.255.18.18";
    o.interface = "127.0.0.1";
    o.count = 2;
    o.timeout = 3;
    const Reception r = receive(o, readFile("cat048.raw"), "239.255.18.18", true);
    if (r.out.empty())
        GTEST_SKIP() << "the loopback does not carry multicast here";
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "# cat\tsacsic\tcallsign\nI048\t025/201\tDLH65A\nI048\t025/201\tDLH65A\n");
}
