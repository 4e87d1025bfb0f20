// Every menu item's mnemonic and shortcut keys, in one table: the game's items by their model
// names, the window's own "Zobrazení" items by the names the view menu gives its actions.
#pragma once

#include <QAction>
#include <QKeySequence>
#include <QList>
#include <QString>

#include <span>
#include <string_view>

namespace desktop {

// The names of the "Zobrazení" menu and its items, which the model does not know.
inline constexpr const char* kViewMenuName = "mmZobrazeni";
inline constexpr const char* kFullScreenName = "mmCelaObrazovka";
inline constexpr const char* kSharpPixelsName = "mmOstrePixely";
inline constexpr const char* kLargerTextName = "mmVetsiPismo";
inline constexpr const char* kHistoryName = "mmHistorie";
inline constexpr const char* kRevealName = "mmAktivniMista";

struct MenuKeys {
    const char* name;
    char mnemonic;     // the letter underlined in the caption, as typed (no diacritics)
    const char* keys;  // shortcuts in Qt's portable text, "; " between several; "" for a menu
};

std::span<const MenuKeys> menuKeysTable();

// The row of an item, nullptr for a name the table does not hold.
const MenuKeys* menuKeysOf(std::string_view name);

// The caption with its mnemonic marked before the first wanted letter (either case). A caption
// without that letter (a translated one, say) marks its first letter that is not yet taken. A
// '&' of the caption itself stays a plain character.
QString withMnemonic(const QString& caption, char wanted, const QString& taken = {});

// Names the action (a menu item, or a submenu's action) and gives it the caption with its
// mnemonic and its shortcuts from the table. `taken` holds the mnemonics its neighbours in the
// same menu already use; the action's own is added.
void dressAction(QAction& action, const char* name, const QString& caption, QString& taken);

// Gives a dressed action a caption in another language, its mnemonic kept unique among its
// neighbours (the actions of its menu or bar).
void recaptionAction(QAction& action, const QString& caption, const QList<QAction*>& neighbours);

// The mnemonics of the actions of a menu (or bar) already marked, for dressing one more.
QString takenMnemonics(const QList<QAction*>& neighbours);

}  // namespace desktop
