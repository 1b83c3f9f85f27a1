// The update check against a real loopback server: a window, a staging
// folder in a temporary folder of its own, and packages made by vantor-pack.
#pragma once

#include "update_ui/UpdateCheck.h"

#include "common/FileHelpers.h"
#include "common/uGlobals.h"
#include "i18n/uLanguages.h"
#include "testlib/RecordingPresenter.h"
#include "testlib/ScopedEnv.h"
#include "testlib/TempFolder.h"
#include "testlib/http/HttpTestServer.h"
#include "update/HttpClient.h"

#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QThread>
#include <QWidget>

#include <gtest/gtest.h>

namespace vantor {

inline constexpr char ManifestPath[] = "/Updates/Vantorix/7/VersionControl.txt";

class UpdateCheck : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(LoadTranslations(QStringLiteral(VANTOR_SOURCE_DIR "/demo/Lang/Languages.xml")));
        GlobalSetupData.LanguageId = "ENG";
        SetTextLanguage(GlobalSetupData.LanguageId);
        GlobalSetupData.RootPath = folder.makeFolder("root") + "/";
        CataloguesFolder = GlobalSetupData.RootPath + "Catalogues/";
        installed.Product = StrToInfoVersion("2.1.0.3");
        installed.Catalogues = {{"380", "20240101", "20240101"}};
        SetDefaultHttpTimeouts({2, 2});
        window.show();
    }
    void TearDown() override
    {
        SetDefaultHttpTimeouts(saved);
        GlobalSetupData = TGlobalSetupData();
        CataloguesFolder.clear();
    }

    // Links in the manifest are absolute: the server's address goes in front.
    void ServeManifest(const QByteArray& text)
    {
        QByteArray body = text;
        body.replace("=/", "=" + server.Url("/").toUtf8());
        server.Route(ManifestPath, test::HttpRoute::Ok(body));
    }
    void Check(const QString& host = {})
    {
        CheckForUpdates(&window, host.isEmpty() ? QStringLiteral("127.0.0.1:%1").arg(server.Port()) : host, 7,
                        installed, keys,
                        {GlobalSetupData.RootPath, GlobalSetupData.LanguageId, GlobalSetupData.LanguageFile});
    }
    // The updater's (or installer's) recorded command line, once it has run.
    QByteArray WaitForRecord()
    {
        QElapsedTimer timer;
        timer.start();
        while (!QFileInfo::exists(folder.path() + "record.txt") && timer.elapsed() < 10000)
            QThread::msleep(20);
        return folder.read("record.txt");
    }
    QStringList StagedFiles() const
    {
        QStringList files;
        QDirIterator it(folder.path() + "Vantor/Staging", QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext())
            files.append(it.next().mid(folder.path().size()));
        return files;
    }
    QByteArray PackageOf(const QString& name, const QByteArray& content)
    {
        test::TempFolder sources;
        sources.write(name, content);
        const QString package = sources.path() + "p.Z";
        QProcess pack;
        pack.start(VANTOR_PACK, {"create", package, "--root", sources.path(), sources.path() + name});
        pack.waitForFinished(30000);
        QFile file(package);
        file.open(QIODevice::ReadOnly);
        return file.readAll();
    }

    test::TempFolder folder;
    test::ScopedEnv cache{"XDG_CACHE_HOME", folder.path()};
    test::ScopedEnv state{"XDG_STATE_HOME", folder.path() + "state"};
    test::ScopedEnv recordFile{"VANTOR_RECORD_FILE", folder.path() + "record.txt"};
    test::RecordingPresenter presenter;
    test::HttpTestServer server;
    TInstalledVersion installed;
    minisign::TrustedKeys keys; // empty: the unsigned channel
    HttpTimeouts saved = DefaultHttpTimeouts();
    QWidget window;
};

} // namespace vantor
