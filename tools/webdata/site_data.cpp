#include "site_data.hpp"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageWriter>
#include <QJsonDocument>
#include <QJsonObject>

namespace webdata {

namespace {
// Lossy WebP at this quality keeps the 118 pictures within a few megabytes (PNG would need about
// 45) while a scene differs from its bitmap only in faint compression noise.
constexpr int kWebpQuality = 85;
}  // namespace

std::optional<Converted> convert(const QString& dataDir, const QString& siteDataDir, QString& message) {
    const QDir source(dataDir);
    if (!source.exists()) {
        message = QStringLiteral("Adresář %1 neexistuje.").arg(dataDir);
        return std::nullopt;
    }
    if (!QDir().mkpath(siteDataDir)) {
        message = QStringLiteral("Adresář %1 nelze vytvořit.").arg(siteDataDir);
        return std::nullopt;
    }
    if (!QImageWriter::supportedImageFormats().contains("webp")) {
        message = QStringLiteral("Qt neumí zapisovat WebP (chybí balík qt6-image-formats-plugins).");
        return std::nullopt;
    }
    const QDir target(siteDataDir);
    Converted done;
    QJsonObject files;
    // The language folders too (lang/en.mo, lang/en/Uvod.bmp), in a fixed order.
    QStringList names;
    for (QDirIterator it(source.absolutePath(), QDir::Files, QDirIterator::Subdirectories); it.hasNext();)
        names << source.relativeFilePath(it.next());
    names.sort();
    for (const QString& name : names) {
        const QFileInfo file(source.filePath(name));
        const QString folder = QFileInfo(name).path() == QLatin1String(".") ? QString() : QFileInfo(name).path() + QLatin1Char('/');
        if (!folder.isEmpty() && !QDir().mkpath(target.filePath(folder))) {
            message = QStringLiteral("Adresář %1 nelze vytvořit.").arg(target.filePath(folder));
            return std::nullopt;
        }
        const QString suffix = file.suffix().toLower();
        QString written;
        if (suffix == QLatin1String("bmp")) {
            const QImage image(file.filePath());
            written = folder + file.completeBaseName() + QStringLiteral(".webp");
            QImageWriter writer(target.filePath(written), "webp");
            writer.setQuality(kWebpQuality);
            if (image.isNull() || !writer.write(image)) {
                message = QStringLiteral("Obrázek %1 nelze převést.").arg(file.fileName());
                return std::nullopt;
            }
            ++done.pictures;
        } else if (suffix == QLatin1String("wav") || suffix == QLatin1String("mo")) {
            // Sounds and translation catalogues as they are.
            written = name;
            QFile::remove(target.filePath(written));
            if (!QFile::copy(file.filePath(), target.filePath(written))) {
                message = QStringLiteral("Soubor %1 nelze zkopírovat.").arg(name);
                return std::nullopt;
            }
            (suffix == QLatin1String("mo") ? done.catalogues : done.sounds)++;
        } else {
            continue;
        }
        done.bytes += QFileInfo(target.filePath(written)).size();
        files.insert(QStringLiteral("data/") + name, QStringLiteral("data/") + written);
    }
    QFile list(target.filePath(QStringLiteral("files.json")));
    const QByteArray json = QJsonDocument(files).toJson(QJsonDocument::Compact);
    if (!list.open(QIODevice::WriteOnly | QIODevice::Truncate) || list.write(json) != json.size()) {
        message = QStringLiteral("Seznam souborů nelze zapsat.");
        return std::nullopt;
    }
    done.bytes += json.size();
    return done;
}

}  // namespace webdata
