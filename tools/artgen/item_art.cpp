// Each item drawn in a 200 x 200 design square and scaled into the box it is given.
#include "item_art.hpp"

#include "item_parts.hpp"

#include <algorithm>

namespace artgen {

namespace itemart {

QLinearGradient steel(QPointF a, QPointF b) {
    QLinearGradient g(a, b);
    g.setColorAt(0, QColor(210, 216, 222));
    g.setColorAt(0.45, QColor(150, 158, 166));
    g.setColorAt(1, QColor(90, 96, 104));
    return g;
}

QLinearGradient brass(QPointF a, QPointF b) {
    QLinearGradient g(a, b);
    g.setColorAt(0, QColor(250, 222, 130));
    g.setColorAt(0.5, QColor(214, 168, 70));
    g.setColorAt(1, QColor(150, 110, 40));
    return g;
}

}  // namespace itemart

void drawItem(QPainter& p, Item item, const QRectF& box, qreal lift) {
    const qreal side = std::min(box.width(), box.height());
    const qreal scale = side / 200.0;
    p.save();
    p.translate(box.center().x() - side / 2, box.center().y() - side / 2);
    p.scale(scale, scale);
    const qreal l = lift / std::max(0.2, scale);
    using namespace itemart;
    switch (item) {
        case Item::ServiceCard: serviceCard(p, l); break;
        case Item::CreditCard: creditCard(p, l); break;
        case Item::Gun: gun(p, true, l); break;
        case Item::GunWithoutMagazine: gun(p, false, l); break;
        case Item::Magazine: magazine(p, true, l); break;
        case Item::EmptyMagazine: magazine(p, false, l); break;
        case Item::Cartridges: cartridges(p, l); break;
        case Item::Notebook: notebook(p, l); break;
        case Item::MoneyFull:
        case Item::MoneyAfterMap:
        case Item::MoneyLast: money(p, item, l); break;
        case Item::Map: villageMapFolded(p, l); break;
        case Item::Nail: nail(p, l); break;
        case Item::Hammer: hammer(p, l); break;
        case Item::FishingLine: fishingLine(p, false, l); break;
        case Item::LineWithNut: fishingLine(p, true, l); break;
        case Item::Wire: wire(p, l); break;
        case Item::Rod: rod(p, l); break;
        case Item::Nut: nut(p, l); break;
        case Item::Newspaper: newspaper(p, l); break;
        case Item::Phone: phone(p, l); break;
    }
    p.restore();
}

}  // namespace artgen
