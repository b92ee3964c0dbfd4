#pragma once
// The validation of the account profile screen: reads the screen's fields into an account entry
// in a fixed order, stopping at the first failure, and checks the entry against the accounts the
// session holds. Plain C++: the fields are read through a reader that the caller gives, which
// binds each item to its control (the screen reads its edits and combo boxes; tests and
// benchmarks read plain texts). A reader offers:
//   bool Text(T& value, AccountScreenItem item, bool mandatory, bool charCheck);
//   bool Enum(T& value, AccountScreenItem item, bool mandatory);
//   bool OwnVisible(AccountScreenItem item) const;   // the control's own visibility setting
//   std::string ComboText(AccountScreenItem item) const;
//   const std::string& Error() const;   // the message of the last failed read
// A failed read has already focused its control where it could; the answer then names that item.
// The checks of the reader itself answer their message and the control to focus.
// The duplicate checks are linear scans of the session's accounts, once per validation.
#include <string>
#include <vector>

#include "brae/BraeParticipantDefinition.h"
#include "brae/Brae_AN_AccountEntry.h"
#include "client/AccountParticipants.h"
#include "client/AccountScreenPlan.h"
#include "store/DataHandler.h"
#include "store/KR_Account.h"

struct AccountReadResult {
    bool Ok = true;
    std::string Message;
    AccountScreenItem Failed = AccountScreenItem::None;  // the failing control
    bool FocusDone = false;                              // the reader's field binding focused it already
};

class AccountEntryReader {
public:
    using Mode = EnumBraeKTSAccountEntryAction;

    AccountEntryReader(Mode mode, bool jekUser, const DataHandler<KR_Account>& accounts,
                       const std::vector<BraeParticipantDefinition>& participants)
        : mode_(mode), jek_(jekUser), accounts_(accounts), participants_(participants) {}

    template <class Reader>
    AccountReadResult ReadFields(Reader& reader, Brae_AN_AccountEntry& entry) const;

    // Whether a stored master account has this owner id.
    bool MasterOwnerIdExists(const MRPString<24, 32, MValAccept>& ownerId) const;
    // Whether a stored client account has this number; for a Jek user only one of the same
    // approved participant counts.
    bool AccountNumberExists(const BraeKTSAccountNumber& number,
                             const MRPString<4, 32, MValAccept>& approvedParticipantId) const;

private:
    using Item = AccountScreenItem;

    static AccountReadResult Fail(std::string message, Item item, bool focusDone) {
        return AccountReadResult{false, std::move(message), item, focusDone};
    }
    template <class Reader, class T>
    static bool Text(Reader& reader, T& value, Item item, bool mandatory, bool charCheck,
                     AccountReadResult& result) {
        if (reader.Text(value, item, mandatory, charCheck)) return true;
        result = Fail(reader.Error(), item, true);
        return false;
    }
    template <class Reader, class T>
    static bool Enum(Reader& reader, T& value, Item item, bool mandatory, AccountReadResult& result) {
        if (reader.Enum(value, item, mandatory)) return true;
        result = Fail(reader.Error(), item, true);
        return false;
    }

    Mode mode_;
    bool jek_;
    const DataHandler<KR_Account>& accounts_;
    const std::vector<BraeParticipantDefinition>& participants_;
};

template <class Reader>
AccountReadResult AccountEntryReader::ReadFields(Reader& reader, Brae_AN_AccountEntry& entry) const {
    AccountReadResult r;
    const bool master = mode_ == Mode::CreateNewMasterAccount || mode_ == Mode::UpdateExistingMasterAccount;
    if (master) {
        if (!Text(reader, entry.OwnerId, Item::OwnerId, true, true, r)) return r;
        if (mode_ == Mode::CreateNewMasterAccount && MasterOwnerIdExists(entry.OwnerId))
            return Fail("The master account OwnerId already exists", Item::OwnerId, false);
        if (!Text(reader, entry.AccountNumber, Item::Number, false, true, r) ||
            !Enum(reader, entry.AccountOwnerType, Item::OwnerType, false, r) ||
            !Text(reader, entry.Name, Item::Name, false, true, r) ||
            !Text(reader, entry.Address, Item::Address, false, true, r) ||
            !Text(reader, entry.City, Item::City, false, true, r) ||
            !Text(reader, entry.State, Item::Province, false, true, r) ||
            !Enum(reader, entry.CountryCode, Item::Country, false, r) ||
            !Text(reader, entry.ZipPostalCode, Item::PostalCode, false, true, r))
            return r;
    } else {
        if (!Text(reader, entry.AccountNumber, Item::Number, true, false, r)) return r;
        if (jek_) {
            // Both participant lists hold the same items; the non-reportable one, never hidden for
            // a Jek user in these modes, is the one read.
            std::string name;
            Item from = Item::None;
            for (Item item : {Item::ParticipantId, Item::NonReportableParticipantId}) {
                if (!reader.OwnVisible(item)) continue;
                name = reader.ComboText(item);
                from = item;
            }
            if (name.empty()) return Fail("Please define an approved participant", from, false);
            entry.ApprovedParticipantId = AccountParticipants::FindApprovedParticipantId(participants_, name);
        }
        if ((mode_ == Mode::CreateNewAccount || mode_ == Mode::NewNonReportableAccount) &&
            AccountNumberExists(entry.AccountNumber, entry.ApprovedParticipantId))
            return Fail("The account number already exists", Item::Number, false);
        if (!Text(reader, entry.OwnerId, Item::OwnerId, true, true, r) ||
            !Enum(reader, entry.AccountOwnerType, Item::OwnerType, true, r) ||
            !Text(reader, entry.Name, Item::Name, true, true, r) ||
            !Text(reader, entry.Address, Item::Address, true, true, r) ||
            !Text(reader, entry.City, Item::City, true, true, r) ||
            !Text(reader, entry.State, Item::Province, true, true, r) ||
            !Enum(reader, entry.CountryCode, Item::Country, true, r) ||
            !Text(reader, entry.ZipPostalCode, Item::PostalCode, true, true, r))
            return r;
    }
    if (!Text(reader, entry.AffiliatedCie, Item::AffiliatedCie, false, true, r) ||
        !Enum(reader, entry.AccountType, Item::AccountType, false, r) ||
        !Enum(reader, entry.HedgeSpec, Item::Risk, false, r) ||
        !Text(reader, entry.Phone, Item::Phone, false, true, r) ||
        !Text(reader, entry.Fax, Item::Fax, false, true, r) ||
        !Text(reader, entry.Email, Item::Email, false, true, r))
        return r;
    return r;
}
