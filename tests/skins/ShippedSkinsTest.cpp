// The skins that ship with the program: they must parse, find their pictures
// and tell the emphasised OK button and the title band apart.
#include "skins/VantorComponents.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QRegularExpression>
#include <QVBoxLayout>

#include <gtest/gtest.h>

namespace vantor::test {
namespace {

QStringList captured;

void CaptureMessages(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type != QtDebugMsg && !message.contains("propagateSizeHints"))
        captured << message;
}

class ShippedSkinsTest : public ::testing::TestWithParam<const char*> {
protected:
    void SetUp() override
    {
        captured.clear();
        previous = qInstallMessageHandler(CaptureMessages);
        manager.SetSkinFolder(QStringLiteral(VANTOR_SOURCE_DIR "/demo/Skins/"));
        manager.SetSkinName(QString::fromLatin1(GetParam()));
        manager.SetActive(true);
    }
    void TearDown() override
    {
        manager.SetActive(false);
        qInstallMessageHandler(previous);
    }

    static QColor CentreColour(const QImage& image, const QWidget* widget, const QWidget* window)
    {
        const QPoint centre = widget->mapTo(window, QPoint(widget->width() / 2, 3));
        return image.pixelColor(centre * image.devicePixelRatio());
    }

    QtMessageHandler previous = nullptr;
    TSkinManager manager;
};

TEST_P(ShippedSkinsTest, ParsesAndStylesTheSections)
{
    ASSERT_TRUE(manager.Active());

    QDialog dialog;
    SetSkinSection(&dialog, QStringLiteral("FORM"));
    auto* layout = new QVBoxLayout(&dialog);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* title = new QLabel(QStringLiteral(" Title"), &dialog);
    SetSkinSection(title, QStringLiteral("MENUBTN"));
    title->setFixedHeight(45);
    layout->addWidget(title);
    auto* group = new QGroupBox(QStringLiteral("Group"), &dialog);
    SetSkinSection(group, QStringLiteral("GROUPBOX"));
    layout->addWidget(group, 1);
    auto* panel = new TCommandPanelEx(&dialog);
    layout->addWidget(panel);
    SetSkinSection(panel->ButtonOk(), QStringLiteral("BUTTON"));
    SetSkinSection(panel->ButtonCancel(), QStringLiteral("BUTTON"));
    const TCommandPanelStyle saved = CommandPanelStyle;
    SetCommandPanelStyle(TUsageType::utMaronel);
    panel->ArrangeButtons(true);
    CommandPanelStyle = saved;
    dialog.resize(423, 200);
    dialog.show();
    QApplication::processEvents();
    const QImage image = dialog.grab().toImage();

    EXPECT_NE(CentreColour(image, panel->ButtonOk(), &dialog), CentreColour(image, panel->ButtonCancel(), &dialog));
    EXPECT_NE(CentreColour(image, title, &dialog), image.pixelColor(2, image.height() - 60));
    EXPECT_TRUE(captured.isEmpty()) << qPrintable(captured.join('\n'));
}

TEST_P(ShippedSkinsTest, EveryPictureExists)
{
    static const QRegularExpression url(QStringLiteral(R"re(url\("([^"]*)"\))re"));
    int pictures = 0;
    for (auto it = url.globalMatch(qApp->styleSheet()); it.hasNext(); ++pictures) {
        const QString path = it.next().captured(1);
        EXPECT_TRUE(QFileInfo(path).isFile()) << qPrintable(path);
    }
    EXPECT_GT(pictures, 0);
}

INSTANTIATE_TEST_SUITE_P(Skins, ShippedSkinsTest, ::testing::Values("Maronel", "Kelvra"));

} // namespace
} // namespace vantor::test
