// The data converted for the browser: pictures come out close to their bitmaps under their own
// names, sounds byte for byte, the list maps every name the game asks for, and bad input is refused.
#include "../support/temp_dir.hpp"
#include "site_data.hpp"

#include <QColor>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

namespace {

QString path(const std::filesystem::path& p) { return QString::fromStdString(p.string()); }

void writeFile(const QString& name, const QByteArray& bytes) {
    QFile f(name);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

class SiteDataTest : public ::testing::Test {
protected:
    void SetUp() override {
        data = path(dir.path() / "data");
        site = path(dir.path() / "site" / "data");
        QDir().mkpath(data);
    }
    kvtest::TempDir dir;
    QString data, site;
};

TEST_F(SiteDataTest, PicturesStayCloseAndSoundsKeepEveryByte) {
    QImage picture(800, 600, QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) picture.setPixelColor(x, y, QColor((x * 7) % 256, (y * 3) % 256, (x ^ y) % 256));
    ASSERT_TRUE(picture.save(data + "/Uvod.bmp", "bmp"));
    const QByteArray sound("RIFF\x24\x00\x00\x00WAVEfmt ", 16);
    writeFile(data + "/zvuk.wav", sound);
    writeFile(data + "/notes.txt", "not data");

    QString message;
    const auto done = webdata::convert(data, site, message);
    ASSERT_TRUE(done) << message.toStdString();
    EXPECT_EQ(done->pictures, 1);
    EXPECT_EQ(done->sounds, 1);

    const QImage converted = QImage(site + "/Uvod.webp").convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(converted.size(), picture.size());
    // Lossy, but only faintly: the mean difference per channel stays small.
    double sum = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) {
            const QColor a = picture.pixelColor(x, y), b = converted.pixelColor(x, y);
            sum += std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) + std::abs(a.blue() - b.blue());
        }
    EXPECT_LT(sum / (3.0 * picture.width() * picture.height()), 12.0);
    QFile copied(site + "/zvuk.wav");
    ASSERT_TRUE(copied.open(QIODevice::ReadOnly));
    EXPECT_EQ(copied.readAll(), sound);

    QFile list(site + "/files.json");
    ASSERT_TRUE(list.open(QIODevice::ReadOnly));
    const QJsonObject files = QJsonDocument::fromJson(list.readAll()).object();
    EXPECT_EQ(files.size(), 2);
    EXPECT_EQ(files.value("data/Uvod.bmp").toString(), "data/Uvod.webp");
    EXPECT_EQ(files.value("data/zvuk.wav").toString(), "data/zvuk.wav");
}

// A language's catalogue and its own drawing of the title keep their folder and are listed under
// the names the game asks for.
TEST_F(SiteDataTest, LanguageFoldersKeepTheirPlace) {
    ASSERT_TRUE(QDir().mkpath(data + "/lang/en"));
    QImage title(40, 30, QImage::Format_RGB32);
    title.fill(Qt::darkRed);
    ASSERT_TRUE(title.save(data + "/lang/en/Uvod.bmp", "bmp"));
    const QByteArray catalogue("\xde\x12\x04\x95" "catalogue", 13);
    writeFile(data + "/lang/en.mo", catalogue);

    QString message;
    const auto done = webdata::convert(data, site, message);
    ASSERT_TRUE(done) << message.toStdString();
    EXPECT_EQ(done->catalogues, 1);
    EXPECT_EQ(QImage(site + "/lang/en/Uvod.webp").size(), title.size());
    QFile copied(site + "/lang/en.mo");
    ASSERT_TRUE(copied.open(QIODevice::ReadOnly));
    EXPECT_EQ(copied.readAll(), catalogue);
    QFile list(site + "/files.json");
    ASSERT_TRUE(list.open(QIODevice::ReadOnly));
    const QJsonObject files = QJsonDocument::fromJson(list.readAll()).object();
    EXPECT_EQ(files.value("data/lang/en/Uvod.bmp").toString(), "data/lang/en/Uvod.webp");
    EXPECT_EQ(files.value("data/lang/en.mo").toString(), "data/lang/en.mo");
}

// The build passes folders relative to the working directory.
TEST_F(SiteDataTest, RelativeFoldersWork) {
    ASSERT_TRUE(QDir().mkpath(data + "/lang"));
    writeFile(data + "/lang/en.mo", "catalogue");
    writeFile(data + "/zvuk.wav", "RIFF");
    const QString before = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(QFileInfo(data).path()));
    QString message;
    const auto done = webdata::convert(QFileInfo(data).fileName(), QStringLiteral("out"), message);
    QDir::setCurrent(before);
    ASSERT_TRUE(done) << message.toStdString();
    EXPECT_EQ(done->catalogues, 1);
    EXPECT_EQ(done->sounds, 1);
}

TEST_F(SiteDataTest, ADamagedPictureOrMissingFolderIsRefusedByName) {
    writeFile(data + "/rozbity.bmp", "BM this is no bitmap");
    QString message;
    EXPECT_FALSE(webdata::convert(data, site, message));
    EXPECT_TRUE(message.contains("rozbity.bmp")) << message.toStdString();

    EXPECT_FALSE(webdata::convert(path(dir.path() / "nowhere"), site, message));
    EXPECT_TRUE(message.contains("nowhere")) << message.toStdString();
}

}  // namespace
