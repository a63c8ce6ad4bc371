// The tool's Modbus transaction, through the serial-port backend, against a Modbus RTU slave
// built with libmodbus, in real time.
//
// Both programs open serial ports by path, as they would real ones: libmodbus opens the port
// of one pseudo-terminal, the tool the port of another, and a thread joins the two master
// sides like a null-modem cable. Each side sets its own port up (libmodbus its termios, the
// tool 9600 8N1 through its driver), so neither talks to a bare file descriptor.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <modbus/modbus.h>
#include <poll.h>
#include <unistd.h>

#include <atomic>
#include <mutex>
#include <thread>

#include "link/serial_driver.h"
#include "peer/child_process.h"
#include "protocol/catalogue.h"
#include "protocol/modbus.h"
#include "sim/memory_window.h"

namespace ksm::test {
namespace {

struct Pty {
    int master = -1;
    std::string port;
    Pty() {
        master = posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
        if (master >= 0 && grantpt(master) == 0 && unlockpt(master) == 0) port = ptsname(master);
    }
    ~Pty() {
        if (master >= 0) close(master);
    }
};

// Two pseudo-terminals whose master sides a thread joins, byte for byte, both ways.
class NullModem {
  public:
    NullModem() {
        if (ok()) thread_ = std::thread([this] { Run(); });
    }
    ~NullModem() {
        stop_ = true;
        if (thread_.joinable()) thread_.join();
    }
    bool ok() const { return !a_.port.empty() && !b_.port.empty(); }
    const std::string& PortA() const { return a_.port; }
    const std::string& PortB() const { return b_.port; }

  private:
    void Run() {
        while (!stop_) {
            pollfd fds[2] = {{a_.master, POLLIN, 0}, {b_.master, POLLIN, 0}};
            poll(fds, 2, 5);
            bool moved = Copy(a_.master, b_.master) | Copy(b_.master, a_.master);
            // A side nobody has open reports a hang-up at once; do not spin on it.
            if (!moved && ((fds[0].revents | fds[1].revents) & POLLHUP))
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
    }
    static bool Copy(int from, int to) {
        std::uint8_t chunk[512];
        ssize_t n = read(from, chunk, sizeof chunk);
        if (n <= 0) return false;
        for (ssize_t sent = 0; sent < n;) {
            ssize_t w = write(to, chunk + sent, static_cast<std::size_t>(n - sent));
            if (w <= 0) break;
            sent += w;
        }
        return true;
    }

    Pty a_, b_;
    std::atomic<bool> stop_{false};
    std::thread thread_;
};

// A libmodbus RTU slave serving holding registers on a port until it is destroyed.
class LibmodbusSlave {
  public:
    LibmodbusSlave(const std::string& port, int address,
                   const std::vector<std::uint16_t>& registers) {
        context_ = modbus_new_rtu(port.c_str(), 9600, 'N', 8, 1);
        mapping_ = modbus_mapping_new(0, 0, static_cast<int>(registers.size()), 0);
        if (!context_ || !mapping_ || modbus_set_slave(context_, address) != 0 ||
            modbus_connect(context_) != 0)
            return;
        std::copy(registers.begin(), registers.end(), mapping_->tab_registers);
        // Wakes up now and then to see whether it is to stop.
        modbus_set_indication_timeout(context_, 0, 50000);
        connected_ = true;
        thread_ = std::thread([this] { Serve(); });
    }
    ~LibmodbusSlave() {
        stop_ = true;
        if (thread_.joinable()) thread_.join();
        if (mapping_) modbus_mapping_free(mapping_);
        if (context_) {
            if (connected_) modbus_close(context_);
            modbus_free(context_);
        }
    }
    bool ok() const { return connected_; }
    // The requests it received, as they came over the wire.
    std::vector<std::vector<std::uint8_t>> Requests() {
        std::lock_guard<std::mutex> lock(mutex_);
        return requests_;
    }

  private:
    void Serve() {
        std::uint8_t query[MODBUS_RTU_MAX_ADU_LENGTH];
        while (!stop_) {
            int n = modbus_receive(context_, query);
            if (n <= 0) continue;  // time-out, or a frame for another slave
            {
                std::lock_guard<std::mutex> lock(mutex_);
                requests_.emplace_back(query, query + n);
            }
            modbus_reply(context_, query, n, mapping_);
        }
    }

    modbus_t* context_ = nullptr;
    modbus_mapping_t* mapping_ = nullptr;
    bool connected_ = false;
    std::atomic<bool> stop_{false};
    std::thread thread_;
    std::mutex mutex_;
    std::vector<std::vector<std::uint8_t>> requests_;
};

TEST(LibmodbusSlavePeer, TheToolReadsRegistersThroughTheSerialPortBackend) {
    if (!PseudoTerminalsAvailable()) {
        GTEST_SKIP() << "no pseudo-terminal can be created here";
    }
    NullModem cable;
    ASSERT_TRUE(cable.ok());
    const std::vector<std::uint16_t> registers = {0x0190, 0xFF5E, 0xF060, 0x1234, 0x0000, 0xFFFF,
                                                  0x00E0, 0x00E8, 0x00F0, 0x00F8, 0x0100, 0x0108,
                                                  0x0110, 0x0118, 0x0120, 0xBEEF};
    LibmodbusSlave slave(cable.PortA(), 9, registers);
    ASSERT_TRUE(slave.ok()) << modbus_strerror(errno);

    SteadyClock clock;
    NoMessagePump pump;
    ConsoleTextModel pane;
    Console console(pane);
    sim::MemoryWindow window(clock);
    SerialDriver driver({{cable.PortB(), "TORVIK ZRD", ""}}, "/nonexistent-sysfs");
    Link link(driver, clock, pump, console, window);
    ASSERT_EQ(link.ConnectInterface(), status::kOk);
    ASSERT_EQ(link.SetBaudRate(kNormalBaudRate), status::kOk);

    const std::uint8_t request[] = {9,    catalogue::kReadLevels, 0x00, 0x00,
                                    0x00, catalogue::kLevelCount};
    std::uint8_t result = ModbusTransaction(
        link, request, sizeof request, catalogue::kModbusTimeoutMs, catalogue::kLevelsReplyLength);
    ASSERT_EQ(result, 0) << pane.Text();

    // The slave got the request with the CRC the tool appended, and accepted that CRC.
    std::uint16_t crc = ModbusCrc16(request);
    std::vector<std::uint8_t> sent(std::begin(request), std::end(request));
    sent.push_back(static_cast<std::uint8_t>(crc & 0xFF));
    sent.push_back(static_cast<std::uint8_t>(crc >> 8));
    ASSERT_EQ(slave.Requests().size(), 1u);
    EXPECT_EQ(slave.Requests()[0], sent);
    std::string trace;
    for (std::uint8_t byte : sent) trace += HexByte(byte) + " ";
    EXPECT_EQ(pane.Lines().at(0), trace);

    // The reply: address, function, byte count, the registers high byte first, its CRC.
    ASSERT_EQ(link.RxCount, catalogue::kLevelsReplyLength);
    EXPECT_EQ(link.RxBuffer[0], 9);
    EXPECT_EQ(link.RxBuffer[1], catalogue::kReadLevels);
    EXPECT_EQ(link.RxBuffer[2], 2 * catalogue::kLevelCount);
    for (std::size_t r = 0; r < registers.size(); ++r) {
        EXPECT_EQ(link.RxBuffer[3 + 2 * r] << 8 | link.RxBuffer[4 + 2 * r], registers[r])
            << "register " << r;
    }
    EXPECT_TRUE(
        ModbusCrcMatches(std::span<const std::uint8_t>(link.RxBuffer.data(), link.RxCount)));
    link.CloseInterface();
}

}  // namespace
}  // namespace ksm::test
