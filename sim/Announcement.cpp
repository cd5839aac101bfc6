#include "Announcement.h"

#include "announce/AnnouncementFolder.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <stdexcept>
#include <unistd.h>

namespace gsm::sim {

namespace {

const QString kLinkPrefix = "gsmgate-sim-";

bool ProcessRuns(qint64 pid) {
    return kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM;
}

} // namespace

QString Announcement::LinkName(qint64 pid) {
    return kLinkPrefix + QString::number(pid);
}

Announcement::Announcement(const QString& dir, const QString& target) {
    if (!QDir(dir).exists()) {
        if (!QDir().mkpath(dir))
            throw std::runtime_error("cannot create " + dir.toStdString());
        QFile::setPermissions(dir, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    if (const QString problem = AnnouncementFolderProblem(dir); !problem.isEmpty())
        throw std::runtime_error("will not announce the simulator: " + problem.toStdString());
    RemoveStaleLinks(dir);
    m_link = QDir(dir).filePath(LinkName(getpid()));
    const QByteArray linkPath = QFile::encodeName(m_link);
    unlink(linkPath.constData());
    if (symlink(QFile::encodeName(target).constData(), linkPath.constData()) != 0)
        throw std::runtime_error("cannot create " + linkPath.toStdString() + ": " +
                                 std::strerror(errno));
}

Announcement::~Announcement() {
    unlink(QFile::encodeName(m_link).constData());
}

void Announcement::RemoveStaleLinks(const QString& dir) {
    const QDir folder(dir);
    for (const QString& name : folder.entryList(
             {kLinkPrefix + "*"}, QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot)) {
        bool isNumber = false;
        const qint64 pid = name.mid(kLinkPrefix.size()).toLongLong(&isNumber);
        if (isNumber && pid > 0 && !ProcessRuns(pid))
            unlink(QFile::encodeName(folder.filePath(name)).constData());
    }
}

} // namespace gsm::sim
