#include "CheckInputs.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <memory>
#include <sys/stat.h>
#include <vector>

namespace hexlume {

namespace {

std::string SystemReason(int error)
{
    return error != 0 ? std::string(std::strerror(error)) : std::string("unknown error");
}

bool IsFolder(const std::string& path, bool followLink)
{
    struct stat status {};
    const int result = followLink ? ::stat(path.c_str(), &status) : ::lstat(path.c_str(), &status);
    return result == 0 && S_ISDIR(status.st_mode);
}

void WalkFolder(const std::string& folder, const CheckInputSink& sink)
{
    const std::unique_ptr<DIR, int (*)(DIR*)> directory(::opendir(folder.c_str()), ::closedir);
    if (!directory) {
        sink({.path = folder, .kind = CheckInput::Kind::Failed, .reason = "cannot read the folder: " + SystemReason(errno)});
        return;
    }
    struct Entry {
        std::string name;
        unsigned char type;
    };
    std::vector<Entry> entries;
    errno = 0;
    while (const dirent* entry = ::readdir(directory.get())) {
        const std::string_view name = entry->d_name;
        if (name != "." && name != "..")
            entries.push_back({std::string(name), entry->d_type});
        errno = 0;
    }
    if (errno != 0)
        sink({.path = folder, .kind = CheckInput::Kind::Failed, .reason = "cannot read the folder: " + SystemReason(errno)});
    std::sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) { return a.name < b.name; });
    const std::string prefix = folder.ends_with('/') ? folder : folder + "/";
    for (const Entry& entry : entries) {
        const std::string path = prefix + entry.name;
        const bool folderHere = entry.type == DT_DIR || (entry.type == DT_UNKNOWN && IsFolder(path, false));
        const bool link = entry.type == DT_LNK ||
                          (entry.type == DT_UNKNOWN && [&] {
                              struct stat status {};
                              return ::lstat(path.c_str(), &status) == 0 && S_ISLNK(status.st_mode);
                          }());
        if (folderHere)
            WalkFolder(path, sink);
        else if (link && IsFolder(path, true))
            sink({.path = path, .kind = CheckInput::Kind::Skipped, .reason = "a link to a folder, not followed"});
        else
            sink({.path = path, .kind = CheckInput::Kind::InFolder, .reason = {}});
    }
}

}  // namespace

void AddNamedPath(const std::string& path, const CheckInputSink& sink)
{
    if (IsFolder(path, true))
        WalkFolder(path, sink);
    else
        sink({.path = path, .kind = CheckInput::Kind::Named, .reason = {}});
}

bool AddListedPaths(std::FILE* list, bool nulSeparated, const CheckInputSink& sink)
{
    char* line = nullptr;
    std::size_t capacity = 0;
    const int end = nulSeparated ? '\0' : '\n';
    for (ssize_t length; (length = ::getdelim(&line, &capacity, end, list)) >= 0;) {
        std::string path(line, static_cast<std::size_t>(length));
        if (!path.empty() && path.back() == static_cast<char>(end))
            path.pop_back();
        if (!path.empty())
            AddNamedPath(path, sink);
    }
    std::free(line);
    return !std::ferror(list);
}

}  // namespace hexlume
