#pragma once
// A form (dialog) with the modal protocol the windows are written for.
// - ShowModal runs through Ui().RunModal and returns the modal result.
// - Setting a non-zero modal result asks the close query; a refusal sets the result back to 0
//   and the form stays open; otherwise the form closes with that result (onClose runs).
// - A button bound to a modal result (and perhaps an action) sets the result, runs the action,
//   then asks the close query.
// - Esc clicks the cancel button; the frame's close box asks the close query with result mrCancel
//   and runs no Cancel handler. Enter clicks the one explicit default button while it is enabled;
//   no other button is ever a default.
// - When the form opens, the keyboard focus goes to its active control when it names one, else to
//   the first control of its tab order, where the buttons bound to a modal result come last
//   (DialogFocus); the show hook may put it elsewhere. A form without a control that takes the
//   focus leaves the focus where it is.
// - Every form has a window handle (MessageRouter) whose messages go to onMessage.
// Controls carry the names the windows give them as objectName, for Control<T>(name).
#include <QDialog>
#include <QPointer>
#include <cstdint>
#include <functional>
#include <vector>

#include "toolkit/ModalResult.h"

class Action;
class QAbstractButton;
class QPushButton;

class Form : public QDialog {
public:
    explicit Form(QWidget* owner = nullptr);
    ~Form() override;

    int ShowModal();
    // The form's own modal loop (QtUiHost::RunModal).
    int ExecModal();
    // Shows the form modelessly, centred on its owner when asked.
    void ShowModeless();

    int ModalResult() const { return modalResult_; }
    void SetModalResult(int result);

    void BindButton(QAbstractButton* button, int modalResult, Action* action = nullptr);
    void SetDefaultButton(QPushButton* button);
    void SetCancelButton(QAbstractButton* button);
    QPushButton* DefaultButton() const { return defaultButton_; }
    // The control that has the focus when the form opens (when it can take it).
    void SetActiveControl(QWidget* control) { activeControl_ = control; }
    void SetCentreOnOwner(bool centre) { centre_ = centre; }
    // Moves the form to the centre of its owner (of the screen without one).
    void CentreOnOwner();

    uint32_t Handle() const { return handle_; }

    template <class T>
    T* Control(const char* name) const {
        return findChild<T*>(QString::fromLatin1(name));
    }

    std::function<void()> onShow;
    std::function<bool()> onCloseQuery;  // false refuses the close
    std::function<void()> onClose;
    std::function<void()> onResize;
    std::function<int32_t(uint32_t message, int32_t wParam, int32_t lParam)> onMessage;

    void done(int result) override;
    void accept() override;
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool CloseQuery();
    void NoAutoDefaults();
    // The buttons bound to a modal result, in the order bound: the last controls of the tab order.
    std::vector<QWidget*> ResultButtons() const;

    uint32_t handle_ = 0;
    int modalResult_ = mrNone;
    bool closing_ = false;
    bool deferClose_ = false;
    bool centre_ = false;
    QPushButton* defaultButton_ = nullptr;
    QAbstractButton* cancelButton_ = nullptr;
    QPointer<QWidget> activeControl_;
    std::vector<QPointer<QAbstractButton>> resultButtons_;
};
