#include "dev/ui/ProjectHub.h"

namespace vantor::devengine {

namespace {

constexpr int RecoveryDelayMs = 1000;

} // namespace

ProjectHub::ProjectHub(const EngineTexts& ATexts, const QString& ARecoveryFolder, const QString& ARecentFile)
    : texts_(ATexts), session_(ATexts, ARecoveryFolder, ARecentFile)
{
    recoveryTimer_.setSingleShot(true);
    recoveryTimer_.setInterval(RecoveryDelayMs);
    connect(&recoveryTimer_, &QTimer::timeout, this, &ProjectHub::Flush);
}

void ProjectHub::Touch(bool AStructure)
{
    session_.Changed();
    recoveryTimer_.start();
    emit Changed(AStructure);
}

void ProjectHub::Flush()
{
    recoveryTimer_.stop();
    if (const Result<void> written = session_.WriteRecovery(); !written)
        emit Status(written.error().message());
}

void ProjectHub::Replaced()
{
    recoveryTimer_.stop();
    if (session_.RecoveryPending())
        Flush();
    emit Changed(true);
}

} // namespace vantor::devengine
