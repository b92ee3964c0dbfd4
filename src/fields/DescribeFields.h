#pragma once
// The describe routines of records: they drive a format over the field lists of a record's levels
// (MFieldList.h), base level first, each level opened with its name table, every field announced
// with NextField and, when the format takes it, handed over through a temporary binder. A field
// that is itself a record opens a nested level (its titles become dotted paths). Nothing is
// allocated; the name tables and binders live on the stack for one level or one field.
#include <tuple>
#include <type_traits>

#include "fields/MFieldList.h"
#include "fields/MObjectFormat.h"
#include "fields/MStaticFormat.h"
#include "fields/MTObjectClassFunction.h"
#include "fields/MTObjectClassFunctionWithLength.h"
#include "fields/MTObjectFunction.h"
#include "fields/MTStaticClassFunction.h"
#include "fields/MTStaticFunction.h"

template <MDescribedRecord X>
void DescribeFields(X& record, MObjectFormat& format);
template <MDescribedRecord X>
void DescribeFieldTypes(MStaticFormat& format);

namespace describe_detail {

template <class O, class Field>
void DescribeField(O& level, const Field& field, MObjectFormat& format) {
    if (!format.NextField()) return;
    auto& value = level.*field.member;
    if constexpr (MDescribedRecord<typename Field::Type>) {
        DescribeFields(value, format);
    } else {
        FormatField(value, format);
    }
}

template <class Field>
void DescribeFieldType(MStaticFormat& format) {
    if (!format.NextField()) return;
    if constexpr (MDescribedRecord<typename Field::Type>) {
        DescribeFieldTypes<typename Field::Type>(format);
    } else {
        FormatStaticField<typename Field::Type>(format);
    }
}

}  // namespace describe_detail

// Describes every level of record to format: the base levels first, then the record's own.
template <MDescribedRecord X>
void DescribeFields(X& record, MObjectFormat& format) {
    using List = std::remove_cvref_t<decltype(kFieldList<X>)>;
    using Base = typename List::BaseRecord;
    if constexpr (!std::is_void_v<Base>) DescribeFields(static_cast<Base&>(record), format);
    if constexpr (List::kCount > 0) {
        using O = typename List::Owner;
        using Names = std::conditional_t<List::kWithLength, MTObjectClassFunctionWithLength<O>,
                                         MTObjectClassFunction<O>>;
        O& level = record;
        Names names(&level);
        format.BeginObject(names);
        std::apply([&](const auto&... field) { (describe_detail::DescribeField(level, field, format), ...); },
                   kFieldList<X>.fields);
        format.EndObject();
    }
}

// Describes every level of record type X to a type-level format, as DescribeFields does.
template <MDescribedRecord X>
void DescribeFieldTypes(MStaticFormat& format) {
    using List = std::remove_cvref_t<decltype(kFieldList<X>)>;
    using Base = typename List::BaseRecord;
    if constexpr (!std::is_void_v<Base>) DescribeFieldTypes<Base>(format);
    if constexpr (List::kCount > 0) {
        MTStaticClassFunction<typename List::Owner> names;
        format.BeginObject(names);
        std::apply(
            [&](const auto&... field) {
                (describe_detail::DescribeFieldType<std::remove_cvref_t<decltype(field)>>(format), ...);
            },
            kFieldList<X>.fields);
        format.EndObject();
    }
}
