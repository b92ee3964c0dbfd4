#include "brae/Brae_AM_NonReportableAccountEntry.h"

Brae_AM_NonReportableAccountEntry::Brae_AM_NonReportableAccountEntry(const Brae_AN_AccountEntry& entry)
    : BraeHeaderIncoming(entry),
      AffiliatedCie(entry.AffiliatedCie),
      AccountNumber(entry.AccountNumber),
      AccountType(entry.AccountType),
      AccountOwnerType(entry.AccountOwnerType),
      OwnerId(entry.OwnerId),
      NormalizedOwnerId(entry.NormalizedOwnerId),
      HedgeSpec(entry.HedgeSpec),
      Name(entry.Name),
      Address(entry.Address),
      City(entry.City),
      State(entry.State),
      ZipPostalCode(entry.ZipPostalCode),
      Phone(entry.Phone),
      Fax(entry.Fax),
      Email(entry.Email),
      CountryCode(entry.CountryCode),
      ApprovedParticipantId(entry.ApprovedParticipantId) {
    SetMsgType(GetMsgType());
}

void Brae_AM_NonReportableAccountEntry::AppendDescription(std::string& description) const {
    description += " - ";
    description += AccountNumber.ToString();
}
