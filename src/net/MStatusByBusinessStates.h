#pragma once
// The open/close status of an event or a scheduler rule in each business state: one letter per
// business state of the state definitions ('c' Close, 'o' Open), all 'c' when built. A plain
// value owned by its MStatusByStates.
#include <cstddef>
#include <vector>

#include "net/MessagingLetterEnumerations.h"

class MStatusByBusinessStates {
public:
    using Status = MEnumAlpha<EnumStatusByBusinessState, 2>;

    // One 'c' per business state defined now.
    MStatusByBusinessStates();

    std::vector<Status>& GetStatuses() { return statuses_; }
    const std::vector<Status>& GetStatuses() const { return statuses_; }
    // The letter for the state of index; 'c' for a state without a letter.
    char GetLetter(std::size_t index) const;

private:
    std::vector<Status> statuses_;
};
