#include "net/MStatusByTechnicalStates.h"

#include "core/MError.h"
#include "net/GatewayState.h"
#include "net/MStatusByBusinessStates.h"

MStatusByTechnicalStates::MStatusByTechnicalStates() : statuses_(GetTechnicalStateDefs().size()) {}

char MStatusByTechnicalStates::GetLetter(std::size_t index) const {
    return index < statuses_.size() ? static_cast<char>(statuses_[index].Get()) : 'c';
}

bool MStatusByTechnicalStates::GetActivity(const MStatusByBusinessStates& business) const {
    switch (GetLetter(GetCurrentStateRef())) {
        case 'A':
            return true;
        case 'c':
            return false;
        case 'o':
            return GetBusinessStateCount() == 0 || business.GetLetter(GetCurrentBusinessStateIndex()) == 'o';
        default:
            MLOG(2, "Invalid Status for State");
            return false;
    }
}
