// The project shared by the engine's screens while the engine lives: its
// session, the findings of the last check, and the write of the recovery
// file, held back for a second so that typing does not fsync each key.
#pragma once

#include "dev/core/ProjectCheck.h"
#include "dev/core/ProjectSession.h"

#include <QObject>
#include <QTimer>

namespace vantor::devengine {

class ProjectHub final : public QObject {
    Q_OBJECT
public:
    ProjectHub(const EngineTexts& ATexts, const QString& ARecoveryFolder, const QString& ARecentFile);

    ProjectSession& Session() { return session_; }
    const EngineTexts& Texts() const { return texts_; }

    // After an edit of Session().Edit(): marks it modified, writes the
    // recovery soon and tells the screens. AStructure: systems or lines came
    // or went, so that lists are built again.
    void Touch(bool AStructure);
    // Writes a pending recovery now: before anything that may not return
    // (a dialog, an export, the engine's end).
    void Flush();
    // After the project was replaced or saved.
    void Replaced();

    // What a save records of the data it was made with: the catalogue's
    // code, the pricelist's validity and the currency.
    void SetOrigin(const QString& ACatalogue, const QString& APricelistValidity, const QString& ACurrency);
    void StampOrigin(Project& AProject) const;

    const QList<ProjectFinding>& Findings() const { return findings_; }
    void SetFindings(QList<ProjectFinding> AFindings) { findings_ = std::move(AFindings); }

signals:
    void Changed(bool AStructure);
    // A text for the screen's status line.
    void Status(const QString& AText);

private:
    EngineTexts texts_;
    ProjectSession session_;
    QTimer recoveryTimer_;
    QList<ProjectFinding> findings_;
    QString catalogue_;
    QString pricelistValidity_;
    QString currency_;
};

} // namespace vantor::devengine
