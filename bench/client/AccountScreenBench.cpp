// The account profile screen over a real session, offscreen: OK's validation with 100,000 stored
// accounts (goal: at most 20 ms), and showing the dialog with 10,000 participant definitions, both
// participant lists filled (goal: at most 50 ms).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

#include "ClientBenchSetup.h"
#include "client/TAccountScreenForm.h"
#include "session/KVNEventManager.h"
#include "toolkit/ComboBox.h"

namespace {

using Mode = EnumBraeKTSAccountEntryAction;

struct SessionSetup {
    SessionSetup(std::size_t accounts, const char* user) : settings(Options(accounts)) {
        session = std::make_unique<KVNEventManager>();
        benchsetup::LogIn(*session, *settings.server, user);
    }
    ~SessionSetup() { session.reset(); }
    static testserver::TestServer::Options Options(std::size_t accounts) {
        testserver::TestServer::Options options = benchsetup::QuietServer();
        options.generatedAccounts = accounts;
        return options;
    }

    benchsetup::ServerSettings settings;
    std::unique_ptr<KVNEventManager> session;
};

AccountDisplayData FilledAccount() {
    AccountDisplayData account;
    account.AccountNumber.SetString("NEW-1");
    account.OwnerId.SetString("NEW-OWNER");
    account.Name.SetString("New Client");
    account.Address.SetString("2 Harbour Road");
    account.City.SetString("Halifax");
    account.State.SetString("NS");
    account.ZipPostalCode.SetString("B3H 1A1");
    // The last field read fails, so every check runs and no confirmation is asked.
    account.Email.SetString("a=b");
    return account;
}

// One OK: every field read and the duplicate scan over the stored accounts (arg 0: a client
// account's number, arg 1: a master account's owner id).
void BM_ReadFieldsOverStoredAccounts(benchmark::State& state) {
    constexpr std::size_t kAccounts = 100000;
    SessionSetup setup(kAccounts, "part");
    if (setup.session->Accounts.Records.size() < kAccounts) {
        state.SkipWithError("the accounts did not load");
        return;
    }
    const Mode mode = state.range(0) ? Mode::CreateNewMasterAccount : Mode::CreateNewAccount;
    TAccountScreenForm form(nullptr, *setup.session, FilledAccount(), mode);
    form.show();
    QApplication::processEvents();
    auto* ok = form.Control<QPushButton>("mpOkButton");
    for (auto _ : state) ok->click();
    if (form.GetErrorText() != "a=b Contains a special character that can't be processed")
        state.SkipWithError(form.GetErrorText().c_str());
    state.counters["accounts"] = double(setup.session->Accounts.Records.size());
}
BENCHMARK(BM_ReadFieldsOverStoredAccounts)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();

BraeParticipantDefinition Participant(const std::string& name, const std::string& id) {
    std::string bytes = name;
    bytes.resize(25, ' ');
    bytes += id + "FUM00001P" + "FIRMNAME";
    BraeParticipantDefinition participant;
    std::memcpy(static_cast<void*>(&participant), bytes.data(), sizeof participant);
    return participant;
}

// Creating and showing the dialog, both participant lists filled, then freeing it.
void BM_ShowWithParticipants(benchmark::State& state) {
    constexpr int kParticipants = 10000;
    SessionSetup setup(0, "jek");
    std::vector<BraeParticipantDefinition>& participants = setup.session->Participants;
    participants.clear();
    // Names in no particular order, mixed case.
    uint32_t seed = 12345;
    for (int i = 0; i < kParticipants; ++i) {
        seed = seed * 1664525u + 1013904223u;
        std::string name = (seed >> 16) & 1 ? "Firm " : "firm ";
        name += std::to_string(seed % 1000000) + "-" + std::to_string(i);
        char id[5];
        std::snprintf(id, sizeof id, "%04d", i % 10000);
        participants.push_back(Participant(name, id));
    }
    AccountDisplayData account = FilledAccount();
    account.ApprovedParticipantId.SetString("0042");
    int listed = 0;
    for (auto _ : state) {
        TAccountScreenForm form(nullptr, *setup.session, account, Mode::CreateNewAccount);
        form.show();
        listed = form.Control<ComboBox>("mNonReportableParticipantIdComboBox")->Count();
    }
    if (listed != kParticipants) state.SkipWithError("not every participant was listed");
    state.counters["participants"] = listed;
}
BENCHMARK(BM_ShowWithParticipants)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
