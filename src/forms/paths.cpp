#include "forms/paths.h"

#include <QString>

#include <algorithm>
#include <optional>
#include <string>

namespace forms {
namespace fs = std::filesystem;
namespace {

// Without throwing: a path that cannot be looked at counts as missing.
bool existsQuietly(const fs::path& path) {
    std::error_code error;
    return fs::exists(path, error);
}

QString nameText(const fs::path& name) { return QString::fromStdString(name.native()); }

// The entry of `folder` named `name` regardless of case. Of several, the first in name order,
// so that the choice does not depend on the order the file system lists them in.
std::optional<fs::path> findIgnoringCase(const fs::path& folder, const fs::path& name) {
    const QString wanted = nameText(name);
    std::optional<fs::path> found;
    std::error_code error;
    for (fs::directory_iterator entry(folder, error), end; !error && entry != end;
         entry.increment(error)) {
        const fs::path candidate = entry->path().filename();
        const bool matches =
            QString::compare(nameText(candidate), wanted, Qt::CaseInsensitive) == 0;
        if (matches && (!found || candidate < *found)) found = candidate;
    }
    return found;
}

}  // namespace

fs::path mapWindowsPath(std::string_view path, const fs::path& base) {
    if (path.empty()) return {};
    const fs::path asGiven = base / fs::path(path);  // an absolute path replaces the base
    if (existsQuietly(asGiven)) return asGiven;

    std::string unixPath(path);
    std::replace(unixPath.begin(), unixPath.end(), '\\', '/');
    std::string_view rest = unixPath;
    while (rest.starts_with("./")) rest.remove_prefix(2);

    const fs::path relative(rest);
    fs::path mapped = relative.is_absolute() ? relative.root_path() : base;
    for (const fs::path& name : relative.relative_path()) {
        if (name.empty() || name == ".") continue;  // doubled or trailing separators
        if (name != ".." && !existsQuietly(mapped / name)) {
            const fs::path folder = mapped.empty() ? fs::path(".") : mapped;
            if (const auto match = findIgnoringCase(folder, name)) {
                mapped /= *match;
                continue;
            }
        }
        mapped /= name;
    }
    return mapped;
}

}  // namespace forms
