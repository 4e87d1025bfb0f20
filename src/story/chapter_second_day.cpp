// The script, ticks 413 to 740: the newspaper, the well, the office, the escape, the passage and the end.
#include "app/data_files.hpp"
#include "app/main_form.hpp"
#include "inventory/item_names.hpp"
#include "story/script.hpp"
#include "story/speakers.hpp"
#include "story/steps.hpp"

namespace story {

const Script& secondDayChapter() {
    static const Script chapter = {
        // The newspaper: started at 412 by imgCur16 at storyStage 24.
        {.from = 413, .to = 417, .steps = {line(say(kAgent, "Dobré ráno. Vezmu si noviny."))}},
        {.from = 418, .to = 422, .steps = {
            line(say(kShopAssistant, "Dobré ráno. Tady jsou, dělá to deset korun.")),
            sound(snd::kasa, &app::GameState::tillSoundPlayed),
            tillShows("1", "0"),
        }},
        {.from = 423, .to = 425, .steps = {line(say(kAgent, "Děkuji."))}},
        // The money goes whether or not it is still among the first twelve entries.
        {.from = 426, .to = 426, .steps = {
            clearLine(), setStage(stage::NewspaperBought), pause(), disableHotspot(hotspot::ShopAssistant),
            removeItem(item::penize, 12), addItem(item::noviny),
        }},

        // The director again: started at 426 by imgCur28 once the newspaper is read.
        {.from = 427, .to = 432, .steps = {line(say(kAgent,
            "Slyšel jste o tom štrúdlu, co vybuchl, a o té paní, co se otrávila džusem?"))}},
        {.from = 433, .to = 438, .steps = {line(say(kDirector,
            "Ano, ale to zboží nebylo od nás. Byla tu policie a nic nenašla."))}},
        {.from = 439, .to = 443, .steps = {line(say(kAgent, "I tak bych se tu raději porozhlédl."))}},
        {.from = 444, .to = 446, .steps = {line(say(kDirector, "Jak chcete, ale je to ztráta času."))}},
        {.from = 447, .to = 447, .steps = {
            clearLine(), pause(), setStage(stage::DirectorMetAgain), disableHotspot(hotspot::Director),
        }},

        // The workers: started at 447 by imgCur31.
        {.from = 448, .to = 453, .steps = {line(say(kWorker1,
            "Představ si, že se na mě včera v noci v práci někdo pozvracel."))}},
        {.from = 454, .to = 459, .steps = {line(say(kWorker2,
            "To je hrozné. Ta práce je i tak dost nebezpečná, měli by nám přidat."))}},
        {.from = 460, .to = 463, .steps = {line(say(kWorker1, "To je pravda."))}},
        {.from = 464, .to = 464, .steps = {clearLine(), pause(), setStage(stage::WorkersOverheard)}},

        // The well: started at 464 by imgCur34; the line begins with a space.
        {.from = 465, .to = 470, .steps = {picture(pic::story10), line(" " + say(aside(kAgent),
            "U hladiny je otvor. K čemu asi je? Zkusím promluvit s tím bláznem v parku."))}},
        {.from = 471, .to = 471, .steps = {
            clearLine(), pause(), setStage(stage::WellOpeningSeen), disableHotspot(hotspot::Well),
            picture(pic::namesti1),
        }},

        // The madman: started at 471 by imgCur35.
        {.from = 472, .to = 476, .steps = {line(say(kAgent, "Dobrý den. Můžu si s vámi o něčem promluvit?"))}},
        {.from = 477, .to = 479, .steps = {line(say(kMadman, "Mmm… eee… brrr…"))}},
        {.from = 480, .to = 484, .steps = {line(say(kAgent, "Nevíte něco o té studni na náměstí?"))}},
        {.from = 485, .to = 486, .steps = {line(say(kMadman, "Hm."))}},
        {.from = 487, .to = 490, .steps = {line(say(kAgent, "Tak mi to povězte."))}},
        {.from = 491, .to = 495, .steps = {line(say(kMadman,
            "Blázen párkrát viděl, jak do ní lidé házejí jablka."))}},
        {.from = 496, .to = 499, .steps = {line(say(kAgent, "Vy jste viděl, jak tam lidé házejí jablka?"))}},
        {.from = 500, .to = 501, .steps = {line(say(kMadman, "Ano."))}},
        {.from = 502, .to = 504, .steps = {line(say(kAgent, "A kdo to byl?"))}},
        {.from = 505, .to = 508, .steps = {line(say(kMadman, "Spousta lidí z vesnice."))}},
        {.from = 509, .to = 510, .steps = {line(say(kAgent, "Děkuji."))}},
        {.from = 511, .to = 511, .steps = {
            clearLine(), pause(), setStage(stage::MadmanHeard), disableHotspot(hotspot::Madman),
        }},

        // The mayor's office: started at 511 by imgCur4.
        {.from = 512, .to = 516, .steps = {line(say(aside(kAgent),
            "Kancelář je zamčená. Zdá se, že tu nikdo není."))}},
        {.from = 517, .to = 517, .steps = {
            clearLine(), pause(), setStage(stage::OfficeLocked), enableHotspot(hotspot::OfficeDoorLock),
        }},

        // The wire picks the lock: started at 517 by imgCur36.
        {.from = 518, .to = 520, .steps = {line(say(aside(kAgent), "A je to."))}},
        {.from = 521, .to = 521, .steps = {
            clearLine(), pause(), setStage(stage::OfficeLockPicked), disableHotspot(hotspot::OfficeDoorLock),
            dropHeldItem(),
        }},

        // The button: started at 521 by imgCur38.
        {.from = 522, .to = 525, .steps = {line(say(aside(kAgent), "K čemu asi může být tohle tlačítko?"))}},
        {.from = 526, .to = 526, .steps = {picture(pic::urad3b)}},
        {.from = 527, .to = 528, .steps = {picture(pic::urad3c)}},
        {.from = 529, .to = 531, .steps = {line(say(aside(kAgent), "Tajný vchod!"))}},
        {.from = 532, .to = 532, .steps = {
            clearLine(), pause(), setStage(stage::SecretEntranceFound), setPlace(scene::MayorsOffice, 8),
            disableHotspot(hotspot::SecretButton), enableHotspot(hotspot::MayorsBackRoomDoor),
            enableHotspot(hotspot::SecretEntrance),
        }},

        // The secret entrance: started at 532 by imgCur39.
        {.from = 533, .to = 538, .steps = {line(say(aside(kAgent),
            "Pro jistotu si nejdřív skočím do pokoje pro číslo na svou spojku."))}},
        {.from = 539, .to = 539, .steps = {clearLine(), pause(), setStage(stage::FetchingNumber)}},

        // The receptionist: started at 539 by imgCur11.
        {.from = 540, .to = 544, .steps = {line(say(kReceptionist,
            "Dobrý den, pane Kováři. Mohl byste zaplatit dosavadní pobyt? Nutně potřebuji peníze."))}},
        {.from = 545, .to = 550, .steps = {line(say(kAgent,
            "Samozřejmě. Dojdu si pro peníze do pokoje a přinesu vám je."))}},
        {.from = 551, .to = 551, .steps = {clearLine(), pause(), setStage(stage::AskedToPay)}},

        // The room: started at 551 by imgCur13.
        {.from = 552, .to = 555, .steps = {line(say(aside(kAgent),
            "Peníze už nemám a karta zůstala v bankomatu. Musím se odsud dostat jinak."))}},
        {.from = 556, .to = 556, .steps = {clearLine(), pause(), setStage(stage::NoMoneyLeft)}},

        // The window: started at 556 by imgCur41.
        {.from = 557, .to = 561, .steps = {line(say(aside(kAgent),
            "Tudy by to šlo, ale nejdřív musím odlákat toho zahradníka dole."))}},
        {.from = 562, .to = 562, .steps = {
            clearLine(), pause(), setStage(stage::GardenerBelow), enableHotspot(hotspot::Gardener),
        }},

        // The escape: started at 562 by imgCur42 with the line and nut.
        {.from = 563, .to = 566, .steps = {picture(pic::pokoj2b)}},
        {.from = 567, .to = 569, .steps = {picture(pic::pokoj2c)}},
        {.from = 570, .to = 572, .steps = {line(say(shouting(kGardener), "Co to je? Co to je?"))}},
        {.from = 573, .to = 575, .steps = {picture(pic::pokoj2d), line(say(aside(kAgent), "Ha, vyšlo to!"))}},
        {.from = 576, .to = 576, .steps = {
            clearLine(), pause(), setStage(stage::EscapedThroughWindow), picture(pic::hospoda1),
            setPlace(scene::InnFront, 13), disableHotspot(hotspot::StepBack),
            enableHotspot(hotspot::WalkRight), enableHotspot(hotspot::WalkLeft), enableHotspot(hotspot::InnDoor),
            disableHotspot(hotspot::Gardener),
        }},

        // The engineer: started at 576 by imgCur44.
        {.from = 577, .to = 579, .steps = {line(say(kAgent, "Vy musíte být ten pohřešovaný inženýr Horák."))}},
        {.from = 580, .to = 582, .steps = {line(say(kEngineer, "Ano, to jsem já."))}},
        {.from = 583, .to = 585, .steps = {line(say(kAgent, "Jsem Kovář, agent zpravodajské služby."))}},
        {.from = 586, .to = 590, .steps = {line(say(kEngineer, "To je ale úleva! Jak jste mě našel?"))}},
        {.from = 591, .to = 594, .steps = {line(say(kAgent, "To je dlouhý příběh. Co tady děláte?"))}},
        {.from = 595, .to = 601, .steps = {line(say(kEngineer,
            "Unesl mě starosta. Chce ovládnout svět pomocí jablečných robotů a dalších zbraní\n"
            "a potřeboval mě, abych mu je postavil."))}},
        {.from = 602, .to = 605, .steps = {line(say(kAgent,
            "Takže ten vybuchující štrúdl a ten leptavý džus pocházejí odsud?"))}},
        {.from = 606, .to = 611, .steps = {line(say(kEngineer,
            "Přesně tak. Starosta chtěl chemické zbraně z jablek. Pár bomb jsem mu sestrojil,\n"
            "ale udělal jsem je tak slabé, aby nikoho nezabily."))}},
        {.from = 612, .to = 614, .steps = {line(say(kAgent, "Takže za tím vším stojí starosta."))}},
        {.from = 615, .to = 619, .steps = {line(say(kEngineer,
            "Nejen on, pomáhá mu skoro celá vesnice. Už má armádu robotů a sklady zbraní."))}},
        {.from = 620, .to = 622, .steps = {line(say(kAgent, "No teda, to je síla."))}},
        {.from = 623, .to = 625, .steps = {line(say(kEngineer, "Kroky! Rychle se schovejte tamhle do skříně."))}},
        {.from = 626, .to = 626, .steps = {picture(pic::story11), clearLine()}},
        {.from = 627, .to = 629, .steps = {line(say(kMayor, "Horáku, ty tvoje zatracené bomby nefungují!"))}},
        {.from = 630, .to = 634, .steps = {line(say(kEngineer, "Fungují, jenže by zabily leda tak hmyz."))}},
        {.from = 635, .to = 638, .steps = {line(say(kMayor,
            "To nevadí, zbraní máme dost i bez tvých bomb. Lojzo, zabij ho!"))}},
        {.from = 639, .to = 640, .steps = {line(say(kHenchman, "Jasně, šéfe."))}},
        {.from = 641, .to = 642, .steps = {line(say(kEngineer, "Aaaaa!"))}},
        {.from = 643, .to = 645, .steps = {line(say(kMayor, "Lojzo, zbav se toho těla."))}},
        {.from = 646, .to = 648, .steps = {line(say(aside(kAgent), "Sakra, tohle je vážné.")), picture(pic::tt2b)}},
        {.from = 649, .to = 649, .steps = {
            clearLine(), pause(), setStage(stage::EngineerKilled), disableHotspot(hotspot::Prisoner),
            enableHotspot(hotspot::SecondRoomWayOn),
        }},

        // The mayor: started at 649 when the agent steps back into the passage.
        {.from = 650, .to = 654, .steps = {
            line(say(kMayor, "Copak to tu máme? Vy jste jistě pan Kovář.")), picture(pic::tt3b),
        }},
        {.from = 655, .to = 660, .steps = {line(say(kAgent,
            "Vy jste šílený! Myslíte si snad, že ovládnete celý svět?"))}},
        {.from = 661, .to = 665, .steps = {line(say(kMayor,
            "Ano. Zbraní i robotů máme dost. Celý svět bude prosit o milost."))}},
        {.from = 666, .to = 669, .steps = {line(say(kAgent, "Proč jste zabil ty dva lidi?"))}},
        {.from = 670, .to = 677, .steps = {line(say(kMayor,
            "Ten štrúdl a ten džus, to byla nehoda. Jeden zaměstnanec je ukradl a prodal,\n"
            "tak jsem ho s Lojzovou pomocí odstranil. A stejně tak teď odstraníme i vás."))}},
        {.from = 678, .to = 680, .steps = {line(say(kAgent, "To těžko."))}},
        // The agent runs into the passage; the clock runs on.
        {.from = 681, .to = 681, .steps = {
            clearLine(), picture(pic::tt1a), disableAllHotspots(), setPlace(scene::PassageFirstRoom, 12),
        }},
        // (tick 682: no entry)
        {.from = 683, .to = 684, .steps = {line(say(shouting(kMayor), "Za ním! Nesmí nám utéct!"))}},
        {.from = 685, .to = 685, .steps = {
            clearLine(), pause(), setStage(stage::Chase),
            act([](app::TfrmHlavni& f) { f.startDeathCountdown(); }),
            enableHotspot(hotspot::DoorToBar),
        }},

        // The chase: started at 685 by imgCur47 with the rod.
        // (tick 686: no entry)
        {.from = 687, .to = 689, .steps = {line(say(aside(kAgent), "Tohle je chvíli zdrží."))}},
        {.from = 690, .to = 690, .steps = {clearLine(), pause(), setStage(stage::DoorBarred)}},

        // The ending: started at 690 by taking the phone in the hand.
        {.from = 691, .to = 693, .steps = {dropHeldItem(), picture(pic::story12), disableAllHotspots()}},
        {.from = 694, .to = 696, .steps = {picture(pic::story13)}},
        {.from = 697, .to = 701, .steps = {picture(pic::story14)}},
        {.from = 702, .to = 705, .steps = {picture(pic::story13)}},
        {.from = 706, .to = 708, .steps = {picture(pic::story15)}},
        {.from = 709, .to = 712, .steps = {picture(pic::story16)}},
        {.from = 713, .to = 716, .steps = {picture(pic::story17)}},
        {.from = 717, .to = 721, .steps = {picture(pic::story18)}},
        {.from = 722, .to = 726, .steps = {picture(pic::konec)}},
        {.from = 727, .to = 734, .steps = {picture(pic::credits1)}},
        {.from = 735, .to = 739, .steps = {picture(pic::credits2)}},
        {.from = 740, .to = 740, .steps = {clearLine(), pause()}},
    };
    return chapter;
}

}  // namespace story
