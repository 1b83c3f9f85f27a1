#include "widgets/MessagePresenter.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
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

// Qt turns closing a box into a click on its most cancel-like button (No for
// Yes/No). Closing without a button must stay distinguishable: it gives
// mrCancel whatever the buttons are.
class MessageBox final : public QMessageBox {
public:
    using QMessageBox::QMessageBox;
    bool closedWithoutButton = false;

protected:
    void closeEvent(QCloseEvent* event) override
    {
        if (clickedButton() == nullptr) {
            closedWithoutButton = true;
            event->accept();
            QDialog::done(QDialog::Rejected);
            return;
        }
        QMessageBox::closeEvent(event);
    }
    void keyPressEvent(QKeyEvent* event) override
    {
        if (event->key() == Qt::Key_Escape) {
            closedWithoutButton = true;
            QDialog::done(QDialog::Rejected);
            return;
        }
        QMessageBox::keyPressEvent(event);
    }
};

} // namespace

void QtMessagePresenter::Beep()
{
    QApplication::beep();
}

int QtMessagePresenter::ShowMessage(const MessageBoxRequest& request)
{
    MessageBox box(IconOf(request.Kind), request.Title, request.Text);
    struct Mapping {
        TMsgDlgBtn flag;
        QMessageBox::StandardButton button;
        int result;
    };
    static constexpr Mapping Mappings[] = {
        {mbYes, QMessageBox::Yes, mrYes},
        {mbNo, QMessageBox::No, mrNo},
        {mbOK, QMessageBox::Ok, mrOk},
        {mbCancel, QMessageBox::Cancel, mrCancel},
    };
    for (const auto& m : Mappings) {
        if (request.Buttons & m.flag)
            box.addButton(m.button);
    }
    box.exec();
    const auto* clicked = box.clickedButton();
    if (box.closedWithoutButton || clicked == nullptr)
        return mrCancel;
    const auto standard = box.standardButton(const_cast<QAbstractButton*>(clicked));
    for (const auto& m : Mappings) {
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
