#include "widgets/MessageDialogs.h"

#include "i18n/uLanguages.h"

namespace vantor {

namespace {

QString TitleOr(const QString& caption, const char* defaultTitleId)
{
    return caption.isEmpty() ? GetText(QString::fromLatin1(defaultTitleId)) : caption;
}

} // namespace

int ShowMessageDialog(const QString& Msg, const QString& Caption, TMsgDlgType Kind, TMsgDlgButtons Buttons,
                      bool TranslateMsg, bool Beep)
{
    MessagePresenter& presenter = CurrentMessagePresenter();
    if (Beep)
        presenter.Beep();
    MessageBoxRequest request;
    request.Title = Caption;
    request.Text = TranslateMsg ? GetText(Msg) : Msg;
    request.Kind = Kind;
    request.Buttons = Buttons;
    return presenter.ShowMessage(request);
}

void ShowInfoMessage(const QString& Caption, const QString& Msg, bool TranslateMsg)
{
    (void)ShowMessageDialog(Msg, TitleOr(Caption, "IDS_COMMON_49"), TMsgDlgType::mtInformation, mbOK, TranslateMsg,
                            true);
}

void ShowWarningMessage(const QString& Caption, const QString& Msg, bool TranslateMsg)
{
    (void)ShowMessageDialog(Msg, TitleOr(Caption, "IDS_COMMON_50"), TMsgDlgType::mtWarning, mbOK, TranslateMsg, true);
}

void ShowErrorMessage(const QString& Caption, const QString& Msg, bool TranslateMsg)
{
    (void)ShowMessageDialog(Msg, TitleOr(Caption, "IDS_COMMON_51"), TMsgDlgType::mtError, mbOK, TranslateMsg, true);
}

bool AskYesNo(const QString& Caption, const QString& Msg, bool TranslateMsg)
{
    return ShowMessageDialog(Msg, TitleOr(Caption, "IDS_COMMON_52"), TMsgDlgType::mtConfirmation, mbYes | mbNo,
                             TranslateMsg, true) == mrYes;
}

} // namespace vantor
