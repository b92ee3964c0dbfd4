#pragma once
// A host and service pair: the host text (empty by default) and the service ("0" by default).
#include "net/MIpService.h"

class MIpHostService {
public:
    MIpHostService() = default;
    MIpHostService(const MIpHost& host, const MIpService& service) : host_(host), service_(service) {}

    const MIpHost& GetHost() const { return host_; }
    const MIpService& GetService() const { return service_; }
    void SetHost(const MIpHost& host) { host_ = host; }
    void SetService(const MIpService& service) { service_ = service; }

private:
    MIpHost host_;
    MIpService service_;
};
