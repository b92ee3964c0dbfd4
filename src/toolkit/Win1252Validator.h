#pragma once
// Refuses, as the user types or pastes, any text holding a character that Windows-1252 lacks.
#include <QValidator>

class Win1252Validator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int& pos) const override;
};
