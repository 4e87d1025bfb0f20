// The storeroom door at the power plant and its lock in each state of the repair.
#include "catalogue.hpp"
#include "interior_kit.hpp"
#include "palette.hpp"
#include "picture.hpp"
#include "power_plant_kit.hpp"
#include "scenery.hpp"
#include "text.hpp"

#include "app/data_files.hpp"

#include <cmath>

namespace artgen {

namespace {

const QRectF& lockPlate() {
    static const QRectF plate = sceneRectF("imgCur22").adjusted(8, 6, -8, -6);
    return plate;
}

QPointF keyholeCentre() { return QPointF(lockPlate().center().x(), lockPlate().top() + lockPlate().height() * 0.45); }

void storeroomDoor(QPainter& p) {
    QLinearGradient g(0, 0, 800, 0);
    g.setColorAt(0, QColor(96, 124, 112));
    g.setColorAt(1, QColor(70, 92, 84));
    p.fillRect(QRectF(0, 0, 800, 600), QColor(150, 146, 140));
    QPainterPath leaf;
    leaf.addRect(QRectF(70, -10, 660, 560));
    paperShape(p, leaf, g, 2.0);
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(120, 150, 138));
    for (qreal y = 30; y < 540; y += 60) {
        p.drawEllipse(QPointF(96, y), 5, 5);
        p.drawEllipse(QPointF(704, y), 5, 5);
    }
    p.restore();
    p.fillRect(QRectF(70, 250, 660, 8), QColor(60, 80, 72));
    fittedText(p, QRectF(200, 60, 400, 80), QStringLiteral("SKLAD"), Face::SansBold, QColor(230, 226, 200, 200));
    warningTriangle(p, QPointF(400, 190), 70);
    // The lock plate (open state: a clean keyhole) and the handle beside it.
    const QRectF plate = lockPlate();
    QPainterPath pp;
    pp.addRoundedRect(plate, 6, 6);
    QLinearGradient steelPlate(plate.topLeft(), plate.bottomRight());
    steelPlate.setColorAt(0, QColor(220, 224, 228));
    steelPlate.setColorAt(1, QColor(130, 136, 144));
    paperShape(p, pp, steelPlate, 1.0);
    // A dark edge, so the small plate stands out from the door even at its own size.
    p.save();
    p.setPen(QPen(QColor(52, 58, 60), 1.6));
    p.setBrush(Qt::NoBrush);
    p.drawPath(pp);
    p.restore();
    QPainterPath handle;
    handle.addRoundedRect(QRectF(plate.left() - 110, plate.top() + 10, 118, 16), 8, 8);
    paperShape(p, handle, QColor(190, 194, 200), 1.2);
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(110, 116, 124));
    p.drawEllipse(QPointF(plate.left() + 6, plate.top() + 6), 2.5, 2.5);
    p.drawEllipse(QPointF(plate.right() - 6, plate.bottom() - 6), 2.5, 2.5);
    p.restore();
    const QPointF k = keyholeCentre();
    QPainterPath hole;
    hole.addEllipse(k, 8.5, 8.5);
    hole.moveTo(k + QPointF(-5, 2));
    hole.lineTo(k + QPointF(5, 2));
    hole.lineTo(k + QPointF(7, 24));
    hole.lineTo(k + QPointF(-7, 24));
    hole.closeSubpath();
    p.fillPath(united(hole), QColor(16, 16, 18));
    p.fillRect(QRectF(0, 550, 800, 50), shade(pal::concrete, 0.7));
    wayBackEdge(p, pal::concrete);
}

enum class LockState { BrokenKey, Nail, Cartridge, CartridgeAndNail };

// The things in the lock are drawn bold, with dark outlines, to read at the overlay's 70 x 77 pixels.
void outlined(QPainter& p, const QPainterPath& path, const QBrush& fill, qreal width = 1.4) {
    paperShape(p, path, fill, 0.5);
    p.save();
    p.setPen(QPen(QColor(30, 26, 22), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
    p.restore();
}

void nailFrom(QPainter& p, QPointF point, QPointF headAt) {
    // The nail's shank from its point to its head, and the flat head facing the viewer.
    const QPointF along = headAt - point;
    const qreal length = std::hypot(along.x(), along.y());
    const QPointF across(-along.y() / length * 2.6, along.x() / length * 2.6);
    QPainterPath shank;
    shank.moveTo(point);
    shank.lineTo(point + along * 0.12 + across);
    shank.lineTo(headAt + across);
    shank.lineTo(headAt - across);
    shank.lineTo(point + along * 0.12 - across);
    shank.closeSubpath();
    QLinearGradient steel(point + across, point - across);
    steel.setColorAt(0, QColor(226, 230, 236));
    steel.setColorAt(1, QColor(110, 116, 126));
    outlined(p, shank, steel, 1.2);
    QPainterPath head;
    head.addEllipse(headAt, 7.5, 6);
    QRadialGradient shine(headAt - QPointF(2, 2), 9);
    shine.setColorAt(0, QColor(240, 242, 246));
    shine.setColorAt(1, QColor(130, 136, 146));
    outlined(p, head, shine, 1.2);
}

void lockState(QPainter& p, LockState state) {
    const QPointF k = keyholeCentre();
    switch (state) {
        case LockState::BrokenKey: {
            // The bright stub of a broken key filling the keyhole, its snapped end jagged.
            QPainterPath stub;
            stub.moveTo(k + QPointF(-7, 18));
            stub.lineTo(k + QPointF(-7, -9));
            stub.lineTo(k + QPointF(-3, -16));
            stub.lineTo(k + QPointF(0, -10));
            stub.lineTo(k + QPointF(3, -17));
            stub.lineTo(k + QPointF(8, -9));
            stub.lineTo(k + QPointF(8, 18));
            stub.closeSubpath();
            QLinearGradient g(k - QPointF(7, 0), k + QPointF(8, 0));
            g.setColorAt(0, QColor(255, 238, 160));
            g.setColorAt(0.5, QColor(226, 178, 64));
            g.setColorAt(1, QColor(150, 104, 28));
            outlined(p, stub, g);
            p.save();
            p.setPen(QPen(QColor(120, 84, 24), 1.4));
            for (int i = 0; i < 3; ++i) p.drawLine(k + QPointF(-5, -2 + i * 6), k + QPointF(6, -4 + i * 6));
            // Scratches round the keyhole from trying to get it out.
            p.setPen(QPen(QColor(250, 250, 250, 170), 1.2));
            p.drawLine(k + QPointF(-17, -14), k + QPointF(-10, -21));
            p.drawLine(k + QPointF(13, 20), k + QPointF(20, 12));
            p.drawLine(k + QPointF(-19, 10), k + QPointF(-12, 16));
            p.restore();
            break;
        }
        case LockState::Nail:
            // The nail's point in the keyhole, the nail slanting out towards the viewer.
            nailFrom(p, k + QPointF(0, 4), k + QPointF(19, 28));
            break;
        case LockState::Cartridge:
        case LockState::CartridgeAndNail: {
            // A cartridge pushed into the keyhole: its brass case sticking out, the base with the primer towards the viewer.
            QPainterPath caseSide;
            caseSide.addRoundedRect(QRectF(k.x() - 8, k.y() - 2, 16, 14), 2, 2);
            QLinearGradient side(k - QPointF(8, 0), k + QPointF(8, 0));
            side.setColorAt(0, QColor(250, 220, 130));
            side.setColorAt(1, QColor(150, 100, 30));
            outlined(p, caseSide, side);
            const QPointF base = k + QPointF(0, 12);
            QPainterPath rim;
            rim.addEllipse(base, 10, 7);
            QRadialGradient g(base - QPointF(3, 2), 12);
            g.setColorAt(0, QColor(255, 238, 164));
            g.setColorAt(1, QColor(180, 126, 40));
            outlined(p, rim, g);
            QPainterPath primer;
            primer.addEllipse(base, 3.4, 2.6);
            p.fillPath(primer, QColor(176, 96, 60));
            if (state == LockState::CartridgeAndNail) nailFrom(p, base, base + QPointF(20, 18));
            break;
        }
    }
}}  // namespace

void addStoreroomLock(Catalogue& c) {
    c.picture(pic::elektr3, [] { return render(Grade::Indoor, 503, storeroomDoor); });
    const struct {
        const char* file;
        LockState state;
    } locks[] = {{pic::el1, LockState::BrokenKey}, {pic::el2, LockState::Nail}, {pic::el3, LockState::Cartridge}, {pic::el4, LockState::CartridgeAndNail}};
    for (const auto& lock : locks) {
        const LockState state = lock.state;
        c.picture(lock.file, [state] {
            return renderOverlay(Grade::Indoor, 503, storeroomDoor, [state](QPainter& p) { lockState(p, state); }, sceneRect("imgCur22"));
        });
    }
}

}  // namespace artgen
