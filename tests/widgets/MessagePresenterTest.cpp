// The Qt presenter on the offscreen platform: real modal boxes, answered by
// clicking their buttons or closing them.
#include "widgets/MessagePresenter.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

using namespace vantor;

namespace {

// Runs action on the modal box as soon as it is shown.
void WhenBoxShows(std::function<void(QMessageBox*)> action)
{
    auto* timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, action] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            timer->stop();
            timer->deleteLater();
            action(box);
        }
    });
    timer->start();
}

} // namespace

TEST(QtMessagePresenter, ShowsTitleTextIconAndButtonsAndReturnsThePressedOne)
{
    QtMessagePresenter presenter;
    QString title, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    int buttonCount = 0;
    WhenBoxShows([&](QMessageBox* box) {
        title = box->windowTitle();
        text = box->text();
        icon = box->icon();
        buttonCount = static_cast<int>(box->buttons().size());
        box->button(QMessageBox::No)->click();
    });
    const int result = presenter.ShowMessage({"Vantorix", "Download now?", TMsgDlgType::mtConfirmation, mbYes | mbNo});
    EXPECT_EQ(result, mrNo);
    EXPECT_EQ(title, "Vantorix");
    EXPECT_EQ(text, "Download now?");
    EXPECT_EQ(icon, QMessageBox::Question);
    EXPECT_EQ(buttonCount, 2);

    WhenBoxShows([](QMessageBox* box) { box->button(QMessageBox::Yes)->click(); });
    EXPECT_EQ(presenter.ShowMessage({"t", "x", TMsgDlgType::mtConfirmation, mbYes | mbNo}), mrYes);

    WhenBoxShows([](QMessageBox* box) { box->button(QMessageBox::Ok)->click(); });
    EXPECT_EQ(presenter.ShowMessage({"t", "x", TMsgDlgType::mtError, mbOK}), mrOk);
}

TEST(QtMessagePresenter, ClosingAYesNoBoxWithoutAButtonIsCancel)
{
    QtMessagePresenter presenter;
    WhenBoxShows([](QMessageBox* box) { box->close(); });
    EXPECT_EQ(presenter.ShowMessage({"t", "x", TMsgDlgType::mtConfirmation, mbYes | mbNo}), mrCancel);
}

TEST(MessagePresenter, InstallingNullRestoresTheQtPresenter)
{
    class Silent final : public MessagePresenter {
    public:
        void Beep() override {}
        int ShowMessage(const MessageBoxRequest&) override { return mrNo; }
    } silent;
    MessagePresenter* previous = SetMessagePresenter(&silent);
    EXPECT_EQ(&CurrentMessagePresenter(), &silent);
    SetMessagePresenter(nullptr);
    EXPECT_NE(dynamic_cast<QtMessagePresenter*>(&CurrentMessagePresenter()), nullptr);
    SetMessagePresenter(previous);
}

TEST(QtMessagePresenter, EscapeIsNoButtonEither)
{
    QtMessagePresenter presenter;
    WhenBoxShows([](QMessageBox* box) {
        QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(box, &escape);
    });
    EXPECT_EQ(presenter.ShowMessage({"t", "x", TMsgDlgType::mtError, mbOK}), mrCancel);
}
