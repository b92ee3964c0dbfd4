#pragma once
// A filter set: the column filters, tested in list order (a row passes the set when it passes
// every filter), and the alerts a grid window gives when a new row passes them. A plain value.
#include <string>
#include <vector>

#include "store/ColumnFilter.h"

class FilterData : public std::vector<ColumnFilter> {
public:
    bool SoundAlertEnabled = false;
    bool PopupAlertEnabled = false;
    std::string SoundAlertFilename;
    std::string PopupAlertMessage;

    bool IsSoundAlertEnabled() const { return SoundAlertEnabled; }
    bool& IsSoundAlertEnabled() { return SoundAlertEnabled; }
    bool IsPopupAlertEnabled() const { return PopupAlertEnabled; }
    bool& IsPopupAlertEnabled() { return PopupAlertEnabled; }
    const std::string& GetSoundAlertFilename() const { return SoundAlertFilename; }
    std::string& GetSoundAlertFilename() { return SoundAlertFilename; }
    const std::string& GetPopupAlertMessage() const { return PopupAlertMessage; }
    std::string& GetPopupAlertMessage() { return PopupAlertMessage; }
    bool IsAlertEnabled() const { return SoundAlertEnabled || PopupAlertEnabled; }
    // Switches both alerts off and empties their file name and message.
    void ClearAlerts() {
        SoundAlertEnabled = false;
        PopupAlertEnabled = false;
        SoundAlertFilename.clear();
        PopupAlertMessage.clear();
    }
};
