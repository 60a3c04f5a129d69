#include "platform/Files.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QSaveFile>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "platform/Internal.h"
#include "platform/QtBridge.h"
#include "platform/System.h"

namespace platform {
namespace {

std::string Shown(const std::string& path) {
  return ToStd(QDir::toNativeSeparators(ToQ(path)));
}

void ReportFileProblem(const std::string& what, const std::string& path, const QString& reason) {
  std::string text = "The file \"" + Shown(path) + "\" could not be " + what;
  if (!reason.isEmpty())
    text += ": " + ToStd(reason);
  text += ".";
  ShowMessage(kMessageTitle, text);
}

class QtTextOutputStream final : public TextOutputStream {
 public:
  QtTextOutputStream(std::string path, std::unique_ptr<QSaveFile> file)
      : path_(std::move(path)), file_(std::move(file)) {}

  // Not closed: the new text is thrown away and an existing file stays as it was.
  ~QtTextOutputStream() override {
    if (file_ && !closed_)
      file_->cancelWriting();
    ReleaseIfNoApplication(file_);
  }

  void WriteLine(std::string_view line) override {
    if (closed_ || failed_)
      return;
    pending_.append(line);
    pending_ += '\n';
    if (pending_.size() >= kChunkBytes)
      WritePending();
  }

  bool Close() override {
    if (closed_)
      return committed_;
    closed_ = true;
    WritePending();
    if (!failed_ && file_->commit()) {
      committed_ = true;
      return true;
    }
    if (!failed_)
      reason_ = file_->errorString();
    file_->cancelWriting();
    ReportFileProblem("saved", path_, reason_);
    return false;
  }

 private:
  // The file is unbuffered and every byte is accounted for here: a short write (a full
  // disk, a size limit) must fail the save, not leave a truncated file behind a
  // successful commit.
  void WritePending() {
    std::size_t done = 0;
    while (!failed_ && done < pending_.size()) {
      const qint64 wrote =
          file_->write(pending_.data() + done, static_cast<qint64>(pending_.size() - done));
      if (wrote <= 0) {
        failed_ = true;
        reason_ = file_->errorString();
      } else {
        done += static_cast<std::size_t>(wrote);
      }
    }
    pending_.clear();
  }

  static constexpr std::size_t kChunkBytes = 64 * 1024;

  std::string path_;
  std::unique_ptr<QSaveFile> file_;
  std::string pending_;
  QString reason_;
  bool failed_ = false;
  bool closed_ = false;
  bool committed_ = false;
};

// Reads the file a chunk at a time, so a huge file never sits in memory whole.
class QtTextInputStream final : public TextInputStream {
 public:
  QtTextInputStream(std::string path, std::unique_ptr<QFile> file)
      : path_(std::move(path)), file_(std::move(file)) {
    Fill();
  }

  ~QtTextInputStream() override { ReleaseIfNoApplication(file_); }

  std::string ReadLine(std::size_t maxBytes) override {
    std::string line;
    while (!tooLong_ && Fill()) {
      const std::size_t end = buffer_.find_first_of("\r\n", position_);
      const std::size_t stop = end == std::string::npos ? buffer_.size() : end;
      const std::size_t room = maxBytes - line.size();
      if (stop - position_ > room) {
        // Reading stops inside the line, so an endless line costs no more than the limit.
        line.append(buffer_, position_, room);
        position_ += room;
        tooLong_ = true;
        break;
      }
      line.append(buffer_, position_, stop - position_);
      position_ = stop;
      if (end != std::string::npos) {
        const char ending = buffer_[position_++];
        if (ending == '\r' && Fill() && buffer_[position_] == '\n')
          ++position_;
        break;
      }
    }
    if (!tooLong_)
      Fill();  // so that IsEOF knows whether anything is left
    return line;
  }

  bool IsEOF() const override {
    return failed_ || tooLong_ || (position_ >= buffer_.size() && atEnd_);
  }
  bool Failed() const override { return failed_; }
  bool TooLong() const override { return tooLong_; }

 private:
  // True when unread bytes are in the buffer, reading the next chunk when needed.
  bool Fill() {
    if (position_ < buffer_.size())
      return true;
    if (atEnd_ || failed_)
      return false;
    buffer_.resize(kChunkBytes);
    const qint64 got = file_->read(buffer_.data(), static_cast<qint64>(buffer_.size()));
    position_ = 0;
    if (got < 0) {
      buffer_.clear();
      failed_ = true;
      atEnd_ = true;
      ReportFileProblem("read", path_, file_->errorString());
      return false;
    }
    buffer_.resize(static_cast<std::size_t>(got));
    if (got == 0) {
      atEnd_ = true;
      return false;
    }
    return true;
  }

  static constexpr std::size_t kChunkBytes = 64 * 1024;

  std::string path_;
  std::unique_ptr<QFile> file_;
  std::string buffer_;
  std::size_t position_ = 0;
  bool atEnd_ = false;
  bool failed_ = false;
  bool tooLong_ = false;
};

// Why a file of this kind is not read, in the user's words.
QString KindReason(mode_t mode) {
  if (S_ISDIR(mode))
    return QStringLiteral("it is a folder");
  if (S_ISFIFO(mode))
    return QStringLiteral("it is a named pipe");
  if (S_ISSOCK(mode))
    return QStringLiteral("it is a socket");
  if (S_ISCHR(mode) || S_ISBLK(mode))
    return QStringLiteral("it is a device");
  return QStringLiteral("it is not a regular file");
}

QString& LastFolder() {
  static QString folder;
  if (folder.isEmpty())
    folder = QDir::homePath();
  return folder;
}

QString DialogFilter(std::string_view filter) {
  // The text file type has no extension, so any file may be one.
  if (filter == "TEXT")
    return QStringLiteral("Text files (*)");
  return QStringLiteral("All files (*)");
}

std::optional<FolderItem> Chosen(const QString& path) {
  if (path.isEmpty())
    return std::nullopt;
  LastFolder() = QFileInfo(path).absolutePath();
  return FolderItem(ToStd(path));
}

}  // namespace

std::string FolderItem::Name() const {
  return ToStd(QFileInfo(ToQ(path_)).fileName());
}

std::unique_ptr<TextOutputStream> FolderItem::CreateTextFile() const {
  auto file = std::make_unique<QSaveFile>(ToQ(path_));
  if (!file->open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
    ReportFileProblem("created", path_, file->errorString());
    ReleaseIfNoApplication(file);
    return nullptr;
  }
  return std::make_unique<QtTextOutputStream>(path_, std::move(file));
}

std::unique_ptr<TextInputStream> FolderItem::OpenAsTextFile() const {
  // Only a regular file surely ends: a pipe, a socket or a device can keep an open or a read
  // waiting, or never run out. The kind is checked before opening, so that no such file is
  // opened at all, and again on what was opened, in case the name changed meanwhile; with
  // O_NONBLOCK the open itself never waits (a regular file reads the same with it).
  const QByteArray native = QFile::encodeName(ToQ(path_));
  struct stat info {};
  if (::stat(native.constData(), &info) == 0 && !S_ISREG(info.st_mode)) {
    ReportFileProblem("opened", path_, KindReason(info.st_mode));
    return nullptr;
  }
  const int fd = ::open(native.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) {
    const int error = errno;
    ReportFileProblem("opened", path_,
                      error == ENOENT ? QStringLiteral("no such file exists")
                                      : QString::fromLocal8Bit(std::strerror(error)));
    return nullptr;
  }
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    ::close(fd);
    ReportFileProblem("opened", path_, KindReason(info.st_mode));
    return nullptr;
  }
  auto file = std::make_unique<QFile>();
  if (!file->open(fd, QIODevice::ReadOnly | QIODevice::Unbuffered, QFileDevice::AutoCloseHandle)) {
    ::close(fd);
    ReportFileProblem("opened", path_, file->errorString());
    ReleaseIfNoApplication(file);
    return nullptr;
  }
  return std::make_unique<QtTextInputStream>(path_, std::move(file));
}

void FolderItem::ReportProblem(std::string_view what, std::string_view reason) const {
  ReportFileProblem(std::string(what), path_, ToQ(reason));
}

std::optional<FolderItem> GetSaveFolderItem(std::string_view filter, std::string_view defaultName) {
  if (const auto dialog = seams::Current().saveDialog) {
    const std::optional<std::string> path = dialog(filter, defaultName);
    if (!path || path->empty())
      return std::nullopt;
    return FolderItem(*path);
  }
  const QString start = QDir(LastFolder()).filePath(ToQ(defaultName));
  return Chosen(QFileDialog::getSaveFileName(QApplication::activeWindow(), QString(), start,
                                             DialogFilter(filter)));
}

std::optional<FolderItem> GetOpenFolderItem(std::string_view filter) {
  if (const auto dialog = seams::Current().openDialog) {
    const std::optional<std::string> path = dialog(filter);
    if (!path || path->empty())
      return std::nullopt;
    return FolderItem(*path);
  }
  return Chosen(QFileDialog::getOpenFileName(QApplication::activeWindow(), QString(), LastFolder(),
                                             DialogFilter(filter)));
}

}  // namespace platform
