#include "net/MStatusByBusinessStates.h"

#include "net/GatewayState.h"

MStatusByBusinessStates::MStatusByBusinessStates() : statuses_(GetBusinessStateCount()) {}

char MStatusByBusinessStates::GetLetter(std::size_t index) const {
    return index < statuses_.size() ? static_cast<char>(statuses_[index].Get()) : 'c';
}
