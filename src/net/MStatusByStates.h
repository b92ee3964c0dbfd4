#pragma once
// The status of an event or a scheduler rule per technical and per business state (the technical
// part, then the business part), sized to the state definitions when built. A plain value owned
// by the event or rule.
#include "net/MStatusByBusinessStates.h"
#include "net/MStatusByTechnicalStates.h"

class MStatusByStates {
public:
    MStatusByTechnicalStates& GetTechnical() { return technical_; }
    const MStatusByTechnicalStates& GetTechnical() const { return technical_; }
    MStatusByBusinessStates& GetBusiness() { return business_; }
    const MStatusByBusinessStates& GetBusiness() const { return business_; }

    // The activity that the status gives in the current technical and business state.
    bool GetActivity() const { return technical_.GetActivity(business_); }

private:
    MStatusByTechnicalStates technical_;
    MStatusByBusinessStates business_;
};
