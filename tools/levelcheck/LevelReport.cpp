#include "tools/levelcheck/LevelReport.h"

#include <utility>

namespace {
const char* severityName(Severity severity) {
    switch (severity) {
        case Severity::Error:
            return "error";
        case Severity::Warning:
            return "warning";
        case Severity::Note:
            return "note";
    }
    return "note";
}

std::string counted(int n, const char* noun) {
    return std::to_string(n) + " " + noun + (n == 1 ? "" : "s");
}
}  // namespace

LevelReport::LevelReport(std::string path_) : path(std::move(path_)) {}

void LevelReport::add(int row, int column, Severity severity, const std::string& message) {
    entries.push_back(Diagnostic{row, column, severity, message});
}

void LevelReport::addForFile(Severity severity, const std::string& message) {
    add(1, 1, severity, message);
}

bool LevelReport::has(Severity severity, int row, int column, const std::string& text) const {
    for (const Diagnostic& d : entries) {
        if (d.severity == severity && d.row == row && d.column == column &&
            d.message.find(text) != std::string::npos) {
            return true;
        }
    }
    return false;
}

bool LevelReport::has(Severity severity, const std::string& text) const {
    for (const Diagnostic& d : entries) {
        if (d.severity == severity && d.message.find(text) != std::string::npos) {
            return true;
        }
    }
    return false;
}

std::string LevelReport::formatLines() const {
    std::string text;
    for (const Diagnostic& d : entries) {
        text += path + ":" + std::to_string(d.row) + ":" + std::to_string(d.column) + ": " +
                severityName(d.severity) + ": " + d.message + "\n";
    }
    return text;
}

std::string LevelReport::summaryLine() const {
    return path + ": " + counted(errorCount(), "error") + ", " +
           counted(warningCount(), "warning") + "\n";
}

int LevelReport::exitStatus() const {
    constexpr int kFileError = 2;
    constexpr int kErrors = 1;
    constexpr int kNotDecided = 3;
    if (unreadable) {
        return kFileError;
    }
    if (errorCount() > 0) {
        return kErrors;
    }
    return notDecided ? kNotDecided : 0;
}

int LevelReport::count(Severity severity) const {
    int n = 0;
    for (const Diagnostic& d : entries) {
        n += d.severity == severity ? 1 : 0;
    }
    return n;
}
