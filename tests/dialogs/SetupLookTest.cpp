// The setup dialog under the shipped skins: every control keeps inside its
// frame and the emphasised OK stands out. With VANTOR_SCREENSHOT_DIR set the
// dialogs are also saved there as setup-<skin>.png and
// setup-<skin>-advanced.png.
#include "SetupDialogFixture.h"

#include "dialogs/dlgSetup.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QTabWidget>

namespace vantor::test {
namespace {

class SetupLookTest : public SetupDialogFixture, public ::testing::WithParamInterface<const char*> {
protected:
    void SetUp() override
    {
        SetupDialogFixture::SetUp();
        manager.SetSkinFolder(QStringLiteral(VANTOR_SOURCE_DIR "/demo/Skins/"));
        manager.SetSkinName(QString::fromLatin1(GetParam()));
        manager.SetActive(true);
    }
    void TearDown() override
    {
        manager.SetActive(false);
        SetupDialogFixture::TearDown();
    }

    TSkinManager manager;
};

// Whether child lies wholly inside the visible part of its parent.
bool Inside(const QWidget* child)
{
    return child->parentWidget()->rect().contains(child->geometry());
}

TEST_P(SetupLookTest, ControlsFitAndOkStandsOut)
{
    ASSERT_TRUE(manager.Active());
    GlobalSetupData.DebugMode = true;
    GlobalSetupData.AutoCheckUpdates = true;
    for (const char* language : {"ENG", "GER", "RUS", "HUG"}) {
        GlobalSetupData.LanguageId = QString::fromLatin1(language);
        SetTextLanguage(GlobalSetupData.LanguageId);
        TFrmSetup dialog;
        dialog.show();
        QApplication::processEvents();

        for (const QGroupBox* group : dialog.findChildren<QGroupBox*>()) {
            EXPECT_TRUE(Inside(group)) << qPrintable(group->objectName());
            // The title fits above the frame, beside the group's own margins.
            EXPECT_LE(group->fontMetrics().horizontalAdvance(group->title()), group->width() - 20);
        }
        for (const QComboBox* list : dialog.findChildren<QComboBox*>())
            EXPECT_TRUE(Inside(list)) << qPrintable(list->objectName());
        for (const QCheckBox* check : dialog.findChildren<QCheckBox*>()) {
            EXPECT_TRUE(Inside(check)) << qPrintable(check->objectName()) << " " << language;
            EXPECT_GE(check->width(), check->sizeHint().width()) << qPrintable(check->objectName()) << " " << language;
        }

        const QImage image = dialog.grab().toImage();
        const auto centre = [&](const QWidget* button) {
            const QPoint point = button->mapTo(&dialog, QPoint(button->width() / 2, button->height() / 2 + 7));
            return image.pixelColor(point * image.devicePixelRatio());
        };
        EXPECT_NE(centre(dialog.pnlCommands->ButtonOk()), centre(dialog.pnlCommands->ButtonCancel()));

        const QString folder = qEnvironmentVariable("VANTOR_SCREENSHOT_DIR");
        if (!folder.isEmpty() && QString::fromLatin1(language) == "ENG") {
            const QString name = QStringLiteral("setup-%1.png").arg(QString::fromLatin1(GetParam()).toLower());
            EXPECT_TRUE(image.save(QDir(folder).filePath(name)));
            dialog.PageControl->setCurrentWidget(dialog.TabAdvanced);
            QApplication::processEvents();
            const QString advanced =
                QStringLiteral("setup-%1-advanced.png").arg(QString::fromLatin1(GetParam()).toLower());
            EXPECT_TRUE(dialog.grab().save(QDir(folder).filePath(advanced)));
        }
    }
}

INSTANTIATE_TEST_SUITE_P(ShippedSkins, SetupLookTest, ::testing::Values("Maronel", "Kelvra"));

} // namespace
} // namespace vantor::test
