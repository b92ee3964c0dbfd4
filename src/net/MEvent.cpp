#include "net/MEvent.h"

#include "net/MEventMediator.h"

MEvent::MEvent(int32_t id, MEventMediator* mediator) : mediator_(mediator), id_(id), entryId_(id) {
    SetName("Event_" + std::to_string(id));
    LinkRecorders();
}

const char* MEvent::GetNotification(int32_t& length) {
    length = notificationLength_;
    if (notificationOverride_) {
        const char* record = notificationOverride_;
        notificationOverride_ = nullptr;
        return record;
    }
    return notificationBuffer_;
}

void MEvent::LinkRecorders() {
    MEventRecorder* recorder = mediator_ ? mediator_->GetRecorder() : nullptr;
    const MEventMediatorSettings* settings = mediator_ ? &mediator_->GetSettings() : nullptr;
    inputRecorder_ = useInputRecorder_ && settings && settings->RecordInput ? recorder : nullptr;
    outputRecorder_ = useOutputRecorder_ && settings && settings->RecordOutput ? recorder : nullptr;
}
