// Typeface loading, fitted lettering and painted signs.
#include "text.hpp"

#include "canvas.hpp"

#include <QFontDatabase>
#include <QFontMetricsF>

#include <array>
#include <cstdio>
#include <map>

namespace artgen {

namespace {

struct FaceFile {
    Face face;
    const char* file;
};

constexpr std::array kFaceFiles = {
    FaceFile{Face::Sans, "DejaVuSans.ttf"},
    FaceFile{Face::SansBold, "DejaVuSans-Bold.ttf"},
    FaceFile{Face::Condensed, "DejaVuSansCondensed.ttf"},
    FaceFile{Face::CondensedBold, "DejaVuSansCondensed-Bold.ttf"},
    FaceFile{Face::Serif, "DejaVuSerif.ttf"},
    FaceFile{Face::SerifBold, "DejaVuSerif-Bold.ttf"},
    FaceFile{Face::Mono, "DejaVuSansMono.ttf"},
};

std::map<Face, QFont>& loaded() {
    static std::map<Face, QFont> fonts;
    return fonts;
}

}  // namespace

void loadTypefaces() {
    for (const FaceFile& f : kFaceFiles) {
        const QString path = QStringLiteral("/usr/share/fonts/truetype/dejavu/") + QString::fromLatin1(f.file);
        const int id = QFontDatabase::addApplicationFont(path);
        QFont font;
        if (id >= 0) {
            const QStringList families = QFontDatabase::applicationFontFamilies(id);
            font.setFamily(families.value(0));
            const QString name = QString::fromLatin1(f.file);
            font.setBold(name.contains(QStringLiteral("Bold")));
            if (name.contains(QStringLiteral("Condensed"))) font.setStretch(QFont::SemiCondensed);
        } else {
            std::fprintf(stderr, "artgen: typeface %s not found, using the default\n", f.file);
        }
        font.setHintingPreference(QFont::PreferNoHinting);
        font.setStyleStrategy(QFont::StyleStrategy(QFont::NoSubpixelAntialias | QFont::NoFontMerging));
        font.setKerning(true);
        loaded()[f.face] = font;
    }
}

QFont font(Face face, qreal pixelSize) {
    QFont f = loaded().count(face) ? loaded().at(face) : QFont();
    f.setPixelSize(std::max(1, static_cast<int>(pixelSize)));
    return f;
}

void fittedText(QPainter& p, const QRectF& box, const QString& text, Face face, QColor colour, Qt::Alignment align) {
    qreal size = box.height() * 0.78;
    QFont f = font(face, size);
    while (size > 6) {
        f = font(face, size);
        const QFontMetricsF metrics(f);
        if (metrics.horizontalAdvance(text) <= box.width() * 0.92) break;
        size -= 1;
    }
    p.save();
    p.setFont(f);
    p.setPen(colour);
    p.drawText(box, static_cast<int>(align), text);
    p.restore();
}

void sign(QPainter& p, const QRectF& board, const QString& text, QColor boardColour, QColor letterColour, Face face,
          QColor borderColour) {
    QPainterPath path;
    path.addRoundedRect(board, 3, 3);
    paperShape(p, path, boardColour, 0.8);
    if (borderColour.alpha() > 0) {
        p.save();
        p.setPen(QPen(borderColour, std::max(1.5, board.height() * 0.07)));
        p.setBrush(Qt::NoBrush);
        const qreal inset = board.height() * 0.1;
        p.drawRoundedRect(board.adjusted(inset, inset, -inset, -inset), 2, 2);
        p.restore();
    }
    fittedText(p, board.adjusted(board.height() * 0.2, 0, -board.height() * 0.2, 0), text, face, letterColour);
}

}  // namespace artgen
