// Saving and loading a workspace of 20 positions windows, each with long sort, filter,
// hidden-column and column-option lists (chunked keys), through the main window offscreen (goal:
// at most 200 ms each). Beside them their floors: the same file written or read through the
// settings-file object alone, and the 20 windows opened without a configuration.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "ClientBenchSetup.h"
#include "client/KVNWorkspaceManager.h"
#include "client/TMainForm.h"
#include "core/BaseIniFile.h"

namespace {

constexpr int kWindows = 20;
constexpr int kFilteredColumns = 10;
constexpr int kValuesPerFilter = 5;

// The workspace file: every column sorted, every other one hidden, every column's position and
// width, and ten columns filtered on a list of five values.
std::string WorkspaceText(const std::vector<std::string>& columns) {
    std::string sort, hidden, options, conditions, values;
    for (std::size_t i = 0; i < columns.size(); ++i) {
        sort += columns[i] + (i % 2 ? "(0);" : "(1);");
        if (i % 2) hidden += columns[i] + ";";
        options +=
            columns[i] + "(" + std::to_string(columns.size() - i) + "," + std::to_string(40 + i) + ");";
    }
    for (int c = 0; c < kFilteredColumns && c < int(columns.size()); ++c) {
        conditions += columns[c] + "(2);";
        for (int v = 0; v < kValuesPerFilter; ++v)
            values += columns[c] + "(value " + std::to_string(v) + ");";
    }
    std::string text = "[Application]\nName=Korvane.exe\n\n[DataWindow]\n";
    for (int w = 0; w < kWindows; ++w) text += std::to_string(w) + "=1\n";
    for (int w = 0; w < kWindows; ++w) {
        text += "\n[" + std::to_string(w) + "]\nSort=" + sort + "\nHiddenColumns=" + hidden +
                "\nColumnOptions=" + options + "\nFilterCondition=" + conditions + "\nFilter=" + values +
                "\nWindowTitle=Positions of desk " + std::to_string(w) + "\n";
    }
    return text;
}

// The main window with the workspace's 20 windows open, loaded from a file whose lists the
// window's own save then spreads over chunked keys.
struct OpenWorkspace {
    OpenWorkspace() : settings(benchsetup::QuietServer()) {
        form.ProcessTimer().SetEnabled(false);
        form.ProcessMessagesTimer().SetEnabled(false);
        form.Workspace().Supervisor = true;
        form.Workspace().StartSession();
        source = settings.directory + "/source.wrk";
        target = settings.directory + "/daily.wrk";
        std::ofstream(source) << WorkspaceText(
            KVNWorkspaceManager::Columns(ChildType::Positions, false, true));
        form.Workspace().LoadWorkspace(source);
        form.Workspace().SaveTo(target);
    }
    ~OpenWorkspace() { form.FormClose(); }

    benchsetup::ServerSettings settings;
    TMainForm form;
    std::string source;
    std::string target;
};

void BM_WorkspaceSave(benchmark::State& state) {
    OpenWorkspace open;
    for (auto _ : state) benchmark::DoNotOptimize(open.form.Workspace().SaveTo(open.target));
    state.counters["bytes"] = double(std::filesystem::file_size(open.target));
}
BENCHMARK(BM_WorkspaceSave)->Unit(benchmark::kMillisecond)->UseRealTime();

// The floor of the save: the saved file's keys written into a fresh file through the settings
// object, flushed and renamed over the target.
void BM_WorkspaceSaveFloor(benchmark::State& state) {
    OpenWorkspace open;
    std::vector<std::pair<std::string, std::vector<std::string>>> sections;
    {
        const BaseIniFile saved(open.target);
        for (const std::string& name : {std::string("Application"), std::string("DataWindow")}) {
            sections.emplace_back(name, std::vector<std::string>{});
            saved.ReadSectionValues(name, sections.back().second);
        }
        for (int w = 0; w < kWindows; ++w) {
            sections.emplace_back(std::to_string(w), std::vector<std::string>{});
            saved.ReadSectionValues(sections.back().first, sections.back().second);
        }
    }
    const std::string temporary = open.target + ".floor";
    for (auto _ : state) {
        {
            BaseIniFile file(temporary);
            for (const auto& [section, lines] : sections)
                for (const std::string& line : lines) {
                    const std::size_t equals = line.find('=');
                    file.WriteString(section, line.substr(0, equals), line.substr(equals + 1));
                }
            benchmark::DoNotOptimize(file.Flush());
        }
        std::rename(temporary.c_str(), open.target.c_str());
    }
}
BENCHMARK(BM_WorkspaceSaveFloor)->Unit(benchmark::kMillisecond)->UseRealTime();

// Closing the workspace (untimed) and loading it again: its 20 windows built and configured.
void BM_WorkspaceLoad(benchmark::State& state) {
    OpenWorkspace open;
    KVNWorkspaceManager& workspace = open.form.Workspace();
    workspace.LoadWorkspace(open.target);
    for (auto _ : state) {
        state.PauseTiming();
        workspace.CloseWorkspace();
        // The closed windows go as they would on the way back to the event loop.
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QApplication::processEvents();
        state.ResumeTiming();
        workspace.LoadWorkspace(open.target);
    }
    state.counters["windows"] = double(open.form.MdiArea()->subWindowList().size());
}
BENCHMARK(BM_WorkspaceLoad)->Unit(benchmark::kMillisecond)->UseRealTime();

// The windows' share of the load: the same 20 windows opened without a configuration file.
void BM_WorkspaceLoadWindowsFloor(benchmark::State& state) {
    OpenWorkspace open;
    for (auto _ : state) {
        state.PauseTiming();
        for (QMdiSubWindow* child : open.form.MdiArea()->subWindowList()) child->close();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QApplication::processEvents();
        state.ResumeTiming();
        for (int w = 0; w < kWindows; ++w)
            open.form.OpenDataWindow("", std::to_string(w), false, ChildType::Positions);
    }
}
BENCHMARK(BM_WorkspaceLoadWindowsFloor)->Unit(benchmark::kMillisecond)->UseRealTime();

// The floor of the file reading in the load: the file read once and every section's lines taken.
void BM_WorkspaceLoadFloor(benchmark::State& state) {
    OpenWorkspace open;
    for (auto _ : state) {
        const BaseIniFile file(open.target);
        std::vector<std::string> lines;
        for (int w = 0; w < kWindows; ++w) file.ReadSectionValues(std::to_string(w), lines);
        benchmark::DoNotOptimize(lines.data());
    }
}
BENCHMARK(BM_WorkspaceLoadFloor)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
