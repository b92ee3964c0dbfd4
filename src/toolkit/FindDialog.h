#pragma once
// The modeless find dialog: a find text, the direction (down or up), match case and whole word.
// Events when it shows, when it closes and when the user asks to find. Controls: "FindEdit",
// "DownRadio", "UpRadio", "MatchCaseCheck", "WholeWordCheck", "FindButton", "CancelButton".
// It opens with the focus in its edit and takes the keyboard when it is brought forward.
#include <QDialog>
#include <functional>
#include <string>

class Edit;
class QCheckBox;
class QRadioButton;
class QPushButton;

class FindDialog : public QDialog {
public:
    explicit FindDialog(QWidget* owner = nullptr);

    // Shows the dialog (modeless) or brings it to the front.
    void Execute();
    void CloseDialog();

    std::string FindText() const;
    void SetFindText(const std::string& text);
    bool Down() const;
    void SetDown(bool down);
    bool MatchCase() const;
    void SetMatchCase(bool match);
    bool WholeWord() const;
    void SetWholeWord(bool whole);

    std::function<void()> onShow;
    std::function<void()> onClose;
    std::function<void()> onFind;

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    Edit* edit_;
    QRadioButton* down_;
    QRadioButton* up_;
    QCheckBox* matchCase_;
    QCheckBox* wholeWord_;
    QPushButton* find_;
};
