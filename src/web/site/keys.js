// The keyboard: the player's pace (Space and Enter advance the current line, Esc skips or leaves
// a close-up or the map), Tab held outlines what a click would reach, H shows the dialogue
// history, and the menu items' shortcut keys (the game's, and the page's own: saving and loading
// positions, the history, showing the active places). The desktop's Ctrl+N, Ctrl+Q and Ctrl+R belong to
// the browser (new window, quit, reload) and are not taken from it here.

export const menuKeys = [
    { name: 'mmVysoka', label: 'Ctrl+1', matches: (e) => e.ctrlKey && !e.shiftKey && e.key === '1' },
    { name: 'mmStredni', label: 'Ctrl+2', matches: (e) => e.ctrlKey && !e.shiftKey && e.key === '2' },
    { name: 'mmNizka', label: 'Ctrl+3', matches: (e) => e.ctrlKey && !e.shiftKey && e.key === '3' },
    { name: 'mmZvuky', label: 'Ctrl+M', matches: (e) => e.ctrlKey && !e.shiftKey && e.key.toLowerCase() === 'm' },
    { name: 'mmUlozitPozici', label: 'Ctrl+S', page: true, matches: (e) => e.ctrlKey && !e.shiftKey && e.key.toLowerCase() === 's' },
    { name: 'mmNahratPozici', label: 'Ctrl+O', page: true, matches: (e) => e.ctrlKey && !e.shiftKey && e.key.toLowerCase() === 'o' },
    { name: 'mmHistorie', label: 'Ctrl+H', page: true, matches: (e) => e.ctrlKey && !e.shiftKey && e.key.toLowerCase() === 'h' },
    { name: 'mmAktivniMista', label: 'Ctrl+U', page: true, matches: (e) => e.ctrlKey && !e.shiftKey && e.key.toLowerCase() === 'u' },
    { name: 'mmOvladani', label: 'F1', matches: (e) => e.key === 'F1' && !e.shiftKey },
    { name: 'mmOprogramu', label: 'Shift+F1', matches: (e) => e.key === 'F1' && e.shiftKey },
];

// actions: { advance(), escape(), reveal(on), history(), shortcut(name), pageItem(name), blocked() }
export function listenToKeys(actions) {
    document.addEventListener('keydown', (event) => {
        if (actions.blocked()) return;  // a dialog or a menu has the keys
        const item = menuKeys.find((k) => k.matches(event));
        let handled = true;
        if (item && item.page) actions.pageItem(item.name);
        else if (item) actions.shortcut(item.name);
        else if (event.ctrlKey || event.altKey || event.metaKey) handled = false;
        else if (event.key === ' ' || event.key === 'Enter') actions.advance();
        else if (event.key === 'Escape') actions.escape();
        else if (event.key === 'Tab') { if (!event.repeat) actions.reveal(true); }
        else if (event.key === 'h' || event.key === 'H') actions.history();
        else handled = false;
        if (handled) event.preventDefault();
    });
    document.addEventListener('keyup', (event) => {
        if (event.key === 'Tab') actions.reveal(false);
    });
    window.addEventListener('blur', () => actions.reveal(false));
}
