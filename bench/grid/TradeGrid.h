#pragma once
// What the grid benchmarks over generated trades share: the trade record (Id, Account, Quantity),
// a view of generated trades, their titles and one shown MDI area for the windows.
#include <QMdiArea>
#include <random>
#include <string>

#include "fields/DescribeFields.h"
#include "fields/MIntX.h"
#include "fields/MRPString.h"
#include "fields/MTitleFormat.h"
#include "grid/TitleManager.h"
#include "store/TInterfaceView.h"

struct Trade {
    MLong Id;
    MRPString<12, 32, MValAccept> Account;
    MLong Quantity;

    BaseKey GetKey() const { return BaseKey(0, Id.GetValue()); }
    static const char* GetDisplayName() { return "Trades"; }
    static constexpr auto Fields() {
        return MFields(MField("Id", &Trade::Id), MField("Account", &Trade::Account),
                       MField("Quantity", &Trade::Quantity));
    }
    static void DescribeClass(MStaticFormat& format) { DescribeFieldTypes<Trade>(format); }
    void FormatObject(MObjectFormat& format) { DescribeFields(*this, format); }
};

using TradeView = TInterfaceView<Trade>;

// Trades 1 to rows, of 5,000 accounts and quantities below 1,000, the same in every run.
inline TradeView* MakeTradeView(int rows) {
    auto* view = new TradeView;
    std::mt19937 random(5);
    for (int id = 1; id <= rows; ++id) {
        Trade t;
        t.Id.SetValue(id);
        t.Account.SetText(("ACC" + std::to_string(random() % 5000)).c_str());
        t.Quantity.SetValue(static_cast<int32_t>(random() % 1000));
        view->UpdateRow(&t);
    }
    return view;
}

inline TitleManager& TradeTitles() {
    static TitleManager titles = [] {
        MTitleFormat format;
        Trade::DescribeClass(format);
        return TitleManager(format.GetTitles(), "TradeTitles");
    }();
    return titles;
}

inline QMdiArea& TradeArea() {
    static QMdiArea* area = [] {
        auto* a = new QMdiArea;
        a->resize(1280, 800);
        a->show();
        return a;
    }();
    return *area;
}
