#include "ui/FileReplacement.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace orvandel {
namespace {

constexpr int NameAttempts = 100;   // unique names tried before giving up
constexpr int KeptNameLength = 64;  // characters of the target's name in the new file's name

QString Tr(const char* text) {
    return QCoreApplication::translate("orvandel::TFileReplacement", text);
}

}  // namespace

QString FileErrorText(int error) {
    if (error == ENOSPC || error == EDQUOT || error == EFBIG) {
        return Tr(QT_TRANSLATE_NOOP("orvandel::TFileReplacement", "the disk is full"));
    }
    return QString::fromLocal8Bit(std::strerror(error));
}

TFileReplacement::TFileReplacement(const QString& target) : FTarget(target) {
    const QFileInfo info(target);
    if (info.isSymLink()) {
        FTarget = info.symLinkTarget();
    }
    const QFileInfo replaced(FTarget);
    // Hidden, and never named *.pdf: a printer given this name keeps its output format.
    const QString stem = QStringLiteral("%1/.%2.").arg(replaced.absolutePath(),
                                                       replaced.fileName().left(KeptNameLength));
    for (int attempt = 0; attempt < NameAttempts && FHandle < 0; ++attempt) {
        FPath = stem + QString::number(QRandomGenerator::global()->generate(), 16) +
                QStringLiteral(".part");
        // 0666 as for any new file: the umask applies.
        FHandle = ::open(QFile::encodeName(FPath).constData(),
                         O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (FHandle < 0 && errno != EEXIST) {
            break;
        }
    }
    if (FHandle < 0) {
        const int error = errno;
        FPath.clear();
        Fail(FileErrorText(error));
        return;
    }
    struct stat old {};
    if (::stat(QFile::encodeName(FTarget).constData(), &old) == 0 && S_ISREG(old.st_mode) &&
        ::fchmod(FHandle, old.st_mode & 07777) != 0) {
        Fail(FileErrorText(errno));
    }
}

TFileReplacement::~TFileReplacement() {
    if (FHandle >= 0) {
        ::close(FHandle);
    }
    if (!FPlaced && !FPath.isEmpty()) {
        // Nothing to report to: a failure was reported already, or the writer gave up.
        ::unlink(QFile::encodeName(FPath).constData());
    }
}

void TFileReplacement::Fail(const QString& cause) {
    if (FError.isEmpty()) {
        FError = cause;
    }
}

bool TFileReplacement::Write(std::string_view bytes) {
    while (FError.isEmpty() && !bytes.empty()) {
        const ssize_t written = ::write(FHandle, bytes.data(), bytes.size());
        if (written < 0 && errno != EINTR) {
            Fail(FileErrorText(errno));
        } else if (written > 0) {
            bytes.remove_prefix(static_cast<size_t>(written));
        }
    }
    return FError.isEmpty();
}

void TFileReplacement::FailCutShort() {
    const char probe = '\n';
    if (FError.isEmpty() &&
        (::lseek(FHandle, 0, SEEK_END) < 0 || ::write(FHandle, &probe, 1) != 1)) {
        Fail(FileErrorText(errno));
    }
    Fail(
        Tr(QT_TRANSLATE_NOOP("orvandel::TFileReplacement", "the file was not written completely")));
}

bool TFileReplacement::Commit() {
    if (FError.isEmpty() && ::fsync(FHandle) != 0) {
        Fail(FileErrorText(errno));
    }
    if (FHandle >= 0) {
        const int closed = ::close(FHandle);
        FHandle = -1;
        if (closed != 0) {
            Fail(FileErrorText(errno));
        }
    }
    if (FError.isEmpty() && std::rename(QFile::encodeName(FPath).constData(),
                                        QFile::encodeName(FTarget).constData()) != 0) {
        Fail(FileErrorText(errno));
    }
    FPlaced = FError.isEmpty();
    return FPlaced;
}

}  // namespace orvandel
