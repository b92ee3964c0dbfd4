#pragma once
// The 24-byte header of every command and request that the client sends (all but the session
// messages TC, TD and TI) and of the position acknowledgment it reads: the type code, the user
// time and trader id (sent blank), and the command's sequence number as eight digits. Lives inside
// its message; copied field by field, nothing owned.
#include <cstdint>

#include "brae/BraeFieldTypes.h"
#include "brae/BraeMsgBase.h"
#include "brae/BraeUserTime.h"
#include "fields/MFieldList.h"
#include "fields/MRPString.h"
#include "fields/MStringInt.h"

class BraeHeaderIncoming : public BraeMsgBase {
public:
    BraeUserTime UserTime;
    MRPString<8, 32, MValAccept> TraderID;
    BraeNb8 UserSequenceID;

    // The type's code, six blanks, eight blanks, "00000000".
    explicit BraeHeaderIncoming(uint32_t typeIndex) : BraeMsgBase(typeIndex) {}
    explicit BraeHeaderIncoming(EnumBraeMsgType type) : BraeMsgBase(type) {}

    // Writes value as eight '0'-filled digits, held to the field's range (-9,999,999 to
    // 99,999,999). Also used on the answered sequence number of the server's header.
    static BraeNb8& SetUserSequenceID(BraeNb8& field, int32_t value) {
        field.SetValue(value);
        return field;
    }
    // The eight digits read as a decimal number.
    static int32_t GetUserSequenceID(const BraeNb8& field) { return field.GetValue(); }
    static int32_t ReadUserSequenceID(const BraeNb8& field) { return GetUserSequenceID(field); }

    static constexpr auto Fields() {
        using S = BraeHeaderIncoming;
        return MFieldsWithLength<BraeMsgBase>(MField("UserTime", &S::UserTime, "2146"),
                                              MField("TraderID", &S::TraderID, "78"),
                                              MField("UserSequenceID", &S::UserSequenceID, "510"));
    }
    static const char* GetFieldName(int index) { return kFieldList<BraeHeaderIncoming>.GetName(index); }
    static int GetFieldNameLength(int index) { return kFieldList<BraeHeaderIncoming>.GetNameLength(index); }
    static const char* GetFieldTag(int index) { return kFieldList<BraeHeaderIncoming>.GetTag(index); }
    static int GetFieldTagLength(int index) { return field_list_detail::Length(GetFieldTag(index)); }
};

static_assert(sizeof(BraeHeaderIncoming) == 24);
