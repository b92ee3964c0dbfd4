#include "client/TPositionScreenForm.h"

#include <QDate>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLocale>
#include <QPushButton>

#include "client/PositionCommands.h"
#include "fields/WindowTools.h"
#include "grid/ControlTools.h"
#include "grid/FieldBinding.h"
#include "grid/TBoldDateInputForm.h"
#include "grid/TFilteredListForm.h"
#include "session/KVNEventManager.h"
#include "toolkit/Action.h"
#include "toolkit/ComboBox.h"
#include "toolkit/DateTimePicker.h"
#include "toolkit/Edit.h"
#include "toolkit/QtText.h"
#include "toolkit/UiHost.h"

namespace {

constexpr const char* kCreateCaption = "Create a position";

FormDateTime ToFormDate(const std::string& yyyymmdd) {
    if (yyyymmdd.size() < 8) return {};
    return FormDateTime::Date(std::atoi(yyyymmdd.substr(0, 4).c_str()),
                              std::atoi(yyyymmdd.substr(4, 2).c_str()),
                              std::atoi(yyyymmdd.substr(6, 2).c_str()));
}

std::string ToDateText(const FormDateTime& date) {
    char text[16];
    std::snprintf(text, sizeof text, "%04d%02d%02d", date.year % 10000, date.month % 100, date.day % 100);
    return text;
}

bool IsBlankDate(const MDateYYYYMMDD& date) {
    return date.ToString().find_first_not_of(' ') == std::string::npos;
}

QLabel* MakeLabel(QWidget* parent, const char* text, const char* name, QWidget* buddy) {
    auto* label = new QLabel(QString::fromUtf8(text), parent);
    label->setObjectName(name);
    if (buddy) label->setBuddy(buddy);
    return label;
}

}  // namespace

TPositionScreenForm::TPositionScreenForm(QWidget* owner, KVNEventManager* session)
    : Form(owner), mEventManager(session) {
    setObjectName("PositionScreenForm");
    setWindowTitle(QString::fromUtf8(kCreateCaption));
    SetCentreOnOwner(true);
    mAction.Set(EnumActionType::Add);

    mpAccountNumberEdit = new Edit(this, "mpAccountNumberEdit");
    mpAccountNumberLabel = MakeLabel(this, "&Account Number", "mpAccountNumberLabel", mpAccountNumberEdit);
    auto* mandatory = new QLabel(QStringLiteral(" * "), this);
    mandatory->setStyleSheet(QStringLiteral("color: red"));
    mpExternalSymbolEdit = new Edit(this, "mpExternalSymbolEdit");
    mpExternalSymbolLabel =
        MakeLabel(this, "&External Symbol", "mpExternalSymbolLabel", mpExternalSymbolEdit);
    SymbolsButton = new QPushButton(QStringLiteral("..."), this);
    SymbolsButton->setObjectName("SymbolsButton");
    ReportDateEdit = new Edit(this, "ReportDateEdit");
    ReportDateEdit->setReadOnly(true);
    ReportDateEdit->SetText("__/__/__");
    mpReportDateLabel = MakeLabel(this, "Report Date", "mpReportDateLabel", ReportDateEdit);
    SelectReportDateButton = new QPushButton(QStringLiteral("..."), this);
    SelectReportDateButton->setObjectName("SelectReportDateButton");
    mpClassSymbolEdit = new Edit(this, "mpClassSymbolEdit");
    mpClassSymbolLabel = MakeLabel(this, "Class Symbol", "mpClassSymbolLabel", mpClassSymbolEdit);
    mpCallPutCodeComboBox = new ComboBox(this, "mpCallPutCodeComboBox", ComboBox::Style::DropDownList, true);
    mpCallPutCodeLabel = MakeLabel(this, "Call Put Code", "mpCallPutCodeLabel", mpCallPutCodeComboBox);
    mpStrikePriceEdit = new Edit(this, "mpStrikePriceEdit");
    mpStrikePriceLabel = MakeLabel(this, "Strike Price", "mpStrikePriceLabel", mpStrikePriceEdit);
    mpExpirationDateDateTimePicker = new DateTimePicker(this, "mpExpirationDateDateTimePicker");
    mpExpirationDateDateTimePicker->setDisplayFormat(QLocale().dateFormat(QLocale::LongFormat));
    mpExpirationDateLabel =
        MakeLabel(this, "Expiration Date", "mpExpirationDateLabel", mpExpirationDateDateTimePicker);
    auto* quantities = new QGroupBox(QStringLiteral("Quantities"), this);
    mpShortQuantityEdit = new Edit(quantities, "mpShortQuantityEdit");
    mpShortQuantityLabel = MakeLabel(quantities, "&Short", "mpShortQuantityLabel", mpShortQuantityEdit);
    mpLongQuantityEdit = new Edit(quantities, "mpLongQuantityEdit");
    mpLongQuantityLabel = MakeLabel(quantities, "&Long", "mpLongQuantityLabel", mpLongQuantityEdit);
    mpErrorMessageLabel = new QLabel(this);
    mpErrorMessageLabel->setObjectName("mpErrorMessageLabel");
    mpErrorMessageLabel->setStyleSheet(QStringLiteral("color: red; font-weight: bold"));
    mpOkButton = new QPushButton(QStringLiteral("O&K"), this);
    mpOkButton->setObjectName("mpOkButton");
    mpCancelButton = new QPushButton(QStringLiteral("&Cancel"), this);
    mpCancelButton->setObjectName("mpCancelButton");

    OKAction = new Action(this, "O&K");
    OKAction->setObjectName("OKAction");
    actions_.Add(OKAction);
    OKAction->onExecute = [this](Action&) { OKActionExecute(); };
    auto* cancelAction = new Action(this, "&Cancel");
    cancelAction->onExecute = [this](Action&) { mayClose_ = true; };
    BindButton(mpOkButton, mrOk, OKAction);
    BindButton(mpCancelButton, mrCancel, cancelAction);
    SetCancelButton(mpCancelButton);
    connect(SymbolsButton, &QPushButton::clicked, this, [this] { SymbolsButtonClick(); });
    connect(SelectReportDateButton, &QPushButton::clicked, this, [this] { SelectReportDateOnClick(); });
    mpExternalSymbolEdit->onChange = [this] { OnExternalSymbolChanged(); };

    auto* quantityLayout = new QGridLayout(quantities);
    quantityLayout->addWidget(mpShortQuantityLabel, 0, 0);
    quantityLayout->addWidget(mpShortQuantityEdit, 0, 1);
    quantityLayout->addWidget(mpLongQuantityLabel, 1, 0);
    quantityLayout->addWidget(mpLongQuantityEdit, 1, 1);
    auto* layout = new QGridLayout(this);
    int row = 0;
    layout->addWidget(mpAccountNumberLabel, row, 0);
    layout->addWidget(mpAccountNumberEdit, row, 1);
    layout->addWidget(mandatory, row++, 2);
    layout->addWidget(mpExternalSymbolLabel, row, 0);
    layout->addWidget(mpExternalSymbolEdit, row, 1);
    layout->addWidget(SymbolsButton, row++, 2);
    layout->addWidget(mpReportDateLabel, row, 0);
    layout->addWidget(ReportDateEdit, row, 1);
    layout->addWidget(SelectReportDateButton, row++, 2);
    layout->addWidget(mpClassSymbolLabel, row, 0);
    layout->addWidget(mpClassSymbolEdit, row++, 1);
    layout->addWidget(mpCallPutCodeLabel, row, 0);
    layout->addWidget(mpCallPutCodeComboBox, row++, 1);
    layout->addWidget(mpStrikePriceLabel, row, 0);
    layout->addWidget(mpStrikePriceEdit, row++, 1);
    layout->addWidget(mpExpirationDateLabel, row, 0);
    layout->addWidget(mpExpirationDateDateTimePicker, row++, 1);
    layout->addWidget(quantities, row++, 0, 1, 3);
    layout->addWidget(mpErrorMessageLabel, row++, 0, 1, 3);
    layout->addWidget(mpOkButton, row, 1, Qt::AlignRight);
    layout->addWidget(mpCancelButton, row, 2);

    onShow = [this] { FormShow(); };
    // A refused OK is refused once.
    onCloseQuery = [this] {
        const bool answer = mayClose_;
        mayClose_ = true;
        return answer;
    };
}

TPositionScreenForm::~TPositionScreenForm() = default;

void TPositionScreenForm::FormShow() {
    rules_ = std::make_unique<PositionEntryRules>(*mEventManager);
    // The row's entry; OK reads the quantities from their edits again.
    mEntry = PositionCommands::MakeEntry(mPosition);
    mExpirationDate = mPosition.ExpirationDate;

    ShowValueInEdit(mPosition.AccountNumber, mpAccountNumberEdit);
    ShowValueInEdit(mPosition.ExternalSymbol, mpExternalSymbolEdit);
    ShowValueInEdit(mPosition.ClassSymbol, mpClassSymbolEdit);
    ShowValueInEdit(mPosition.LongQuantity, mpLongQuantityEdit);
    ShowValueInEdit(mPosition.ShortQuantity, mpShortQuantityEdit);
    mpStrikePriceEdit->SetText(mPosition.StrikePrice.ToString());
    mpStrikePriceEdit->SetMaxLength(32);
    mpCallPutCodeComboBox->Clear();
    ShowEnumInComboBox(mPosition.CallPutCode, mpCallPutCodeComboBox, mpCallPutCodeLabel, false);
    // The instrument's fields are shown, not typed.
    ShowControlWithLabel(mpClassSymbolEdit, mpClassSymbolLabel, true);
    ShowControlWithLabel(mpCallPutCodeComboBox, mpCallPutCodeLabel, true);
    ShowControlWithLabel(mpStrikePriceEdit, mpStrikePriceLabel, true);
    ShowControlWithLabel(mpExpirationDateDateTimePicker, mpExpirationDateLabel, true);

    if (mCreateMode) {
        mExternalSymbols = rules_->ExternalSymbols();
        if (IsBlankDate(mPosition.ReportDate)) {
            SetDatePickerFromPoint(mpExpirationDateDateTimePicker, GetEarliestDate(), GetLatestDate(),
                                   CurrentDateTimePoint());
        } else {
            ShowReportDate(mPosition.ReportDate);
            ShowExpirationDate(mPosition.ExpirationDate);
        }
        return;
    }
    ShowReportDate(mPosition.ReportDate);
    for (QWidget* control : std::initializer_list<QWidget*>{mpAccountNumberEdit, mpExternalSymbolEdit,
                                                            ReportDateEdit, SelectReportDateButton})
        control->setEnabled(false);
    SymbolsButton->setEnabled(false);
    SymbolsButton->setVisible(false);
    mpExternalSymbolEdit->setMinimumWidth(mpExternalSymbolEdit->width() + SymbolsButton->width());
    setWindowTitle(QStringLiteral("Modify a position"));
    ShowExpirationDate(mPosition.ExpirationDate);
    mAction.Set(EnumActionType::Update);
}

void TPositionScreenForm::ShowReportDate(const MDateYYYYMMDD& date) {
    const QDate shown = ToQDate(ToFormDate(date.ToString()));
    ReportDateEdit->SetText(FromQt(QLocale().toString(shown, QLocale::LongFormat)));
}

void TPositionScreenForm::ShowExpirationDate(const MDateYYYYMMDD& date) {
    SetDatePickerRange(mpExpirationDateDateTimePicker, GetEarliestDate(), GetLatestDate(),
                       ToFormDate(date.ToString()));
}

void TPositionScreenForm::OnExternalSymbolChanged() {
    if (!rules_) return;
    BraeExternalSymbol symbol;
    std::string error;
    if (!ReadValueFromEdit(symbol, mpExternalSymbolEdit, mpExternalSymbolLabel, error, false, false)) return;
    // In modify mode the entry keeps the row's own instrument, found or not: the symbol may be
    // shared, blank or unknown.
    if (mCreateMode) {
        mEntry.Group.Clear();
        mEntry.Instrument.Clear();
    } else {
        mEntry.Group = mPosition.Group;
        mEntry.Instrument = mPosition.Instrument;
    }
    mExpirationDate.Clear();
    const BraeGroupInstrumentDefinition* found = rules_->FindBySymbol(symbol.ToString());
    if (!found) return;
    if (mCreateMode) {
        mEntry.Group = found->Group;
        mEntry.Instrument = found->Instrument;
    }
    mpStrikePriceEdit->SetText(found->StrikePrice.ToString());
    mpClassSymbolEdit->SetText(found->ClassSymbol.ToString());
    mExpirationDate = found->ExpirationDate;
    ShowExpirationDate(found->ExpirationDate);
    SelectComboBoxItem(mpCallPutCodeComboBox, found->CallPutCode.ToString());
}

void TPositionScreenForm::SelectReportDateOnClick() {
    std::string first;
    std::string last;
    if (!PositionEntryRules::ReportDateRange(mEventManager->ReportableDates, first, last)) return;
    TBoldDateInputForm chooser(this, "Report Date", "Select a valid report date");
    chooser.SetDateRange(ToFormDate(first), ToFormDate(last));
    for (const MDateYYYYMMDD& date : mEventManager->ReportableDates)
        chooser.AddBoldDate(ToFormDate(date.ToString()));
    if (chooser.ShowModal() != mrOk) return;
    mEntry.ReportDate.SetText(ToDateText(chooser.GetDate()).c_str());
    ShowReportDate(mEntry.ReportDate);
}

void TPositionScreenForm::SymbolsButtonClick() {
    TFilteredListForm list(this);
    std::string chosen = mpExternalSymbolEdit->Text();
    // The symbols the session holds now, not those of the screen's opening.
    if (rules_) mExternalSymbols = rules_->ExternalSymbols();
    list.Prepare("External Symbol", &chosen, mExternalSymbols);
    if (list.ShowModal() != mrOk) return;
    mpExternalSymbolEdit->SetText(chosen);
}

void TPositionScreenForm::FocusFailure(PositionEntryRules::Focus focus) {
    using Focus = PositionEntryRules::Focus;
    switch (focus) {
        case Focus::AccountNumber:
            FocusIfReachable(mpAccountNumberEdit);
            break;
        case Focus::LongQuantity:
            FocusIfReachable(mpLongQuantityEdit);
            break;
        case Focus::ShortQuantity:
            FocusIfReachable(mpShortQuantityEdit);
            break;
        case Focus::ReportDateButton:
            FocusIfReachable(SelectReportDateButton);
            break;
        case Focus::None:
            break;
    }
}

bool TPositionScreenForm::ValidateNewPosition() {
    if (!ReadValueFromEdit(mEntry.AccountNumber, mpAccountNumberEdit, mpAccountNumberLabel, mErrorText, true,
                           false))
        return false;
    const PositionEntryRules::Failure failure =
        rules_->ValidateNewPosition(mEntry, mExpirationDate.ToString());
    mErrorText = failure.message;
    FocusFailure(failure.focus);
    return !failure;
}

bool TPositionScreenForm::ValidateForm() {
    mErrorText.clear();
    if (mCreateMode && !ValidateNewPosition()) return false;
    if (!ReadValueFromEdit(mEntry.LongQuantity, mpLongQuantityEdit, mpLongQuantityLabel, mErrorText, false,
                           false))
        return false;
    if (!ReadValueFromEdit(mEntry.ShortQuantity, mpShortQuantityEdit, mpShortQuantityLabel, mErrorText, false,
                           false))
        return false;
    const PositionEntryRules::Failure failure = PositionEntryRules::ValidateQuantitiesAndDate(mEntry);
    mErrorText = failure.message;
    FocusFailure(failure.focus);
    return !failure;
}

void TPositionScreenForm::OKActionExecute() {
    mpErrorMessageLabel->clear();
    mayClose_ = false;
    if (!ValidateForm()) {
        mpErrorMessageLabel->setText(ToQt(mErrorText));
        return;
    }
    const std::string caption = FromQt(windowTitle());
    if (Ui().MessageBox(this,
                        "You are about to : " + caption + "\n\nPress OK button to proceed with this action ",
                        caption, BoxIcon::Information, BoxButtons::OkCancel) != mrOk)
        return;
    mEventManager->SendCommand(mEntry, PositionCommands::EntryDescription(mAction.ToEnum(), caption));
    mSent = true;
    mayClose_ = true;
}
