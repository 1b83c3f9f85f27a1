#include "dev/ui/ProjectActions.h"

#include "dev/core/ProjectCheck.h"
#include "dev/core/ProjectFile.h"
#include "dev/ui/ProjectHub.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QPushButton>

namespace vantor::devengine {

namespace {

QString FileFilter(const EngineTexts& ATexts)
{
    return ATexts(TextId::ProjectFileFilter).arg(QLatin1String(ProjectSuffix));
}

// Marks what today's data no longer has and lets the user take the prices
// that changed since the save.
void CheckAgainstToday(QWidget* AParent, ProjectHub& AHub, const ProjectData& AData)
{
    const EngineTexts& texts = AHub.Texts();
    AHub.SetFindings({});
    if (!AData.Products || !AData.Products->DataProblem.isEmpty())
        return;
    ProjectSession& session = AHub.Session();
    const QList<ProjectFinding> findings =
        CheckProject(session.Current(), AData.Products->Data, AData.Prices, AData.Items);
    AHub.SetFindings(findings);
    QStringList changed;
    bool sizeAgain = false;
    for (const ProjectFinding& finding : findings) {
        if (finding.Kind == ProjectFindingKind::PriceChanged)
            changed.append(QStringLiteral("\u2022 ") + FindingText(finding, session.Current(), texts));
        sizeAgain = sizeAgain || finding.Kind == ProjectFindingKind::ModelDiscontinued;
    }
    if (!changed.isEmpty()) {
        const int answer = AskChoice(AParent, texts(TextId::ProjectPricesTitle),
                                     texts(TextId::ProjectPricesIntro) + QStringLiteral("\n\n") + changed.join(u'\n'),
                                     {texts(TextId::ProjectTakeNewPrices), texts(TextId::ProjectKeepPrices)});
        if (answer == 0) {
            ApplyPricesToday(session.Edit(), findings);
            AHub.Touch(true);
        }
    }
    if (sizeAgain)
        emit AHub.Status(texts(TextId::ProjectSizeAgain));
}

} // namespace

int AskChoice(QWidget* AParent, const QString& ATitle, const QString& AText, const QStringList& AButtons,
              QMessageBox::Icon AIcon)
{
    auto* box = new QMessageBox(AIcon, ATitle, AText, QMessageBox::NoButton, AParent);
    box->setObjectName(QStringLiteral("ProjectQuestion"));
    QList<QPushButton*> buttons;
    for (const QString& text : AButtons)
        buttons.append(box->addButton(text, QMessageBox::AcceptRole));
    box->setDefaultButton(buttons.value(0));
    box->exec();
    const int answer = static_cast<int>(buttons.indexOf(qobject_cast<QPushButton*>(box->clickedButton())));
    delete box;
    return answer;
}

bool MayLeaveProject(QWidget* AParent, ProjectHub& AHub)
{
    ProjectSession& session = AHub.Session();
    if (!session.IsModified())
        return true;
    const EngineTexts& texts = AHub.Texts();
    AHub.Flush();
    const int answer = AskChoice(AParent, texts(TextId::Project),
                                 texts(TextId::ProjectAskSave).arg(session.DisplayName(texts(TextId::ProjectUntitled))),
                                 {texts(TextId::ProjectSave), texts(TextId::ProjectDiscard), texts(TextId::Cancel)},
                                 QMessageBox::Warning);
    if (answer == 0)
        return SaveProject(AParent, AHub, false);
    return answer == 1;
}

bool SaveProject(QWidget* AParent, ProjectHub& AHub, bool AAskForFile)
{
    ProjectSession& session = AHub.Session();
    const EngineTexts& texts = AHub.Texts();
    QString file = session.Path();
    if (AAskForFile || file.isEmpty()) {
        const QString folder = file.isEmpty() ? DefaultProjectFolder() : QFileInfo(file).path();
        QDir().mkpath(folder);
        QString name = session.DisplayName(texts(TextId::ProjectUntitled));
        name.replace(u'/', u'-');
        AHub.Flush();
        file = QFileDialog::getSaveFileName(AParent, texts(TextId::ProjectSaveAs),
                                            folder + u'/' + name + QLatin1String(ProjectSuffix), FileFilter(texts));
        if (file.isEmpty())
            return false;
        if (!file.endsWith(QLatin1String(ProjectSuffix)))
            file += QLatin1String(ProjectSuffix);
    }
    AHub.StampOrigin(session.Edit());
    if (const Result<void> saved = session.SaveAs(file); !saved) {
        emit AHub.Status(saved.error().message());
        return false;
    }
    AHub.Replaced();
    emit AHub.Status(session.RecentProblem().isEmpty() ? texts(TextId::SavedTo).arg(QDir::toNativeSeparators(file))
                                                       : session.RecentProblem());
    return true;
}

void NewProject(QWidget* AParent, ProjectHub& AHub)
{
    if (!MayLeaveProject(AParent, AHub))
        return;
    AHub.Session().Close();
    AHub.SetFindings({});
    AHub.Replaced();
}

void OpenProject(QWidget* AParent, ProjectHub& AHub, const ProjectData& AData, const QString& AFile)
{
    if (!MayLeaveProject(AParent, AHub))
        return;
    const EngineTexts& texts = AHub.Texts();
    QString file = AFile;
    if (file.isEmpty()) {
        const QString current = AHub.Session().Path();
        const QString folder = current.isEmpty() ? DefaultProjectFolder() : QFileInfo(current).path();
        file = QFileDialog::getOpenFileName(AParent, texts(TextId::ProjectOpen),
                                            QDir(folder).exists() ? folder : QString(), FileFilter(texts));
        if (file.isEmpty())
            return;
    }
    // A refused file leaves the current project as it was.
    if (const Result<void> opened = AHub.Session().Open(file); !opened) {
        AskChoice(AParent, texts(TextId::ProjectOpen), opened.error().message(), {texts(TextId::ProjectOk)},
                  QMessageBox::Warning);
        return;
    }
    emit AHub.Status(QDir::toNativeSeparators(AHub.Session().Path()));
    CheckAgainstToday(AParent, AHub, AData);
    AHub.Replaced();
}

void OfferLeftWork(QWidget* AParent, ProjectHub& AHub, const ProjectData& AData)
{
    const EngineTexts& texts = AHub.Texts();
    for (const LeftWork& work : FindLeftWork(AHub.Session().RecoveryFolderPath(), texts)) {
        if (!work.Work) {
            emit AHub.Status(work.Problem);
            continue;
        }
        const int answer = AskChoice(AParent, texts(TextId::ProjectRecoveryTitle), RecoveryQuestion(work, texts),
                                     {texts(TextId::ProjectRestore), texts(TextId::ProjectDiscard)});
        if (answer == 0) {
            // The current project must not be lost for the restored one.
            if (!MayLeaveProject(AParent, AHub))
                return;
            if (const Result<void> restored = AHub.Session().Restore(work); !restored)
                emit AHub.Status(restored.error().message());
            CheckAgainstToday(AParent, AHub, AData);
            AHub.Replaced();
            return;
        }
        if (answer == 1) {
            if (const Result<void> gone = DiscardLeftWork(work, texts); !gone)
                emit AHub.Status(gone.error().message());
        }
        // Closed without an answer: asked again at the next opening.
    }
}

QMenu* MakeRecentMenu(QWidget* AParent, ProjectHub& AHub, const ProjectData& AData)
{
    auto* menu = new QMenu(AParent);
    menu->setObjectName(QStringLiteral("RecentProjectsMenu"));
    QObject::connect(menu, &QMenu::aboutToShow, menu, [menu, AParent, &AHub, AData] {
        menu->clear();
        const QStringList recent = AHub.Session().Recent();
        if (recent.isEmpty())
            menu->addAction(AHub.Texts()(TextId::ProjectNoRecent))->setEnabled(false);
        for (const QString& file : recent) {
            QAction* action = menu->addAction(QFileInfo(file).completeBaseName());
            action->setToolTip(QDir::toNativeSeparators(file));
            action->setData(file);
            QObject::connect(action, &QAction::triggered, AParent,
                             [AParent, &AHub, AData, file] { OpenProject(AParent, AHub, AData, file); });
        }
    });
    return menu;
}

} // namespace vantor::devengine
