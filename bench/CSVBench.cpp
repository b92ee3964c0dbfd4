// Delimited text of a 20-field record: one line written per iteration (MCSVWriter, as the views'
// dump files do) and one line read back into a record (MCSVReader, as the imports do). Items are rows.
#include <benchmark/benchmark.h>

#include <string>

#include "brae/BraeFieldTypes.h"
#include "fields/DescribeFields.h"
#include "fields/MCSVReader.h"
#include "fields/MCSVWriter.h"
#include "fields/MChar.h"
#include "fields/MRPString.h"

namespace {

struct Wide {
    SubAccount F01;
    MatchNumber F02;
    VintMsgClientId F03;
    BraeFirmUnitName F04;
    MChar F05;
    GroupBase F06;
    BraeConnectionID F07;
    LegOpenCloseDefinitionBase F08;
    MonitorBusinessState F09;
    BraeUserName F10;
    BraeExternalSymbol F11;
    MChar F12;
    SubAccount F13;
    MatchNumber F14;
    VintMsgClientId F15;
    BraeInformation F16;
    GroupBase F17;
    MChar F18;
    MonitorHost F19;
    BraeFirmUnitName F20;

    static constexpr auto Fields() {
        using S = Wide;
        return MFields(
            MField("F01", &S::F01), MField("F02", &S::F02), MField("F03", &S::F03), MField("F04", &S::F04),
            MField("F05", &S::F05), MField("F06", &S::F06), MField("F07", &S::F07), MField("F08", &S::F08),
            MField("F09", &S::F09), MField("F10", &S::F10), MField("F11", &S::F11), MField("F12", &S::F12),
            MField("F13", &S::F13), MField("F14", &S::F14), MField("F15", &S::F15), MField("F16", &S::F16),
            MField("F17", &S::F17), MField("F18", &S::F18), MField("F19", &S::F19), MField("F20", &S::F20));
    }
};

Wide MakeWide() {
    Wide w;
    w.F01.SetText("0001");
    w.F02.SetText("TRADER01");
    w.F03.SetText("CLIENT-ACCOUNT");
    w.F04.SetText("Member Firm Unit");
    w.F05.SetText("Y", 1);
    w.F06.SetText("G1");
    w.F07.SetText("CONN0000017");
    w.F08.SetText("OPEN");
    w.F09.SetText("ACTIVE");
    w.F10.SetText("Jane Example");
    w.F11.SetText("EXT-SYMBOL-4711");
    w.F12.SetText("N", 1);
    w.F13.SetText("SUB1");
    w.F14.SetText("M0000042");
    w.F15.SetText("MASTER-ACCOUNT");
    w.F16.SetText("free text that describes the account");
    w.F17.SetText("AB");
    w.F18.SetText("C", 1);
    w.F19.SetText("host.example.net");
    w.F20.SetText("Second Unit");
    return w;
}

void BM_CSVWrite(benchmark::State& state) {
    Wide record = MakeWide();
    std::string line;
    line.reserve(512);
    MCSVWriter writer(&line, ";");
    for (auto _ : state) {
        writer.ClearOutput();
        DescribeFields(record, writer);
        benchmark::DoNotOptimize(line.data());
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_CSVWrite);

void BM_CSVRead(benchmark::State& state) {
    Wide source = MakeWide();
    std::string line;
    MCSVWriter writer(&line, ";");
    DescribeFields(source, writer);
    line += "\r\n";
    Wide record;
    MCSVReader reader(';');
    for (auto _ : state) {
        reader.SetInput(line.data(), static_cast<int>(line.size()));
        DescribeFields(record, reader);
        benchmark::DoNotOptimize(&record);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_CSVRead);

}  // namespace
