#pragma once
// The run of the program, bracketed by the framework's logging. Made before the GUI application:
// it reads the local host name (empty when it cannot be read), switches logging on ("Logging
// enabled in KELP, Korvane on Host ...") and fills the far-future time limits. Run, once the GUI
// application exists, titles it, shows the main window and runs the loop until that window has
// closed; the window is freed when the loop has ended. Destroying the object switches logging off.
#include <memory>
#include <string>

class MErrorInit;

class ClientProgram {
public:
    ClientProgram();
    // With the host name given (a host whose name cannot be read gives the empty text).
    explicit ClientProgram(std::string hostName);
    ~ClientProgram();
    ClientProgram(const ClientProgram&) = delete;
    ClientProgram& operator=(const ClientProgram&) = delete;

    // The exit code: 0.
    int Run();
    const std::string& HostName() const { return hostName_; }

private:
    std::string hostName_;
    std::unique_ptr<MErrorInit> logging_;
};
