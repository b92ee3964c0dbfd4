#include "net/ManagerClientMgr.h"

#include "core/MError.h"
#include "net/MEventClientManager.h"

void ManagerClientMgr::RequestToBeMaster() {
    if (client_) {
        client_->SendRequestToBeMaster();
        return;
    }
    LogMessage("ManagerClientMgr", 81, LOG_ERROR,
               "Request To be Master and no Manager Server Service has been defined");
}
