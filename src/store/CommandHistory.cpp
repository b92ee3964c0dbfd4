#include "store/CommandHistory.h"

#include "core/ProcessClock.h"
#include "fields/DescribeFields.h"

void CommandHistory::Init(int32_t sequenceNumber, EnumActionType action, EnumBusinessItemType item) {
    ResetCurrentTimeCache();
    SequenceNumber.SetValue(sequenceNumber);
    ExecutionTime.SetNow(false);
    CommandAction.Set(action);
    BusinessItem.Set(item);
    CommandStatus.Clear();
}

void CommandHistory::DescribeClass(MStaticFormat& format) {
    DescribeFieldTypes<CommandHistory>(format);
}

void CommandHistory::FormatObject(MObjectFormat& format) {
    DescribeFields(*this, format);
}
