#include "session/FileExport.h"

#include "base/FileWrite.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace talix::session {

namespace {

class Fd {
public:
    explicit Fd(int fd) : m_fd(fd) {}
    ~Fd() {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int get() const { return m_fd; }
    bool closeChecked() {
        const int fd = m_fd;
        m_fd = -1;
        return fd < 0 || ::close(fd) == 0;
    }

private:
    int m_fd;
};

QString temporaryName(const QString& destination) {
    const QFileInfo info(destination);
    return info.dir().filePath("." + info.fileName() + ".part");
}

// The temporaries that copies of recordings left in `folder` when the program was killed during
// them. One copy runs at a time, so before a copy starts every one there is stale.
void removeStaleTemporaries(const QDir& folder) {
    static const QRegularExpression stale(R"(^\.File\d+\.WAV\.part$)");
    for (const QString& name : folder.entryList({".*.part"}, QDir::Files | QDir::Hidden))
        if (stale.match(name).hasMatch())
            QFile::remove(folder.filePath(name));
}

} // namespace

FileExport::~FileExport() {
    cancel();
    if (m_worker.joinable())
        m_worker.join();
}

bool FileExport::start(const QString& source, const QString& destination) {
    if (m_state == State::Copying)
        return false;
    if (m_worker.joinable())
        m_worker.join();
    m_cancel = false;
    m_copied = 0;
    m_total = 0;
    m_state = State::Copying;
    m_worker = std::thread([this, source, destination] { m_state = copy(source, destination); });
    return true;
}

FileExport::State FileExport::state() {
    const State s = m_state;
    if (s != State::Copying && m_worker.joinable())
        m_worker.join();
    return s;
}

int FileExport::percent() const {
    const std::uint64_t total = m_total;
    if (total == 0)
        return m_state == State::Done ? 100 : 0;
    return int(m_copied.load() * 100 / total);
}

FileExport::State FileExport::copy(const QString& source, const QString& destination) {
    removeStaleTemporaries(QFileInfo(destination).dir());
    Fd in(::open(QFile::encodeName(source).constData(), O_RDONLY | O_CLOEXEC));
    struct stat st {};
    if (in.get() < 0 || ::fstat(in.get(), &st) != 0)
        return State::Failed;
    m_total = std::uint64_t(st.st_size);
    const QString temporary = temporaryName(destination);
    const QByteArray tempName = QFile::encodeName(temporary);
    Fd out(::open(tempName.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644));
    if (out.get() < 0)
        return State::Failed;
    const auto discard = [&](State s) {
        out.closeChecked();
        ::unlink(tempName.constData());
        return s;
    };
    std::vector<char> buffer(kChunkBytes);
    for (;;) {
        if (m_cancel)
            return discard(State::Cancelled);
        const ssize_t got = ::read(in.get(), buffer.data(), buffer.size());
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return discard(State::Failed);
        if (got == 0)
            break;
        if (!writeAll(out.get(), buffer.data(), std::size_t(got)))
            return discard(State::Failed);
        m_copied += std::uint64_t(got);
        if (m_hook)
            m_hook(m_copied);
    }
    if (m_cancel)
        return discard(State::Cancelled);
    if (::fsync(out.get()) != 0 || !out.closeChecked())
        return discard(State::Failed);
    if (::rename(tempName.constData(), QFile::encodeName(destination).constData()) != 0) {
        ::unlink(tempName.constData());
        return State::Failed;
    }
    // The rename itself reaches the medium with its folder.
    Fd folder(::open(QFile::encodeName(QFileInfo(destination).absolutePath()).constData(),
                     O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.get() >= 0)
        ::fsync(folder.get());
    return State::Done;
}

} // namespace talix::session
