#include "link/serial_driver.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <fstream>

#include "support/link_bench.h"

extern char** environ;

namespace ksm {
namespace {
namespace fs = std::filesystem;

// A small sysfs-like tree: two USB serial converters (one without a serial number), one
// USB modem and a built-in UART that belongs to no USB device.
struct SysfsFixture {
    fs::path root = fs::temp_directory_path() / ("ksm-sysfs-" + std::to_string(getpid()));

    SysfsFixture() {
        fs::remove_all(root);
        UsbDevice("devices/pci0/usb1/1-1", "TORVIK ZRD", "ZRD13A01");
        Tty("ttyUSB0", "devices/pci0/usb1/1-1/1-1:1.0/ttyUSB0");
        UsbDevice("devices/pci0/usb1/1-2", "TORVIK Terminal", nullptr);
        Tty("ttyUSB1", "devices/pci0/usb1/1-2/1-2:1.0/ttyUSB1");
        UsbDevice("devices/pci0/usb2/2-1", "USB Modem", "M-77");
        Tty("ttyACM0", "devices/pci0/usb2/2-1/2-1:1.0");
        fs::create_directories(root / "devices/platform/serial8250/tty/ttyS0");
        Tty("ttyS0", "devices/platform/serial8250");
    }
    ~SysfsFixture() { fs::remove_all(root); }

    void UsbDevice(const std::string& dir, const char* product, const char* serial) {
        fs::create_directories(root / dir);
        std::ofstream(root / dir / "idVendor") << "0403\n";
        std::ofstream(root / dir / "product") << product << "\n";
        if (serial) std::ofstream(root / dir / "serial") << serial << "\n";
    }
    void Tty(const std::string& name, const std::string& device) {
        fs::create_directories(root / "class/tty" / name);
        fs::create_directories(root / device);
        fs::create_directory_symlink(root / device, root / "class/tty" / name / "device");
    }
};

TEST(SerialPorts, ListedWithTheProductAndSerialOfTheirUsbDevice) {
    SysfsFixture sysfs;
    auto ports = ListUsbSerialPorts(sysfs.root.string(), "/dev");
    ASSERT_EQ(ports.size(), 3u);
    EXPECT_EQ(ports[0].path, "/dev/ttyACM0");
    EXPECT_EQ(ports[0].description, "USB Modem");
    EXPECT_EQ(ports[1].path, "/dev/ttyUSB0");
    EXPECT_EQ(ports[1].description, "TORVIK ZRD");
    EXPECT_EQ(ports[1].serial, "ZRD13A01");
    EXPECT_EQ(ports[2].description, "TORVIK Terminal");
    EXPECT_EQ(ports[2].serial, "");
}

TEST(SerialPorts, APortNamedOnTheCommandLineIsListedOnceAfterTheUsbPorts) {
    SysfsFixture sysfs;
    SerialDriver driver({{"/dev/ttyUSB0", "TORVIK Terminal", ""}, {"/dev/pts/7", "TORVIK ZRD", ""}},
                        sysfs.root.string(), "/dev");
    std::uint32_t count = 0;
    ASSERT_EQ(driver.CountDevices(count), kDriverOk);
    ASSERT_EQ(count, 4u);
    const auto& ports = driver.ports();
    EXPECT_EQ(ports[0].path, "/dev/ttyACM0");
    EXPECT_EQ(ports[1].path, "/dev/ttyUSB1");
    EXPECT_EQ(ports[2].path, "/dev/ttyUSB0");
    EXPECT_EQ(ports[2].description, "TORVIK Terminal");
    EXPECT_EQ(ports[3].path, "/dev/pts/7");
}

TEST(SerialPorts, PortArguments) {
    struct Case {
        const char* argument;
        bool ok;
        const char* path;
        const char* description;
    } cases[] = {
        {"/dev/ttyUSB3", true, "/dev/ttyUSB3", "TORVIK ZRD"},
        {"/dev/pts/4=TORVIK Terminal", true, "/dev/pts/4", "TORVIK Terminal"},
        {"/dev/ttyS0=", true, "/dev/ttyS0", ""},
        {"/tmp/a=b=c", true, "/tmp/a", "b=c"},
        {"=TORVIK ZRD", false, "", "TORVIK ZRD"},
        {"", false, "", "TORVIK ZRD"},
    };
    for (const Case& c : cases) {
        SerialPortInfo port{"old", "old", "old"};
        EXPECT_EQ(ParsePortArgument(c.argument, port), c.ok) << c.argument;
        EXPECT_EQ(port.path, c.path) << c.argument;
        EXPECT_EQ(port.description, c.description) << c.argument;
        EXPECT_EQ(port.serial, "") << c.argument;
    }
}

TEST(SerialPorts, AMissingSysfsTreeListsNothing) {
    EXPECT_TRUE(ListUsbSerialPorts("/nonexistent-sysfs").empty());
}

// A pseudo-terminal pair: the tool opens the slave side as its port, the test plays the
// module on the master side.
struct PtyPair {
    int master = -1;
    std::string slave;
    PtyPair() {
        master = posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
        if (master < 0 || grantpt(master) != 0 || unlockpt(master) != 0) return;
        slave = ptsname(master);
    }
    ~PtyPair() {
        if (master >= 0) close(master);
    }
    bool ok() const { return !slave.empty(); }
};

struct SerialDriverTest : ::testing::Test {
    PtyPair pty;
    test::SimWorld world;
    std::unique_ptr<SerialDriver> driver;
    std::unique_ptr<Link> link;

    void SetUp() override {
        if (!pty.ok()) GTEST_SKIP() << "no pseudo-terminal can be created here";
        driver = std::make_unique<SerialDriver>(
            std::vector<SerialPortInfo>{{pty.slave, "TORVIK ZRD", "PTY1"}}, "/nonexistent-sysfs");
        link =
            std::make_unique<Link>(*driver, world.clock, world.pump, world.console, world.window);
    }
};

TEST_F(SerialDriverTest, BytesTravelBothWaysThroughThePort) {
    ASSERT_EQ(link->ConnectInterface(), status::kOk);
    EXPECT_EQ(world.window.Cell("StringGrid1", 0, 1), "TORVIK ZRD");
    EXPECT_EQ(world.window.Cell("StringGrid1", 1, 1), "PTY1");

    const std::uint8_t request[] = {0x01, 0x03, 0x00, 0x00};
    ASSERT_EQ(link->WritePort(request, 4), status::kOk);
    std::uint8_t got[8] = {};
    ssize_t n = 0;
    for (int i = 0; i < 200 && n < 4; ++i) {
        ssize_t r = read(pty.master, got + n, sizeof got - n);
        if (r > 0)
            n += r;
        else
            usleep(1000);
    }
    ASSERT_EQ(n, 4);
    EXPECT_EQ(std::vector<std::uint8_t>(got, got + 4),
              std::vector<std::uint8_t>(request, request + 4));

    const std::uint8_t reply[] = {0x06, 0x41, 0x00};
    ASSERT_EQ(write(pty.master, reply, 3), 3);
    usleep(20000);
    ASSERT_EQ(link->ReadAvailable(), status::kOk);
    EXPECT_EQ(link->RxCount, 3u);
    EXPECT_EQ(link->RxBuffer[1], 0x41);
}

TEST_F(SerialDriverTest, ModemLinesOfAPseudoTerminalFailAsDriverCalls) {
    ASSERT_EQ(link->ConnectInterface(), status::kOk);
    EXPECT_EQ(link->SetRtsLine(), status::kSetRtsFailed);
    EXPECT_EQ(link->DtrReset(), status::kLineFailed);
    world.console.ConsoleClear();
    link->ButtonAClick();
    EXPECT_EQ(world.pane.Text(), " Function Error - Check Device Connection...");
}

TEST_F(SerialDriverTest, APortOpenInAnotherProgramIsBusy) {
    // Another program holds the port open.
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, pty.slave.c_str(), O_RDONLY | O_NOCTTY, 0);
    const char* argv[] = {"sleep", "30", nullptr};
    pid_t other = 0;
    ASSERT_EQ(posix_spawnp(&other, "sleep", &actions, nullptr, const_cast<char**>(argv), environ),
              0);
    posix_spawn_file_actions_destroy(&actions);
    bool seen = false;
    for (int i = 0; i < 500 && !seen; ++i) {
        seen = IsOpenByAnotherProcess(pty.slave);
        if (!seen) usleep(2000);
    }
    EXPECT_TRUE(seen);
    EXPECT_EQ(link->ConnectInterface(), status::kDeviceBusy);
    EXPECT_EQ(world.window.Cell("StringGrid1", 2, 1), "BUSY (uses by other program)");
    kill(other, SIGTERM);
    waitpid(other, nullptr, 0);
    EXPECT_EQ(link->ConnectInterface(), status::kOk);
}

}  // namespace
}  // namespace ksm
