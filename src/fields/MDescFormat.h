#pragma once
// Description format: writes a record as readable entries "name [value]", one per field, each name
// the dotted path from a root name through the describe levels, and reads field values back from
// such a text by name. The output text belongs to the caller (SetOutput); without one, entries are
// printed to standard output. With the raw flag, padded texts show their full width and coded
// values their stored form as well as their display text.
#include <string>
#include <vector>

#include "fields/MObjectFormat.h"
#include "fields/MStringDepth.h"

class MDescFormat : public MObjectFormat {
public:
    // separator: put between entries; nameWidth: names are padded with blanks to this width.
    MDescFormat(std::string separator, int nameWidth, bool raw);

    void ProcessField(MObjectFunction& field) override;
    void BeginObject(MObjectClassFunction& names) override;
    bool NextField() override;
    void EndObject() override;
    void BeginArray(MObjectClassFunction& names) override;
    bool NextArrayItem() override;
    void EndArray() override;
    // Empties the output when there is one.
    void Reset() override;
    // Takes the length characters of root as the root name.
    void Start(const char* root, int length) override;
    const char* GetData() const override;
    int GetPosition() const override;

    virtual void SetOutput(std::string* output);
    virtual void WriteText(const std::string& name, const std::string& value);
    // The value of the entry whose whole name is name; empty (and IsFound false) when there is none.
    virtual std::string ReadText(const std::string& name);

    void StartPath(const std::string& root, bool writing);
    bool IsRaw() const { return raw_; }
    bool IsFound() const { return found_; }

private:
    struct Context {
        MObjectClassFunction* names;
        int next;
    };

    void PushContext(MObjectClassFunction& names);
    bool NextName();
    void PopContext();
    bool IsEntryAt(std::size_t position, const std::string& name) const;

    std::string separator_;
    std::string* output_ = nullptr;
    bool found_ = false;
    bool raw_;
    MStringDepth path_;
    int nameWidth_;
    std::vector<Context> contexts_;
};
