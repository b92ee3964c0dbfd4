#pragma once
// "About": the program's identity as its version block states it (product name, description,
// version, copyright), the logo and the client line naming the organisation the installation is
// meant for. The caller chooses the client line from the settings (SetClientLine), then shows
// the box modally and frees it. The logo form lives while the box is open.
#include <string>

#include "toolkit/Form.h"

class BaseIniFile;
class QLabel;
class TAboutLogoForm;

class TAboutBox : public Form {
public:
    explicit TAboutBox(QWidget* owner);
    ~TAboutBox() override;

    // The client line of the key ApplicationTarget in `section`; a value that is not a whole
    // number takes defaultTarget, a negative one or one of 4 or more takes 0.
    void SetClientLine(const BaseIniFile& file, const std::string& section, int defaultTarget);
    // The second client line for target 2, the first for every other.
    static std::string GetClientLine(int target);
    // The logo form's product logo into the box.
    void ShowLogo();

    // Placeholders of the installation's owner, who replaces them with the organisations' names.
    static constexpr const char* kFirstClientLine = "for Your Member Firm";
    static constexpr const char* kSecondClientLine = "for Your Clearing Member";

private:
    void FormShow();

    bool clientLineSet_ = false;
    TAboutLogoForm* logoForm_ = nullptr;
    QLabel* logoImage_;
    QLabel* productNameLabel_;
    QLabel* versionLabel_;
    QLabel* copyrightLabel_;
    QLabel* fileDescriptionStaticText_;
    QLabel* clientNameStaticText_;
};
