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

void ProjectHub::SetOrigin(const QString& ACatalogue, const QString& APricelistValidity, const QString& ACurrency)
{
    catalogue_ = ACatalogue;
    // The file says "-1" for a pricelist without a validity.
    pricelistValidity_ = APricelistValidity.isEmpty() ? QStringLiteral("-1") : APricelistValidity;
    currency_ = ACurrency;
}

void ProjectHub::StampOrigin(Project& AProject) const
{
    AProject.Catalogue = catalogue_;
    AProject.PricelistValidity = pricelistValidity_;
    AProject.Terms.Currency = currency_;
}

void ProjectHub::Replaced()
{
    recoveryTimer_.stop();
    if (session_.RecoveryPending())
        Flush();
    emit Changed(true);
}

} // namespace vantor::devengine
