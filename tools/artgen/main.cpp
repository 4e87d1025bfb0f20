// artgen: writes every picture and sound the game names into OUTDIR/data, or draws the contact sheet.
#include "catalogue.hpp"
#include "contact_sheet.hpp"
#include "text.hpp"
#include "wav.hpp"

#include "app/data_files.hpp"
#include "app/localized_picture.hpp"
#include "ui/catalogue.hpp"

#include <QGuiApplication>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <optional>
#include <set>
#include <string>
#include <thread>
#include <vector>

namespace {

void usage() {
    std::fprintf(stderr,
                 "usage: artgen OUTDIR                  write every data file into OUTDIR/data (and the title\n"
                 "                                      in each language of OUTDIR/data/lang/*.mo)\n"
                 "       artgen --contact-sheet FILE.png  draw every picture with its name on one sheet\n"
                 "       artgen --picture NAME FILE.png   draw one picture, e.g. data/namesti1.bmp\n");
}

// The catalogue must make exactly the files the game names: no more, no fewer.
bool catalogueMatchesGame(const artgen::Catalogue& c) {
    bool ok = true;
    std::set<std::string> named;
    for (std::string_view name : app::kAllDataFiles) {
        named.emplace(name);
        if (!c.pictures.count(std::string(name)) && !c.sounds.count(std::string(name))) {
            std::fprintf(stderr, "artgen: the game names %.*s, but artgen does not make it\n", static_cast<int>(name.size()),
                         name.data());
            ok = false;
        }
    }
    for (const auto& [name, make] : c.pictures)
        if (!named.count(name)) {
            std::fprintf(stderr, "artgen: %s is not a file the game names\n", name.c_str());
            ok = false;
        }
    for (const auto& [name, make] : c.sounds)
        if (!named.count(name)) {
            std::fprintf(stderr, "artgen: %s is not a file the game names\n", name.c_str());
            ok = false;
        }
    return ok;
}

bool writeOne(const artgen::Catalogue& c, const std::filesystem::path& outDir, const std::string& name) {
    const std::filesystem::path target = outDir / name;
    if (auto picture = c.pictures.find(name); picture != c.pictures.end()) {
        const QImage image = picture->second().convertToFormat(QImage::Format_RGB888);
        if (image.save(QString::fromStdString(target.string()), "BMP")) return true;
    } else {
        const std::vector<std::uint8_t> bytes = artgen::wavBytes(c.sounds.at(name)());
        std::ofstream out(target, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        if (out) return true;
    }
    std::fprintf(stderr, "artgen: cannot write %s\n", target.string().c_str());
    return false;
}

// Every file is drawn on its own, so the work is shared between the machine's cores;
// each file's bytes depend only on its own drawing, never on the order.
bool writeData(const artgen::Catalogue& c, const std::filesystem::path& outDir) {
    std::filesystem::create_directories(outDir / "data");
    std::atomic<std::size_t> next{0};
    std::atomic<bool> ok{true};
    auto worker = [&] {
        for (std::size_t i = next++; i < app::kAllDataFiles.size(); i = next++)
            if (!writeOne(c, outDir, std::string(app::kAllDataFiles[i]))) ok = false;
    };
    const unsigned count = std::clamp(std::thread::hardware_concurrency(), 1u, 8u);
    std::vector<std::thread> workers;
    for (unsigned t = 1; t < count; ++t) workers.emplace_back(worker);
    worker();
    for (std::thread& t : workers) t.join();
    return ok;
}

// The pictures with the game's own words, drawn again in each language whose catalogue lies in
// data/lang, beside it: data/lang/en/Uvod.bmp. A damaged catalogue is named and left out.
bool writeLocalizedPictures(const std::filesystem::path& outDir) {
    const std::string catalogues = (outDir / app::kCatalogueDirectory).string();
    bool ok = true;
    for (const std::string& language : ui::availableLanguages(catalogues)) {
        if (language == ui::kSourceLanguage) continue;
        std::string error;
        const std::optional<ui::Catalogue> words = ui::loadCatalogue(language, error, catalogues);
        if (!words) {
            std::fprintf(stderr, "artgen: %s\n", error.c_str());
            ok = false;
            continue;
        }
        const std::filesystem::path target = outDir / app::localizedPicturePath(pic::uvod, language);
        std::filesystem::create_directories(target.parent_path());
        const QImage image = artgen::titlePictureIn(*words).convertToFormat(QImage::Format_RGB888);
        if (!image.save(QString::fromStdString(target.string()), "BMP")) {
            std::fprintf(stderr, "artgen: cannot write %s\n", target.string().c_str());
            ok = false;
        }
    }
    return ok;
}

bool writeContactSheet(const artgen::Catalogue& c, const QString& file) {
    std::vector<std::pair<std::string, QImage>> pictures;
    for (std::string_view nameView : app::kAllDataFiles) {
        const std::string name(nameView);
        if (auto picture = c.pictures.find(name); picture != c.pictures.end()) pictures.emplace_back(name, picture->second());
    }
    return artgen::contactSheet(pictures).save(file, "PNG");
}

// Qt's note that it picked a runtime directory itself says nothing about the data; keep the build log quiet.
void quietMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (message.startsWith(QStringLiteral("QStandardPaths:"))) return;
    std::fprintf(stderr, "%s%s\n", type == QtWarningMsg ? "artgen: Qt: " : "artgen: ", qPrintable(message));
}

}  // namespace

int main(int argc, char** argv) {
    qInstallMessageHandler(quietMessages);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    artgen::loadTypefaces();
    const QStringList args = QGuiApplication::arguments();
    const artgen::Catalogue catalogue = artgen::fullCatalogue();
    if (args.size() == 4 && args[1] == QStringLiteral("--picture")) {
        const auto picture = catalogue.pictures.find(args[2].toStdString());
        if (picture == catalogue.pictures.end()) {
            std::fprintf(stderr, "artgen: no picture named %s\n", qPrintable(args[2]));
            return 1;
        }
        return picture->second().save(args[3], "PNG") ? 0 : 1;
    }
    if (!catalogueMatchesGame(catalogue)) return 1;
    if (args.size() == 3 && args[1] == QStringLiteral("--contact-sheet")) {
        if (!writeContactSheet(catalogue, args[2])) {
            std::fprintf(stderr, "artgen: cannot write %s\n", qPrintable(args[2]));
            return 1;
        }
        return 0;
    }
    if (args.size() != 2 || args[1].startsWith(QStringLiteral("-"))) {
        usage();
        return 2;
    }
    const std::filesystem::path outDir(args[1].toStdString());
    const bool data = writeData(catalogue, outDir);
    return data && writeLocalizedPictures(outDir) ? 0 : 1;
}
