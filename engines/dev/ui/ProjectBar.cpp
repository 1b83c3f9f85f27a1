#include "dev/ui/ProjectBar.h"

#include "dev/ui/ProjectHub.h"

#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPushButton>

namespace vantor::devengine {

ProjectBar::ProjectBar(ProjectHub& AHub, ProjectData AData, QWidget* AParent)
    : QFrame(AParent), hub_(AHub), data_(std::move(AData)), row_(new QHBoxLayout(this)), name_(new QLabel(this))
{
    const EngineTexts& texts = hub_.Texts();
    setObjectName(QStringLiteral("ProjectBar"));
    row_->setContentsMargins(18, 6, 18, 6);
    row_->setSpacing(6);
    auto* title = new QLabel(texts(TextId::Project), this);
    title->setObjectName(QStringLiteral("SettingName"));
    name_->setObjectName(QStringLiteral("ProjectName"));
    name_->setTextFormat(Qt::PlainText);
    row_->addWidget(title);
    row_->addWidget(name_, 1);
    connect(AddButton(texts(TextId::ProjectNew), "NewProjectButton"), &QPushButton::clicked, this,
            [this] { NewProject(window(), hub_); });
    connect(AddButton(texts(TextId::ProjectOpen), "OpenProjectButton"), &QPushButton::clicked, this,
            [this] { OpenProject(window(), hub_, data_); });
    QPushButton* recent = AddButton(texts(TextId::ProjectRecent), "RecentProjectsButton");
    recent->setMenu(MakeRecentMenu(this, hub_, data_));
    connect(AddButton(texts(TextId::ProjectSave), "SaveProjectButton"), &QPushButton::clicked, this,
            [this] { SaveProject(window(), hub_, false); });
    connect(AddButton(texts(TextId::ProjectSaveAs), "SaveProjectAsButton"), &QPushButton::clicked, this,
            [this] { SaveProject(window(), hub_, true); });
    connect(&hub_, &ProjectHub::Changed, this, &ProjectBar::Refresh);
    Refresh();
}

QPushButton* ProjectBar::AddButton(const QString& AText, const char* AName)
{
    auto* button = new QPushButton(AText, this);
    button->setObjectName(QLatin1String(AName));
    button->setProperty("segment", "single");
    button->setAutoDefault(false);
    button->setCursor(Qt::PointingHandCursor);
    row_->addWidget(button);
    return button;
}

void ProjectBar::Refresh()
{
    const EngineTexts& texts = hub_.Texts();
    const ProjectSession& session = hub_.Session();
    QString text = session.DisplayName(texts(TextId::ProjectUntitled));
    if (session.IsModified())
        text = texts(TextId::ProjectUnsaved).arg(text);
    text += QStringLiteral("  \u00B7  ") +
            texts(TextId::ProjectSystems).arg(texts.Number(static_cast<double>(session.Current().Systems.size())));
    name_->setText(text);
    name_->setToolTip(QDir::toNativeSeparators(session.Path()));
}

} // namespace vantor::devengine
