#pragma once
// One command sent to the server in this session: its sequence number, when it went out, its
// action and business item, its status, and the error text and description the session fills in.
// The session creates one per command and updates it from the server's answer. Owns its three
// heap texts; copies allocate their own.
#include <cstdint>

#include "fields/CommandEnumerations.h"
#include "fields/MFieldList.h"
#include "fields/MIntX.h"
#include "fields/MObjectFormat.h"
#include "fields/MStaticFormat.h"
#include "fields/MString.h"
#include "fields/MTTimePoint.h"
#include "store/BaseKey.h"

class CommandHistory {
public:
    MLong SequenceNumber;
    MDateTimeTimePoint ExecutionTime;  // the framework clock's current date-time when built
    ActionType CommandAction;
    BusinessItemType BusinessItem;
    ActionStatusType CommandStatus;
    MString<10, 10, MValAccept> ErrorCode;  // never written by the client
    MString<10, 10, MValAccept> ErrorMessage;
    MString<10, 10, MValAccept> Description;

    // Reads the clock afresh, then sets the sequence number, the time, the action and the business
    // item, and sets the status back to Waiting.
    void Init(int32_t sequenceNumber, EnumActionType action, EnumBusinessItemType item);
    void Assign(const CommandHistory& other) { *this = other; }

    // (0, sequence number).
    BaseKey GetKey() const { return BaseKey(0, SequenceNumber.GetValue()); }
    static const char* GetDisplayName() { return "CommandHistory"; }

    static constexpr auto Fields() {
        using S = CommandHistory;
        return MFields(MField("SequenceNumber", &S::SequenceNumber),
                       MField("ExecutionTime", &S::ExecutionTime), MField("CommandAction", &S::CommandAction),
                       MField("BusinessItem", &S::BusinessItem), MField("CommandStatus", &S::CommandStatus),
                       MField("ErrorCode", &S::ErrorCode), MField("ErrorMessage", &S::ErrorMessage),
                       MField("Description", &S::Description));
    }
    static const char* GetFieldName(int index) { return kFieldList<CommandHistory>.GetName(index); }
    static const char* GetFieldTag(int index) { return kFieldList<CommandHistory>.GetTag(index); }
    static void DescribeClass(MStaticFormat& format);
    void FormatObject(MObjectFormat& format);
};
