// The positions window's tools over a session filled in place, offscreen: a day's import
// validated and queued, the screen's instrument lookup per keystroke, and a refresh that brings
// changed positions into a large sorted window.
#include <benchmark/benchmark.h>

#include <QMdiArea>
#include <QMdiSubWindow>
#include <cstdio>
#include <fstream>
#include <memory>

#include "ClientBenchSetup.h"
#include "client/PositionImporter.h"
#include "client/TPositionScreenForm.h"
#include "client/TPositionsGridForm.h"
#include "grid/TitleManager.h"
#include "session/KVNEventManager.h"
#include "store/KB_Position.h"
#include "store/TInterfaceView.h"
#include "toolkit/Edit.h"

namespace {

std::string Numbered(const char* prefix, int number) {
    return prefix + std::to_string(number);
}

// Instrument definitions "SYM<n>" of class "CLS<n / 4>", and accounts "ACC<n>".
void FillReferenceData(KVNEventManager& session, int instruments, int accounts) {
    session.Instruments.resize(static_cast<std::size_t>(instruments));
    for (int i = 0; i < instruments; ++i) {
        BraeGroupInstrumentDefinition& definition = session.Instruments[static_cast<std::size_t>(i)];
        definition.Group.SetText("OP");
        definition.Instrument.SetText(Numbered("I", i).c_str());
        definition.CallPutCode.Set(i % 2 ? EnumBraeInstrumentCallPutCode::Put
                                         : EnumBraeInstrumentCallPutCode::Call);
        definition.StrikePrice.SetText(std::to_string(100 + i % 4).c_str());
        definition.ExpirationDate.SetText("20301220", 8);
        definition.ClassSymbol.SetText(Numbered("CLS", i / 4).c_str());
        definition.ExternalSymbol.SetText(Numbered("SYM", i).c_str());
    }
    for (int i = 0; i < accounts; ++i) {
        KR_Account account;
        account.AccountNumber.SetText(Numbered("ACC", i).c_str());
        account.AccountId.SetText(std::to_string(i + 1).c_str());
        session.Accounts.Store(account, true);
    }
}

// 100,000 rows against 10,000 definitions and 10,000 accounts: half by external symbol, half by
// class symbol, call/put, strike and expiry.
void BM_PositionImport(benchmark::State& state) {
    constexpr int kInstruments = 10000;
    constexpr int kAccounts = 10000;
    constexpr int kRows = 100000;
    char pattern[] = "/tmp/korvane-positions-bench-XXXXXX";
    const std::string directory = ::mkdtemp(pattern);
    const std::string file = directory + "/positions.csv";
    {
        std::ofstream out(file);
        out << "ReportDate;AccountNumber;ExternalSymbol;ClassSymbol;ExpirationDate;CallPutCode;StrikePrice;"
               "LongQuantity;ShortQuantity\n";
        for (int row = 0; row < kRows; ++row) {
            const int i = row % kInstruments;
            out << "20261201;" << Numbered("ACC", row % kAccounts) << ';';
            if (row % 2)
                out << Numbered("SYM", i) << ";;;;;";
            else
                out << ';' << Numbered("CLS", i / 4) << ";20301220;" << (i % 2 ? "P" : "Call") << ';'
                    << 100 + i % 4 << ".00;";
            out << row % 100 + 1 << ";0\n";
        }
    }
    for (auto _ : state) {
        state.PauseTiming();
        auto session = std::make_unique<KVNEventManager>();
        FillReferenceData(*session, kInstruments, kAccounts);
        std::FILE* log = std::fopen((directory + "/import.log").c_str(), "w");
        state.ResumeTiming();
        TCommandCSVData<PositionImport> data;
        PositionImporter::Load(data, file, log);
        PositionImporter importer(*session);
        benchmark::DoNotOptimize(importer.SendRecords(data, log));
        data.WriteImportSummary(log, importer.Sent(), true);
        std::fclose(log);
        state.PauseTiming();
        if (importer.Sent() != kRows) state.SkipWithError("rows refused");
        session.reset();
        state.ResumeTiming();
    }
    std::filesystem::remove_all(directory);
}
BENCHMARK(BM_PositionImport)->Unit(benchmark::kMillisecond)->Iterations(3);

// One keystroke in the external-symbol edit over 100,000 definitions: the text changes and the
// lookup runs, a match every other time.
void BM_ExternalSymbolKeystroke(benchmark::State& state) {
    KVNEventManager session;
    FillReferenceData(session, 100000, 0);
    TPositionScreenForm form(nullptr, &session);
    form.mCreateMode = true;
    form.FormShow();
    const std::string texts[] = {"SYM5000", "SYM50001", "SYM99999", "SYM9999X"};
    std::size_t at = 0;
    for (auto _ : state) {
        form.mpExternalSymbolEdit->SetText(texts[at++ % 4]);
        benchmark::DoNotOptimize(form.mEntry.Instrument);
    }
}
BENCHMARK(BM_ExternalSymbolKeystroke)->Unit(benchmark::kMicrosecond);

// A refresh that brings 1,000 changed positions into a window of 1,000,000 rows sorted by account.
void BM_PositionsRefresh(benchmark::State& state) {
    constexpr int kPositions = 1000000;
    constexpr int kChanges = 1000;
    benchsetup::ServerSettings settings(benchsetup::QuietServer());
    KVNEventManager session;
    for (int i = 0; i < kPositions; ++i) {
        KB_Position position;
        position.Key = BaseKey(i + 1, 20261201);
        position.ReportDate.SetText("20261201", 8);
        position.AccountNumber.SetText(Numbered("ACC", i % 10000).c_str());
        position.LongQuantity.SetValue(i % 1000);
        session.Positions.Store(position, true);
    }
    QMdiArea area;
    area.resize(1280, 800);
    TitleManager titles{{"AccountNumber", "ReportDate", "LongQuantity", "ShortQuantity"}, "Titles"};
    BaseGridConfig config;
    config.SettingsFileName = settings.directory + "/Windows.ini";
    config.WorkingDirectory = settings.directory;
    config.WindowSection = "Positions1";
    config.TitlesSection = "Titles";
    config.WindowTitle = "Positions1";
    auto* window = new TPositionsGridForm(&area, config, &titles, &session, new TInterfaceView<KB_Position>);
    window->SortCriteria = {SortSelectionData("AccountNumber", true)};
    window->View()->SetSortCriteria(window->SortCriteria);
    window->SortActive = true;
    window->Show();
    // The refresh is called directly; the session counts as ready for it.
    session.LoggedIn = true;
    session.RefreshGrids();
    int round = 0;
    for (auto _ : state) {
        state.PauseTiming();
        ++round;
        for (int i = 0; i < kChanges; ++i) {
            KB_Position position =
                *session.Positions.Find(BaseKey(i * (kPositions / kChanges) + 1, 20261201));
            position.LongQuantity.SetValue((round + i) % 1000);
            session.Positions.Store(position, false);
        }
        state.ResumeTiming();
        session.RefreshGrids();
    }
    delete window->SubWindow();
}
BENCHMARK(BM_PositionsRefresh)->Unit(benchmark::kMillisecond);

}  // namespace
