#include "installer/FrmInstaller.h"

#include "installer/InstallerTexts.h"
#include "widgets/BusyCursor.h"

#include <QApplication>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include <optional>

namespace vantor::installer {

TFrmInstaller::TFrmInstaller(const QString& AActionText, TWork AWork, std::uint64_t AReleaseVersion, QWidget* AParent)
    : QDialog(AParent), work_(std::move(AWork)), releaseVersion_(AReleaseVersion)
{
    setObjectName(QStringLiteral("FrmInstaller"));
    setWindowTitle(Text("IDS_SETUP_12", "Vantor Setup"));
    setMinimumWidth(460);

    lblAction_ = new QLabel(AActionText, this);
    lblAction_->setObjectName(QStringLiteral("lblAction"));
    lblAction_->setWordWrap(true);
    lblAction_->setTextFormat(Qt::PlainText);

    progressBar_ = new QProgressBar(this);
    progressBar_->setObjectName(QStringLiteral("ProgressBar"));
    progressBar_->setRange(0, 0);
    progressBar_->setAccessibleName(AActionText);

    lblOutcome_ = new QLabel(this);
    lblOutcome_->setObjectName(QStringLiteral("lblOutcome"));
    lblOutcome_->setWordWrap(true);
    lblOutcome_->setTextFormat(Qt::PlainText);
    lblOutcome_->setTextInteractionFlags(Qt::TextSelectableByMouse);

    btnClose_ = new QPushButton(Text("IDS_SETUP_13", "Close"), this);
    btnClose_->setObjectName(QStringLiteral("btnClose"));
    btnClose_->setEnabled(false);
    connect(btnClose_, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 12);
    layout->setSpacing(10);
    layout->addWidget(lblAction_);
    layout->addWidget(progressBar_);
    layout->addWidget(lblOutcome_, 1);
    layout->addWidget(btnClose_, 0, Qt::AlignRight);
}

void TFrmInstaller::showEvent(QShowEvent* AEvent)
{
    QDialog::showEvent(AEvent);
    if (!started_) {
        started_ = true;
        // After the first paint, so the window is up while the work runs.
        QTimer::singleShot(0, this, &TFrmInstaller::runWork);
    }
}

void TFrmInstaller::reject()
{
    if (finished_)
        QDialog::reject();
}

void TFrmInstaller::runWork()
{
    {
        BusyCursor busy;
        result_ = work_([this](int ADone, int ATotal) {
            progressBar_->setRange(0, ATotal);
            progressBar_->setValue(ADone);
            // Keeps the window painted while the files are written.
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        });
    }
    finished_ = true;
    progressBar_->setRange(0, 1);
    progressBar_->setValue(result_.Ok() ? 1 : 0);
    lblOutcome_->setText(OutcomeText(result_, releaseVersion_));
    if (!result_.Ok()) {
        QFont bold = lblOutcome_->font();
        bold.setBold(true);
        lblOutcome_->setFont(bold);
        QApplication::beep();
    }
    btnClose_->setEnabled(true);
    btnClose_->setDefault(true);
    btnClose_->setFocus();
}

} // namespace vantor::installer
