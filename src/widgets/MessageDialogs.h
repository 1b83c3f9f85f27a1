// Message boxes with translated default titles. They sit above the
// translations because their titles and texts may be translation identifiers.
#pragma once

#include "widgets/MessagePresenter.h"

#include <QString>

namespace vantor {

[[nodiscard]] int ShowMessageDialog(const QString& Msg, const QString& Caption, TMsgDlgType Kind,
                                    TMsgDlgButtons Buttons, bool TranslateMsg, bool Beep);

void ShowInfoMessage(const QString& Caption, const QString& Msg, bool TranslateMsg);
void ShowWarningMessage(const QString& Caption, const QString& Msg, bool TranslateMsg);
void ShowErrorMessage(const QString& Caption, const QString& Msg, bool TranslateMsg);
// True only when Yes was pressed.
[[nodiscard]] bool AskYesNo(const QString& Caption, const QString& Msg, bool TranslateMsg);

} // namespace vantor
