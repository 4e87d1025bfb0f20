// Lays out every picture as a thumbnail with its name underneath.
#include "contact_sheet.hpp"

#include "text.hpp"

#include <QPainter>

#include <algorithm>

namespace artgen {

QImage contactSheet(const std::vector<std::pair<std::string, QImage>>& pictures) {
    constexpr int kColumns = 8;
    constexpr int kThumbW = 240;
    constexpr int kThumbH = 180;
    constexpr int kLabelH = 22;
    constexpr int kGap = 10;
    const int rows = (static_cast<int>(pictures.size()) + kColumns - 1) / kColumns;
    QImage sheet(kColumns * (kThumbW + kGap) + kGap, rows * (kThumbH + kLabelH + kGap) + kGap, QImage::Format_RGB32);
    sheet.fill(QColor(52, 50, 48));
    QPainter p(&sheet);
    p.setRenderHint(QPainter::SmoothPixmapTransform, true);
    p.setRenderHint(QPainter::Antialiasing, true);
    for (std::size_t i = 0; i < pictures.size(); ++i) {
        const int col = static_cast<int>(i) % kColumns;
        const int row = static_cast<int>(i) / kColumns;
        const QRect cell(kGap + col * (kThumbW + kGap), kGap + row * (kThumbH + kLabelH + kGap), kThumbW, kThumbH);
        p.fillRect(cell, QColor(70, 68, 66));
        const QImage& img = pictures[i].second;
        // Small pictures are shown enlarged (whole pixels) so their detail can be judged.
        const qreal scale = std::min({static_cast<qreal>(kThumbW) / img.width(), static_cast<qreal>(kThumbH) / img.height(),
                                      img.width() <= 120 ? 3.0 : 1.0});
        const QSizeF size(img.width() * scale, img.height() * scale);
        const QRectF target(cell.center().x() - size.width() / 2, cell.center().y() - size.height() / 2, size.width(), size.height());
        p.drawImage(target, img);
        const QString label = QString::fromStdString(pictures[i].first) +
                              QStringLiteral("  %1×%2").arg(img.width()).arg(img.height());
        fittedText(p, QRectF(cell.left(), cell.bottom() + 2, kThumbW, kLabelH - 2), label, Face::Condensed, QColor(236, 232, 220));
    }
    return sheet;
}

}  // namespace artgen
