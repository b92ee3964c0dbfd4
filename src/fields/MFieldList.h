#pragma once
// The field list of one describe level of a record: each field's name, its member and, where the
// protocol gives one, its numeric tag, in wire order. A record declares its level once:
//
//     struct BraeHeaderIncoming : BraeMsgBase {
//         BraeUserTime UserTime;
//         MatchNumber TraderID;
//         BraeNb8 UserSequenceID;
//         static constexpr auto Fields() {
//             using S = BraeHeaderIncoming;
//             return MFieldsWithLength<BraeMsgBase>(MField("UserTime", &S::UserTime, "2146"),
//                                                   MField("TraderID", &S::TraderID, "78"),
//                                                   MField("UserSequenceID", &S::UserSequenceID, "510"));
//         }
//     };
//
// The template argument names the base class whose level is described first (none by default).
// MFields gives the level a name table without name lengths, MFieldsWithLength one with them. The
// describe routines (DescribeFields.h), the name tables (MTObjectClassFunction and its kin) and so
// every format read this one list. The list is a compile-time constant: it costs nothing per record.
#include <array>
#include <cstddef>
#include <tuple>
#include <type_traits>

// One field of a level: member is a pointer to a member of the level's class O, of value type T.
template <class T, class O>
struct MField {
    using Type = T;
    using Owner = O;

    const char* name;
    T O::*member;
    const char* tag;

    constexpr MField(const char* fieldName, T O::*fieldMember, const char* fieldTag = nullptr)
        : name(fieldName), member(fieldMember), tag(fieldTag) {}
};

namespace field_list_detail {
constexpr int Length(const char* text) {
    int n = 0;
    while (text && text[n]) ++n;
    return n;
}

template <class... Fields>
struct FirstOwner {
    using Type = void;
};
template <class First, class... Rest>
struct FirstOwner<First, Rest...> {
    using Type = typename First::Owner;
};
}  // namespace field_list_detail

template <class Base, bool WithLength, class... Fields>
struct MFieldList {
    // The class whose members the fields are (void for a level without fields).
    using Owner = typename field_list_detail::FirstOwner<Fields...>::Type;
    using BaseRecord = Base;
    static constexpr bool kWithLength = WithLength;
    static constexpr int kCount = static_cast<int>(sizeof...(Fields));
    static_assert((std::is_same_v<typename Fields::Owner, Owner> && ...),
                  "every field of a level is a member of the same class");
    static_assert(std::is_void_v<Base> || std::is_void_v<Owner> || std::is_base_of_v<Base, Owner>,
                  "the described base is a base class of the level's class");

    std::tuple<Fields...> fields;
    std::array<const char*, sizeof...(Fields)> names;
    std::array<int, sizeof...(Fields)> nameLengths;
    std::array<const char*, sizeof...(Fields)> tags;

    constexpr explicit MFieldList(Fields... list)
        : fields(list...),
          names{list.name...},
          nameLengths{field_list_detail::Length(list.name)...},
          tags{list.tag...} {}

    constexpr const char* GetName(int index) const {
        return index >= 0 && index < kCount ? names[index] : nullptr;
    }
    constexpr int GetNameLength(int index) const {
        return index >= 0 && index < kCount ? nameLengths[index] : 0;
    }
    constexpr const char* GetTag(int index) const {
        return index >= 0 && index < kCount ? tags[index] : nullptr;
    }
};

template <class Base = void, class... Fields>
constexpr auto MFields(Fields... fields) {
    return MFieldList<Base, false, Fields...>(fields...);
}

template <class Base = void, class... Fields>
constexpr auto MFieldsWithLength(Fields... fields) {
    return MFieldList<Base, true, Fields...>(fields...);
}

// A record type: one whose class (or a base class) declares its field list.
template <class X>
concept MDescribedRecord = requires {
    X::Fields();
};

// The field list that X declares, or inherits when it declares none.
template <MDescribedRecord X>
inline constexpr auto kFieldList = X::Fields();
