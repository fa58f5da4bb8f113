// The page: hands the machine its keys and draws the picture it returns. The window itself
// is in the markup, laid out from the machine's layout table when the site was built; the
// rules are the machine's own (rechenmaschine.wasm, the same library as the desktop
// program's); nothing here decides what a key does to a digit.
'use strict';

(() => {
    // Fakten, written before this script when the page is built, holds the machine's key codes,
    // its shift bits and the font's name.
    const Schrift = `"${Fakten.schrift}"`;
    let schrift;  // the font's loading, begun at the start

    // Windows virtual-key codes, as the desktop passes them on.
    function tastencode(e) {
        if (e.key in Fakten.codes) return Fakten.codes[e.key];
        if (/^[a-z0-9]$/i.test(e.key)) return e.key.toUpperCase().charCodeAt(0);
        // A layout without Latin letters puts another letter on the C key; it is still C.
        if (e.code === 'KeyC' && /^\p{L}$/u.test(e.key)) return Fakten.c;
        const f = /^F([1-9]|1[0-9]|2[0-4])$/.exec(e.key);
        return f ? Fakten.f1 - 1 + Number(f[1]) : 0;
    }

    const umschalt = (e) => (e.shiftKey ? Fakten.umschalt : 0) | (e.ctrlKey ? Fakten.strg : 0) |
        (e.altKey ? Fakten.alt : 0);

    // Orca 43, the screen reader of Debian 12's desktops, keeps one last value for all spin
    // buttons and keeps quiet when the next one takes it, even in another field: the machine then
    // announces such a digit. Orca 48 says every value change, and hears that digit twice; a
    // value a hair apart would be heard once by both, but is a number the machine never showed.
    // Elsewhere the screen reader says every value change itself.
    const ziffernWiederholen =
        /Linux/.test(navigator.userAgent) && !/Android|CrOS/.test(navigator.userAgent);

    class Seite {
        // The window's fields take keys from the start; the machine comes a little later (see
        // start()), and keys pressed before it are kept for it.
        constructor(fenster) {
            this.maschine = null;
            this.frueh = [];
            this.dekodierer = new TextDecoder();
            // By their place in the tab order, which the machine numbers them by.
            this.felder = [];
            fenster.querySelectorAll('.feld').forEach((f) => {
                this.felder[Number(f.dataset.position)] = f;
            });
            this.texte = this.felder.map((f) => f.value);
            // A live region with no role of its own: Orca 48 drops a status bar's new text when
            // fields changed in the same moment, never a live section's.
            this.ansage = document.getElementById('ansage');
            // The panels' runs of lines as the markup shows them, drawn by the start settings.
            this.tafeln = [...fenster.querySelectorAll('.tafel')].map(
                (el) => ({el, laeufe: [...el.children]}));
            // One listener each for all 18 fields, heard as the event passes the window.
            const position = (ev) => this.felder.indexOf(ev.target);
            fenster.addEventListener('keydown', (ev) => {
                const k = position(ev);
                if (k >= 0) this.taste(ev, k);
            });
            // Only the machine writes a digit: every other way of changing the text is refused,
            // and whatever still gets through (an input method's composition) is put back.
            for (const art
                     of ['beforeinput', 'paste', 'cut', 'drop', 'dragstart', 'dragover',
                         'contextmenu']) {
                fenster.addEventListener(art, (ev) => {
                    if (position(ev) >= 0) ev.preventDefault();
                });
            }
            for (const art of ['input', 'compositionend']) {
                fenster.addEventListener(art, (ev) => {
                    const k = position(ev);
                    if (k >= 0) ev.target.value = this.texte[k];
                });
            }
            // A click or tap anywhere but on a field leaves the focus where it is: beside the
            // window, on a label or a panel, on a key on the screen.
            document.addEventListener('mousedown', (ev) => {
                if (!this.felder.includes(ev.target)) ev.preventDefault();
            });
            // Whatever still takes the focus from a field within the page gives it back; the
            // browser's own bar or another window keep it.
            this.aktiv = 0;
            fenster.addEventListener('focusin', (ev) => {
                const k = position(ev);
                if (k >= 0) this.aktiv = k;
            });
            document.addEventListener('focusout', (ev) => {
                if (!this.felder.includes(ev.target) || this.felder.includes(ev.relatedTarget))
                    return;
                setTimeout(() => {
                    if (document.hasFocus() && !this.felder.includes(document.activeElement)) {
                        this.felder[this.aktiv].focus();
                    }
                });
            });
        }

        // The machine is there: it runs its start settings, which leave what the markup shows
        // (the focus in N(1) among it, by autofocus), so nothing is drawn again; the exercise
        // remembered opens; then the keys kept for the machine, in turn.
        uebernimm(maschine) {
            this.maschine = maschine;
            this.rufe('rm_start', ziffernWiederholen ? 1 : 0);
            this.nachStart?.();
            for (const [ev, k] of this.frueh.splice(0)) this.taste(ev, k);
        }

        // A call of the binding, whose answer is JSON in the machine's memory, ended by a 0.
        rufe(name, ...args) {
            const adresse = this.maschine[name](...args);
            const speicher = new Uint8Array(this.maschine.memory.buffer);
            const ende = speicher.indexOf(0, adresse);
            return JSON.parse(this.dekodierer.decode(speicher.subarray(adresse, ende)));
        }

        taste(ev, position) {
            if (!this.maschine) {
                ev.preventDefault();  // nothing of the browser's own, no caret moved, no text
                this.frueh.push([ev, position]);
                return;
            }
            if (this.eigeneTaste?.(ev)) return;  // the exercises' keys
            // WebKitGTK gives Shift+Tab as key "Unidentified" and code "Tab".
            if ((ev.key === 'Tab' || ev.code === 'Tab') && !ev.ctrlKey && !ev.altKey &&
                !ev.metaKey) {
                // Round the 18 fields; the focus never leaves the machine.
                ev.preventDefault();
                const n = this.felder.length;
                const ziel = this.felder[(position + (ev.shiftKey ? n - 1 : 1)) % n];
                ziel.focus();
                // The caret after the digit, with nothing selected: a screen reader would read
                // a selection as news ("selected", "unselected") on every Tab.
                ziel.setSelectionRange(ziel.value.length, ziel.value.length);
                return;
            }
            if (ev.key === 'ArrowUp' || ev.key === 'ArrowDown') {
                // A one-line field on the desktop leaves its caret where it is on Up and Down;
                // a browser's moves it to an end, and a screen reader reads the digit it passes.
                ev.preventDefault();
            }
            // Every other key goes on to the browser as well, as on the desktop the field's own
            // handling takes place: zoom, full screen, reload, the address bar. Text that a key
            // would type or delete is refused by the guards above, not here.
            this.zeichne(this.rufe('rm_key', position, tastencode(ev), umschalt(ev)));
        }

        // What a step changed, and what it asks once.
        zeichne(schritt) {
            for (const [k, text] of schritt.ziffern) {
                this.texte[k] = text;
                this.felder[k].value = text;
                this.felder[k].setAttribute('aria-valuetext', text);
                this.felder[k].setAttribute('aria-valuenow', text);
            }
            // A panel's lines come as runs of one colour: laid out and painted as a few pieces
            // rather than as a box per line.
            for (const [p, name, laeufe] of schritt.tafeln) {
                const tafel = this.tafeln[p];
                laeufe.forEach(([farbe, text], k) => {
                    let lauf = tafel.laeufe[k];
                    if (!lauf) {
                        lauf = document.createElement('span');
                        lauf.setAttribute('aria-hidden', 'true');
                        tafel.el.append(lauf);
                        tafel.laeufe.push(lauf);
                    }
                    if (lauf.textContent !== text) lauf.textContent = text;
                    if (lauf.dataset.farbe !== farbe) {
                        lauf.dataset.farbe = farbe;
                        lauf.style.color = farbe;
                    }
                });
                while (tafel.laeufe.length > laeufe.length) tafel.laeufe.pop().remove();
                tafel.el.setAttribute('aria-label', name);
            }
            if (schritt.fokus) {
                // Each only where it changes something: either makes the browser lay out the
                // page at once, rather than once in the next frame.
                const f = document.getElementById(schritt.fokus);
                if (document.activeElement !== f) f.focus();
                const ende = f.value.length;
                if (f.selectionStart !== ende || f.selectionEnd !== ende) {
                    f.setSelectionRange(ende, ende);
                }
            }
            if (schritt.ansage) this.sage(this.ansage, schritt.ansage);
            if (schritt.uebung) this.nachUebung?.(schritt.uebung);
        }

        // The same words twice in a row must still be read: the text differs from the last.
        sage(region, worte) {
            region.textContent = region.textContent === worte ? `${worte}\u00a0` : worte;
        }
    }

    // Hosted, the site keeps itself for use offline; from disk there is nothing to keep.
    function behalten() {
        if ('serviceWorker' in navigator && window.isSecureContext &&
            location.protocol !== 'file:') {
            navigator.serviceWorker.register('service_worker.js').catch(() => {});
        }
    }

    // The scripts stand in the head, so that the machine and the font load while the window's
    // markup is read; the window is there once the document is.
    const geladen = new Promise((fertig) => {
        if (document.readyState === 'loading') {
            document.addEventListener('DOMContentLoaded', fertig, {once: true});
        } else {
            fertig();
        }
    });

    async function gescheitert() {
        await geladen;
        const hinweis = document.createElement('p');
        hinweis.className = 'kein-start';
        hinweis.textContent = '{ohne_wasm}';
        document.getElementById('fenster').replaceWith(hinweis);
    }

    // The machine's code, carried in the page itself as base64.
    function code() {
        const text = window.rechenmaschineWasm;
        if (Uint8Array.fromBase64) return Uint8Array.fromBase64(text);
        const binaer = atob(text);
        const bytes = new Uint8Array(binaer.length);
        for (let k = 0; k < binaer.length; ++k) bytes[k] = binaer.charCodeAt(k);
        return bytes;
    }

    // The machine's module, compiled in the background from the start while the browser
    // reads, lays out and paints the window; made when the window is on the screen. Its one
    // import ends it on a fault, which the machine's rules never reach.
    let modul;
    function maschine() {
        const importe = {
            wasi_snapshot_preview1: {
                proc_exit(status) {
                    throw new Error(`machine ended (${status})`);
                },
            },
        };
        return modul.then((m) => WebAssembly.instantiate(m, importe)).then((instanz) => {
            instanz.exports._initialize();
            return instanz.exports;
        });
    }

    // The first frame, painted: the window's markup on the screen.
    const ersterFrame = () =>
        new Promise((weiter) => requestAnimationFrame(() => setTimeout(weiter)));

    // A key in a field before the page's own listeners are there (the markup still being read)
    // is kept for them, as the page keeps keys for the machine.
    const vorSeite = [];
    const behalte = (ev) => {
        if (ev.target.classList?.contains('feld')) {
            ev.preventDefault();
            vorSeite.push(ev);
        }
    };
    document.addEventListener('keydown', behalte);

    async function start() {
        if (typeof WebAssembly !== 'object') {
            gescheitert();
            return;
        }
        // The window's line heights come with its markup, which already shows the picture the
        // start settings leave (drawn by the machine when the page was built): the browser lays
        // it out and paints it while the font is on its way, with no script of the page's in
        // between. Ready, as the window without any script would be: the font there, two frames
        // later; and the machine taking keys.
        modul = WebAssembly.compile(code());
        schrift = document.fonts.load(`1em ${Schrift}`);
        const gemalt = schrift.then(
            () => new Promise((r) => requestAnimationFrame(() => requestAnimationFrame(r))));
        await geladen;
        const seite = new Seite(document.getElementById('fenster'));
        document.removeEventListener('keydown', behalte);
        for (const ev of vorSeite) seite.taste(ev, Number(ev.target.dataset.position));
        window.rechenmaschine = {seite};
        aufgabenfeld(seite, bildschirmtasten(seite));
        // The window is shown: its start timer runs out, and the machine is made.
        await ersterFrame();
        seite.uebernimm(await maschine());
        await gemalt;
        window.rechenmaschine.bereit = performance.now();
        document.documentElement.dataset.bereit = '1';
        behalten();
    }

    start().catch(gescheitert);
})();
