#include "skins/SkinManager.h"

#include "skins/SkinSheet.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>

#include <QPointer>
#include <exception>

namespace vantor {

namespace {

QPointer<TSkinManager> defaultManager;

} // namespace

TSkinManager::TSkinManager(QObject* AParent) : QObject(AParent)
{}

TSkinManager::~TSkinManager()
{
    Unload();
}

void TSkinManager::MakeDefault()
{
    defaultManager = this;
}

void TSkinManager::SetActive(bool AActive)
{
    if (AActive)
        active_ = Load();
    else {
        Unload();
        active_ = false;
    }
}

void TSkinManager::SetSkinFolder(const QString& AFolder)
{
    skinFolder_ = AFolder;
    if (active_)
        SetActive(true);
}

void TSkinManager::SetSkinName(const QString& AName)
{
    skinName_ = AName;
    if (active_)
        SetActive(true);
}

QString TSkinManager::SkinFile() const
{
    return skinFolder_ + skinName_ + QStringLiteral(".asz");
}

void TSkinManager::AddTreeClassName(const QString& AClassName)
{
    if (!treeClassNames_.contains(AClassName))
        treeClassNames_ << AClassName;
}

bool TSkinManager::Load()
{
    auto* application = qobject_cast<QApplication*>(QCoreApplication::instance());
    QFile file(SkinFile());
    if (!application || skinName_.isEmpty() || !file.open(QIODevice::ReadOnly)) {
        Unload();
        return false;
    }
    appliedSheet_ =
        ExtendTreeSelectors(ResolveSkinUrls(QString::fromUtf8(file.readAll()), skinFolder_), treeClassNames_);
    // Setting a sheet polishes every widget again, even when it is the same.
    if (application->styleSheet() != appliedSheet_)
        application->setStyleSheet(appliedSheet_);
    return true;
}

void TSkinManager::Unload()
{
    auto* application = qobject_cast<QApplication*>(QCoreApplication::instance());
    // Leave a sheet alone that someone else has set since.
    if (application && !appliedSheet_.isNull() && application->styleSheet() == appliedSheet_)
        application->setStyleSheet(QString());
    appliedSheet_.clear();
}

TSkinManager* DefaultSkinManager()
{
    return defaultManager.data();
}

QString GetSkinName(TUsageType AUsageType)
{
    switch (AUsageType) {
    case TUsageType::utKelvra:
        return QStringLiteral("Kelvra");
    case TUsageType::utPorvik:
        return QStringLiteral("Porvik");
    case TUsageType::utSandel:
        return QStringLiteral("Sandel");
    case TUsageType::utQuillon:
        return QStringLiteral("Quillon");
    case TUsageType::utGeneric:
        return QStringLiteral("Default");
    case TUsageType::utMaronel:
    case TUsageType::utWebMaronel:
        break;
    }
    return QStringLiteral("Maronel");
}

void ApplySkin(TSkinManager& AManager, TUsageType AUsageType, const QString& ARootPath)
{
    try {
        const QString name = GetSkinName(AUsageType);
        AManager.MakeDefault();
        AManager.AddTreeClassName(QString::fromLatin1(EngineTreeClassName));
        AManager.SetExtendedBorders(true);
        AManager.SetSkinFolder(ARootPath + QStringLiteral("Skins/"));
        AManager.SetSkinName(name);
        if (QFileInfo(AManager.SkinFile()).isFile())
            AManager.SetActive(true);
    } catch (const std::exception&) {
        // A skin is decoration: should Qt's style machinery throw (memory),
        // the program runs plain.
    }
}

void ApplySkin(TUsageType AUsageType, const QString& ARootPath)
{
    TSkinManager* manager = DefaultSkinManager();
    if (!manager)
        manager = new TSkinManager(QCoreApplication::instance());
    ApplySkin(*manager, AUsageType, ARootPath);
}

} // namespace vantor
