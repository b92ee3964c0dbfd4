#pragma once
// The process-wide state model of a gateway: the current technical state (an index into the
// seven technical states "IRMSAPL": Initializing, Replay, Master, Slave, StandAlone, Suspend,
// LinkedSlave) and the current business state (an index into the business state table), the
// technical and business state definition tables and the callback lists for changes of either.
// All are built empty at start-up (state Initializing, business state 0) and live until exit;
// nothing in this program fills the tables or moves the states. Event thread only, unguarded.
#include <cstddef>
#include <cstdint>

#include "net/MCallBacks.h"
#include "net/MStateDef.h"

enum : uint32_t {
    TECHNICAL_STATE_INITIALIZING = 0,
    TECHNICAL_STATE_REPLAY = 1,
    TECHNICAL_STATE_MASTER = 2,
    TECHNICAL_STATE_SLAVE = 3,
    TECHNICAL_STATE_STANDALONE = 4,
    TECHNICAL_STATE_SUSPEND = 5,
    TECHNICAL_STATE_LINKED_SLAVE = 6,
};

// The current technical state index (the state machinery writes it through the reference).
uint32_t& GetCurrentStateRef();
// The current business state index.
uint32_t& GetCurrentBusinessStateRef();
uint32_t GetCurrentBusinessStateIndex();

// Master, Slave, StandAlone or LinkedSlave.
bool IsRunningTechnicalState();
// Slave or LinkedSlave.
bool IsSlaveTechnicalState(uint32_t index);
// The state's letter of "IRMSAPL"; the zero character above 6.
char TechnicalStateLetter(uint32_t index);

MStateDefs& GetTechnicalStateDefs();
MStateDefs& GetBusinessStateDefs();
std::size_t GetBusinessStateCount();
// The business state of index; null when there is none.
const MStateDef* GetBusinessStateDef(std::size_t index);

MCallBacks<const char*>& GetTechnicalStateCallBacks();
MCallBacks<const char*>& GetBusinessStateCallBacks();
