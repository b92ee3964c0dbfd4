#pragma once
// Linking accounts to master accounts and unlinking them: the confirmation texts, the AL
// messages of at most 100 account ids each (one send per full batch and one for the rest), and
// the grouping of linked accounts by their master account id for an unlink of many. Plain
// values, no Qt.
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "brae/Brae_AL_BulkLinkAccount.h"
#include "fields/MRPString.h"
#include "session/CommandDescription.h"

class AccountLinking {
public:
    using Id = MRPString<16, 32, MValAccept>;
    using Send = std::function<void(Brae_AL_BulkLinkAccount& message, const CommandDescription& description)>;
    // Account ids by the 16 characters of their master account id, in byte order.
    using Groups = std::map<std::string, std::vector<Id>>;

    // The text of linking all displayed accounts.
    static std::string LinkAllDisplayedText(int toLink, int mastersSkipped, int linkedSkipped);
    // The chooser's question: at most ten ids, then " and more ..." when more follow.
    static std::string LinkWithMasterText(const std::vector<Id>& ids, const Id& masterId);
    static std::string UnlinkSelectedText();
    static std::string UnlinkAllDisplayedText(int count, int groups);

    // Sends the ids in order under the message's master id and link action, at most 100 per AL;
    // nothing without ids. The message is emptied first.
    static void SendBatches(Brae_AL_BulkLinkAccount& message, const std::vector<Id>& ids, const Send& send);
    // One group after another, in the map's order, with link action 'D'.
    static void SendUnlinks(const Groups& groups, const Send& send);
    // Action Update, item Account, the link action's name; the session appends the master id.
    static CommandDescription Describe(const Brae_AL_BulkLinkAccount& message);
};
