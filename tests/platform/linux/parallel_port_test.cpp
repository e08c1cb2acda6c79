#include "fakes.h"
#include "platform/linux/parallel_port.h"

#include <gtest/gtest.h>
#include <sstream>

namespace zqf {
namespace {

using testing::FakePorts;
using testing::TempDir;
using Calls = std::vector<std::string>;

struct ParallelPortTest : ::testing::Test {
    TempDir root;
    FakePorts ports;
    std::ostringstream log;

    // A port as ppdev and the parport procfs show it.
    void add_port(const std::string& name, const std::string& base_addr,
                  const std::string& active = "none\n") {
        std::filesystem::create_directories(root.path() / "sys/class/ppdev" / name);
        root.write("proc/sys/dev/parport/" + name + "/base-addr", base_addr);
        root.write("proc/sys/dev/parport/" + name + "/devices/active", active);
    }
    std::string node(const std::string& name) const {
        return (root.path() / "dev" / name).string();
    }
};

TEST_F(ParallelPortTest, ClaimsThePortAtTheAddressAndWritesEveryByteInOrder) {
    add_port("parport0", "956\t1980\n");
    add_port("parport10", "632\t1656\n");
    add_port("parport2", "888\t1912\n");
    ParallelPort port(ports, root.path(), 888, log);
    ASSERT_TRUE(port.claim()) << log.str();
    EXPECT_EQ(ports.calls, (Calls{"open " + node("parport2"), "PPCLAIM 3", "PPDATADIR 3 0"}));
    for (const int value : {24, 25, 24, 26, 27, 26, 24, 28, 24, 0x1FF}) {
        port.write(888, value);
    }
    EXPECT_EQ(ports.data_writes, (std::vector<uint8_t>{24, 25, 24, 26, 27, 26, 24, 28, 24, 0xFF}));
    EXPECT_TRUE(port.claim()); // a second claim keeps the first
    EXPECT_EQ(ports.calls.size(), 3U);
}

TEST_F(ParallelPortTest, FallsBackToParport0WhenNoBaseAddressMatches) {
    add_port("parport1", "632\n");
    ParallelPort port(ports, root.path(), 888, log);
    ASSERT_TRUE(port.claim());
    EXPECT_EQ(ports.calls.front(), "open " + node("parport0"));
    EXPECT_NE(log.str().find("no ppdev port has base address 0x378 (found parport1 at 0x278)"),
              std::string::npos);
}

TEST_F(ParallelPortTest, RefusedOrBusyPortIsNotClaimedAndNeverWrittenDirectly) {
    add_port("parport0", "888\n", "ppdev0\n");
    {
        ParallelPort busy(ports, root.path(), 888, log);
        EXPECT_FALSE(busy.claim()); // asked before PPCLAIM, which would wait forever
        EXPECT_EQ(ports.calls, (Calls{"open " + node("parport0"), "close 3"}));
        EXPECT_NE(log.str().find("in use by ppdev0"), std::string::npos);
    }
    add_port("parport0", "888\n");
    ports.calls.clear();
    ports.claim_result = -EBUSY;
    ParallelPort refused(ports, root.path(), 888, log);
    EXPECT_FALSE(refused.claim());
    EXPECT_EQ(ports.calls, (Calls{"open " + node("parport0"), "PPCLAIM 3", "close 3"}));
    refused.write(888, 24);
    EXPECT_TRUE(ports.data_writes.empty());
    EXPECT_TRUE(ports.direct_writes.empty());
}

TEST_F(ParallelPortTest, WithoutPpdevUsesDirectIoWhenPermittedAndOtherwiseSkipsWrites) {
    ports.open_result = -ENOENT;
    ParallelPort direct(ports, root.path(), 888, log);
    ASSERT_TRUE(direct.claim());
    direct.write(888, 27);
    direct.write(632, 24); // not the claimed port
    EXPECT_EQ(ports.direct_writes, (std::vector<uint8_t>{27}));
    EXPECT_EQ(ports.calls.back(), "outb 888");

    ports.access_result = -EPERM;
    ports.direct_writes.clear();
    ParallelPort neither(ports, root.path(), 888, log);
    EXPECT_FALSE(neither.claim());
    neither.write(888, 24);
    EXPECT_TRUE(ports.direct_writes.empty());
    EXPECT_NE(log.str().find("needs root"), std::string::npos);
}

} // namespace
} // namespace zqf
