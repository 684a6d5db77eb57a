// SPDX-License-Identifier: MIT
#pragma once
// The last word of a long random run: when the program crashes, a sanitizer
// ends it, or it processes no event for 5 s (a hang: the watchdog aborts),
// the reason and the report last set (the replay of the last actions) go to
// standard error before the process dies.

#include <memory>
#include <string>

namespace drive {

class Watchdog {
public:
    Watchdog();
    ~Watchdog();
    Watchdog(const Watchdog&) = delete;
    Watchdog& operator=(const Watchdog&) = delete;

    // What is printed after the reason if the program dies now.
    void SetReport(std::string report);
    // The failure has been reported already; nothing more is printed.
    void Disarm();

private:
    struct Events;
    std::unique_ptr<Events> events_;
};

}  // namespace drive
