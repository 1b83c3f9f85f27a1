// The one seam through which every message box and dialog question of the
// programs is shown. The Qt presenter is the default; tests install their own
// to answer and record the questions without a display.
#pragma once

#include <QString>

namespace vantor {

enum class TMsgDlgType { mtWarning, mtError, mtInformation, mtConfirmation };

// Button set of a message box, as bit flags.
enum TMsgDlgBtn : unsigned {
    mbYes = 1u << 0,
    mbNo = 1u << 1,
    mbOK = 1u << 2,
    mbCancel = 1u << 3,
};
using TMsgDlgButtons = unsigned;

// Result codes of a message box.
inline constexpr int mrNone = 0;
inline constexpr int mrOk = 1;
inline constexpr int mrCancel = 2; // also: closed without pressing a button
inline constexpr int mrYes = 6;
inline constexpr int mrNo = 7;

struct MessageBoxRequest {
    QString Title;
    QString Text;
    TMsgDlgType Kind = TMsgDlgType::mtInformation;
    TMsgDlgButtons Buttons = mbOK;
};

class MessagePresenter {
public:
    virtual ~MessagePresenter() = default;
    virtual void Beep() = 0;
    // Shows a modal box and returns the result code of the button pressed.
    virtual int ShowMessage(const MessageBoxRequest& request) = 0;
};

// Modal Qt message boxes under the application's style.
class QtMessagePresenter final : public MessagePresenter {
public:
    void Beep() override;
    [[nodiscard]] int ShowMessage(const MessageBoxRequest& request) override;
};

MessagePresenter& CurrentMessagePresenter();
// Installs a presenter (nullptr restores the Qt one) and returns the previous one.
MessagePresenter* SetMessagePresenter(MessagePresenter* presenter);

} // namespace vantor
