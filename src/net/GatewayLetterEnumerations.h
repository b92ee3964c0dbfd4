#pragma once
// The letter enumerations of the manager and master/slave link protocols that no record here
// carries: the manager's activation and answer letters, the link's error letters (each named by
// its text) and the gateway's role on the link. The first row of each table is the default;
// letters are case-sensitive.
#include "fields/MEnumAlpha.h"
#include "fields/MEnumTable.h"

enum class EnumManagerActivation : char { Unknown = ' ', Enabled = 'E', Disabled = 'D' };
template <>
struct MEnumTable<EnumManagerActivation> {
    using E = EnumManagerActivation;
    static constexpr char kTypeName[] = "EnumManagerActivation";
    static constexpr MEnumLetterRow<E> kRows[] = {
        {E::Unknown, "Unknown"}, {E::Enabled, "Enabled"}, {E::Disabled, "Disabled"}};
};
using ManagerActivation = MEnumAlpha<EnumManagerActivation, 3>;

enum class EnumManagerAnswer : char { Accept = 'A', Refuse = 'R' };
template <>
struct MEnumTable<EnumManagerAnswer> {
    using E = EnumManagerAnswer;
    static constexpr char kTypeName[] = "EnumManagerAnswer";
    static constexpr MEnumLetterRow<E> kRows[] = {{E::Accept, "Accept"}, {E::Refuse, "Refuse"}};
};
using ManagerAnswer = MEnumAlpha<EnumManagerAnswer, 2>;

enum class EnumLinkError : char {
    MasterBeyondSlave = '1',
    MessageNoLongerAvailable = '2',
    MessageBeyondMaster = '3'
};
template <>
struct MEnumTable<EnumLinkError> {
    using E = EnumLinkError;
    static constexpr char kTypeName[] = "EnumLinkError";
    static constexpr MEnumLetterRow<E> kRows[] = {
        {E::MasterBeyondSlave,
         "Last available message from master is further than last processed message of slave"},
        {E::MessageNoLongerAvailable, "Slave requested message number which not available anymore"},
        {E::MessageBeyondMaster,
         "Slave requested message number that is greater then the last processed message by master"}};
};
using LinkError = MEnumAlpha<EnumLinkError, 3>;

enum class EnumLinkRole : char { StandAlone = 'A', Master = 'M', Slave = 'S', LinkedSlave = 'L' };
template <>
struct MEnumTable<EnumLinkRole> {
    using E = EnumLinkRole;
    static constexpr char kTypeName[] = "EnumLinkRole";
    static constexpr MEnumLetterRow<E> kRows[] = {{E::StandAlone, "StandAlone"},
                                                  {E::Master, "Master"},
                                                  {E::Slave, "Slave"},
                                                  {E::LinkedSlave, "LinkedSlave"}};
};
using LinkRole = MEnumAlpha<EnumLinkRole, 4>;
