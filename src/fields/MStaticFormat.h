#pragma once
// Base of the type-level formats: the visitor of a record type's describe routine, which has no
// object and hands each field as a type binder. Every operation has a default body.

class MStaticFunction;
class MStaticClassFunction;

class MStaticFormat {
public:
    virtual ~MStaticFormat() = default;

    virtual void ProcessField(MStaticFunction& field) {}
    virtual void BeginObject(MStaticClassFunction& names) {}
    virtual bool NextField() { return true; }
    virtual void EndObject() {}
    virtual void BeginArray(MStaticClassFunction& names) {}
    virtual bool NextArrayItem() { return true; }
    virtual void EndArray() {}
    virtual void Reset() {}
};
