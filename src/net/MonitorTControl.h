#pragma once
// A monitored object that watches a statistics value S (not owned) and sends the record M when
// the counted values changed since its last report; the response-time interval then restarts.
// Its reference id is the watched connection's id.
#include "core/MError.h"
#include "net/MonitorChannel.h"
#include "net/MonitorControl.h"

template <class M, class S>
class MonitorTControl : public MonitorControl {
public:
    MonitorTControl(S* watched, int32_t referenceId) : watched_(watched) { SetReferenceId(referenceId); }

    void ReportToMonitor(bool force) override {
        if (GetReferenceId() <= 0) MLOG(LOG_ERROR, " 0 is not a valid connection id for a Reference Id");
        if (watched_->IsSameAs(snapshot_)) return;
        snapshot_ = *watched_;
        message_.ConnectionId.SetValue(GetReferenceId());
        static_cast<ConnectionStatMsgPart&>(message_) = *watched_;
        message_.AvgRespTime.SetValue(watched_->NbRespTimeMsg.GetValue() != 0
                                          ? watched_->RespTimeSum / watched_->NbRespTimeMsg.GetValue()
                                          : 0);
        message_.TimeStamp.SetNow(false);
        watched_->RespTimeSum = 0;
        watched_->NbRespTimeMsg.Clear();
        watched_->MinRespTime.Clear();
        watched_->MaxRespTime.Clear();
        MMsgWriter& writer = GetMonitorWriter();
        writer.Rewind();
        message_.Describe(writer);
        SendToMonitor(writer.GetData(), writer.GetOffset());
    }

    const S& GetSnapshot() const { return snapshot_; }

private:
    S* watched_;
    S snapshot_;
    M message_;
};
