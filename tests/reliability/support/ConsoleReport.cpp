#include "tests/reliability/support/ConsoleReport.h"

namespace reliability {

namespace {
const std::string kBitmapStart = "SURFACE for bitmap '";
const std::string kBitmapEnd = "' not loaded ";
const std::string kFontFailure = "Surface not loaded for font ";
const std::string kSameLocation = "SAME LOCATION";

std::vector<std::string> linesOf(std::string text) {
    for (size_t at = text.find(kSameLocation); at != std::string::npos;
         at = text.find(kSameLocation, at)) {
        text.erase(at, kSameLocation.size());
    }
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) {
            end = text.size();
        }
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

bool isBitmapMessage(const std::string& line) {
    return line.size() > kBitmapStart.size() + kBitmapEnd.size() &&
           line.rfind(kBitmapStart, 0) == 0 &&
           line.compare(line.size() - kBitmapEnd.size(), kBitmapEnd.size(), kBitmapEnd) == 0;
}
}  // namespace

ConsoleReport ConsoleReport::of(const std::string& output) {
    ConsoleReport report;
    const std::vector<std::string> lines = linesOf(output);
    for (size_t i = 0; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        const bool hasErrorLine = i + 1 < lines.size();
        if (isBitmapMessage(line) && hasErrorLine && !lines[i + 1].empty()) {
            report.bitmaps.push_back(line.substr(
                kBitmapStart.size(), line.size() - kBitmapStart.size() - kBitmapEnd.size()));
            ++i;
        } else if (line == kFontFailure && hasErrorLine && !lines[i + 1].empty() &&
                   lines[i + 1].back() == ' ') {
            ++report.fontFailures;
            ++i;
        } else {
            report.unexpected.push_back(line);
        }
    }
    return report;
}

bool ConsoleReport::bitmapsAllUnder(const std::vector<std::string>& prefixes) const {
    for (const std::string& path : bitmaps) {
        bool under = false;
        for (const std::string& prefix : prefixes) {
            under = under || path.rfind(prefix, 0) == 0;
        }
        if (!under) {
            return false;
        }
    }
    return true;
}

}  // namespace reliability
