#include "tests/reliability/support/ResidentMemory.h"

#include <fstream>
#include <sstream>
#include <string>

namespace reliability {

namespace {
long statusField(const std::string& name) {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind(name + ":", 0) == 0) {
            std::istringstream fields(line.substr(name.size() + 1));
            long kilobytes = 0;
            fields >> kilobytes;
            return kilobytes;
        }
    }
    return 0;
}
}  // namespace

long ResidentMemory::currentKb() {
    return statusField("VmRSS");
}

long ResidentMemory::peakKb() {
    return statusField("VmHWM");
}

}  // namespace reliability
