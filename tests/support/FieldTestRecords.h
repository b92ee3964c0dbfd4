#pragma once
// Records and formats shared by the field tests.
#include <memory>
#include <string>
#include <vector>

#include "fields/DescribeFields.h"
#include "fields/MChar.h"
#include "fields/MObjectClassFunction.h"
#include "fields/MRPString.h"

// A base level with tags and name lengths.
struct TestHeader {
    SubAccount Group;
    MChar Flag;

    static constexpr auto Fields() {
        using S = TestHeader;
        return MFieldsWithLength(MField("Group", &S::Group, "35"), MField("Flag", &S::Flag));
    }
};

// A derived level without tags or name lengths.
struct TestEntry : TestHeader {
    VintMsgClientId Account;
    MatchNumber Trader;
    VintMsgClientId Master;
    MRPString<24, 32, MValAccept> Name;

    static constexpr auto Fields() {
        using S = TestEntry;
        return MFields<TestHeader>(MField("Account", &S::Account), MField("Trader", &S::Trader),
                                   MField("Master", &S::Master), MField("Name", &S::Name));
    }
};

// A record with a nested record field.
struct TestOuter {
    MChar Mark;
    TestHeader Inner;
    SubAccount Tail;

    static constexpr auto Fields() {
        using S = TestOuter;
        return MFields(MField("Mark", &S::Mark), MField("Inner", &S::Inner), MField("Tail", &S::Tail));
    }
};

// Collects one column descriptor per field, as the column collector of the views does.
class ColumnCollector : public MObjectFormat {
public:
    ColumnCollector() : MObjectFormat(true) {}
    void ProcessField(MObjectFunction& field) override { columns.push_back(field.CreateInterface()); }

    std::vector<std::unique_ptr<MInterface>> columns;
};

// Records every call of a describe pass as text; answers false to NextField for the field named skip.
class RecordingFormat : public MObjectFormat {
public:
    void BeginObject(MObjectClassFunction& names) override {
        levels.push_back({&names, 0});
        events.push_back("begin");
    }
    bool NextField() override {
        Level& top = levels.back();
        current = top.names->GetFieldName(top.next++);
        return current != skip;
    }
    void ProcessField(MObjectFunction& field) override {
        int length = 0;
        bool terminated = true;
        const char* text = field.GetText(&length, &terminated);
        events.push_back(current + "=" + std::string(text, static_cast<std::size_t>(length)));
    }
    void EndObject() override {
        levels.pop_back();
        events.push_back("end");
    }

    std::string skip;
    std::vector<std::string> events;

private:
    struct Level {
        MObjectClassFunction* names;
        int next;
    };
    std::vector<Level> levels;
    std::string current;
};

inline TestEntry MakeEntry(const char* group, const char* account, const char* trader, const char* name) {
    TestEntry entry;
    entry.Group.SetText(group);
    entry.Flag.SetText("F", 1);
    entry.Account.SetText(account);
    entry.Trader.SetText(trader);
    entry.Master.SetText("M1");
    entry.Name.SetText(name);
    return entry;
}
