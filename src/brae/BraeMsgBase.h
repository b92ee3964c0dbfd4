#pragma once
// Base of every protocol message: its first two bytes, the message-type code. A message class is a
// packed record of text fields whose bytes are its wire form; it starts with this base (or with a
// header built on it) and passes its type index to it. Two bytes, copied freely, nothing owned.
#include <cstddef>
#include <cstdint>

#include "brae/EnumBraeMsgType.h"
#include "fields/MFieldList.h"

class BraeMsgBase {
public:
    BraeMsgType MsgType;

    // "??", the code of index 0.
    BraeMsgBase() = default;
    explicit BraeMsgBase(uint32_t typeIndex) { SetMsgType(typeIndex); }
    explicit BraeMsgBase(EnumBraeMsgType type) : BraeMsgBase(static_cast<uint32_t>(type)) {}

    // Writes the code of the type index; an index of 310 or more gives "??".
    BraeMsgBase& SetMsgType(uint32_t typeIndex) {
        MsgType.Set(typeIndex);
        return *this;
    }
    BraeMsgBase& SetMsgType(EnumBraeMsgType type) { return SetMsgType(static_cast<uint32_t>(type)); }

    static constexpr auto Fields() {
        using S = BraeMsgBase;
        return MFieldsWithLength(MField("MsgType", &S::MsgType, "35"));
    }
    static const char* GetFieldName(int index) { return kFieldList<BraeMsgBase>.GetName(index); }
    static int GetFieldNameLength(int index) { return kFieldList<BraeMsgBase>.GetNameLength(index); }
    static const char* GetFieldTag(int index) { return kFieldList<BraeMsgBase>.GetTag(index); }
    static int GetFieldTagLength(int index) { return field_list_detail::Length(GetFieldTag(index)); }
};

static_assert(sizeof(BraeMsgBase) == 2);

// Compile-time layout check of a message that ends in a counted array: the count field stands
// immediately before the array, fixedLength bytes come before the array, and the message is the
// fixed part plus the element width times the capacity, so that a message of n elements is sent
// as its first fixedLength + n x width bytes. Every such message states it after its class.
// (offsetof of these single-inheritance byte layouts is well defined in GCC and Clang.)
#define BRAE_COUNTED_ARRAY_LAYOUT(Msg, countField, arrayField, fixedLength)                                \
    _Pragma("GCC diagnostic push") _Pragma("GCC diagnostic ignored \"-Winvalid-offsetof\"") static_assert( \
        offsetof(Msg, arrayField) == offsetof(Msg, countField) + sizeof(Msg::countField),                  \
        #Msg ": the count stands immediately before the array");                                           \
    static_assert(offsetof(Msg, arrayField) == (fixedLength), #Msg ": the array follows the fixed part");  \
    static_assert(sizeof(Msg) == (fixedLength) + sizeof(Msg::arrayField),                                  \
                  #Msg ": the array ends the message");                                                    \
    _Pragma("GCC diagnostic pop")
