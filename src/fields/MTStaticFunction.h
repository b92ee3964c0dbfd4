#pragma once
// Type binder of a field of value type T in the type-level describe protocol; it has no storage.
#include "fields/MStaticFormat.h"
#include "fields/MStaticFunction.h"
#include "fields/MValueType.h"

template <MValueType T>
class MTStaticFunction : public MStaticFunction {};

// Hands one field type to a type-level format through a temporary binder.
template <MValueType T>
void FormatStaticField(MStaticFormat& format) {
    MTStaticFunction<T> binder;
    format.ProcessField(binder);
}
