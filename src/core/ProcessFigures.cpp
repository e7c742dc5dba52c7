// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProcessFigures.h"

#include <unistd.h>

#include <ctime>
#include <fstream>
#include <sstream>
#include <string>

namespace xuehai {

double MillisecondsSinceProcessStart() {
    std::ifstream stat("/proc/self/stat");
    std::string line;
    if (!std::getline(stat, line)) {
        return -1;
    }
    // The fields after the command name, which may hold blanks, begin after its ')'; the
    // start time is the 20th of them, in clock ticks since boot.
    std::istringstream fields(line.substr(line.rfind(')') + 2));
    std::string field;
    for (int i = 0; i < 20 && fields >> field; ++i) {
    }
    timespec now{};
    clock_gettime(CLOCK_BOOTTIME, &now);
    const double nowMs = double(now.tv_sec) * 1000 + double(now.tv_nsec) / 1e6;
    return nowMs - std::stod(field) * 1000 / double(sysconf(_SC_CLK_TCK));
}

double ResidentMegabytes() {
    std::ifstream status("/proc/self/status");
    std::string key;
    while (status >> key) {
        if (key == "VmRSS:") {
            double kilobytes = 0;
            status >> kilobytes;
            return kilobytes / 1024;
        }
        status.ignore(1 << 20, '\n');
    }
    return -1;
}

}  // namespace xuehai
