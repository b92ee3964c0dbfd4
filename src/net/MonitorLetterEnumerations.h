#pragma once
// The letter enumerations of the monitor protocol that the connection and notice records do not
// carry but the monitor and manager sides name: item status, gateway role, manager state,
// technical state and manager message type (the first row of each table is the default; letters
// are case-sensitive).
#include "fields/MEnumAlpha.h"
#include "fields/MEnumTable.h"

enum class EnumMonitorItemStatus : char { Undefined = '?', Missing = 'A', New = 'B', Normal = 'C' };
template <>
struct MEnumTable<EnumMonitorItemStatus> {
    using E = EnumMonitorItemStatus;
    static constexpr char kTypeName[] = "EnumMonitorItemStatus";
    static constexpr MEnumLetterRow<E> kRows[] = {
        {E::Undefined, "Undefined"}, {E::Missing, "Missing"}, {E::New, "New"}, {E::Normal, "Normal"}};
};
using MonitorItemStatus = MEnumAlpha<EnumMonitorItemStatus, 4>;

enum class EnumMonitorGatewayRole : char { Undefined = '?', Master = 'M', Slave = 'S', Standalone = 'A' };
template <>
struct MEnumTable<EnumMonitorGatewayRole> {
    using E = EnumMonitorGatewayRole;
    static constexpr char kTypeName[] = "EnumMonitorGatewayRole";
    static constexpr MEnumLetterRow<E> kRows[] = {{E::Undefined, "Undefined"},
                                                  {E::Master, "Master"},
                                                  {E::Slave, "Slave"},
                                                  {E::Standalone, "Standalone"}};
};
using MonitorGatewayRole = MEnumAlpha<EnumMonitorGatewayRole, 4>;

enum class EnumMonitorManagerState : char {
    Undefined = '?',
    LogonPending = 'l',
    Logon = 'L',
    RequestToBeMaster = 'M',
    Removed = 'R'
};
template <>
struct MEnumTable<EnumMonitorManagerState> {
    using E = EnumMonitorManagerState;
    static constexpr char kTypeName[] = "EnumMonitorManagerState";
    static constexpr MEnumLetterRow<E> kRows[] = {{E::Undefined, "Undefined"},
                                                  {E::LogonPending, "LogonPending"},
                                                  {E::Logon, "Logon"},
                                                  {E::RequestToBeMaster, "RequestToBeMaster"},
                                                  {E::Removed, "Removed"}};
};
using MonitorManagerState = MEnumAlpha<EnumMonitorManagerState, 5>;

enum class EnumMonitorTechnicalState : char {
    Undefined = '?',
    Initializing = 'I',
    Replay = 'R',
    Resync = 'Y',
    Master = 'M',
    Slave = 'S',
    Standalone = 'A',
    Suspend = 'P',
    LinkedSlave = 'L'
};
template <>
struct MEnumTable<EnumMonitorTechnicalState> {
    using E = EnumMonitorTechnicalState;
    static constexpr char kTypeName[] = "EnumMonitorTechnicalState";
    static constexpr MEnumLetterRow<E> kRows[] = {
        {E::Undefined, "Undefined"},    {E::Initializing, "Initializing"},
        {E::Replay, "Replay"},          {E::Resync, "Resync"},
        {E::Master, "Master"},          {E::Slave, "Slave"},
        {E::Standalone, "Standalone"},  {E::Suspend, "Suspend"},
        {E::LinkedSlave, "LinkedSlave"}};
};
using MonitorTechnicalState = MEnumAlpha<EnumMonitorTechnicalState, 9>;

enum class EnumMonitorManagerMsgType : char { Undefined = '?', Logon = 'L', LogonAck = 'l', Notice = 'N' };
template <>
struct MEnumTable<EnumMonitorManagerMsgType> {
    using E = EnumMonitorManagerMsgType;
    static constexpr char kTypeName[] = "EnumMonitorManagerMsgType";
    static constexpr MEnumLetterRow<E> kRows[] = {
        {E::Undefined, "Undefined"}, {E::Logon, "Logon"}, {E::LogonAck, "LogonAck"}, {E::Notice, "Notice"}};
};
using MonitorManagerMsgType = MEnumAlpha<EnumMonitorManagerMsgType, 4>;
