#include "shop/store/backups.h"

#include <sys/stat.h>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <optional>
#include <system_error>
#include <utility>

#include "shop/store/sqlite_handles.h"

namespace lz::shop {

namespace {

constexpr std::string_view kPrefix = "shop-";
constexpr std::string_view kSuffix = ".sqlite";

// The sequence number of a backup's file name, or nothing for any other name.
std::optional<unsigned long long> sequenceOf(const std::string& name) {
    if (name.size() <= kPrefix.size() + kSuffix.size() || !name.starts_with(kPrefix) ||
        !name.ends_with(kSuffix)) {
        return std::nullopt;
    }
    unsigned long long sequence = 0;
    std::size_t i = kPrefix.size();
    const std::size_t start = i;
    while (i < name.size() && name[i] >= '0' && name[i] <= '9' && i - start < 18) {
        sequence = sequence * 10 + static_cast<unsigned>(name[i] - '0');
        ++i;
    }
    if (i == start || i >= name.size() || name[i] != '-') {
        return std::nullopt;
    }
    return sequence;
}

std::vector<std::pair<unsigned long long, std::filesystem::path>> numberedBackups(
    const std::filesystem::path& directory) {
    std::vector<std::pair<unsigned long long, std::filesystem::path>> found;
    std::error_code error;
    for (std::filesystem::directory_iterator it(directory, error), end; !error && it != end;
         it.increment(error)) {
        if (!it->is_regular_file(error)) {
            continue;
        }
        if (auto sequence = sequenceOf(it->path().filename().string())) {
            found.emplace_back(*sequence, it->path());
        }
    }
    std::sort(found.begin(), found.end());
    return found;
}

std::string fileName(unsigned long long sequence, std::string_view reason) {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", &local);
    char number[32];
    std::snprintf(number, sizeof number, "%06llu", sequence);
    return std::string(kPrefix) + number + "-" + stamp + "-" + std::string(reason) +
           std::string(kSuffix);
}

}  // namespace

std::filesystem::path makeBackup(sqlite3* db, const std::filesystem::path& directory,
                                 std::string_view reason, int keep) {
    std::error_code error;
    if (!std::filesystem::is_directory(directory, error)) {
        if (!std::filesystem::create_directories(directory, error)) {
            return {};
        }
        ::chmod(directory.c_str(), 0700);
    }
    auto existing = numberedBackups(directory);
    const unsigned long long sequence = existing.empty() ? 1 : existing.back().first + 1;
    const std::filesystem::path target = directory / fileName(sequence, reason);
    const std::filesystem::path partial =
        directory / ("." + target.filename().string() + ".partial");
    std::filesystem::remove(partial, error);

    Statement vacuum(db, "VACUUM INTO ?1");
    vacuum.bind(1, partial.string());
    if (!vacuum.ok() || vacuum.step() != SQLITE_DONE) {
        std::filesystem::remove(partial, error);
        return {};
    }
    std::filesystem::rename(partial, target, error);
    if (error) {
        std::filesystem::remove(partial, error);
        return {};
    }

    existing.emplace_back(sequence, target);
    const std::size_t kept = static_cast<std::size_t>(std::max(keep, 1));
    for (std::size_t i = 0; i + kept < existing.size(); ++i) {
        std::filesystem::remove(existing[i].second, error);
    }
    return target;
}

std::vector<std::filesystem::path> listBackups(const std::filesystem::path& directory) {
    std::vector<std::filesystem::path> paths;
    for (auto& [sequence, path] : numberedBackups(directory)) {
        paths.push_back(std::move(path));
    }
    return paths;
}

}  // namespace lz::shop
