#pragma once
// Base of the object-level formats: the visitor that a record's describe routine drives through
// BeginObject, NextField, ProcessField and EndObject, one level at a time, base level first, fields
// in wire order. Every operation has a default body, so a format overrides only what it needs. A
// format keeps no reference to a record or a binder between calls; it is used by one thread.

class MObjectFunction;
class MObjectClassFunction;

class MObjectFormat {
public:
    explicit MObjectFormat(bool writing = false) : writing_(writing) {}
    virtual ~MObjectFormat() = default;

    // One field of the current level, reached through a binder that lives for this call only.
    virtual void ProcessField(MObjectFunction& field) {}
    // A level starts; names answers its field names and tags by field index.
    virtual void BeginObject(MObjectClassFunction& names) {}
    // Asked once before every field of the current level; false: the field is not handed over.
    virtual bool NextField() { return true; }
    virtual void EndObject() {}
    virtual void BeginArray(MObjectClassFunction& names) {}
    virtual bool NextArrayItem() { return true; }
    virtual void EndArray() {}
    // Start over: writers empty their output, readers go back to the start of their input.
    virtual void Reset() {}
    // Begin a pass over the given data (its meaning is the derived format's).
    virtual void Start(const char* data, int length) {}
    // The output of a writer or the input of a reader; the length written or the read position.
    virtual const char* GetData() const { return nullptr; }
    virtual int GetPosition() const { return 0; }

    // Set: a reader that runs out of input clears the remaining fields; clear: leaves them alone.
    bool IsClearMissing() const { return clearMissing_; }
    bool& ClearMissingFlag() { return clearMissing_; }
    // Set: the format produces output from the fields; clear: it sets the fields from input.
    bool IsWriting() const { return writing_; }
    bool& WritingFlag() { return writing_; }

private:
    bool clearMissing_ = true;
    bool writing_;
};
