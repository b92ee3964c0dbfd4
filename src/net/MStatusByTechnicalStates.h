#pragma once
// The open/close status of an event or a scheduler rule in each technical state: one letter per
// technical state of the state definitions ('c' Close, 'o' Open, 'A' Open whatever the business
// state), all 'c' when built. From it and the business status follows the activity in the current
// states. A plain value owned by its MStatusByStates.
#include <cstddef>
#include <vector>

#include "net/MessagingLetterEnumerations.h"

class MStatusByBusinessStates;

class MStatusByTechnicalStates {
public:
    using Status = MEnumAlpha<EnumStatusByTechnicalState, 3>;

    // One 'c' per technical state defined now.
    MStatusByTechnicalStates();

    std::vector<Status>& GetStatuses() { return statuses_; }
    const std::vector<Status>& GetStatuses() const { return statuses_; }
    // The letter for the state of index; 'c' for a state without a letter.
    char GetLetter(std::size_t index) const;

    // Active in the current technical state: 'A' yes; 'c' no; 'o' when no business states are
    // defined, else when the business letter of the current business state is 'o'. A state
    // without a letter counts as 'c'; any other letter is logged ("Invalid Status for State",
    // level 2) and counts as inactive.
    bool GetActivity(const MStatusByBusinessStates& business) const;

private:
    std::vector<Status> statuses_;
};
