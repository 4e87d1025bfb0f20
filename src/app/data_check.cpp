// Start-up: every file the game will need is looked at once, and what is wrong is said in one
// box instead of one box per load during play.
#include "app/data_check.hpp"

#include "app/data_files.hpp"
#include "app/main_form.hpp"
#include "app/messages.hpp"

#include <algorithm>
#include <filesystem>

namespace app {

namespace {

// "1 soubor", "2 soubory", "5 souborů": the noun after a count, by the Czech forms.
std::string fileCount(std::size_t n, const ui::Catalogue& tr) {
    const char* noun = n == 1 ? message::kFilesOne : n <= 4 ? message::kFilesFew : message::kFilesMany;
    return ui::fill(tr.translate(noun), std::to_string(n));
}

std::string listed(const std::vector<std::string>& names, const ui::Catalogue& tr) {
    std::string text;
    const std::size_t shown = std::min(names.size(), kListedDataFiles);
    for (std::size_t i = 0; i < shown; ++i) text += (i == 0 ? "" : ", ") + names[i];
    if (names.size() > shown) text += " " + ui::fill(tr.translate(message::kDataMore), fileCount(names.size() - shown, tr));
    return text + ".";
}

}  // namespace

std::string dataFilesMessage(const std::string& folder, const std::vector<std::string>& missing,
                             const std::vector<std::string>& unreadable, const ui::Catalogue& tr) {
    std::string text = tr.translate(message::kDataFolder) + "\n" + folder + "\n";
    if (!missing.empty()) text += "\n" + ui::fill(tr.translate(message::kDataMissing), listed(missing, tr));
    if (!unreadable.empty()) text += "\n" + ui::fill(tr.translate(message::kDataUnreadable), listed(unreadable, tr));
    return text + "\n\n" + tr.translate(message::kDataGoesOn);
}

void TfrmHlavni::checkDataFiles() {
    std::vector<std::string> missing;
    std::vector<std::string> unreadable;
    std::filesystem::path folder;
    for (const std::string_view file : kAllDataFiles) {
        const std::string path(file);
        const ui::FileHealth health = platform.checkFile(path);
        if (health == ui::FileHealth::Readable) continue;
        // Named here once; a later load of the file does not box again.
        reportedMissing_.insert(path);
        const std::filesystem::path name(path);
        folder = name.parent_path();
        (health == ui::FileHealth::Missing ? missing : unreadable).push_back(name.filename().string());
    }
    if (missing.empty() && unreadable.empty()) return;
    std::error_code ec;
    const std::filesystem::path absolute = std::filesystem::absolute(folder, ec);
    platform.inform(dataFilesMessage(ec ? folder.string() : absolute.lexically_normal().string(), missing, unreadable, catalogue_));
}

}  // namespace app
