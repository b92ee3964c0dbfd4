#pragma once
// Results of modal forms and message boxes, with the numbers the windows test for.
enum : int {
    mrNone = 0,
    mrOk = 1,
    mrCancel = 2,
    mrYes = 6,
    mrNo = 7,
};
