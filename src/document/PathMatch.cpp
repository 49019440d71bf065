#include "document/PathMatch.h"

#include <filesystem>
#include <optional>
#include <string_view>
#include <vector>

#include "app/AppContext.h"
#include "text/Convert.h"
#include "text/Cp932.h"
#include "text/SjisChar.h"

namespace tabrix {

namespace fs = std::filesystem;

namespace {

bool IsSeparator(char c) { return c == '/' || c == '\\'; }

bool IsAbsoluteName(std::string_view name) { return !name.empty() && IsSeparator(name[0]); }

// The components of a name, split at slashes and backslashes that stand as
// characters of their own (the trail byte of ソ is no separator).
std::vector<std::string> Components(std::string_view name) {
    std::vector<std::string> parts;
    std::string part;
    for (std::size_t p = 0; p < name.size();) {
        const std::size_t next = NextChar(name, p);
        if (next == p + 1 && IsSeparator(name[p])) {
            if (!part.empty()) parts.push_back(std::move(part));
            part.clear();
        } else {
            part.append(name.substr(p, next - p));
        }
        p = next;
    }
    if (!part.empty()) parts.push_back(std::move(part));
    return parts;
}

std::string Folded(std::string_view cp932) { return ConvertText(cp932, TextConversion::ToUpper); }

bool Exists(const fs::path& path) {
    std::error_code ec;
    return fs::exists(path, ec);
}

// The one entry of dir whose name equals component without regard to case;
// none when no entry or more than one matches.
std::optional<fs::path> UniqueMatch(const fs::path& dir, const std::string& component) {
    const std::string wanted = Folded(component);
    std::error_code ec;
    fs::directory_iterator it(dir.empty() ? fs::path(".") : dir, ec);
    if (ec) return std::nullopt;
    std::optional<fs::path> found;
    std::string name;
    for (; it != fs::directory_iterator(); it.increment(ec)) {
        if (ec) return std::nullopt;
        if (!FromFsPath(it->path().filename(), name) || Folded(name) != wanted) continue;
        if (found) return std::nullopt;
        found = it->path().filename();
    }
    return found;
}

// Descends from start through the components, each taken as written when it
// exists and otherwise by its unique case-blind match. False when one cannot
// be found.
bool Descend(fs::path& current, const std::vector<std::string>& components) {
    for (const std::string& component : components) {
        fs::path exact = current / ToFsPath(component);
        if (component == "." || component == ".." || Exists(exact)) {
            current = std::move(exact);
            continue;
        }
        const std::optional<fs::path> match = UniqueMatch(current, component);
        if (!match) return false;
        current /= *match;
    }
    return true;
}

fs::path StartOf(const std::string& name, const std::string& folder) {
    if (IsAbsoluteName(name)) return fs::path("/");
    return folder.empty() ? fs::path() : ToFsPath(folder);
}

std::string AsName(const fs::path& path) { return FromFsPathLossy(path.lexically_normal()); }

}  // namespace

std::string DataFolder(const AppContext& app) {
    const std::string& dir = app.settings.DefDir;
    if (IsAbsoluteName(dir) || app.startupDir.empty()) return dir;
    if (dir.empty()) return app.startupDir;
    return app.startupDir + "/" + dir;
}

std::string ResolveDataPath(const std::string& name, const std::string& folder) {
    if (name.empty()) return name;
    const fs::path start = StartOf(name, folder);
    const fs::path given = IsAbsoluteName(name) ? ToFsPath(name) : start / ToFsPath(name);
    if (Exists(given)) return AsName(given);
    fs::path found = start;
    if (!Descend(found, Components(name))) return AsName(given);
    return AsName(found);
}

std::string ResolveDataPath(const std::string& name, const std::string& folder,
                            const std::string& fallbackFolder) {
    const std::string path = ResolveDataPath(name, folder);
    if (fallbackFolder.empty() || IsAbsoluteName(name) || Exists(ToFsPath(path))) return path;
    const std::string second = ResolveDataPath(name, fallbackFolder);
    return Exists(ToFsPath(second)) ? second : path;
}

std::string FolderOfPath(const std::string& path) {
    const fs::path parent = ToFsPath(path).parent_path();
    return parent.empty() ? std::string(".") : FromFsPathLossy(parent);
}

std::string ResolveNewFilePath(const std::string& name, const std::string& folder) {
    std::vector<std::string> components = Components(name);
    if (components.empty()) return name;
    const std::string fileName = std::move(components.back());
    components.pop_back();
    fs::path found = StartOf(name, folder);
    if (!Descend(found, components)) {
        const fs::path start = StartOf(name, folder);
        return AsName(IsAbsoluteName(name) ? ToFsPath(name) : start / ToFsPath(name));
    }
    return AsName(found / ToFsPath(fileName));
}

}  // namespace tabrix
