// Skins: a skin is a Qt style sheet in "<skin folder>/<name>.asz" that the
// skin manager applies to the whole application while it is active.
#pragma once

#include "common/uGlobals.h"

#include <QObject>
#include <QString>
#include <QStringList>

namespace vantor {

class TSkinManager : public QObject {
    Q_OBJECT

public:
    explicit TSkinManager(QObject* AParent = nullptr);
    // Takes its skin off the application and stops being the default.
    ~TSkinManager() override;

    void MakeDefault();

    [[nodiscard]] bool Active() const { return active_; }
    // Switching on reads the skin file and applies it; when it cannot be read
    // the manager stays inactive and the application keeps its plain look.
    void SetActive(bool AActive);

    [[nodiscard]] QString SkinFolder() const { return skinFolder_; }
    void SetSkinFolder(const QString& AFolder);
    [[nodiscard]] QString SkinName() const { return skinName_; }
    void SetSkinName(const QString& AName);
    [[nodiscard]] QString SkinFile() const;

    // Window frames belong to the window manager under Qt; the switch is
    // kept so that callers can state their wish.
    [[nodiscard]] bool ExtendedBorders() const { return extendedBorders_; }
    void SetExtendedBorders(bool AOn) { extendedBorders_ = AOn; }

    // Widget classes that should wear the skin's tree look.
    [[nodiscard]] QStringList TreeClassNames() const { return treeClassNames_; }
    void AddTreeClassName(const QString& AClassName);

private:
    [[nodiscard]] bool Load();
    void Unload();

    bool active_ = false;
    bool extendedBorders_ = false;
    QString skinFolder_;
    QString skinName_;
    QStringList treeClassNames_;
    QString appliedSheet_;
};

// The application's default skin manager, or nullptr.
TSkinManager* DefaultSkinManager();

// The engine's tree views register under this class name.
inline constexpr char EngineTreeClassName[] = "TEngineTreeView";

// Skin name of a branding variant; values outside the table give "Maronel".
[[nodiscard]] QString GetSkinName(TUsageType AUsageType);

// Chooses the skin of AUsageType from ARootPath + "Skins/" on AManager, made
// the default, and activates it when its file exists. Never fails loudly: a
// missing or unreadable skin leaves the plain look.
void ApplySkin(TSkinManager& AManager, TUsageType AUsageType, const QString& ARootPath);
// The same on the default manager, creating one owned by the application when
// there is none.
void ApplySkin(TUsageType AUsageType, const QString& ARootPath);

} // namespace vantor
