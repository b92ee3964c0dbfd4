#pragma once
// Fills the process-wide technical state table with the seven technical states (and, on request,
// the business state table) for one test, and empties them and resets the current states after.
#include <gtest/gtest.h>

#include <initializer_list>

#include "net/GatewayState.h"

class StateTablesFixture : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* name :
             {"Initializing", "Replay", "Master", "Slave", "StandAlone", "Suspend", "LinkedSlave"}) {
            GetTechnicalStateDefs().push_back(MStateDef(name));
        }
    }
    void TearDown() override {
        GetTechnicalStateDefs().clear();
        GetBusinessStateDefs().clear();
        GetCurrentStateRef() = TECHNICAL_STATE_INITIALIZING;
        GetCurrentBusinessStateRef() = 0;
    }
    static void DefineBusinessStates(std::initializer_list<const char*> names) {
        for (const char* name : names) GetBusinessStateDefs().push_back(MStateDef(name));
    }
};
