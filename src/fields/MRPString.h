#pragma once
// Text field of exactly N characters, right-padded with the pad character P (32, the blank); A is
// the validator of its checks. The N characters are the whole value, with no terminator and no
// length, and they are the field's form on the wire: a record holding the field holds N plain
// bytes. All pads is the null (blank) value. Copies, compares (byte order over all N characters,
// pads included) and assignments work in place and never allocate; only ToString and
// ToPaddedString build a std::string. A text too long for the field is cut, never refused.
#include <algorithm>
#include <string>

#include "fields/MInterface.h"
#include "fields/MMsgFormat.h"
#include "fields/MPaddedText.h"
#include "fields/MTypeName.h"
#include "fields/MValAccept.h"

template <int N, int P = 32, class A = MValAccept>
class MRPString : public MPaddedText<MRPString<N, P, A>, N, P, A, false> {
    using Body = MPaddedText<MRPString<N, P, A>, N, P, A, false>;
    using Body::data_;

public:
    static constexpr MTypeName kTypeName = MTypeName("MRPString<") + MTypeNumber<N>() + MTypeName(",") +
                                           MTypeNumber<P>() + MTypeName(",") + A::kTypeName + MTypeName(">");

    using Body::Body;
    using Body::operator=;
    using Body::Length;
    using Body::SetChars;
    static constexpr bool kTextIsDisplayText = true;  // GetText gives the ToString text
    using Body::ToPaddedString;
    using Body::ToString;

    // Delimited text: the characters in place, trailing pads left out, not zero-terminated.
    const char* GetText(int* length, bool* terminated) const {
        if (length) *length = Length();
        if (terminated) *terminated = false;
        return data_;
    }
    // Description: the trimmed text, or all N characters when raw.
    std::string ToDescription(bool raw) const { return raw ? ToPaddedString() : ToString(); }

    // Monitor message: all N bytes; read back from min(N, bytes left) bytes, padded.
    void WriteFixed(MMsgFormat& format) const { format.Write(data_, N); }
    void ReadFixed(MMsgFormat& format) {
        int remaining = 0;
        const char* bytes = format.GetRemaining(&remaining);
        const int count = std::clamp(remaining, 0, N);
        SetChars(bytes, count);
        format.Skip(count);
    }

    static void SetupInterface(MInterface& column) {
        column.SetKind(MInterface::kString);
        column.SetWidth(N);
    }
    static const char* GetTypeName() { return kTypeName.c_str(); }
};

// The widths in use, by the names under which they are declared.
using GroupBase = MRPString<2, 32, MValAccept>;
using SubAccount = MRPString<4, 32, MValAccept>;
using MatchNumber = MRPString<8, 32, MValAccept>;
using MonitorApplicationVersion = MRPString<10, 32, MValAccept>;
using LegOpenCloseDefinitionBase = MRPString<12, 32, MValAccept>;
using VintMsgClientId = MRPString<16, 32, MValAccept>;
using MonitorBusinessState = MRPString<20, 32, MValAccept>;
using MonitorApplication = MRPString<40, 32, MValAccept>;
using MonitorHost = MRPString<50, 32, MValAccept>;
