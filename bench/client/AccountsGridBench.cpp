// The accounts window's costs that grow with the data: an idle update pass of its actions with
// 1,000,000 displayed accounts once the answers over the displayed rows are kept (goal: at most
// 1 ms); the open-position test and the counts of deleting 100,000 displayed accounts with
// 1,000,000 stored positions (goal: at most 200 ms); and the account import of 100,000 rows
// validated and queued (goal: at most 1 s).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QMdiArea>
#include <cstdio>
#include <fstream>
#include <memory>
#include <string>

#include "ClientBenchSetup.h"
#include "client/AccountDeletion.h"
#include "client/AccountImporter.h"
#include "client/TAccountsGridForm.h"
#include "grid/TitleManager.h"
#include "session/KVNEventManager.h"
#include "store/KB_Position.h"
#include "store/KR_Account.h"
#include "store/TInterfaceView.h"
#include "toolkit/Action.h"

namespace {

struct SessionSetup {
    explicit SessionSetup(const char* user) : settings(benchsetup::QuietServer()) {
        session = std::make_unique<KVNEventManager>();
        benchsetup::LogIn(*session, *settings.server, user);
    }
    ~SessionSetup() { session.reset(); }

    benchsetup::ServerSettings settings;
    std::unique_ptr<KVNEventManager> session;
};

KR_Account ClientAccount(int i) {
    KR_Account account;
    account.AccountNumber.SetString("GN-" + std::to_string(i));
    account.AccountId.SetString(std::to_string(100000 + i));
    account.FirmUnitMember.SetString("FUM00001");
    return account;
}

void BM_IdleUpdateOfTheActions(benchmark::State& state) {
    const int rows = static_cast<int>(state.range(0));
    SessionSetup setup("jek");
    auto* view = new TInterfaceView<KR_Account>;
    for (int i = 0; i < rows; ++i) {
        const KR_Account account = ClientAccount(i);
        view->UpdateRow(&account);
    }
    QMdiArea area;
    TitleManager titles({"AccountNumber", "AccountId"}, "Titles");
    BaseGridConfig config;
    config.WindowSection = "Accounts";
    auto* window =
        new TAccountsGridForm(&area, ChildType::Accounts, config, &titles, setup.session.get(), view);
    window->Actions().UpdateActions();  // the answers over the displayed rows are taken once
    for (auto _ : state) window->Actions().UpdateActions();
    if (!window->LinkAllDisplayedToMasterAccountAction->Enabled())
        state.SkipWithError("link all not enabled");
    state.counters["displayed"] = double(window->DisplayedRows().size());
    delete window;
}
BENCHMARK(BM_IdleUpdateOfTheActions)
    ->Arg(1000000)
    ->Unit(benchmark::kMicrosecond)
    ->UseRealTime()
    ->Iterations(100);

void BM_DeletionChecksAndCounts(benchmark::State& state) {
    constexpr int kAccounts = 100000;
    constexpr int kPositions = 1000000;
    DataHandler<KR_Account> accountStore;
    RecordMap<KR_Account>& accounts = accountStore.Records;
    std::vector<KR_Account> displayed;
    for (int i = 0; i < kAccounts; ++i) {
        KR_Account account = ClientAccount(i);
        if (i % 100 == 0)
            account.InternalAccountType.Set(EnumBraeKTSInternalAccountType::MasterAccount);
        else
            account.MasterAccountId.SetString(std::to_string(100000 + i / 100 * 100));
        accounts[BaseKey(1, static_cast<uint32_t>(i + 1))] = account;
        displayed.push_back(account);
    }
    DataHandler<KB_Position> positionStore;
    RecordMap<KB_Position>& positions = positionStore.Records;
    KB_Position position;
    position.FirmUnitMember.SetString("FUM00001");
    for (int i = 0; i < kPositions; ++i) {
        // Positions on accounts that are not displayed.
        position.AccountNumber.SetString("OT-" + std::to_string(i % 200000));
        positions[BaseKey(2, static_cast<uint32_t>(i + 1))] = position;
    }
    for (auto _ : state) {
        const AccountDeletion deletion(positions, accounts);
        int masters = 0;
        int linked = 0;
        bool open = false;
        for (const KR_Account& account : displayed) {
            open = open || deletion.HasPosition(account);
            deletion.CountMasterAccounts(account, masters, linked);
        }
        benchmark::DoNotOptimize(open);
        if (masters != 1000 || linked != 99000) state.SkipWithError("wrong counts");
    }
}
BENCHMARK(BM_DeletionChecksAndCounts)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

void BM_AccountImport(benchmark::State& state) {
    constexpr int kRows = 100000;
    SessionSetup setup("part");
    const std::string file = setup.settings.directory + "/accounts.csv";
    {
        std::ofstream out(file);
        out << "AffiliatedCie;AccountNumber;AccountType;AccountOwnerType;OwnerId;HedgeSpec;Name;Address;City;"
               "State;ZipPostalCode;Phone;Fax;Email;CountryCode\n";
        for (int i = 0; i < kRows; ++i)
            out << "Affiliate;IM-" << i << ";Client;CanadianBank;OWN" << i
                << ";Hedger;Name;1 Road;Town;ST;12345;555-0100;;mail@example.com;CA\n";
    }
    const std::string log = setup.settings.directory + "/import.log";
    for (auto _ : state) {
        state.PauseTiming();
        setup.session->MessageQueue.Clear();
        state.ResumeTiming();
        TCommandCSVData<AccountImport> data;
        AccountImporter importer(*setup.session);
        const bool result = importer.Run(file, log, data);
        if (!result || importer.Imported() != kRows) state.SkipWithError("rows not imported");
    }
}
BENCHMARK(BM_AccountImport)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(2);

}  // namespace
