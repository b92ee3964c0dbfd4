#pragma once
// The modal dialog in which a participant enters a new position (empty, or a copy of a row) or
// changes the quantities of a shown one. It finds the instrument by its external symbol, offers
// the reportable dates, checks the input (the rules live in PositionEntryRules), asks for
// confirmation and sends one position entry; the server's answer changes the store, not the
// dialog.
#include <memory>
#include <set>
#include <string>

#include "brae/Brae_PN_PositionEntry.h"
#include "client/PositionEntryRules.h"
#include "fields/CommandEnumerations.h"
#include "fields/MDateText.h"
#include "store/BaseKey.h"
#include "store/KB_PositionLong.h"
#include "toolkit/ActionList.h"
#include "toolkit/Form.h"

class Action;
class ComboBox;
class DateTimePicker;
class Edit;
class KVNEventManager;
class QGroupBox;
class QLabel;
class QPushButton;

class TPositionScreenForm : public Form {
public:
    TPositionScreenForm(QWidget* owner, KVNEventManager* session);
    ~TPositionScreenForm() override;

    void FormShow();
    void OnExternalSymbolChanged();
    void SelectReportDateOnClick();
    void SymbolsButtonClick();
    // True when every check passed; otherwise mErrorText holds the message and the control named
    // by the check has the focus.
    bool ValidateForm();
    bool ValidateNewPosition();
    void OKActionExecute();

    std::string mErrorText;
    Brae_PN_PositionEntry mEntry;
    KB_PositionLong mPosition;
    BaseKey mPositionKey;
    KVNEventManager* mEventManager;
    std::set<std::string> mExternalSymbols;
    bool mCreateMode = false;
    bool mSent = false;
    ActionType mAction;
    MDateYYYYMMDD mExpirationDate;

    Edit* mpAccountNumberEdit = nullptr;
    QLabel* mpAccountNumberLabel = nullptr;
    Edit* mpExternalSymbolEdit = nullptr;
    QLabel* mpExternalSymbolLabel = nullptr;
    QPushButton* SymbolsButton = nullptr;
    Edit* ReportDateEdit = nullptr;
    QLabel* mpReportDateLabel = nullptr;
    QPushButton* SelectReportDateButton = nullptr;
    Edit* mpClassSymbolEdit = nullptr;
    QLabel* mpClassSymbolLabel = nullptr;
    ComboBox* mpCallPutCodeComboBox = nullptr;
    QLabel* mpCallPutCodeLabel = nullptr;
    Edit* mpStrikePriceEdit = nullptr;
    QLabel* mpStrikePriceLabel = nullptr;
    DateTimePicker* mpExpirationDateDateTimePicker = nullptr;
    QLabel* mpExpirationDateLabel = nullptr;
    Edit* mpShortQuantityEdit = nullptr;
    QLabel* mpShortQuantityLabel = nullptr;
    Edit* mpLongQuantityEdit = nullptr;
    QLabel* mpLongQuantityLabel = nullptr;
    QLabel* mpErrorMessageLabel = nullptr;
    QPushButton* mpOkButton = nullptr;
    QPushButton* mpCancelButton = nullptr;
    Action* OKAction = nullptr;

private:
    void ShowReportDate(const MDateYYYYMMDD& date);
    void ShowExpirationDate(const MDateYYYYMMDD& date);
    void FocusFailure(PositionEntryRules::Focus focus);

    std::unique_ptr<PositionEntryRules> rules_;
    bool mayClose_ = true;
    ActionList actions_;
};
