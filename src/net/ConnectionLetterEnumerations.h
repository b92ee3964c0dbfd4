#pragma once
// The vocabulary of a gateway's connection records: the socket protocol names (an integer
// enumeration, names only), the record's direction or logging mode and the connection events
// (letter enumerations; the first row is the default, letters are case-sensitive).
#include "fields/MEnum.h"
#include "fields/MEnumAlpha.h"
#include "fields/MEnumTable.h"

enum class EnumSocketProtocol : unsigned char { Tcp = 0, Udp = 1, Unx = 2 };
template <>
struct MEnumTable<EnumSocketProtocol> {
    static constexpr char kTypeName[] = "EnumSocketProtocol";
    static constexpr const char* kNames[] = {"tcp", "udp", "unx"};
};
using SocketProtocol = MEnum<unsigned char, EnumSocketProtocol, 3>;

enum class EnumConnectionLogMode : char {
    In = 'I',
    Out = 'O',
    InLogOnly = 'J',
    OutLogOnly = 'P',
    Technic = 'T'
};
template <>
struct MEnumTable<EnumConnectionLogMode> {
    using E = EnumConnectionLogMode;
    static constexpr char kTypeName[] = "EnumConnectionLogMode";
    static constexpr MEnumLetterRow<E> kRows[] = {{E::In, "IN"},
                                                  {E::Out, "OUT"},
                                                  {E::InLogOnly, "IN_LOG_ONLY"},
                                                  {E::OutLogOnly, "OUT_LOG_ONLY"},
                                                  {E::Technic, "TECHNIC"}};
};
using ConnectionLogMode = MEnumAlpha<EnumConnectionLogMode, 5>;

enum class EnumConnectionEvent : char {
    NotDefined = '?',
    Connect = 'C',
    Disconnect = 'D',
    Login = 'L',
    Logout = 'O',
    LogicalConnect = 'A',
    LogicalDisconnect = 'B',
    Ready = 'R',
    NoHeartBeatActivity = 'H',
    ThrottleStart = 'T',
    ThrottleEnd = 'U'
};
template <>
struct MEnumTable<EnumConnectionEvent> {
    using E = EnumConnectionEvent;
    static constexpr char kTypeName[] = "EnumConnectionEvent";
    static constexpr MEnumLetterRow<E> kRows[] = {{E::NotDefined, "NotDefined"},
                                                  {E::Connect, "Connect"},
                                                  {E::Disconnect, "Disconnect"},
                                                  {E::Login, "Login"},
                                                  {E::Logout, "Logout"},
                                                  {E::LogicalConnect, "LogicalConnect"},
                                                  {E::LogicalDisconnect, "LogicalDisconnect"},
                                                  {E::Ready, "Ready"},
                                                  {E::NoHeartBeatActivity, "NoHeartBeatActivity"},
                                                  {E::ThrottleStart, "ThrottleStart"},
                                                  {E::ThrottleEnd, "ThrottleEnd"}};
};
using ConnectionEvent = MEnumAlpha<EnumConnectionEvent, 11>;
