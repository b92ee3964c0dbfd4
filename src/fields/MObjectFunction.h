#pragma once
// Field binder: the object through which a format reaches one field without knowing its type.
// A describe routine builds one per field on the stack (MTObjectFunction<T>), hands it to the
// format's ProcessField and destroys it, so a format never keeps one; Clone makes one that lasts.
#include <memory>
#include <string>

class MDescFormat;
class MInterface;
class MMsgFormat;

class MObjectFunction {
public:
    virtual ~MObjectFunction() = default;

    // Hands (name, the field's description text) to the description format, or sets the field
    // from the text the format finds under name.
    virtual void WriteText(MDescFormat& format, const std::string& name) = 0;
    virtual void ReadText(MDescFormat& format, const std::string& name) = 0;
    // The field's form in a monitor message.
    virtual void WriteFixed(MMsgFormat& format) = 0;
    virtual void ReadFixed(MMsgFormat& format) = 0;
    // A new column descriptor over the bound field, with the column properties of its type.
    virtual std::unique_ptr<MInterface> CreateInterface() const = 0;
    // The characters and length of the field's delimited-text form; terminated reports whether a
    // zero byte follows them. A computed text is valid until the next GetText of the same type.
    virtual const char* GetText(int* length, bool* terminated) const = 0;
    // Sets the field from exactly length characters (a zero-terminated text when terminated is set).
    virtual void SetText(const char* text, int length, bool terminated) = 0;
    virtual void* GetField() const = 0;
    // Binds the binder to another field of the same type.
    virtual void SetField(void* field) = 0;
    // other is a field of the bound field's type.
    virtual bool IsEqual(const void* other) const = 0;
    virtual void Clear() = 0;
    // A new binder bound to the same field.
    virtual std::unique_ptr<MObjectFunction> Clone() const = 0;
};
