#include "link/ftdi_driver.h"

#include <gtest/gtest.h>

#include "support/link_bench.h"

namespace ksm {
namespace {

// This machine has no FTDI chip attached: the real backend lists none, and the link reports
// the missing device as it would on a technician's PC with the cable unplugged.
TEST(FtdiDriver, WithoutAnAttachedChipTheCountIsZero) {
    FtdiDriver driver;
    std::uint32_t count = 99;
    EXPECT_EQ(driver.CountDevices(count), kDriverOk);
    EXPECT_EQ(count, 0u);
    char text[kDriverTextSize];
    EXPECT_NE(driver.Description(0, text), kDriverOk);
    DriverHandle handle = kNoHandle;
    EXPECT_NE(driver.Open(0, handle), kDriverOk);
    std::uint32_t waiting = 0;
    EXPECT_EQ(driver.QueueStatus(1, waiting), kDriverInvalidHandle);

    test::LinkBench bench;
    Link link(driver, bench.clock, bench.pump, bench.console, bench.window);
    EXPECT_EQ(link.ConnectInterface(), status::kNoDevice);
}

}  // namespace
}  // namespace ksm
