#pragma once
// The gateway's holder of its manager client: the manager client event, when the gateway has a
// manager server to report to, or none. Does not own the event.
class MEventClientManager;

class ManagerClientMgr {
public:
    // Sends the request to become master through the manager client; without one, logs at level
    // 3 that no manager service is defined and sends nothing.
    void RequestToBeMaster();

    MEventClientManager* GetClient() const { return client_; }
    void SetClient(MEventClientManager* client) { client_ = client; }

private:
    MEventClientManager* client_ = nullptr;
};
