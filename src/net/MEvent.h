#pragma once
// One participant of the event loop: asked on each pass for input (answering an action code, see
// MEventMediator) and for output. It is a named view ("Event_" and its id), carries a status per
// technical and business state, an activity (0 inactive, 1 active, 2 inactive with a notification
// still to collect) and a notification buffer. The base answers nothing to every question.
#include <cstdint>

#include "net/MControlView.h"
#include "net/MStatusByStates.h"

class MEventMediator;
class MEventRecorder;

class MEvent : public MControlView {
public:
    static constexpr int kNotificationSize = 2001;

    MEvent(int32_t id, MEventMediator* mediator);
    ~MEvent() override = default;

    virtual void Prepare() {}
    // An action code of the loop's input dispatch; the base answers 0 (nothing).
    virtual int32_t ProcessInput(bool block) { return 0; }
    // 0 nothing, 1 drop the event from the output list, 2 output written.
    virtual int32_t ProcessOutput(MEventRecorder* recorder) { return 0; }
    // The message just read and its length; the base gives null and 0.
    virtual const char* GetInputMessage(int32_t& length) {
        length = 0;
        return nullptr;
    }
    // The notification length; the stored override once, else the event's own buffer.
    virtual const char* GetNotification(int32_t& length);
    virtual bool AcceptsInput() { return true; }
    virtual bool QueryConnected() { return connected_ != 0; }
    virtual bool AcceptsOutput() { return true; }
    virtual bool Disconnect() { return true; }
    virtual void SetActive(bool active) { activity_ = active ? 1 : 0; }
    // SetActive with the activity that the status gives in the current states.
    virtual void ApplyTechnicalStatus(int32_t state) { SetActive(status_.GetActivity()); }

    // Input and output recorders: the mediator's recorder when the event's flag and the
    // mediator's settings ask for recording, else null.
    void LinkRecorders();
    void SetNotification(const char* record, int32_t length) {
        notificationOverride_ = record;
        notificationLength_ = length;
    }
    // "Open" when the activity is not 0, else "Close".
    const char* GetActivityText() const { return activity_ != 0 ? "Open" : "Close"; }

    int32_t GetId() const { return id_; }
    int32_t GetEntryId() const { return entryId_; }
    uint8_t IsConnected() const { return connected_; }
    void SetConnected(uint8_t connected) { connected_ = connected; }
    int32_t GetActivity() const { return activity_; }
    bool KeepsData() const { return keepsData_ != 0; }
    int32_t GetOutputPriority() const { return outputPriority_; }
    MEventRecorder* GetInputRecorder() const { return inputRecorder_; }
    MEventRecorder* GetOutputRecorder() const { return outputRecorder_; }
    MEventMediator* GetMediator() const { return mediator_; }
    MStatusByStates& GetStatus() { return status_; }
    const MStatusByStates& GetStatus() const { return status_; }

protected:
    void SetKeepsData(bool keeps) { keepsData_ = keeps ? 1 : 0; }
    void SetActivity(int32_t activity) { activity_ = activity; }
    char* GetNotificationBuffer() { return notificationBuffer_; }

private:
    MStatusByStates status_;
    int32_t notificationLength_ = 0;
    MEventMediator* mediator_;
    int32_t id_;
    int32_t entryId_;
    uint8_t connected_ = 0;
    uint8_t useInputRecorder_ = 1;
    uint8_t useOutputRecorder_ = 1;
    MEventRecorder* inputRecorder_ = nullptr;
    MEventRecorder* outputRecorder_ = nullptr;
    int32_t outputPriority_ = 0;
    uint8_t keepsData_ = 0;
    int32_t activity_ = 1;
    char notificationBuffer_[kNotificationSize] = "?";
    const char* notificationOverride_ = nullptr;
};
