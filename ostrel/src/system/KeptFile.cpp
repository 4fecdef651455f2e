#include "ostrel/system/KeptFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#ifdef __EMSCRIPTEN__
#include <emscripten.h>
#endif

#include <cerrno>
#include <cstring>
#include <utility>

namespace ostrel
{

namespace
{

bool writeAll(int fd, const std::string& content)
{
    std::size_t done = 0;
    while (done < content.size())
    {
        const ssize_t written = ::write(fd, content.data() + done, content.size() - done);
        if (written < 0 && errno == EINTR)
        {
            continue;
        }
        if (written <= 0)
        {
            return false;
        }
        done += static_cast<std::size_t>(written);
    }
    return true;
}

#ifdef __EMSCRIPTEN__
// clang-format off
EM_JS(void, pageKeepFiles, (), {
    if (Module.onKeptFilesChanged) {
        Module.onKeptFilesChanged();
    }
});
// clang-format on
#endif

// Makes a rename inside the folder survive a power cut.
// In a browser, files live in memory until the page copies them to its storage: a page that
// keeps files sets Module.onKeptFilesChanged to do so.
bool syncFolder(const std::filesystem::path& folder)
{
#ifdef __EMSCRIPTEN__
    (void)folder;
    pageKeepFiles();
    return true;
#else
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd < 0)
    {
        return false;
    }
    const bool synced = ::fsync(fd) == 0;
    ::close(fd);
    return synced;
#endif
}

std::string failure(const char* what, const std::filesystem::path& path)
{
    return std::string(what) + " " + path.string() + ": " + std::strerror(errno);
}

} // namespace

ReadOutcome readKeptFile(const std::filesystem::path& path, std::string& content, std::string& error)
{
    error.clear();
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
    {
        const int reason = errno;
        error = std::strerror(reason);
        if (reason == ENOENT || reason == ENOTDIR)
        {
            return ReadOutcome::MISSING;
        }
        return reason == EACCES || reason == EPERM ? ReadOutcome::DENIED : ReadOutcome::FAILED;
    }
    std::string whole;
    char buffer[4096];
    ssize_t got = 0;
    while ((got = ::read(fd, buffer, sizeof buffer)) != 0)
    {
        if (got < 0 && errno == EINTR)
        {
            continue;
        }
        if (got < 0)
        {
            // A folder opens, then fails here (EISDIR).
            error = std::strerror(errno);
            ::close(fd);
            return ReadOutcome::FAILED;
        }
        whole.append(buffer, static_cast<std::size_t>(got));
    }
    ::close(fd);
    content = std::move(whole);
    return ReadOutcome::READ;
}

bool writeKeptFile(const std::filesystem::path& path, const std::string& content, std::string& error)
{
    error.clear();
    const std::filesystem::path folder = path.has_parent_path() ? path.parent_path() : ".";
    std::string temporary = (folder / (path.filename().string() + ".XXXXXX")).string();
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0)
    {
        error = failure("cannot create a file beside", path);
        return false;
    }
    bool written = writeAll(fd, content);
    if (!written)
    {
        error = failure("cannot write", temporary);
    }
    else if (::fsync(fd) != 0)
    {
        written = false;
        error = failure("cannot sync", temporary);
    }
    // mkstemp makes the file readable by its owner only; kept files are ordinary ones.
    ::fchmod(fd, 0644);
    if (::close(fd) != 0 && written)
    {
        written = false;
        error = failure("cannot close", temporary);
    }
    if (written && ::rename(temporary.c_str(), path.c_str()) != 0)
    {
        written = false;
        error = failure("cannot replace", path);
    }
    if (!written)
    {
        ::unlink(temporary.c_str());
        return false;
    }
    if (!syncFolder(folder))
    {
        // The new file is in place; only its survival of a power cut is in doubt.
        error = failure("warning: cannot sync the folder of", path);
    }
    return true;
}

std::filesystem::path moveKeptFileAside(const std::filesystem::path& path)
{
    for (int n = 1; n < 1000; ++n)
    {
        const std::filesystem::path aside =
            path.string() + (n == 1 ? std::string(".bad") : "." + std::to_string(n) + ".bad");
        // A hard link fails rather than overwrite an older bad file; then the name goes.
        if (::link(path.c_str(), aside.c_str()) == 0)
        {
            ::unlink(path.c_str());
            syncFolder(path.parent_path());
            return aside;
        }
        if (errno == EEXIST)
        {
            continue;
        }
        // Where the file system has no hard links, rename to a name that is still free.
        std::error_code ignored;
        if (std::filesystem::exists(aside, ignored))
        {
            continue;
        }
        if (::rename(path.c_str(), aside.c_str()) != 0)
        {
            return {};
        }
        syncFolder(path.parent_path());
        return aside;
    }
    return {};
}

} // namespace ostrel
