#pragma once
// A registered grid window as the session sees it: its kind, its view and whether it must get
// every record of its kind at the next refresh.
#include <cstdint>

class InterfaceView;

// The kinds of grid windows.
enum class ChildType : int32_t {
    Accounts = 0,
    Positions = 1,
    CommandHistory = 2,
    MasterAccounts = 3,
    HistoricalAccounts = 4,
    HistoricalPositions = 5,
    HistoricalSubmissions = 6,
    HistoricalCommands = 7,
};

struct GridClientData {
    ChildType Kind = ChildType::Accounts;
    InterfaceView* View = nullptr;
    bool IsNew = true;
};
