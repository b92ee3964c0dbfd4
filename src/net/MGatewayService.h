#pragma once
// A service attached to a gateway: the gateway's periodic step calls it while the gateway runs.
class MGatewayService {
public:
    virtual ~MGatewayService() = default;
    virtual void OnPeriodic() = 0;
};
