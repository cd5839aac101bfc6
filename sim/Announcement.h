#pragma once
// Makes a running simulator visible to the PC program's port list: a symlink
// named after the simulator's process in the announcement folder, pointing
// at the pty it serves. The link goes away with this object. The folder is the
// one the port list reads: gsm::AnnouncementFolder().

#include <QString>

namespace gsm::sim {

class Announcement {
public:
    // Creates the folder when needed (private to the user), removes links of
    // simulators that no longer run and links "gsmgate-sim-<pid>" to target.
    // Throws std::runtime_error when the link cannot be made, or when the
    // folder is not the user's own alone (AnnouncementFolderProblem).
    Announcement(const QString& dir, const QString& target);
    ~Announcement();
    Announcement(const Announcement&) = delete;
    Announcement& operator=(const Announcement&) = delete;

    const QString& LinkPath() const { return m_link; }

    static QString LinkName(qint64 pid);

private:
    static void RemoveStaleLinks(const QString& dir);

    QString m_link;
};

} // namespace gsm::sim
