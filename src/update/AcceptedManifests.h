// What keeps an old signed manifest from being served again: per server and
// channel, the newest "Issued" this user has accepted, in an INI file of the
// user's state folder ($XDG_STATE_HOME/Vantor/). A manifest counts as
// accepted once its signature, channel and dates held, whether or not it
// offered anything newer.
#pragma once

#include <QDateTime>
#include <QString>

namespace vantor {

// $XDG_STATE_HOME/Vantor/AcceptedManifests.ini (default ~/.local/state).
[[nodiscard]] QString AcceptedManifestsFile();

class TAcceptedManifests {
public:
    explicit TAcceptedManifests(QString AFile) : file_(std::move(AFile)) {}

    // The newest issue time accepted from that server for that channel;
    // invalid when there is none (or the file is unreadable).
    QDateTime Newest(const QString& AServer, int AChannel) const;

    // Records AIssued when it is newer than what is recorded. The file is
    // replaced all or nothing; false when it could not be written.
    [[nodiscard]] bool Remember(const QString& AServer, int AChannel, const QDateTime& AIssued) const;

private:
    QString file_;
};

} // namespace vantor
