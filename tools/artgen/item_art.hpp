// The agent's things, each drawn by one function at any size: close-ups, held pictures and objects in scenes.
#pragma once

#include <QPainter>
#include <QRectF>

namespace artgen {

enum class Item {
    ServiceCard,
    CreditCard,
    Gun,             // with the magazine in
    GunWithoutMagazine,
    Magazine,        // loaded
    EmptyMagazine,
    Cartridges,
    Notebook,
    MoneyFull,       // 200 crowns from the cash machine
    MoneyAfterMap,   // 150 crowns
    MoneyLast,       // a few coins on the second morning
    Map,
    Nail,
    Hammer,
    FishingLine,
    Wire,
    Rod,
    Nut,
    LineWithNut,
    Newspaper,
    Phone,
};

// Draws the item centred in the box, as large as fits; `lift` scales its shadow.
void drawItem(QPainter& p, Item item, const QRectF& box, qreal lift = 1.0);

}  // namespace artgen
