#include "FileWrite.h"

#include "WriteFailure.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace gsm::files {

namespace {

constexpr mode_t kOwnerOnly = 0600;
constexpr int kMaxLinkHops = 40; // as the kernel's own limit

QByteArray Native(const QString& path) {
    return QFile::encodeName(path);
}

// A descriptor closed when it goes out of scope, unless closed with a check.
class Descriptor {
public:
    explicit Descriptor(int fd = -1) : m_fd(fd) {}
    ~Descriptor() {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int Get() const { return m_fd; }
    // A full disk on some file systems shows only here.
    bool Close() {
        const int fd = m_fd;
        m_fd = -1;
        return ::close(fd) == 0;
    }

private:
    int m_fd;
};

// A file made beside the target, removed again unless it was moved into place.
class PartFile {
public:
    explicit PartFile(const QString& target) {
        const QFileInfo info(target);
        QByteArray name =
            Native(info.absolutePath() + QStringLiteral("/.") + info.fileName() + ".XXXXXX");
        m_fd = ::mkostemp(name.data(), O_CLOEXEC);
        if (m_fd >= 0)
            m_path = QFile::decodeName(name);
    }
    ~PartFile() {
        if (m_fd >= 0)
            ::close(m_fd);
        if (!m_path.isEmpty())
            ::unlink(Native(m_path).constData());
    }
    PartFile(const PartFile&) = delete;
    PartFile& operator=(const PartFile&) = delete;

    int Fd() const { return m_fd; }
    const QString& Path() const { return m_path; }
    bool CloseChecked() {
        const int fd = m_fd;
        m_fd = -1;
        return ::close(fd) == 0;
    }
    void Placed() { m_path.clear(); }

private:
    int m_fd = -1;
    QString m_path;
};

bool Fail(QString* failure, int error) {
    *failure = WriteFailureText(error);
    return false;
}

bool WriteAll(int fd, const char* data, qsizetype size) {
    while (size > 0) {
        const ssize_t n = ::write(fd, data, static_cast<size_t>(size));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        data += n;
        size -= n;
    }
    return true;
}

// The path symbolic links lead to, whether a file is there or not; nullopt
// with errno set when the chain cannot be followed.
std::optional<QString> FinalTarget(const QString& path) {
    QString current = QFileInfo(path).absoluteFilePath();
    for (int hop = 0; hop < kMaxLinkHops; ++hop) {
        struct stat info {};
        if (::lstat(Native(current).constData(), &info) != 0)
            return errno == ENOENT ? std::optional(current) : std::nullopt;
        if (!S_ISLNK(info.st_mode))
            return current;
        QByteArray link(PATH_MAX, '\0');
        const ssize_t length =
            ::readlink(Native(current).constData(), link.data(), static_cast<size_t>(link.size()));
        if (length < 0)
            return std::nullopt;
        link.truncate(length);
        // A relative link is read from the folder it stands in.
        current =
            QDir::cleanPath(QFileInfo(current).dir().absoluteFilePath(QFile::decodeName(link)));
    }
    errno = ELOOP;
    return std::nullopt;
}

// What is at `path` once links are followed.
enum class Kind { Missing, Regular, Folder, Special };

Kind KindAt(const QString& path) {
    struct stat info {};
    if (::stat(Native(path).constData(), &info) != 0)
        return Kind::Missing;
    if (S_ISREG(info.st_mode))
        return Kind::Regular;
    return S_ISDIR(info.st_mode) ? Kind::Folder : Kind::Special;
}

// Terminals, FIFOs and devices are written to as they are: replacing one
// would put a regular file where the device was.
bool WriteInPlace(const QString& path, const QByteArray& bytes, QString* failure) {
    Descriptor fd(::open(Native(path).constData(), O_WRONLY | O_NOCTTY | O_CLOEXEC));
    if (fd.Get() < 0 || !WriteAll(fd.Get(), bytes.constData(), bytes.size()) || !fd.Close())
        return Fail(failure, errno);
    return true;
}

bool SameFile(int fd, const QString& path) {
    struct stat open {
    }, named{};
    return ::fstat(fd, &open) == 0 && ::lstat(Native(path).constData(), &named) == 0 &&
           open.st_dev == named.st_dev && open.st_ino == named.st_ino;
}

void FlushFolder(const QString& folder) {
    Descriptor fd(::open(Native(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.Get() >= 0)
        ::fsync(fd.Get());
}

// Moves `from` to `to`; with Existing::Keep never over a file already there.
bool MoveIntoPlace(const QString& from, const QString& to, Existing existing) {
    const QByteArray source = Native(from);
    const QByteArray target = Native(to);
    if (existing == Existing::Replace)
        return ::rename(source.constData(), target.constData()) == 0;
    if (::renameat2(AT_FDCWD, source.constData(), AT_FDCWD, target.constData(), RENAME_NOREPLACE) ==
        0)
        return true;
    if (errno != EINVAL && errno != ENOSYS)
        return false;
    // A file system without the flag: a hard link fails just as well when
    // the name is taken.
    if (::link(source.constData(), target.constData()) != 0)
        return false;
    ::unlink(source.constData());
    return true;
}

bool ReplaceWith(const QString& target, const FileFiller& fill, Existing existing,
                 QString* failure) {
    PartFile part(target);
    if (part.Fd() < 0)
        return Fail(failure, errno);
    // mkostemp leaves it 0600 less the umask: set it whole.
    if (::fchmod(part.Fd(), kOwnerOnly) != 0)
        return Fail(failure, errno);
    if (const QString filled = fill(part.Fd(), part.Path()); !filled.isEmpty()) {
        *failure = filled;
        return false;
    }
    // A writer that took the name must have written the file made here.
    if (!SameFile(part.Fd(), part.Path())) {
        *failure = QStringLiteral("the file being written was replaced by another");
        return false;
    }
    // On the disk before its name is: a crash leaves the old file or the new one.
    if (::fsync(part.Fd()) != 0 || !part.CloseChecked())
        return Fail(failure, errno);
    if (!MoveIntoPlace(part.Path(), target, existing))
        return Fail(failure, errno);
    part.Placed();
    FlushFolder(QFileInfo(target).absolutePath());
    return true;
}

// Where the file goes, or false with the reason.
bool Resolve(const QString& path, Existing existing, QString* target, Kind* kind,
             QString* failure) {
    const std::optional<QString> final = FinalTarget(path);
    if (!final)
        return Fail(failure, errno);
    *target = *final;
    *kind = KindAt(*target);
    if (*kind == Kind::Folder)
        return Fail(failure, EISDIR);
    if (*kind == Kind::Regular && existing == Existing::Keep)
        return Fail(failure, EEXIST);
    return true;
}

// The content a filler writes, made in a private file of the temporary
// folder and read back, for a target that is written in place.
std::optional<QByteArray> Produce(const FileFiller& fill, QString* failure) {
    PartFile part(QDir::temp().filePath(QStringLiteral("gsmgate-output")));
    if (part.Fd() < 0 || ::fchmod(part.Fd(), kOwnerOnly) != 0) {
        Fail(failure, errno);
        return std::nullopt;
    }
    if (const QString filled = fill(part.Fd(), part.Path()); !filled.isEmpty()) {
        *failure = filled;
        return std::nullopt;
    }
    QFile made(part.Path());
    if (!made.open(QIODevice::ReadOnly)) {
        *failure = made.errorString();
        return std::nullopt;
    }
    return made.readAll();
}

} // namespace

bool IsSpecialFile(const QString& path) {
    return KindAt(path) == Kind::Special;
}

bool WriteWholeFile(const QString& path, const QByteArray& bytes, QString* failure,
                    Existing existing) {
    QString target;
    Kind kind = Kind::Missing;
    if (!Resolve(path, existing, &target, &kind, failure))
        return false;
    if (kind == Kind::Special)
        return WriteInPlace(target, bytes, failure);
    return ReplaceWith(
        target,
        [&bytes](int fd, const QString&) {
            return WriteAll(fd, bytes.constData(), bytes.size()) ? QString()
                                                                 : WriteFailureText(errno);
        },
        existing, failure);
}

bool WriteWholeFileWith(const QString& path, const FileFiller& fill, QString* failure,
                        Existing existing) {
    QString target;
    Kind kind = Kind::Missing;
    if (!Resolve(path, existing, &target, &kind, failure))
        return false;
    if (kind != Kind::Special)
        return ReplaceWith(target, fill, existing, failure);
    const std::optional<QByteArray> bytes = Produce(fill, failure);
    return bytes && WriteInPlace(target, *bytes, failure);
}

} // namespace gsm::files
