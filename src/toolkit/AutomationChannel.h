#pragma once
// The automation channel: another program of the same user drives and reads the grid windows
// through a local socket: a socket file named "korvane-automation" in $XDG_RUNTIME_DIR, or, when
// that is unset, in "korvane-<uid>" under the temporary directory. The directory must be the
// user's own: Open creates it (mode 0700) when it is missing, and refuses, with a level-3 line, one
// that is not a directory (a symbolic link included), belongs to another user or grants group or
// others any access; the program then runs without the channel. The socket file is mode 0600.
//
// Each request frame (AutomationFrame) names a message and the title of its target window; the
// title lookup given at construction turns it into a window handle. Only the messages that an
// outside client may send are accepted (reload, new-row alert check, scheduled-export tick, column
// names, cell text); they are delivered at once through MessageRouter with the asking connection
// installed as the ReplySink, so an answer goes back on that connection. Any other message, an
// unknown title or a malformed frame is logged at level 3 and changes nothing; a question (column
// names, cell text with a non-zero lParam) to an unknown title is answered with the empty text, as
// a cell outside the grid is, so that no asker waits for ever; a malformed frame
// (a title over 256 bytes, a frame cut short by the end of the connection) also closes its
// connection, and the channel goes on serving the others.
//
// Answers wait in memory until their client reads them: past kMaxUnreadBytes waiting on one
// connection, it is logged at level 3 and closed.
//
// At most kMaxConnections connections are open at once: one past them is closed as soon as it is
// accepted, with a level-3 line. A failed accept (out of descriptors) is logged at level 3 and the
// channel keeps listening; the waiting connection is accepted once it can be.
//
// Open replaces a socket file left by a crashed run; when another running client answers on the
// name, it logs at level 3 and the program runs without the channel. Close (and the destructor)
// removes the socket file and closes every connection. GUI thread only.
#include <QObject>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class QSocketNotifier;

class AutomationChannel : public QObject {
public:
    // The handle of the window a request's title names; 0 when none.
    using TitleLookup = std::function<uint32_t(const std::string& title)>;

    static constexpr const char* kName = "korvane-automation";
    static constexpr std::size_t kMaxConnections = 64;
    static constexpr std::size_t kMaxUnreadBytes = 4 << 20;

    explicit AutomationChannel(TitleLookup lookup, QObject* parent = nullptr);
    ~AutomationChannel() override;
    AutomationChannel(const AutomationChannel&) = delete;
    AutomationChannel& operator=(const AutomationChannel&) = delete;

    // $XDG_RUNTIME_DIR, or "korvane-<uid>" in the temporary directory when that is unset or empty.
    static std::string DefaultDirectory();
    // Listens on the socket file kName in directory, which must be the user's own (created when
    // missing); true when it does.
    bool Open(const std::string& directory = DefaultDirectory());
    void Close();
    bool IsOpen() const;
    // The socket file's path while open, else "".
    std::string Path() const;
    // The connections open now.
    std::size_t ConnectionCount() const;

    // Whether message is one an outside client may send.
    static bool IsAccepted(uint32_t message);

private:
    struct Connection;

    // Whether directory is the user's alone (mode 0700 or narrower), after creating it if missing;
    // logs why not.
    static bool UsePrivateDirectory(const std::string& directory);

    void Accept();
    void Serve(const std::shared_ptr<Connection>& connection);
    // The client went: what it sent before is served, a frame left incomplete is logged.
    void Drop(const std::shared_ptr<Connection>& connection);
    // Takes a closed connection out of the list; its socket goes once control is back in the loop.
    void Forget(const std::shared_ptr<Connection>& connection);
    void Deliver(Connection& connection, uint32_t message, uint32_t wParam, uint32_t lParam,
                 const std::string& title);

    TitleLookup lookup_;
    int listener_ = -1;
    QSocketNotifier* notifier_ = nullptr;
    bool acceptFailing_ = false;  // the last accept failed (logged once until one succeeds)
    std::string path_;
    std::vector<std::shared_ptr<Connection>> connections_;
};
