#include "common/MessagePresenter.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace vantor {

namespace {

QtMessagePresenter qtPresenter;
MessagePresenter* installedPresenter = nullptr;

QMessageBox::Icon IconOf(TMsgDlgType kind)
{
    switch (kind) {
    case TMsgDlgType::mtWarning:
        return QMessageBox::Warning;
    case TMsgDlgType::mtError:
        return QMessageBox::Critical;
    case TMsgDlgType::mtInformation:
        return QMessageBox::Information;
    case TMsgDlgType::mtConfirmation:
        return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

} // namespace

void QtMessagePresenter::Beep()
{
    QApplication::beep();
}

int QtMessagePresenter::ShowMessage(const MessageBoxRequest& request)
{
    QMessageBox box(IconOf(request.Kind), request.Title, request.Text);
    struct Mapping {
        TMsgDlgBtn flag;
        QMessageBox::StandardButton button;
        int result;
    };
    static constexpr Mapping mappings[] = {
        {mbYes, QMessageBox::Yes, mrYes},
        {mbNo, QMessageBox::No, mrNo},
        {mbOK, QMessageBox::Ok, mrOk},
        {mbCancel, QMessageBox::Cancel, mrCancel},
    };
    for (const auto& m : mappings) {
        if (request.Buttons & m.flag)
            box.addButton(m.button);
    }
    // Closing the box without a button must not count as any of its buttons.
    box.setEscapeButton(static_cast<QAbstractButton*>(nullptr));
    box.exec();
    const auto* clicked = box.clickedButton();
    if (clicked == nullptr)
        return mrCancel;
    const auto standard = box.standardButton(const_cast<QAbstractButton*>(clicked));
    for (const auto& m : mappings) {
        if (standard == m.button)
            return m.result;
    }
    return mrCancel;
}

MessagePresenter& CurrentMessagePresenter()
{
    return installedPresenter != nullptr ? *installedPresenter : qtPresenter;
}

MessagePresenter* SetMessagePresenter(MessagePresenter* presenter)
{
    MessagePresenter* previous = installedPresenter;
    installedPresenter = presenter;
    return previous;
}

} // namespace vantor
