#include "platform/Files.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QSaveFile>

#include "platform/Internal.h"
#include "platform/QtBridge.h"
#include "platform/System.h"

namespace platform {
namespace {

std::string Shown(const std::string& path) {
  return ToStd(QDir::toNativeSeparators(ToQ(path)));
}

void ReportFileProblem(const char* what, const std::string& path, const QString& reason) {
  std::string text = std::string("The file \"") + Shown(path) + "\" could not be " + what;
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

  std::string ReadLine() override {
    std::string line;
    while (Fill()) {
      const std::size_t end = buffer_.find_first_of("\r\n", position_);
      const std::size_t stop = end == std::string::npos ? buffer_.size() : end;
      if (line.size() < kMaxLineBytes) {
        const std::size_t room = kMaxLineBytes - line.size();
        line.append(buffer_, position_, std::min(room, stop - position_));
      }
      position_ = stop;
      if (end != std::string::npos) {
        const char ending = buffer_[position_++];
        if (ending == '\r' && Fill() && buffer_[position_] == '\n')
          ++position_;
        break;
      }
    }
    Fill();  // so that IsEOF knows whether anything is left
    return line;
  }

  bool IsEOF() const override { return failed_ || (position_ >= buffer_.size() && atEnd_); }
  bool Failed() const override { return failed_; }

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
};

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
  const QString path = ToQ(path_);
  const QFileInfo info(path);
  if (info.isDir()) {
    ReportFileProblem("opened", path_, QStringLiteral("it is a folder"));
    return nullptr;
  }
  auto file = std::make_unique<QFile>(path);
  if (!file->open(QIODevice::ReadOnly | QIODevice::Unbuffered)) {
    const QString reason =
        info.exists() ? file->errorString() : QStringLiteral("no such file exists");
    ReportFileProblem("opened", path_, reason);
    ReleaseIfNoApplication(file);
    return nullptr;
  }
  return std::make_unique<QtTextInputStream>(path_, std::move(file));
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
