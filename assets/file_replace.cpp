#include "assets/file_replace.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace lv {

namespace {

std::string FolderOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

bool WriteAll(int fd, const std::string& bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return false;
    if (n == 0) {
      errno = EIO;
      return false;
    }
    done += static_cast<std::size_t>(n);
  }
  return true;
}

// A new file next to path, with the permissions the umask gives a new file.
int CreateTemporary(const std::string& path, std::string& temp) {
  for (int attempt = 0; attempt < 100; ++attempt) {
    temp = path + ".tmp" + std::to_string(getpid()) + "-" + std::to_string(attempt);
    const int fd = open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

// A file that is replaced keeps its permissions.
bool KeepPermissions(const std::string& path, int fd) {
  struct stat old{};
  return stat(path.c_str(), &old) != 0 || fchmod(fd, old.st_mode & 07777) == 0;
}

// Makes the rename itself durable; a folder that cannot be synced changes nothing
// about the file's own safety.
void SyncFolder(const std::string& folder) {
  const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY);
  if (fd < 0) return;
  fsync(fd);
  close(fd);
}

// The file a chain of symbolic links ends at; it need not exist yet. A relative
// link is read from the folder of the link itself.
bool FinalTarget(const std::string& path, std::string& target) {
  target = path;
  for (int hops = 0; hops < 40; ++hops) {
    struct stat info{};
    if (lstat(target.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return true;
    std::string link(4096, '\0');
    const ssize_t n = readlink(target.c_str(), link.data(), link.size());
    if (n < 0) return false;
    link.resize(static_cast<std::size_t>(n));
    target = link.front() == '/' ? link : FolderOf(target) + "/" + link;
  }
  errno = ELOOP;
  return false;
}

// Why an existing file must stay as it is, or 0. Write permission is read from
// the file's mode as well, so that a read-only file stays read-only for an
// administrator too.
int RefusesReplacement(const std::string& path) {
  struct stat info{};
  if (stat(path.c_str(), &info) != 0) return 0;
  if (!S_ISREG(info.st_mode)) return EINVAL;
  if ((info.st_mode & 0222) == 0 || access(path.c_str(), W_OK) != 0) return EACCES;
  return 0;
}

bool Fail(const std::string& what, int error, std::string* reason) {
  if (reason) *reason = what + ": " + std::strerror(error);
  return false;
}

}  // namespace

std::optional<std::string> ReadWholeFile(const std::string& path) {
  const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return std::nullopt;
  struct stat info{};
  if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    close(fd);
    return std::nullopt;
  }
  std::string bytes;
  char buffer[65536];
  ssize_t n;
  while ((n = read(fd, buffer, sizeof buffer)) != 0) {
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) break;
    bytes.append(buffer, static_cast<std::size_t>(n));
  }
  close(fd);
  if (n < 0) return std::nullopt;
  return bytes;
}

bool ReplaceFile(const std::string& linkOrPath, const std::string& bytes, std::string* reason) {
  std::string path;
  if (!FinalTarget(linkOrPath, path)) return Fail("cannot follow the link " + linkOrPath, errno, reason);
  if (const int refusal = RefusesReplacement(path)) return Fail("cannot replace " + path, refusal, reason);
  std::string temp;
  const int fd = CreateTemporary(path, temp);
  if (fd < 0) return Fail("cannot create a file in " + FolderOf(path), errno, reason);
  const bool written = KeepPermissions(path, fd) && WriteAll(fd, bytes) && fsync(fd) == 0;
  const int writeError = errno;
  const bool closed = close(fd) == 0;
  const int closeError = errno;
  if (!written || !closed) {
    unlink(temp.c_str());
    return Fail("cannot write " + temp, written ? closeError : writeError, reason);
  }
  if (rename(temp.c_str(), path.c_str()) != 0) {
    const int renameError = errno;
    unlink(temp.c_str());
    return Fail("cannot replace " + path, renameError, reason);
  }
  SyncFolder(FolderOf(path));
  return true;
}

}  // namespace lv
