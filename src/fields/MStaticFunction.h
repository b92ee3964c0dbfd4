#pragma once
// Type binder: stands for one field of a type in the type-level describe protocol. It has no
// storage; a describe routine builds one per field on the stack (MTStaticFunction<T>).

class MStaticFunction {
public:
    virtual ~MStaticFunction() = default;
};
