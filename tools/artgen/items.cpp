// Close-ups of examined items (800 x 600) and the held pictures that follow the pointer (60 x 60).
#include "catalogue.hpp"
#include "item_art.hpp"
#include "picture.hpp"
#include "scenery.hpp"

#include "app/data_files.hpp"

#include <QRadialGradient>

namespace artgen {

namespace {

// The agent's desk blotter under a lamp: the same table for every close-up.
void closeUpTable(QPainter& p) {
    QLinearGradient wood(0, 0, 0, 600);
    wood.setColorAt(0, QColor(120, 78, 46));
    wood.setColorAt(1, QColor(84, 52, 30));
    p.fillRect(QRectF(0, 0, 800, 600), wood);
    p.save();
    p.setPen(QPen(QColor(70, 44, 26, 120), 2));
    Random r(5);
    for (int i = 0; i < 40; ++i) {
        const qreal y = r.uniform(0, 600);
        QPainterPath grain;
        grain.moveTo(0, y);
        grain.cubicTo(260, y + r.uniform(-20, 20), 520, y + r.uniform(-20, 20), 800, y + r.uniform(-10, 10));
        p.drawPath(grain);
    }
    p.restore();
    QPainterPath blotter;
    blotter.addRoundedRect(QRectF(40, 24, 720, 552), 10, 10);
    QRadialGradient felt(QPointF(400, 280), 520);
    felt.setColorAt(0, QColor(70, 120, 90));
    felt.setColorAt(1, QColor(30, 64, 46));
    paperShape(p, blotter, felt, 1.5);
    glow(p, QPointF(400, 270), 360, QColor(255, 236, 190, 60));
}

QImage closeUp(Item item, std::uint32_t seed, qreal size = 500) {
    return render(Grade::Neutral, seed, [item, size](QPainter& p) {
        closeUpTable(p);
        drawItem(p, item, QRectF(400 - size / 2, 300 - size / 2, size, size), 2.5);
    });
}

// A held picture: the item on a small paper tile.
QImage held(Item item) {
    return render(Grade::Neutral, 7, [item](QPainter& p) {
        p.fillRect(QRectF(0, 0, kHeldSize, kHeldSize), QColor(60, 52, 44));
        QPainterPath tile;
        tile.addRoundedRect(QRectF(2, 2, kHeldSize - 4, kHeldSize - 4), 7, 7);
        QRadialGradient g(QPointF(24, 20), 50);
        g.setColorAt(0, QColor(252, 244, 222));
        g.setColorAt(1, QColor(222, 204, 166));
        p.fillPath(tile, g);
        p.save();
        p.setPen(QPen(QColor(150, 120, 80), 1.2));
        p.drawPath(tile);
        p.restore();
        drawItem(p, item, QRectF(4, 4, kHeldSize - 8, kHeldSize - 8), 0.35);
    }, kHeldSize, kHeldSize);
}

struct ItemFiles {
    Item item;
    const char* closeUpFile;  // nullptr where examining shows no close-up
    const char* heldFile;
};

}  // namespace

void addItemCloseUps(Catalogue& c) {
    const ItemFiles files[] = {
        {Item::ServiceCard, pic::prukaz, nullptr},
        {Item::CreditCard, pic::karta, nullptr},
        {Item::Gun, pic::zbran, nullptr},
        {Item::GunWithoutMagazine, pic::zbran2, nullptr},
        {Item::Magazine, pic::zasobnik, nullptr},
        {Item::EmptyMagazine, pic::zasobnik2, nullptr},
        {Item::Cartridges, pic::naboje, nullptr},
        {Item::Notebook, pic::zapisnik, nullptr},
        {Item::MoneyFull, pic::penize1, nullptr},
        {Item::MoneyAfterMap, pic::penize2, nullptr},
        {Item::MoneyLast, pic::penize3, nullptr},
        {Item::Nail, pic::hrebik, nullptr},
        {Item::Hammer, pic::kladivo, nullptr},
        {Item::FishingLine, pic::vlasec, nullptr},
        {Item::Wire, pic::drat, nullptr},
        {Item::Rod, pic::tyc, nullptr},
        {Item::Nut, pic::matka, nullptr},
        {Item::LineWithNut, pic::matka_vlasec, nullptr},
        {Item::Phone, pic::mobil, nullptr},
    };
    std::uint32_t seed = 600;
    for (const ItemFiles& f : files) {
        const Item item = f.item;
        const std::uint32_t s = ++seed;
        c.picture(f.closeUpFile, [item, s] { return closeUp(item, s); });
    }
    // The newspaper is shown nearly full height so its headlines can be read.
    c.picture(pic::noviny, [] { return closeUp(Item::Newspaper, 650, 580); });
}

void addHeldPictures(Catalogue& c) {
    const ItemFiles files[] = {
        {Item::ServiceCard, nullptr, pic::prukaz_mini},
        {Item::CreditCard, nullptr, pic::karta_mini},
        {Item::Gun, nullptr, pic::zbran_mini},
        {Item::GunWithoutMagazine, nullptr, pic::zbran_mini2},
        {Item::Magazine, nullptr, pic::zasobnik_mini},
        {Item::EmptyMagazine, nullptr, pic::zasobnik_mini2},
        {Item::Cartridges, nullptr, pic::naboje_mini},
        {Item::Notebook, nullptr, pic::zapisnik_mini},
        {Item::MoneyFull, nullptr, pic::penize1_mini},
        {Item::MoneyAfterMap, nullptr, pic::penize2_mini},
        {Item::MoneyLast, nullptr, pic::penize3_mini},
        {Item::Map, nullptr, pic::mapa_mini},
        {Item::Nail, nullptr, pic::hrebik_mini},
        {Item::Hammer, nullptr, pic::kladivo_mini},
        {Item::FishingLine, nullptr, pic::vlasec_mini},
        {Item::Wire, nullptr, pic::drat_mini},
        {Item::Rod, nullptr, pic::tyc_mini},
        {Item::Nut, nullptr, pic::matka_mini},
        {Item::LineWithNut, nullptr, pic::matka_vlasec_mini},
        {Item::Newspaper, nullptr, pic::noviny_mini},
        {Item::Phone, nullptr, pic::mobil_mini},
    };
    for (const ItemFiles& f : files) {
        const Item item = f.item;
        c.picture(f.heldFile, [item] { return held(item); });
    }
}

}  // namespace artgen
