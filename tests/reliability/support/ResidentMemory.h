#pragma once

namespace reliability {

// The process's resident memory, as the kernel reports it in /proc/self/status.
class ResidentMemory {
public:
    // Resident set now (VmRSS), in kilobytes; 0 where it cannot be read.
    static long currentKb();
    // Largest resident set so far (VmHWM), in kilobytes; 0 where it cannot be read.
    static long peakKb();
};

}  // namespace reliability
