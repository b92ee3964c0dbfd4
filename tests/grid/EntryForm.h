#pragma once
// A small data-entry form like the screens': a tab widget whose second page holds a labelled edit,
// a drop-down-list combo box, a drop-down combo box and an account-number edit; the first page is
// current, so the second is hidden until a control on it is revealed.
#include <QLabel>
#include <QTabWidget>
#include <QVBoxLayout>

#include "toolkit/ComboBox.h"
#include "toolkit/Edit.h"
#include "toolkit/Form.h"

class EntryForm : public Form {
public:
    EntryForm() {
        tabs = new QTabWidget(this);
        tabs->setObjectName("PageControl");
        first = new QWidget;
        firstEdit = new Edit(first, "FirstEdit");
        second = new QWidget;
        cityLabel = new QLabel("C&ity", second);
        cityEdit = new Edit(second, "CityEdit");
        ownerLabel = new QLabel("&Owner Type", second);
        ownerCombo = new ComboBox(second, "OwnerTypeComboBox", ComboBox::Style::DropDownList);
        riskLabel = new QLabel("Ris&k:", second);
        riskCombo = new ComboBox(second, "RiskComboBox", ComboBox::Style::DropDown);
        auto* layout = new QVBoxLayout(second);
        for (QWidget* w : std::initializer_list<QWidget*>{cityLabel, cityEdit, ownerLabel, ownerCombo,
                                                          riskLabel, riskCombo})
            layout->addWidget(w);
        tabs->addTab(first, "First");
        tabs->addTab(second, "Second");
        auto* main = new QVBoxLayout(this);
        main->addWidget(tabs);
        ShowModeless();
        firstEdit->setFocus();
    }
    // The control that has (or would have) the focus in this window.
    QWidget* Focused() const { return focusWidget(); }
    bool SecondPageShown() const { return tabs->currentWidget() == second; }
    void ShowFirstPage() {
        tabs->setCurrentWidget(first);
        firstEdit->setFocus();
    }

    QTabWidget* tabs;
    QWidget* first;
    Edit* firstEdit;
    QWidget* second;
    QLabel* cityLabel;
    Edit* cityEdit;
    QLabel* ownerLabel;
    ComboBox* ownerCombo;
    QLabel* riskLabel;
    ComboBox* riskCombo;
};
