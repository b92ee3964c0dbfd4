#include "net/MErrorMsgSenderBase.h"

namespace {
MErrorMsgSenderBase* errorSender = nullptr;
}

void SetErrorSender(MErrorMsgSenderBase* sender) {
    errorSender = sender;
}

MErrorMsgSenderBase* GetErrorSender() {
    return errorSender;
}
