// SPDX-License-Identifier: MIT
#include "tools/vek-drive/watchdog.h"

#include <unistd.h>

#include <QApplication>
#include <QObject>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <csignal>
#include <cstdlib>
#include <mutex>
#include <thread>

#if defined(__SANITIZE_ADDRESS__)
#define VEK_DRIVE_SANITIZED 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define VEK_DRIVE_SANITIZED 1
#endif
#endif
#ifdef VEK_DRIVE_SANITIZED
#include <sanitizer/common_interface_defs.h>
#endif

namespace drive {
namespace {

// A program that processes no event for this long hangs.
constexpr auto kHangTime = std::chrono::seconds(5);

std::mutex g_reportMutex;
std::string g_report;
std::atomic<bool> g_reported{false};

// Async-signal-safe: write(2) only.
void WriteReport(const char* why) {
    if (g_reported.exchange(true))
        return;
    const std::string text = std::string("monkey: ") + why + "\n" + g_report;
    for (std::size_t done = 0; done < text.size();) {
        const ssize_t n = ::write(STDERR_FILENO, text.data() + done, text.size() - done);
        if (n <= 0)
            break;
        done += static_cast<std::size_t>(n);
    }
}

#ifdef VEK_DRIVE_SANITIZED
void OnSanitizerDeath() {
    WriteReport("the sanitizer ended the program");
}
#else
constexpr int kCrashSignals[] = {SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT};
void OnCrashSignal(int signal) {
    WriteReport("the program crashed");
    std::raise(signal);  // the default action again (SA_RESETHAND)
}
#endif

void InstallCrashReport(bool on) {
#ifdef VEK_DRIVE_SANITIZED
    // The sanitizers keep their own signal handlers and call this last.
    __sanitizer_set_death_callback(on ? &OnSanitizerDeath : nullptr);
#else
    struct sigaction action {};
    action.sa_handler = on ? &OnCrashSignal : SIG_DFL;
    action.sa_flags = SA_RESETHAND;
    for (int signal : kCrashSignals) sigaction(signal, &action, nullptr);
#endif
}

}  // namespace

// Counts the events the program processes; a thread aborts when the count
// stands still for kHangTime.
struct Watchdog::Events : QObject {
    std::atomic<long> count{0};
    std::mutex mutex;
    std::condition_variable wake;
    bool stop = false;
    std::thread thread;

    Events() {
        qApp->installEventFilter(this);
        thread = std::thread([this] { Watch(); });
    }
    ~Events() override {
        {
            const std::lock_guard lock(mutex);
            stop = true;
        }
        wake.notify_all();
        thread.join();
    }
    bool eventFilter(QObject*, QEvent*) override {
        count.fetch_add(1, std::memory_order_relaxed);
        return false;
    }
    void Watch() {
        using Clock = std::chrono::steady_clock;
        long seen = count.load();
        auto since = Clock::now();
        std::unique_lock lock(mutex);
        while (!wake.wait_for(lock, std::chrono::milliseconds(100), [this] { return stop; })) {
            const long now = count.load(std::memory_order_relaxed);
            if (now != seen) {
                seen = now;
                since = Clock::now();
            } else if (Clock::now() - since > kHangTime) {
                const std::lock_guard report(g_reportMutex);
                WriteReport("no event processed for 5 s: the program hangs");
                std::abort();
            }
        }
    }
};

Watchdog::Watchdog() : events_(std::make_unique<Events>()) {
    g_reported = false;
    InstallCrashReport(true);
}

Watchdog::~Watchdog() {
    InstallCrashReport(false);
}

void Watchdog::SetReport(std::string report) {
    const std::lock_guard lock(g_reportMutex);
    g_report = std::move(report);
}

void Watchdog::Disarm() {
    g_reported = true;
}

}  // namespace drive
