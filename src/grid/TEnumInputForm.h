#pragma once
// "Value Selection Form": one value picked out of a list of texts, shown sorted in the sorted combo
// box's collation (duplicates kept). The preset value is selected when the list holds it; OK is
// enabled only while an item is selected and hands back its text; Cancel leaves the value.
#include <string>
#include <vector>

#include "toolkit/ActionList.h"
#include "toolkit/Form.h"

class Action;
class ComboBox;

class TEnumInputForm : public Form {
public:
    TEnumInputForm(QWidget* owner, std::string* value, const std::string& label,
                   const std::vector<std::string>& values);

private:
    std::string* value_;
    std::vector<std::string> values_;
    ComboBox* combo_;
    ActionList actions_;
    Action* okAction_;
};
