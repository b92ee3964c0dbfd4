#include "store/TInterfaceView.h"

#include "store/AccountImport.h"
#include "store/CommandHistory.h"
#include "store/HistoricalAccountData.h"
#include "store/HistoricalCommandData.h"
#include "store/HistoricalPositionData.h"
#include "store/HistoricalSubmissionData.h"
#include "store/KB_Position.h"
#include "store/KR_Account.h"
#include "store/PositionImport.h"

// The nine views of the client.
#define KORVANE_VIEW(T)                   \
    template class TInterfaceViewBase<T>; \
    template class TInterfaceView<T>;
KORVANE_VIEW(KR_Account)
KORVANE_VIEW(KB_Position)
KORVANE_VIEW(CommandHistory)
KORVANE_VIEW(HistoricalAccountData)
KORVANE_VIEW(HistoricalPositionData)
KORVANE_VIEW(HistoricalSubmissionData)
KORVANE_VIEW(HistoricalCommandData)
KORVANE_VIEW(AccountImport)
KORVANE_VIEW(PositionImport)
#undef KORVANE_VIEW
