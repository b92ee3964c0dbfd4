#pragma once
// The integer enumerations of the command history: the action of a command and its status. A
// command starts as Waiting, goes out as Sent and ends Done or Failed with the server's answer.
#include "fields/MEnum.h"
#include "fields/MEnumTable.h"

enum class EnumActionType : unsigned char {
    Unknown,
    Add,
    Update,
    Delete,
    Cancel,
    Transfer,
    Reject,
    Execute,
    Confirm,
    Query
};
template <>
struct MEnumTable<EnumActionType> {
    static constexpr char kTypeName[] = "EnumActionType";
    static constexpr const char* kNames[] = {"Unknown",  "Add",    "Update",  "Delete",  "Cancel",
                                             "Transfer", "Reject", "Execute", "Confirm", "Query"};
};
using ActionType = MEnum<unsigned char, EnumActionType, 10>;

enum class EnumActionStatusType : unsigned char { Waiting, Sent, SentRejected, Done, Failed, Unsupported };
template <>
struct MEnumTable<EnumActionStatusType> {
    static constexpr char kTypeName[] = "EnumActionStatusType";
    static constexpr const char* kNames[] = {"Waiting", "Sent",   "Sent Rejected",
                                             "Done",    "Failed", "Unsupported"};
};
using ActionStatusType = MEnum<unsigned char, EnumActionStatusType, 6>;
