#pragma once
// A small record for view tests: key (0, Id), a text and two numbers, whose field texts are
// plain (numbers as decimals, the text without its padding).
#include <string>

#include "fields/DescribeFields.h"
#include "fields/MIntX.h"
#include "fields/MRPString.h"
#include "store/BaseKey.h"

struct Trade {
    MLong Id;
    MRPString<8, 32, MValAccept> Name;
    MLong Amount;
    MLong Price;

    Trade() = default;
    Trade(int id, const char* name, int amount, int price = 0) {
        Id.SetValue(id);
        Name.SetText(name);
        Amount.SetValue(amount);
        Price.SetValue(price);
    }

    BaseKey GetKey() const { return BaseKey(0, Id.GetValue()); }
    static const char* GetDisplayName() { return "Trades"; }
    static constexpr auto Fields() {
        return MFields(MField("Id", &Trade::Id), MField("Name", &Trade::Name),
                       MField("Amount", &Trade::Amount), MField("Price", &Trade::Price));
    }
    static void DescribeClass(MStaticFormat& format) { DescribeFieldTypes<Trade>(format); }
    void FormatObject(MObjectFormat& format) { DescribeFields(*this, format); }
};

// Columns of Trade.
enum TradeColumn { kId = 0, kName = 1, kAmount = 2, kPrice = 3 };
