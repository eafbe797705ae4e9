#pragma once

#include <string>
#include <vector>

// How serious a finding is: an error makes the level unplayable as a game level,
// a warning is probably a mistake, a note is information.
enum class Severity { Error, Warning, Note };

// One finding at a cell of the level file; row and column count from 1.
struct Diagnostic {
    int row = 1;
    int column = 1;
    Severity severity = Severity::Note;
    std::string message;
};

// The findings about one level file, printed the way compilers print theirs.
class LevelReport {
public:
    // The report is about the file at path; the path starts every printed line.
    explicit LevelReport(std::string path);

    // Records a finding; row and column count from 1.
    void add(int row, int column, Severity severity, const std::string& message);
    // Records a finding about the whole file (printed at row 1, column 1).
    void addForFile(Severity severity, const std::string& message);

    // The file could not be read at all (missing, a folder, unreadable, too large).
    void markFileError() { unreadable = true; }
    // Completion was not decided (a warning says why).
    void markUndecided() { notDecided = true; }
    // The program's exit status for this file: 2 the file could not be read, 1
    // errors, 3 no error but completion not decided, 0 otherwise.
    int exitStatus() const;

    // Every finding, in the order found.
    const std::vector<Diagnostic>& diagnostics() const { return entries; }
    // Number of findings of each severity; errors decide the exit status.
    int errorCount() const { return count(Severity::Error); }
    int warningCount() const { return count(Severity::Warning); }
    // True when some finding at that cell has that severity and contains text.
    bool has(Severity severity, int row, int column, const std::string& text) const;
    // True when some finding of that severity contains text.
    bool has(Severity severity, const std::string& text) const;

    // Every finding as "FILE:ROW:COLUMN: error|warning|note: message", one per line,
    // in the order they were found.
    std::string formatLines() const;
    // "FILE: 0 errors, 1 warning".
    std::string summaryLine() const;

private:
    int count(Severity severity) const;

    std::string path;
    std::vector<Diagnostic> entries;
    bool unreadable = false;
    bool notDecided = false;
};
