#pragma once
// A file written so that no one sees it half written: the bytes go to a new file beside the
// target, which takes the target's name only once it is complete. Until then a file of that
// name stays as it was; a write that fails leaves nothing behind.

#include <QString>
#include <string_view>

namespace orvandel {

// What a failed write means in words: "the disk is full" when the file system, the quota or
// the process's file-size limit takes no more bytes (ENOSPC, EDQUOT, EFBIG), else the
// system's text for the errno value `error`.
QString FileErrorText(int error);

class TFileReplacement {
  public:
    // Creates the new file, empty, in the folder of `target` (of the file it links to when
    // `target` is a symbolic link) with the permissions of the file it replaces, else those of
    // a new file. Error() says why when it cannot.
    explicit TFileReplacement(const QString& target);
    // Removes the new file unless Commit() put it in place.
    ~TFileReplacement();
    TFileReplacement(const TFileReplacement&) = delete;
    TFileReplacement& operator=(const TFileReplacement&) = delete;

    // The new file, for a writer that opens it by name (a printer).
    const QString& Path() const { return FPath; }
    // Why the file cannot be put in place; empty while nothing failed.
    const QString& Error() const { return FError; }

    // Appends `bytes`; false, with Error(), when not all of them reached the file.
    bool Write(std::string_view bytes);
    // For a writer that wrote Path() itself and left it cut short: records why, as the system
    // answers a further byte at the file's end ("the disk is full"), or that the file was not
    // written completely when that byte is taken.
    void FailCutShort();
    // Flushes the file to the disk and renames it over the target; false, with Error(), when
    // any step fails or a failure came before. The new file is gone after a failure.
    bool Commit();

  private:
    void Fail(const QString& cause);

    QString FTarget;  // the file replaced (a link's target)
    QString FPath;
    QString FError;
    int FHandle = -1;
    bool FPlaced = false;
};

}  // namespace orvandel
