#pragma once
// The data of one enumeration E: a specialisation of MEnumTable<E>, declared once beside E. The
// enumeration field types (MEnumAlpha, MEnum, MEnumString, MSet, MEnumSet) derive every lookup
// table they need from it at compile time, so start-up does no work and adding an enumeration is
// a matter of data:
//
//     enum class EnumBraeHedgeSpec : char { Default = ' ', Hedger = 'H', Speculator = 'S' };
//     template <>
//     struct MEnumTable<EnumBraeHedgeSpec> {
//         static constexpr char kTypeName[] = "EnumBraeHedgeSpec";
//         static constexpr MEnumLetterRow<EnumBraeHedgeSpec> kRows[] = {
//             {EnumBraeHedgeSpec::Default, "Default"},
//             {EnumBraeHedgeSpec::Hedger, "Hedger"},
//             {EnumBraeHedgeSpec::Speculator, "Speculator"}};
//     };
//
// A letter enumeration (enumerators = the character codes of their letters) lists kRows of
// MEnumLetterRow; a code enumeration (enumerator i = row i) kRows of MEnumCodeRow; an integer
// enumeration (enumerator i = index i) and a flag set (flag i = 1 << i) list kNames, the names in
// enumerator or flag order. kTypeName is the enumeration's name as type names show it.
#include <concepts>
#include <type_traits>

template <class E>
struct MEnumTable;

// One row of a letter enumeration: the enumerator (its value is its letter) and its name.
template <class E>
struct MEnumLetterRow {
    E letter;
    const char* name;
};

// One row of a code enumeration: its code of exactly W characters and its name.
struct MEnumCodeRow {
    const char* code;
    const char* name;
};

// An enumeration whose table lists letters.
template <class E>
concept MLetterEnumeration = requires {
    { MEnumTable<E>::kRows[0] } -> std::convertible_to<const MEnumLetterRow<E>&>;
};
