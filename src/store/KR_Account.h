#pragma once
// An account of the session's account map, built from one of the server's account messages: the
// account acknowledgment (KR), the account summary (JY) or the non-reportable account
// acknowledgment (QR). Its key is (1, account id); while the id is blank, (1, the place of its
// account number in the session's account-number list), which the record points at and never
// owns: the session sets the pointer after building the record and keeps the list alive.
#include <string>
#include <vector>

#include "brae/EnumBraeMsgType.h"
#include "store/AccountDisplayData.h"
#include "store/BaseKey.h"

class KR_Account : public AccountDisplayData {
public:
    using AccountNumberList = std::vector<std::string>;

    KR_Account() = default;
    // The fields of a received message of type KR, JY or QR, each from its place in that type's
    // layout; a field that the message does not hold whole keeps its default, and so does every
    // field for any other type. The normalised owner id is not kept; FirmUnitMember stays blank.
    KR_Account(EnumBraeMsgType type, const char* message, int length);

    void SetAccountNumberList(const AccountNumberList* list) { accountNumbers_ = list; }
    const AccountNumberList* GetAccountNumberList() const { return accountNumbers_; }

    // (1, AccountId read as a decimal number), clamped to 2,147,483,647; with a blank id, (1, the
    // 1-based place of the account number, cut at its last non-blank character, in the list), or
    // (1, 0) when the list does not hold it or is not set.
    BaseKey GetKey() const;
    static const char* GetDisplayName() { return "STrdInstrument"; }

private:
    const AccountNumberList* accountNumbers_ = nullptr;
};
