#pragma once
// The writer of one CSV export: it receives every line before it starts and then shares nothing
// with the window. Start runs it on a thread of its own, below normal priority where the system
// allows, registered in a process-wide list that JoinAll (and the end of the program) joins.
//
// The file is written under a temporary name in its own directory and renamed into place when
// complete, so a reader never sees a partial file and two writers of one name never mix their
// bytes (the later rename wins). The temporary name keeps within the system's limit on a name
// whatever the length of the final one, and the file is made with the user's umask applied. Every open,
// write, close and rename is checked; a failure is logged at level 3 with the file name and leaves no file
// behind.
#include <memory>
#include <string>

class TExportDataToCSV {
public:
    explicit TExportDataToCSV(std::string fileName);
    ~TExportDataToCSV();
    TExportDataToCSV(const TExportDataToCSV&) = delete;
    TExportDataToCSV& operator=(const TExportDataToCSV&) = delete;

    // Appends one line (with its line feed) or a block of whole lines. Only before Start.
    void AddLine(const std::string& line) { lines_ += line; }
    void AddLines(std::string&& lines);
    const std::string& FileName() const { return fileName_; }
    // Writes the file on the calling thread; true when it is complete in place.
    bool Execute();

    // Runs the writer on its own thread, which frees it when done.
    static void Start(std::unique_ptr<TExportDataToCSV> writer);
    // Waits for every writer started so far.
    static void JoinAll();
    // An empty buffer for the next export's lines: a finished writer leaves the memory of its
    // lines for it (the largest one is kept), so that repeated exports do not fault in fresh
    // memory each time.
    static std::string TakeSpareBuffer();

private:
    std::string fileName_;
    std::string lines_;
};
