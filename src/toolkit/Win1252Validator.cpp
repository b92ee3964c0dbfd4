#include "toolkit/Win1252Validator.h"

#include "toolkit/QtText.h"

QValidator::State Win1252Validator::validate(QString& input, int&) const {
    for (QChar c : input)
        if (!IsWin1252Char(c.unicode())) return Invalid;
    return Acceptable;
}
