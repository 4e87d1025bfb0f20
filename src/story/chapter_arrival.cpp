// The script, ticks 1 to 153: the news, the arrival, the mayor, the inn and the room.
#include "app/data_files.hpp"
#include "app/main_form.hpp"
#include "inventory/item_catalogue.hpp"
#include "inventory/item_names.hpp"
#include "story/script.hpp"
#include "story/speakers.hpp"
#include "story/steps.hpp"

namespace story {

namespace {

// The clock stops at the arrival, but the shield is left to the caption.
void stopStoryTimers(app::TfrmHlavni& f) {
    f.Timer.setEnabled(false);
    f.Timer2.setEnabled(false);
}

// The agent's pockets on arrival; appended without counting, the count is set after.
void packStartingItems(app::TfrmHlavni& f) {
    for (const char* caption : {item::sluzebniPrukaz, item::kreditniKarta, item::zbran, item::zapisnik,
                                item::mobilniTelefon})
        f.appendInventoryEntry(caption);
    f.loadHeldPictures(app::HeldPictureSet::Starting);
    f.imgHlavni->setEnabled(true);
    f.state.itemCount = 5;
}

// The notebook's sound plays only on the first tick of the room, and only if sounds are on then.
void putNotebookDown(app::TfrmHlavni& f) {
    if (f.state.notebookCarried == 1) f.playSound(snd::zapisnik);
    f.state.notebookCarried = 0;
}

// The notebook's entry leaves the list once, however often the room's ticks run.
void leaveNotebookInRoom(app::TfrmHlavni& f) {
    if (f.state.notebookLeft != 0) return;
    f.removeInventoryItem(item::zapisnik, 6);
    f.state.notebookLeft = 1;
}

void hideNotebookPicture(app::TfrmHlavni& f) {
    ui::Component& picture = f.inv(inventory::itemByHeldFlag(app::held::Notebook)->heldPicture);
    picture.setEnabled(false);
    picture.setVisible(false);
}

}  // namespace

const Script& arrivalChapter() {
    static const Script chapter = {
        // Opening, started by "Nová".
        {.from = 1, .to = 3, .steps = {picture(pic::story1)}},
        {.from = 4, .to = 7, .steps = {picture(pic::story2)}},
        {.from = 8, .to = 10, .steps = {picture(pic::story3)}},
        {.from = 11, .to = 21, .steps = {picture(pic::tv),
            line("Již dva dny je pohřešován inženýr z obce Mlýnotrhy, který v cizině vyvíjel chemické zbraně.\n"
                 "Do pátrání se zapojila i zpravodajská služba, která se obává zneužití jeho znalostí.")}},
        // The arrival on the square: the first location caption, the controls and the pockets.
        {.from = 21, .to = 21, .steps = {
            picture(pic::namesti1),
            act([](app::TfrmHlavni& f) { f.startLocationCaption(app::LocationCaption::Square); }),
            clearLine(),
            act(stopStoryTimers),
            act([](app::TfrmHlavni& f) { f.state.sceneId = scene::Square; }),
            enableHotspot(hotspot::TownHallDoor),
            enableHotspot(hotspot::WalkRight),
            act([](app::TfrmHlavni& f) { f.setPlayerControls(true); }),
            act(packStartingItems),
        }},

        // The mayor, first meeting: started at 22 by imgCur5.
        {.from = 22, .to = 31, .steps = {line(say(kAgent,
            "Dobrý den, jsem Kovář, agent zpravodajské služby. Vyšetřuji zmizení inženýra Horáka."))}},
        {.from = 32, .to = 36, .steps = {line(say(kMayor, "To by mohl říct každý."))}},
        {.from = 37, .to = 37, .steps = {clearLine(), setStage(stage::MayorWantsCard), pause()}},

        // The mayor, shown the service card: started at 37.
        // (this one line sets its colon between spaces)
        {.from = 38, .to = 48, .steps = {line(std::string(kMayor) + " : " +
            "To je něco jiného. Inženýra Horáka jsem znal, ale vím jen, že jednoho dne\n"
            "odešel do práce a už se nevrátil. Zeptejte se místních, třeba budou vědět víc.")}},
        {.from = 49, .to = 56, .steps = {line(say(kAgent,
            "Tak to jste mi opravdu moc nepomohl. Vyptám se tedy místních.\n"
            "Dá se tu někde ubytovat?"))}},
        {.from = 57, .to = 63, .steps = {line(say(kMayor,
            "Samozřejmě, zeptejte se v hospodě, možná tam budou mít volný pokoj."))}},
        {.from = 64, .to = 67, .steps = {line(say(kAgent, "Půjdu se tam zeptat. Zatím na shledanou."))}},
        {.from = 68, .to = 70, .steps = {line(say(kMayor, "Na shledanou."))}},
        {.from = 71, .to = 72, .steps = {
            clearLine(), setStage(stage::SentToInn), pause(), disableHotspot(hotspot::Mayor),
        }},

        // The innkeeper: started at 73 by imgCur10.
        {.from = 73, .to = 79, .steps = {line(say(kAgent,
            "Dobrý den, jsem Kovář. Pan starosta mi řekl, že se tu můžu ubytovat."))}},
        {.from = 80, .to = 84, .steps = {line(say(kInnkeeper,
            "Dobrý den. Kvůli ubytování se zeptejte támhle na recepci."))}},
        {.from = 85, .to = 85, .steps = {
            clearLine(), pause(), setStage(stage::SentToReception), disableHotspot(hotspot::Innkeeper),
            enableHotspot(hotspot::ToReception),
        }},

        // The reception: resumed by imgCur12.
        {.from = 86, .to = 92, .steps = {line(say(kAgent,
            "Dobrý den, jsem Kovář. Potřeboval bych pokoj, posílá mě pan starosta."))}},
        {.from = 93, .to = 97, .steps = {line(say(kReceptionist,
            "Dobrý den. Volný pokoj máme. Jak dlouho se zdržíte?"))}},
        {.from = 98, .to = 102, .steps = {line(say(kAgent, "To ještě nevím. Dokud ten případ nevyřeším."))}},
        {.from = 103, .to = 107, .steps = {line(say(kReceptionist, "Takže zaplatíte, až budete odjíždět."))}},
        {.from = 108, .to = 112, .steps = {line(say(kAgent,
            "Samozřejmě. Mám kreditní kartu, nemusíte mít obavy."))}},
        {.from = 113, .to = 117, .steps = {line(say(kReceptionist, "Dobře. Tady máte klíč od pokoje číslo tři."))}},
        {.from = 118, .to = 122, .steps = {line(say(kAgent, "Děkuji. Zatím na shledanou."))}},
        // (tick 123: no entry, the thanks stay one more beat)
        {.from = 124, .to = 125, .steps = {line(say(kReceptionist, "Na shledanou."))}},
        {.from = 126, .to = 127, .steps = {
            clearLine(), setStage(stage::RoomLet), pause(), disableHotspot(hotspot::Receptionist),
            enableHotspot(hotspot::ToRoom),
            act([](app::TfrmHlavni& f) { f.state.storyTick = app::tick::ParkedAtReception; }),
        }},

        // The room: resumed by imgCur13 from the parked tick.
        {.from = 128, .to = 132, .steps = {
            line(say(aside(kAgent), "Docela slušný pokoj. Zápisník tu nechám, teď ho nebudu potřebovat.")),
            act(putNotebookDown),
            act(leaveNotebookInRoom),
        }},
        // (tick 133: no entry)
        {.from = 134, .to = 134, .steps = {
            picture(pic::pokoj1a), clearLine(), pause(), act(hideNotebookPicture), dropHeldItem(),
            setStage(stage::SettledIn),
        }},

        // Back to the mayor: resumed by imgCur5 at storyStage 5.
        {.from = 135, .to = 139, .steps = {line(say(kAgent,
            "Ubytování jsem sehnal, teď se můžu pustit do vyšetřování."))}},
        {.from = 140, .to = 144, .steps = {line(say(kMayor,
            "Dobře. Kdyby byly nějaké potíže, přijďte za mnou."))}},
        {.from = 145, .to = 147, .steps = {line(say(kAgent, "Jistě. Je tu někde bankomat?"))}},
        {.from = 148, .to = 149, .steps = {line(say(kMayor, "Ano, hned vedle potravin."))}},
        {.from = 150, .to = 152, .steps = {line(say(kAgent, "Děkuji, to je zatím všechno."))}},
        {.from = 153, .to = 153, .steps = {clearLine(), setStage(stage::CashMachineKnown), pause()}},
    };
    return chapter;
}

}  // namespace story
