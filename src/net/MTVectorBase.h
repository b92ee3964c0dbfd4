#pragma once
// The storage of a message vector over a block list M and an entry list I: it points at both
// (owned by the derived storage, which builds them as members).
template <class M, class I>
class MTVectorBase {
public:
    MTVectorBase(M* messages, I* infos) : messages_(messages), infos_(infos) {}
    virtual ~MTVectorBase() = default;
    MTVectorBase(const MTVectorBase&) = delete;
    MTVectorBase& operator=(const MTVectorBase&) = delete;

protected:
    M* messages_;
    I* infos_;
};
