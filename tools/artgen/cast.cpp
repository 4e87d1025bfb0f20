// The game's cast: one design per person, used in every picture they appear in.
#include "people.hpp"

namespace artgen::cast {

namespace {
const QColor kSkinLight(240, 200, 168);
const QColor kSkinRuddy(232, 170, 140);
const QColor kSkinOlive(214, 172, 130);
const QColor kSkinPale(236, 214, 190);
}  // namespace

// The agent: tan trench coat, brown fedora, dark hair, a day's stubble.
const Character& agent() {
    static const Character c{.skin = kSkinLight, .hair = QColor(60, 44, 34), .outer = QColor(196, 164, 110),
                             .shirt = QColor(236, 236, 228), .trousers = QColor(70, 66, 64), .shoes = QColor(50, 36, 28),
                             .accent = QColor(120, 40, 40), .build = Build::Average, .hairStyle = HairStyle::Short,
                             .hat = Hat::Fedora, .hatColour = QColor(104, 78, 56), .beard = Beard::Stubble,
                             .outfit = Outfit::TrenchCoat, .tie = true};
    return c;
}

// The mayor: stout, bald with grey sides, big moustache, navy suit and the tricolour sash.
const Character& mayor() {
    static const Character c{.skin = kSkinRuddy, .hair = QColor(190, 190, 186), .outer = QColor(40, 52, 96),
                             .shirt = QColor(246, 246, 240), .trousers = QColor(36, 44, 80), .shoes = QColor(30, 24, 20),
                             .accent = QColor(180, 30, 36), .build = Build::Stout, .hairStyle = HairStyle::Bald,
                             .beard = Beard::Moustache, .outfit = Outfit::Suit, .tie = true, .sash = true};
    return c;
}

// The innkeeper: big, black moustache, rolled sleeves, long white apron.
const Character& innkeeper() {
    static const Character c{.skin = kSkinRuddy, .hair = QColor(40, 32, 28), .outer = QColor(214, 226, 236),
                             .shirt = QColor(214, 226, 236), .trousers = QColor(60, 56, 52), .shoes = QColor(40, 30, 24),
                             .accent = QColor(248, 246, 240), .build = Build::Big, .hairStyle = HairStyle::Short,
                             .beard = Beard::Moustache, .outfit = Outfit::ShirtAndApron, .redNose = true};
    return c;
}

// The receptionist: blonde bun, round glasses, bottle-green blouse.
const Character& receptionist() {
    static const Character c{.skin = kSkinPale, .hair = QColor(226, 190, 110), .outer = QColor(48, 118, 92),
                             .shirt = QColor(240, 236, 220), .trousers = QColor(50, 60, 70), .shoes = QColor(40, 30, 30),
                             .accent = QColor(230, 200, 90), .build = Build::Slim, .hairStyle = HairStyle::Bun,
                             .outfit = Outfit::Blouse, .female = true, .glasses = true};
    return c;
}

// The shop assistant: red curls, light blue shop coat.
const Character& shopAssistant() {
    static const Character c{.skin = kSkinLight, .hair = QColor(184, 70, 40), .outer = QColor(130, 176, 214),
                             .shirt = QColor(246, 240, 230), .trousers = QColor(80, 70, 90), .shoes = QColor(60, 40, 40),
                             .accent = QColor(250, 250, 250), .build = Build::Average, .hairStyle = HairStyle::Curly,
                             .outfit = Outfit::ShopCoat, .female = true};
    return c;
}

// The maintenance man: orange overalls, grey beard, blue cap.
const Character& maintenanceMan() {
    static const Character c{.skin = kSkinRuddy, .hair = QColor(150, 150, 146), .outer = QColor(222, 120, 40),
                             .shirt = QColor(90, 100, 120), .trousers = QColor(222, 120, 40), .shoes = QColor(50, 40, 30),
                             .accent = QColor(40, 70, 130), .build = Build::Average, .hairStyle = HairStyle::Short,
                             .hat = Hat::Cap, .hatColour = QColor(40, 70, 130), .beard = Beard::Full,
                             .outfit = Outfit::Overalls};
    return c;
}

// The factory director: thin, slick grey hair, glasses, grey suit with a green tie.
const Character& director() {
    static const Character c{.skin = kSkinPale, .hair = QColor(120, 116, 110), .outer = QColor(120, 122, 126),
                             .shirt = QColor(236, 240, 246), .trousers = QColor(100, 102, 106), .shoes = QColor(30, 26, 24),
                             .accent = QColor(70, 140, 60), .build = Build::Slim, .hairStyle = HairStyle::Slick,
                             .outfit = Outfit::Suit, .glasses = true, .tie = true};
    return c;
}

// The first drinker: red checked shirt, full brown beard, red nose.
const Character& drinkerOne() {
    static const Character c{.skin = kSkinRuddy, .hair = QColor(110, 70, 40), .outer = QColor(176, 52, 44),
                             .shirt = QColor(176, 52, 44), .trousers = QColor(60, 70, 96), .shoes = QColor(50, 36, 28),
                             .accent = QColor(120, 30, 30), .build = Build::Stout, .hairStyle = HairStyle::Short,
                             .beard = Beard::Full, .outfit = Outfit::Shirt, .redNose = true};
    return c;
}

// The second drinker: thin, flat cap, striped blue shirt.
const Character& drinkerTwo() {
    static const Character c{.skin = kSkinLight, .hair = QColor(90, 80, 70), .outer = QColor(90, 120, 170),
                             .shirt = QColor(90, 120, 170), .trousers = QColor(90, 80, 60), .shoes = QColor(50, 36, 28),
                             .accent = QColor(220, 230, 240), .build = Build::Slim, .hairStyle = HairStyle::Short,
                             .hat = Hat::FlatCap, .hatColour = QColor(100, 92, 80), .beard = Beard::Stubble,
                             .outfit = Outfit::Shirt, .redNose = true};
    return c;
}

// The first worker: tall, green overalls, fair hair.
const Character& workerOne() {
    static const Character c{.skin = kSkinLight, .hair = QColor(200, 170, 110), .outer = QColor(70, 120, 80),
                             .shirt = QColor(230, 230, 220), .trousers = QColor(70, 120, 80), .shoes = QColor(40, 34, 30),
                             .accent = QColor(196, 44, 36), .build = Build::Average, .hairStyle = HairStyle::Short,
                             .outfit = Outfit::Overalls};
    return c;
}

// The second worker: stocky, green overalls, dark cap and moustache.
const Character& workerTwo() {
    static const Character c{.skin = kSkinOlive, .hair = QColor(40, 30, 26), .outer = QColor(70, 120, 80),
                             .shirt = QColor(200, 190, 160), .trousers = QColor(70, 120, 80), .shoes = QColor(40, 34, 30),
                             .accent = QColor(196, 44, 36), .build = Build::Stout, .hairStyle = HairStyle::Short,
                             .hat = Hat::Cap, .hatColour = QColor(196, 44, 36), .beard = Beard::Moustache,
                             .outfit = Outfit::Overalls};
    return c;
}

// The madman: wild white hair, ragged brown coat.
const Character& madman() {
    static const Character c{.skin = kSkinOlive, .hair = QColor(240, 240, 236), .outer = QColor(120, 96, 70),
                             .shirt = QColor(180, 170, 130), .trousers = QColor(80, 86, 70), .shoes = QColor(70, 50, 30),
                             .accent = QColor(150, 60, 60), .build = Build::Slim, .hairStyle = HairStyle::Wild,
                             .beard = Beard::Stubble, .outfit = Outfit::Rags};
    return c;
}

// The gardener: straw hat, green apron.
const Character& gardener() {
    static const Character c{.skin = kSkinRuddy, .hair = QColor(120, 90, 60), .outer = QColor(220, 210, 180),
                             .shirt = QColor(220, 210, 180), .trousers = QColor(90, 80, 60), .shoes = QColor(60, 44, 30),
                             .accent = QColor(60, 120, 60), .build = Build::Average, .hairStyle = HairStyle::Short,
                             .hat = Hat::StrawHat, .hatColour = QColor(226, 196, 110), .outfit = Outfit::ShirtAndApron};
    return c;
}

// The engineer: brown hair, glasses, moustache, white shirt.
const Character& engineer() {
    static const Character c{.skin = kSkinPale, .hair = QColor(96, 66, 40), .outer = QColor(240, 240, 236),
                             .shirt = QColor(240, 240, 236), .trousers = QColor(70, 80, 96), .shoes = QColor(40, 30, 24),
                             .accent = QColor(60, 60, 70), .build = Build::Slim, .hairStyle = HairStyle::Short,
                             .beard = Beard::Moustache, .outfit = Outfit::Shirt, .glasses = true};
    return c;
}

// The henchman: big, shaved head, black leather jacket, dark glasses.
const Character& henchman() {
    static const Character c{.skin = kSkinLight, .hair = QColor(70, 60, 50), .outer = QColor(36, 34, 36),
                             .shirt = QColor(120, 120, 120), .trousers = QColor(40, 40, 46), .shoes = QColor(20, 20, 20),
                             .accent = QColor(180, 180, 180), .build = Build::Big, .hairStyle = HairStyle::Shaved,
                             .outfit = Outfit::LeatherJacket, .sunglasses = true};
    return c;
}

// The television newsreader.
const Character& newsreader() {
    static const Character c{.skin = kSkinLight, .hair = QColor(50, 36, 30), .outer = QColor(150, 40, 60),
                             .shirt = QColor(240, 236, 230), .trousers = QColor(40, 40, 50), .shoes = QColor(30, 30, 30),
                             .accent = QColor(230, 200, 120), .build = Build::Slim, .hairStyle = HairStyle::Long,
                             .outfit = Outfit::Suit, .female = true};
    return c;
}

// The agency's officers who come at the end.
const Character& agencyOfficer() {
    static const Character c{.skin = kSkinLight, .hair = QColor(40, 36, 30), .outer = QColor(40, 46, 56),
                             .shirt = QColor(40, 46, 56), .trousers = QColor(40, 46, 56), .shoes = QColor(20, 20, 20),
                             .accent = QColor(230, 200, 60), .build = Build::Average, .hairStyle = HairStyle::Short,
                             .hat = Hat::Cap, .hatColour = QColor(30, 34, 40), .outfit = Outfit::LeatherJacket};
    return c;
}

}  // namespace artgen::cast
