#pragma once
// Asks for the current password and a new one, typed twice. The current password is checked
// against the caller's proof of it, the new one must be of visible ASCII characters (33 to 126);
// after a last confirmation OK hands the new password and its proof to the caller's texts, which
// must outlive the dialog. A failed check shows its message and refuses the close once. Nothing
// is sent from here.
#include <cstdint>
#include <string>

#include "grid/CheckedDialogButtons.h"
#include "toolkit/Form.h"

class Edit;
class QLabel;

class TModifyPasswordForm : public Form {
public:
    static constexpr const char* kCaption = "Modify Password Validation";

    // maxLength 0 leaves the password edits unlimited.
    TModifyPasswordForm(QWidget* owner, int32_t maxLength, std::string& newPassword,
                        std::string& newPasswordProof, const std::string& oldPasswordProof,
                        const std::string& userName);

    // The proof that stands for a password: the first 8 Base64 characters of bytes 8 to 15 of its
    // MD5 digest.
    static std::string ComputeProof(const std::string& password);

    // OK's checks in order, then the confirmation box; true when the dialog may close with OK.
    bool Validate();
    // Each check empties the validation message first, and sets it when it fails.
    bool CheckUserName();
    bool CheckOldPassword();
    bool CheckNewPassword();
    bool CheckConfirmation();
    const std::string& ValidationMessage() const { return message_; }

private:
    void ClearPasswords();

    std::string& newPassword_;
    std::string& newPasswordProof_;
    std::string oldPasswordProof_;
    std::string userName_;
    std::string typedNewPassword_;
    std::string message_;
    int32_t maxLength_;
    QLabel* userNameLabel_ = nullptr;
    Edit* userNameEdit_ = nullptr;
    Edit* oldPasswordEdit_ = nullptr;
    Edit* newPasswordEdit_ = nullptr;
    Edit* confirmPasswordEdit_ = nullptr;
    CheckedDialogButtons buttons_;
};
