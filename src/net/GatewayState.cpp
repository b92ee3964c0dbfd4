#include "net/GatewayState.h"

namespace {
constexpr char kTechnicalStateLetters[] = "IRMSAPL";

uint32_t currentTechnicalState = TECHNICAL_STATE_INITIALIZING;
uint32_t currentBusinessState = 0;

MStateDefs technicalStateDefs(0);
MStateDefs businessStateDefs(0);
MCallBacks<const char*> technicalStateCallBacks(0);
MCallBacks<const char*> businessStateCallBacks(0);
}  // namespace

uint32_t& GetCurrentStateRef() {
    return currentTechnicalState;
}
uint32_t& GetCurrentBusinessStateRef() {
    return currentBusinessState;
}
uint32_t GetCurrentBusinessStateIndex() {
    return currentBusinessState;
}

bool IsRunningTechnicalState() {
    switch (currentTechnicalState) {
        case TECHNICAL_STATE_MASTER:
        case TECHNICAL_STATE_SLAVE:
        case TECHNICAL_STATE_STANDALONE:
        case TECHNICAL_STATE_LINKED_SLAVE:
            return true;
        default:
            return false;
    }
}

bool IsSlaveTechnicalState(uint32_t index) {
    return index == TECHNICAL_STATE_SLAVE || index == TECHNICAL_STATE_LINKED_SLAVE;
}

char TechnicalStateLetter(uint32_t index) {
    return index <= 6 ? kTechnicalStateLetters[index] : '\0';
}

MStateDefs& GetTechnicalStateDefs() {
    return technicalStateDefs;
}
MStateDefs& GetBusinessStateDefs() {
    return businessStateDefs;
}
std::size_t GetBusinessStateCount() {
    return businessStateDefs.size();
}

const MStateDef* GetBusinessStateDef(std::size_t index) {
    return index < businessStateDefs.size() ? &businessStateDefs[index] : nullptr;
}

MCallBacks<const char*>& GetTechnicalStateCallBacks() {
    return technicalStateCallBacks;
}
MCallBacks<const char*>& GetBusinessStateCallBacks() {
    return businessStateCallBacks;
}
