#pragma once
// Text field of exactly N characters, left-padded with the pad character P: the text is
// right-aligned behind the pads. Stored, copied and compared like MRPString (N plain bytes, byte
// order, no allocation); it is the base of texts that add their own text forms (the protocol's
// user time) and has no binder or column of its own.
#include "fields/MPaddedText.h"
#include "fields/MValAccept.h"

template <int N, int P = 32, class A = MValAccept>
class MLPString : public MPaddedText<MLPString<N, P, A>, N, P, A, true> {
    using Body = MPaddedText<MLPString<N, P, A>, N, P, A, true>;

public:
    using Body::Body;
    using Body::operator=;
};
