// The project screens' test harness: answering the dialogs the screens open
// and the fixture that initialises the loaded engine with the demo data in
// a scratch home. Shared by the project screen tests.
#pragma once

#include "EngineHarness.h"
#include "testlib/ResultChecks.h"

#include "catalogue/CatalogueBuilder.h"
#include "catalogue/CatalogueSource.h"
#include "common/uConstants.h"
#include "dev/core/EngineTexts.h"
#include "testlib/TempFolder.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDesktopServices>
#include <QDir>
#include <QDoubleSpinBox>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTimer>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <functional>

namespace vantor::test {

// Runs AAnswer on the next modal dialog of class AClass once it is up (any
// dialog when empty); the caller then opens it. Several may wait at once.
inline void WhenModal(std::function<void(QWidget*)> AAnswer, const char* AClass = nullptr)
{
    auto* timer = new QTimer;
    auto started = std::make_shared<QElapsedTimer>();
    started->start();
    QObject::connect(timer, &QTimer::timeout, [timer, started, AAnswer, AClass] {
        QWidget* modal = QApplication::activeModalWidget();
        const bool wanted = modal != nullptr && (AClass == nullptr || modal->inherits(AClass));
        if (!wanted && started->elapsed() < 5000)
            return;
        timer->stop();
        timer->deleteLater();
        if (wanted)
            AAnswer(modal);
    });
    timer->start(10);
}

// AFile: a name in the folder the dialog opens at, or a whole path.
inline void ChooseFile(const QString& AFile, QString* AFolder = nullptr)
{
    WhenModal(
        [AFile, AFolder](QWidget* AModal) {
            auto* dialog = qobject_cast<QFileDialog*>(AModal);
            ASSERT_NE(dialog, nullptr);
            if (AFolder != nullptr)
                *AFolder = dialog->directory().absolutePath();
            // Typed, as a user would: selectFile leaves a suggested name alone.
            auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            ASSERT_NE(name, nullptr);
            name->setText(AFile);
            QMetaObject::invokeMethod(dialog, "accept");
        },
        "QFileDialog");
}

inline void Answer(const QString& AButton, QString* AText = nullptr)
{
    WhenModal(
        [AButton, AText](QWidget* AModal) {
            auto* box = qobject_cast<QMessageBox*>(AModal);
            ASSERT_NE(box, nullptr);
            if (AText != nullptr)
                *AText = box->text();
            for (QAbstractButton* button : box->buttons())
                if (button->text() == AButton)
                    button->click();
        },
        "QMessageBox");
}

class ProjectScreens : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (ScratchFolder().isEmpty())
            GTEST_SKIP() << "runs in the scratch copy made by EngineProjects.ScreensKeepProjectsWithTheDemoProductData";
        ASSERT_TRUE(engine.IsLoaded());
        for (const char* name : {"HOME", "XDG_STATE_HOME", "XDG_CONFIG_HOME"})
            saved.append({name, qgetenv(name)});
        qputenv("HOME", QFile::encodeName(folder.path()));
        qputenv("XDG_STATE_HOME", QFile::encodeName(folder.path() + QStringLiteral("state")));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(folder.path() + QStringLiteral("config")));
        container.resize(1280, 760);
        record.Password = QString::fromLatin1(DatabasePassword);
        record.CataloguePath = folder.makeFolder(QStringLiteral("Catalogues/826")) + u'/';
        const tools::CatalogueSource demo =
            ValueOf(tools::ReadCatalogueSource(QStringLiteral(VANTOR_SOURCE_DIR "/demo/catalogues/826")));
        ExpectOk(tools::WriteDatabase(record.CataloguePath + QStringLiteral("Pricelist.vt4"), record.Password,
                                      tools::PricelistContent(demo.Code, demo.Validity, demo.Items), true));
        TInfoVersion version{};
        ASSERT_EQ(engine.Initialize(record.Get(), &version, &version, &version), ENGINE_INIT_OK);
    }

    void TearDown() override
    {
        engine.Uninitialize();
        for (const auto& [name, value] : saved)
            qputenv(name, value);
    }

    template <typename T>
    T* Find(const char* AName)
    {
        QWidget* screen = EngineScreen(&container);
        return screen == nullptr ? nullptr : screen->findChild<T*>(QString::fromLatin1(AName));
    }

    void Click(const char* AName)
    {
        QPushButton* button = Find<QPushButton>(AName);
        ASSERT_NE(button, nullptr) << AName;
        ASSERT_TRUE(button->isEnabled()) << AName;
        button->click();
        ProcessDeferredDeletes();
    }

    // Sizes AWatts on the open selector and chooses the first solution.
    void Size(double AWatts)
    {
        Find<QDoubleSpinBox>("LoadInput")->setValue(AWatts);
        auto* table = Find<QTableWidget>("SolutionTable");
        ASSERT_GT(table->rowCount(), 0);
        table->selectRow(0);
    }

    QTreeWidget* Tree() { return Find<QTreeWidget>("ProjectTree"); }

    // The rows of the tree as "system/line: code", for comparing.
    QStringList Rows()
    {
        QStringList rows;
        for (int top = 0; top < Tree()->topLevelItemCount(); ++top) {
            const QTreeWidgetItem* item = Tree()->topLevelItem(top);
            rows.append(item->text(0) + QStringLiteral(": ") + item->text(1));
            for (int child = 0; child < item->childCount(); ++child)
                if (!item->child(child)->isFirstColumnSpanned()) // the system's figures
                    rows.append(QStringLiteral("  ") + item->child(child)->text(0).left(24) + QStringLiteral(": ") +
                                item->child(child)->text(1));
        }
        return rows;
    }

    void Screenshot(const char* AName)
    {
        if (const QString target = qEnvironmentVariable("VANTOR_ENGINE_SCREENSHOTS"); !target.isEmpty()) {
            EXPECT_TRUE(container.grab().save(target + u'/' + QLatin1String(AName)));
        }
    }

    LoadedEngine engine;
    TempFolder folder;
    QWidget container;
    InitRecord record{&container};
    QList<QPair<const char*, QByteArray>> saved;
};

} // namespace vantor::test
