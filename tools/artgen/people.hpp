// People built from a few cut-out shapes, and the game's cast: each person always drawn from one design.
#pragma once

#include <QColor>
#include <QPainter>
#include <QRectF>

namespace artgen {

enum class Build { Slim, Average, Stout, Big };
enum class HairStyle { Bald, Short, Slick, Bun, Curly, Wild, Shaved, Long };
enum class Hat { None, Fedora, Cap, StrawHat, FlatCap };
enum class Beard { None, Moustache, Full, Stubble };
enum class Outfit { TrenchCoat, Suit, Overalls, ShirtAndApron, Blouse, ShopCoat, Rags, LeatherJacket, Shirt };

struct Character {
    QColor skin;
    QColor hair;
    QColor outer;     // coat, jacket, overalls or blouse
    QColor shirt;
    QColor trousers;  // or skirt
    QColor shoes;
    QColor accent;    // tie, apron, sash, cap badge
    Build build = Build::Average;
    HairStyle hairStyle = HairStyle::Short;
    Hat hat = Hat::None;
    QColor hatColour;
    Beard beard = Beard::None;
    Outfit outfit = Outfit::Shirt;
    bool female = false;
    bool glasses = false;
    bool tie = false;
    bool sash = false;      // the mayor's tricolour sash
    bool redNose = false;
    bool sunglasses = false;
};

// How a person stands: the upper arms' angles in degrees (0 hangs down, 90 points sideways outwards,
// 180 up), and how far each forearm bends at the elbow from the upper arm's line, in degrees
// towards the body (a hand on the hip, arms folded); a negative bend lifts the forearm outwards and up.
struct Pose {
    qreal leftArm = 8;
    qreal rightArm = 8;
    qreal leftElbow = 14;
    qreal rightElbow = 14;
    bool back = false;        // seen from behind
    bool eyesClosed = false;
    bool mouthOpen = false;
    bool smile = false;
    bool frown = false;
    bool sick = false;        // a greenish face
    bool bentForward = false; // leaning over (sick outside)
    bool leftHandToEar = false;  // talking on the telephone
    bool rightHandToMouth = false;  // feeling sick
};

// Draws a person whose head top is at box.top() and feet at box.bottom(), centred in the box.
void drawPerson(QPainter& p, const Character& who, const QRectF& box, const Pose& pose = {});

// Where the centre of a hand of a person drawn by drawPerson comes to lie (side -1 left, 1 right),
// for putting things into it.
QPointF handPosition(const Character& who, const QRectF& box, const Pose& pose, int side);

// A head and shoulders only, filling the box (for photographs and the television).
void drawPortrait(QPainter& p, const Character& who, const QRectF& box, const Pose& pose = {});

// The cast.
namespace cast {
const Character& agent();
const Character& mayor();
const Character& innkeeper();
const Character& receptionist();
const Character& shopAssistant();
const Character& maintenanceMan();
const Character& director();
const Character& drinkerOne();
const Character& drinkerTwo();
const Character& workerOne();
const Character& workerTwo();
const Character& madman();
const Character& gardener();
const Character& engineer();
const Character& henchman();
const Character& newsreader();
const Character& agencyOfficer();
}  // namespace cast

}  // namespace artgen
