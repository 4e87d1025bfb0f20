#include "desktop/menu_keys.hpp"

#include <array>

namespace desktop {

namespace {

// Desktop conventions where there are some (Ctrl+N, Ctrl+Q, F1, F11); Ctrl+S, Ctrl+O, Ctrl+L,
// F5 and F9 stay free for saving and loading positions.
constexpr std::array kMenuKeys = {
    MenuKeys{.name = "mmHra", .mnemonic = 'h', .keys = ""},
    MenuKeys{.name = "mmNova", .mnemonic = 'n', .keys = "Ctrl+N"},
    MenuKeys{.name = "mmNahrat", .mnemonic = 'h', .keys = "Ctrl+R"},
    MenuKeys{.name = "mmKonec", .mnemonic = 'k', .keys = "Ctrl+Q"},
    MenuKeys{.name = "mmNastaveni", .mnemonic = 'n', .keys = ""},
    MenuKeys{.name = "mmRychlost", .mnemonic = 'r', .keys = ""},
    MenuKeys{.name = "mmVysoka", .mnemonic = 'v', .keys = "Ctrl+1"},
    MenuKeys{.name = "mmStredni", .mnemonic = 't', .keys = "Ctrl+2"},
    MenuKeys{.name = "mmNizka", .mnemonic = 'n', .keys = "Ctrl+3"},
    MenuKeys{.name = "mmZvuky", .mnemonic = 'z', .keys = "Ctrl+M"},
    MenuKeys{.name = kViewMenuName, .mnemonic = 'z', .keys = ""},
    MenuKeys{.name = kFullScreenName, .mnemonic = 'c', .keys = "F11; Alt+Return; Alt+Enter"},
    MenuKeys{.name = kSharpPixelsName, .mnemonic = 'o', .keys = "Ctrl+P"},
    MenuKeys{.name = kLargerTextName, .mnemonic = 'v', .keys = "Ctrl+T"},
    MenuKeys{.name = kHistoryName, .mnemonic = 'h', .keys = "Ctrl+H"},
    MenuKeys{.name = kRevealName, .mnemonic = 'u', .keys = "Ctrl+U"},
    MenuKeys{.name = "mmInformace", .mnemonic = 'i', .keys = ""},
    MenuKeys{.name = "mmOvladani", .mnemonic = 'o', .keys = "F1"},
    MenuKeys{.name = "mmOprogramu", .mnemonic = 'p', .keys = "Shift+F1"},
};

QChar folded(QChar c) { return c.toLower(); }

}  // namespace

std::span<const MenuKeys> menuKeysTable() { return kMenuKeys; }

const MenuKeys* menuKeysOf(std::string_view name) {
    for (const MenuKeys& row : kMenuKeys)
        if (name == row.name) return &row;
    return nullptr;
}

QString withMnemonic(const QString& caption, char wanted, const QString& taken) {
    qsizetype at = caption.indexOf(QChar::fromLatin1(wanted), 0, Qt::CaseInsensitive);
    for (qsizetype i = 0; at < 0 && i < caption.size(); ++i)
        if (caption[i].isLetterOrNumber() && !taken.contains(folded(caption[i]))) at = i;
    QString marked;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (i == at) marked += QLatin1Char('&');
        marked += caption[i];
        if (caption[i] == QLatin1Char('&')) marked += QLatin1Char('&');
    }
    return marked;
}

QString takenMnemonics(const QList<QAction*>& neighbours) {
    QString taken;
    for (const QAction* action : neighbours) {
        const QString text = action->text();
        for (qsizetype i = 0; i + 1 < text.size(); ++i) {
            if (text[i] != QLatin1Char('&')) continue;
            if (text[i + 1] != QLatin1Char('&')) taken += folded(text[i + 1]);
            ++i;  // past the marked letter or the doubled '&'
        }
    }
    return taken;
}

void dressAction(QAction& action, const char* name, const QString& caption, QString& taken) {
    action.setObjectName(QString::fromLatin1(name));
    const MenuKeys* row = menuKeysOf(name);
    if (row == nullptr) {
        action.setText(caption);
        return;
    }
    const QString marked = withMnemonic(caption, row->mnemonic, taken);
    action.setText(marked);
    taken += takenMnemonics({&action});
    action.setShortcuts(QKeySequence::listFromString(QString::fromLatin1(row->keys), QKeySequence::PortableText));
}

void recaptionAction(QAction& action, const QString& caption, const QList<QAction*>& neighbours) {
    QList<QAction*> others = neighbours;
    others.removeAll(&action);
    const MenuKeys* keys = menuKeysOf(action.objectName().toStdString());
    const QString shown = keys != nullptr ? withMnemonic(caption, keys->mnemonic, takenMnemonics(others))
                                          : withMnemonic(caption, caption.isEmpty() ? 'a' : caption.at(0).toLatin1(),
                                                         takenMnemonics(others));
    if (action.text() != shown) action.setText(shown);
}

}  // namespace desktop
