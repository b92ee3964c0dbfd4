#pragma once
// The letter enumerations of the messaging layer's monitor, manager, master/slave link and state
// records: each enumeration (its enumerators are its letters), its table of letters and names in
// table order (the first row is the default; letters are case-sensitive), and its field type
// where records hold one.
#include "fields/MEnumAlpha.h"
#include "fields/MEnumTable.h"

enum class EnumManagerMsgType : char {
    AreYouThere = 'A',
    AreYouThereAck = 'a',
    FailoverInfo = 'F',
    Heartbeat = 'H',
    HeartbeatAck = 'h',
    Logon = 'L',
    LogonAck = 'l',
    RequestToBeMaster = 'M',
    RequestToBeMasterAck = 'm',
    Notice = 'N',
    Refresh = 'R'
};
template <>
struct MEnumTable<EnumManagerMsgType> {
    using E = EnumManagerMsgType;
    static constexpr char kTypeName[] = "EnumManagerMsgType";
    static constexpr MEnumLetterRow<E> kRows[] = {{E::AreYouThere, "AreYouThere"},
                                                  {E::AreYouThereAck, "AreYouThereAck"},
                                                  {E::FailoverInfo, "FailoverInfo"},
                                                  {E::Heartbeat, "Heartbeat"},
                                                  {E::HeartbeatAck, "HeartbeatAck"},
                                                  {E::Logon, "Logon"},
                                                  {E::LogonAck, "LogonAck"},
                                                  {E::RequestToBeMaster, "RequestToBeMaster"},
                                                  {E::RequestToBeMasterAck, "RequestToBeMasterAck"},
                                                  {E::Notice, "Notice"},
                                                  {E::Refresh, "Refresh"}};
};
using ManagerMsgType = MEnumAlpha<EnumManagerMsgType, 11>;

enum class EnumManagerTechnicalState : char {
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
struct MEnumTable<EnumManagerTechnicalState> {
    using E = EnumManagerTechnicalState;
    static constexpr char kTypeName[] = "EnumManagerTechnicalState";
    static constexpr MEnumLetterRow<E> kRows[] = {{E::Initializing, "Initializing"},
                                                  {E::Replay, "Replay"},
                                                  {E::Resync, "Resync"},
                                                  {E::Master, "Master"},
                                                  {E::Slave, "Slave"},
                                                  {E::Standalone, "Standalone"},
                                                  {E::Suspend, "Suspend"},
                                                  {E::LinkedSlave, "LinkedSlave"}};
};
using ManagerTechnicalState = MEnumAlpha<EnumManagerTechnicalState, 8>;

enum class EnumMonitorType : char {
    Undefined = '?',
    NoticeNew = 'A',
    ApplicationNew = 'B',
    ApplicationUpdate = 'C',
    ApplicationClose = 'D',
    ConnectionNew = 'E',
    ConnectionStateUpdate = 'F',
    ConnectionClose = 'G',
    NumberSentMegaBytes = 'H',
    NumberReceivedMegaBytes = 'I',
    NumberSentMessages = 'J',
    NumberReceivedMessages = 'K',
    NumberConnectionToServer = 'L',
    NumberProtocolError = 'M',
    NumberThrottlingActivated = 'N',
    MessageRate = 'O',
    LastReceivedMessageId = 'P',
    LastSentMessageId = 'Q',
    MonitorMTManagerStarted = 'R',
    Information = 'S',
    ProtocolStatus = 'T',
    ConnectionStat = 'U',
    Throttling = 'V'
};
template <>
struct MEnumTable<EnumMonitorType> {
    using E = EnumMonitorType;
    static constexpr char kTypeName[] = "EnumMonitorType";
    static constexpr MEnumLetterRow<E> kRows[] = {{E::Undefined, "Undefined"},
                                                  {E::NoticeNew, "NoticeNew"},
                                                  {E::ApplicationNew, "ApplicationNew"},
                                                  {E::ApplicationUpdate, "ApplicationUpdate"},
                                                  {E::ApplicationClose, "ApplicationClose"},
                                                  {E::ConnectionNew, "ConnectionNew"},
                                                  {E::ConnectionStateUpdate, "ConnectionStateUpdate"},
                                                  {E::ConnectionClose, "ConnectionClose"},
                                                  {E::NumberSentMegaBytes, "NumberSentMegaBytes"},
                                                  {E::NumberReceivedMegaBytes, "NumberReceivedMegaBytes"},
                                                  {E::NumberSentMessages, "NumberSentMessages"},
                                                  {E::NumberReceivedMessages, "NumberReceivedMessages"},
                                                  {E::NumberConnectionToServer, "NumberConnectionToServer"},
                                                  {E::NumberProtocolError, "NumberProtocolError"},
                                                  {E::NumberThrottlingActivated, "NumberThrottlingActivated"},
                                                  {E::MessageRate, "MessageRate"},
                                                  {E::LastReceivedMessageId, "LastReceivedMessageId"},
                                                  {E::LastSentMessageId, "LastSentMessageId"},
                                                  {E::MonitorMTManagerStarted, "MonitorMTManagerStarted"},
                                                  {E::Information, "Information"},
                                                  {E::ProtocolStatus, "ProtocolStatus"},
                                                  {E::ConnectionStat, "ConnectionStat"},
                                                  {E::Throttling, "Throttling"}};
};
using MonitorType = MEnumAlpha<EnumMonitorType, 23>;

enum class EnumMonitorConnectionType : char {
    Undefined = '?',
    Client = 'C',
    Server = 'S',
    Udp = 'U',
    Multicast = 'M'
};
template <>
struct MEnumTable<EnumMonitorConnectionType> {
    using E = EnumMonitorConnectionType;
    static constexpr char kTypeName[] = "EnumMonitorConnectionType";
    static constexpr MEnumLetterRow<E> kRows[] = {{E::Undefined, "Undefined"},
                                                  {E::Client, "Client"},
                                                  {E::Server, "Server"},
                                                  {E::Udp, "Udp"},
                                                  {E::Multicast, "Multicast"}};
};
using MonitorConnectionType = MEnumAlpha<EnumMonitorConnectionType, 5>;

enum class EnumMonitorConnectionState : char {
    Undefined = '?',
    New = 'N',
    Open = 'O',
    Close = 'C',
    Listen = 'L'
};
template <>
struct MEnumTable<EnumMonitorConnectionState> {
    using E = EnumMonitorConnectionState;
    static constexpr char kTypeName[] = "EnumMonitorConnectionState";
    static constexpr MEnumLetterRow<E> kRows[] = {{E::Undefined, "Undefined"},
                                                  {E::New, "New"},
                                                  {E::Open, "Open"},
                                                  {E::Close, "Close"},
                                                  {E::Listen, "Listen"}};
};
using MonitorConnectionState = MEnumAlpha<EnumMonitorConnectionState, 5>;

enum class EnumMonitorSeverity : char {
    Undefined = '?',
    Emergency = 'F',
    Alert = 'A',
    Critical = 'C',
    Error = 'E',
    Warning = 'W',
    Notice = 'N',
    Information = 'I',
    Debug = 'D'
};
template <>
struct MEnumTable<EnumMonitorSeverity> {
    using E = EnumMonitorSeverity;
    static constexpr char kTypeName[] = "EnumMonitorSeverity";
    static constexpr MEnumLetterRow<E> kRows[] = {
        {E::Undefined, "Undefined"}, {E::Emergency, "Emergency"},
        {E::Alert, "Alert"},         {E::Critical, "Critical"},
        {E::Error, "Error"},         {E::Warning, "Warning"},
        {E::Notice, "Notice"},       {E::Information, "Information"},
        {E::Debug, "Debug"}};
};
using MonitorSeverity = MEnumAlpha<EnumMonitorSeverity, 9>;

// The enumerations below have no field type of their own; records hold them as MEnumAlpha<E,N>.

enum class EnumStatusByTechnicalState : char { Close = 'c', Open = 'o', OpenBusinessStateIgnore = 'A' };
template <>
struct MEnumTable<EnumStatusByTechnicalState> {
    using E = EnumStatusByTechnicalState;
    static constexpr char kTypeName[] = "EnumStatusByTechnicalState";
    static constexpr MEnumLetterRow<E> kRows[] = {
        {E::Close, "Close"}, {E::Open, "Open"}, {E::OpenBusinessStateIgnore, "Open (Business State ignore)"}};
};

enum class EnumStatusByBusinessState : char { Close = 'c', Open = 'o' };
template <>
struct MEnumTable<EnumStatusByBusinessState> {
    using E = EnumStatusByBusinessState;
    static constexpr char kTypeName[] = "EnumStatusByBusinessState";
    static constexpr MEnumLetterRow<E> kRows[] = {{E::Close, "Close"}, {E::Open, "Open"}};
};

enum class EnumLinkMsgType : char {
    HeartBeat = 'H',
    Acknowledge = 'A',
    Data = 'D',
    Error = 'E',
    Terminate = 'T',
    Confirm = 'C'
};
template <>
struct MEnumTable<EnumLinkMsgType> {
    using E = EnumLinkMsgType;
    static constexpr char kTypeName[] = "EnumLinkMsgType";
    static constexpr MEnumLetterRow<E> kRows[] = {
        {E::HeartBeat, "HeartBeat"}, {E::Acknowledge, "Acknowledge"}, {E::Data, "Data"},
        {E::Error, "Error"},         {E::Terminate, "Terminate"},     {E::Confirm, "Confirm"}};
};
