// The script, ticks 154 to 412: the cash machine, the map, the power plant, the factory and the evening.
#include "app/data_files.hpp"
#include "app/main_form.hpp"
#include "inventory/item_catalogue.hpp"
#include "inventory/item_names.hpp"
#include "story/script.hpp"
#include "story/speakers.hpp"
#include "story/steps.hpp"

namespace story {

namespace {


// The hammer is used up by the blow: its flag goes before the hand is emptied.
Step hammerSwung() {
    return act([](app::TfrmHlavni& f) { f.setHeld(app::held::Hammer, 0); });
}

// The money's held picture, which changes as the money is spent.
Step moneyPicture(const char* path) {
    return heldPicture(inventory::itemByHeldFlag(app::held::Money)->heldPicture, path);
}

void showLockOverlay(app::TfrmHlavni& f) {
    ui::Component& lock = f.cur(hotspot::StoreroomLock);
    lock.setEnabled(true);
    f.loadPicture(lock, pic::el1);
    lock.setVisible(true);
}

void hideLockOverlay(app::TfrmHlavni& f) { f.showOverlay(hotspot::StoreroomLock, false); }

// The pub's caption types itself over the room; the till may ring again that morning.
void startSecondCaption(app::TfrmHlavni& f) {
    f.state.tillSoundPlayed = 0;
    f.startLocationCaption(app::LocationCaption::Pub);
}

}  // namespace

const Script& firstDayChapter() {
    static const Script chapter = {
        // The cash machine: started at 153 by imgCur15 with the credit card.
        {.from = 154, .to = 159, .steps = {line(say(aside(kAgent),
            "Kolik si vybrat? Dvě stovky by zatím mohly stačit."))}},
        {.from = 160, .to = 164, .steps = {line(say(aside(kAgent), "Hotovo. Teď už jen kartu."))}},
        {.from = 164, .to = 164, .steps = {sound(snd::bankomat, &app::GameState::atmSoundPlayed)}},
        {.from = 165, .to = 169, .steps = {line(say(aside(kAgent),
            "Ten bankomat mi spolkl kartu! Aspoň že mám peníze."))}},
        {.from = 170, .to = 170, .steps = {
            clearLine(), pause(), addItem(item::penize),
            act([](app::TfrmHlavni& f) { f.state.cashPaidOut = 1; }),
            setStage(stage::MoneyWithdrawn),
        }},

        // The map: started at 170 by imgCur16.
        {.from = 171, .to = 176, .steps = {line(say(kAgent,
            "Dobrý den, neměla byste podrobnou mapu vesnice?"))}},
        {.from = 177, .to = 180, .steps = {line(say(kShopAssistant, "Dobrý den. Jednu mapu ještě mám."))}},
        {.from = 181, .to = 184, .steps = {line(say(kAgent, "Tak tu si vezmu."))}},
        {.from = 185, .to = 189, .steps = {
            sound(snd::kasa, &app::GameState::tillSoundPlayed),
            line(say(kShopAssistant, "Tady ji máte. Bude to padesát korun.")),
            tillShows("5", "0"),
        }},
        {.from = 190, .to = 192, .steps = {line(say(kAgent, "Děkuji, na shledanou."))}},
        {.from = 193, .to = 194, .steps = {line(say(kShopAssistant, "Na shledanou."))}},
        {.from = 195, .to = 195, .steps = {
            clearLine(), pause(), setStage(stage::MapBought), moneyPicture(pic::penize2_mini),
            addItem(item::mapa), disableHotspot(hotspot::ShopAssistant), dropHeldItem(),
        }},

        // The power plant: resumed by the first map journey there.
        {.from = 196, .to = 199, .steps = {line(say(aside(kAgent),
            "Tohle vypadá jako elektrárna. Měl bych se podívat dovnitř."))}},
        {.from = 200, .to = 200, .steps = {clearLine(), pause()}},

        // The maintenance man: started at 200 by imgCur19.
        {.from = 201, .to = 204, .steps = {line(say(kAgent, "Dobrý den, mohl bych se tu trochu rozhlédnout?"))}},
        {.from = 205, .to = 209, .steps = {line(say(kMaintenanceMan, "A proč? Tohle není žádné muzeum."))}},
        {.from = 210, .to = 215, .steps = {line(say(kAgent,
            "Jsem Kovář, agent zpravodajské služby, a vyšetřuji zmizení inženýra Horáka."))}},
        {.from = 216, .to = 219, .steps = {line(say(kMaintenanceMan, "To bych o sobě mohl říct taky."))}},
        {.from = 220, .to = 220, .steps = {clearLine(), pause(), setStage(stage::MaintenanceWantsCard)}},

        // The maintenance man, shown the service card: started at 220.
        {.from = 221, .to = 224, .steps = {line(say(kMaintenanceMan,
            "No dobře, ale nejdřív mi musíte s něčím pomoct."))}},
        {.from = 225, .to = 228, .steps = {line(say(kAgent, "A s čím?"))}},
        {.from = 229, .to = 231, .steps = {line(say(kMaintenanceMan, "Zasekl se zámek u dveří do skladu."))}},
        {.from = 232, .to = 235, .steps = {line(say(kAgent, "Zkusím ho opravit."))}},
        {.from = 236, .to = 236, .steps = {
            clearLine(), pause(), enableHotspot(hotspot::StoreroomDoor), setStage(stage::LockToRepair),
        }},

        // The lock: resumed by imgCur20.
        {.from = 237, .to = 240, .steps = {line(say(aside(kAgent),
            "Uvnitř vězí zbytek klíče. Musím ho nějak dostat ven."))}},
        {.from = 241, .to = 241, .steps = {clearLine(), pause(), setStage(stage::LockExamined)}},

        // The hammer drives the nail in: resumed by imgCur22.
        {.from = 242, .to = 244, .steps = {picture(pic::story4), clearLine(), hammerSwung(), dropHeldItem()}},
        {.from = 245, .to = 248, .steps = {
            sound(snd::kladivo, &app::GameState::hammerSoundPlayed),
            line(say(aside(kAgent), "Drží pevně. Budu ho muset vytáhnout jinak.")),
        }},
        {.from = 249, .to = 249, .steps = {
            act(showLockOverlay), picture(pic::elektr3), clearLine(), setStage(stage::NailStuck), pause(),
        }},

        // The hammer fires the cartridge: resumed by imgCur22.
        {.from = 250, .to = 253, .steps = {picture(pic::story5), hammerSwung(), dropHeldItem()}},
        {.from = 254, .to = 258, .steps = {
            picture(pic::story5),
            sound(snd::strelba, &app::GameState::shotSoundPlayed),
            line(say(aside(kAgent), "Hotovo.")),
        }},
        {.from = 259, .to = 259, .steps = {
            picture(pic::elektr3), act(hideLockOverlay), clearLine(), pause(), dropHeldItem(),
        }},

        // Back to the maintenance man: resumed by imgCur19 at storyStage 17.
        {.from = 260, .to = 262, .steps = {line(say(kAgent, "Tak jsem to opravil."))}},
        {.from = 263, .to = 265, .steps = {line(say(kMaintenanceMan, "Díky. Tak se tu klidně rozhlédněte."))}},
        {.from = 266, .to = 269, .steps = {line(say(kAgent,
            "Proč vlastně taková malá vesnice potřebuje elektrárnu?"))}},
        {.from = 270, .to = 274, .steps = {line(say(kMaintenanceMan, "Hlavně kvůli továrně."))}},
        {.from = 275, .to = 278, .steps = {line(say(kAgent, "Vy tu máte továrnu?"))}},
        {.from = 279, .to = 284, .steps = {line(say(kMaintenanceMan,
            "Ano, i když je to spíš moštárna. Dělají tam z jablek džusy a další věci."))}},
        {.from = 285, .to = 289, .steps = {line(say(kAgent,
            "Díky. Až se tu porozhlédnu, zajdu se tam podívat."))}},
        {.from = 290, .to = 290, .steps = {
            clearLine(), setStage(stage::FactoryHeardOf), pause(), disableHotspot(hotspot::MaintenanceMan),
            enableHotspot(hotspot::MachineHallDoor), disableHotspot(hotspot::StoreroomDoor),
        }},

        // The factory: resumed by the map journey there.
        {.from = 291, .to = 296, .steps = {line(say(aside(kAgent),
            "Tak tohle je ta továrna. Mrknu se dovnitř."))}},
        // (tick 297: no entry)
        {.from = 298, .to = 298, .steps = {clearLine(), pause(), setStage(stage::AtFactory)}},

        // The director: started at 298 by imgCur28.
        {.from = 299, .to = 306, .steps = {line(say(kAgent,
            "Dobrý den, jsem Kovář. Mohl bych se trochu porozhlédnout po vaší moštárně?"))}},
        {.from = 307, .to = 310, .steps = {line(say(kDirector, "Dobrý den. Jen se rozhlédněte, mně to nevadí."))}},
        {.from = 311, .to = 313, .steps = {line(say(kAgent, "Děkuji. A co se tu vyrábí?"))}},
        {.from = 314, .to = 319, .steps = {line(say(kDirector,
            "Všechno možné z jablek. Mošty, džusy i jablečné štrúdly."))}},
        {.from = 320, .to = 324, .steps = {line(say(kAgent, "Děkuji, to mi stačí. Na shledanou."))}},
        {.from = 325, .to = 327, .steps = {line(say(kDirector, "Na shledanou."))}},
        {.from = 328, .to = 328, .steps = {
            clearLine(), pause(), setStage(stage::DirectorMet), disableHotspot(hotspot::Director),
        }},

        // The evening at the inn: started at 328 by imgCur8 once the four parts are found.
        {.from = 329, .to = 332, .steps = {line(say(kAgent, "Dal bych si jedno pivo."))}},
        {.from = 333, .to = 339, .steps = {line(say(kInnkeeper, "Hned to bude. Zatím se posaďte."))}},
        {.from = 340, .to = 340, .steps = {clearLine(), pause(), setStage(stage::BeerOrdered)}},

        // The drinkers: started at 340 by imgCur33; the clock runs on into the night.
        {.from = 341, .to = 345, .steps = {line(say(kAgent, "Dobrý večer, pánové. Můžu si přisednout?"))}},
        {.from = 346, .to = 348, .steps = {line(say(kDrinker1, "Jasně."))}},
        {.from = 349, .to = 351, .steps = {line(say(kDrinker2, "Klidně."))}},
        {.from = 352, .to = 352, .steps = {
            setStage(stage::WithDrinkers), picture(pic::hospoda4a), disableAllHotspots(), clearLine(),
        }},
        {.from = 353, .to = 355, .steps = {line(say(kDrinker1, "Vy nejste zdejší, že ne?"))}},
        {.from = 356, .to = 362, .steps = {line(say(kAgent,
            "Ne. Jsem Kovář a vyšetřuji zmizení inženýra Horáka. Nevíte o něm něco?"))}},
        {.from = 363, .to = 371, .steps = {line(say(kDrinker1,
            "Horáka znám odmalička, je to dobrý chlap. Před pár lety odjel do ciziny\n"
            "dělat na zbraních, loni se vrátil a občas sem chodil do hospody."))}},
        {.from = 372, .to = 377, .steps = {line(say(kDrinker2,
            "To je pravda, hrával s námi karty. Doufám, že se najde živý, ještě nám dluží peníze."))}},
        {.from = 378, .to = 380, .steps = {line(say(kAgent, "Díky, to mi stačí. Nezahrajeme si partičku?"))}},
        {.from = 381, .to = 382, .steps = {line(say(kDrinker1, "Tak dobře."))}},
        {.from = 383, .to = 384, .steps = {line(say(kDrinker2, "Určitě."))}},
        {.from = 385, .to = 387, .steps = {clearLine(), setStage(stage::PlayingCards)}},
        {.from = 388, .to = 390, .steps = {picture(pic::story6)}},
        {.from = 391, .to = 391, .steps = {picture(pic::hospoda4b)}},
        {.from = 392, .to = 395, .steps = {line(say(kAgent,
            "Je mi nějak špatně. Potřebuju na čerstvý vzduch."))}},
        {.from = 396, .to = 399, .steps = {picture(pic::story7), clearLine()}},
        {.from = 400, .to = 402, .steps = {picture(pic::story8), line(say(kAgent, "Blééé!"))}},
        {.from = 403, .to = 403, .steps = {picture(pic::story8), clearLine()}},
        {.from = 404, .to = 407, .steps = {line(say(aside(kAgent), "Hrůza. Jdu si lehnout."))}},
        // The night: the checkpoint is marked on every one of these ticks.
        {.from = 408, .to = 411, .steps = {
            picture(pic::story9), clearLine(),
            act([](app::TfrmHlavni& f) { f.writeCheckpointFile(); }),
        }},
        // The second morning in the room.
        {.from = 412, .to = 412, .steps = {
            pause(), setStage(stage::SecondMorning), moneyPicture(pic::penize3_mini), picture(pic::pokoj1a),
            disableAllHotspots(), enableHotspot(hotspot::StepBack), setPlace(scene::HotelRoom, 26),
            act(startSecondCaption),
        }},
    };
    return chapter;
}

}  // namespace story
