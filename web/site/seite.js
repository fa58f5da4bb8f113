// The page: builds the window from the machine's layout table, hands the machine its keys and
// draws the picture it returns. The rules are the machine's own (rechenmaschine.wasm, the same
// library as the desktop program's); nothing here decides what a key does to a digit.
import Rechenmaschine from './rechenmaschine.js';

const Art = { Ueberschrift: 0, Hinweis: 1, Ziffernfelder: 2, Staebe: 3, Spalte: 4 };
const Dialogschrift = 12; // px: 9 pt, the dialog font the credit line is drawn in
const Schrift = '"Rechenmaschine Sans"';

// Windows virtual-key codes, as the desktop passes them on; only 37..40 and 67 change anything.
const Codes = {
    ArrowLeft: 37, ArrowUp: 38, ArrowRight: 39, ArrowDown: 40, Backspace: 8, Tab: 9, Enter: 13,
    Shift: 16, Control: 17, Alt: 18, Escape: 27, ' ': 32, PageUp: 33, PageDown: 34, End: 35,
    Home: 36, Insert: 45, Delete: 46,
};

export function tastencode(e) {
    if (e.key in Codes) return Codes[e.key];
    if (/^[a-z0-9]$/i.test(e.key)) return e.key.toUpperCase().charCodeAt(0);
    // A layout without Latin letters puts another letter on the C key; it is still C.
    if (e.code === 'KeyC' && /^\p{L}$/u.test(e.key)) return 67;
    const f = /^F([1-9]|1[0-9]|2[0-4])$/.exec(e.key);
    return f ? 111 + Number(f[1]) : 0;
}

const umschalt = (e) => (e.shiftKey ? 1 : 0) | (e.ctrlKey ? 2 : 0) | (e.altKey ? 4 : 0);

// What a field may still do itself, as any text field: move the caret, select, copy.
function nurLesend(e) {
    if (['ArrowLeft', 'ArrowRight', 'ArrowUp', 'ArrowDown', 'Home', 'End'].includes(e.key)) {
        return true;
    }
    return (e.ctrlKey || e.metaKey) && (e.code === 'KeyC' || e.code === 'KeyA' || e.key === 'Insert');
}

// Line heights as the desktop toolkit sets them, from the font's own metrics: on a panel the
// ascent and descent, in a label also the line gap, each sum rounded to whole pixels. The
// browser reports metrics rounded, so they are measured once at a size where that is exact.
const metrik = {};
function miss() {
    const messer = document.createElement('canvas').getContext('2d');
    messer.font = `1000px ${Schrift}`;
    const m = messer.measureText('0');
    metrik.tafel = (m.fontBoundingBoxAscent + m.fontBoundingBoxDescent) / 1000;
    const probe = document.createElement('div');
    probe.style.cssText = `position:absolute;visibility:hidden;font:1000px ${Schrift};line-height:normal`;
    probe.textContent = '0';
    document.body.append(probe);
    metrik.label = probe.getBoundingClientRect().height / 1000;
    probe.remove();
}
const tafelzeile = (px) => Math.round(metrik.tafel * px);
const labelzeile = (px) => Math.round(metrik.label * px);

function platziere(el, e, px) {
    Object.assign(el.style, {
        left: `${e.x}px`, top: `${e.y}px`, width: `${e.b}px`, height: `${e.h}px`,
        fontSize: `${px}px`,
    });
}

class Seite {
    constructor(maschine, fenster) {
        this.maschine = maschine;
        this.fenster = fenster;
        this.felder = [];   // N1..N6, A1..A6, S1..S6: also the tab order
        this.texte = [];
        this.tafeln = [];   // Nep1..Nep6, Mult
        this.ansage = document.getElementById('ansage');
        this.zuletzt = '';
        this.tastenzeiten = [];
    }

    rufe(name, ...args) {
        return JSON.parse(this.maschine.UTF8ToString(this.maschine[`_${name}`](...args)));
    }

    baue(layout) {
        document.title = layout.titel;
        const f = this.fenster;
        f.setAttribute('aria-label', layout.titel);
        Object.assign(f.style, {
            width: `${layout.breite}px`, height: `${layout.hoehe}px`,
            background: layout.farben.fenster,
        });
        for (const e of layout.elemente) {
            const px = e.px || Dialogschrift;
            let el;
            if (e.art === Art.Ueberschrift || e.art === Art.Hinweis) {
                el = document.createElement('div');
                el.className = e.art === Art.Ueberschrift ? 'ueberschrift' : 'hinweis';
                el.textContent = e.text;
                el.style.lineHeight = `${labelzeile(px)}px`;
                el.style.background = e.art === Art.Ueberschrift ? layout.farben.ueberschrift
                    : layout.farben.fenster;
                if (e.art === Art.Hinweis) el.style.color = layout.farben.hinweis;
            } else if (e.art === Art.Ziffernfelder) {
                el = this.feld(e);
            } else {
                el = document.createElement('div');
                el.className = 'tafel';
                el.setAttribute('role', 'img');
                el.style.background = layout.farben.tafel;
                el.style.borderColor = layout.farben.rand;
                this.tafeln.push({ el, zeilen: [], hoehe: tafelzeile(px) });
            }
            el.id = e.name;
            platziere(el, e, px);
            f.append(el);
        }
        // A click anywhere but on a field leaves the focus where it is.
        f.addEventListener('mousedown', (ev) => {
            if (!this.felder.includes(ev.target)) ev.preventDefault();
        });
    }

    feld(e) {
        const el = document.createElement('input');
        Object.assign(el, { type: 'text', className: 'feld', value: e.text, spellcheck: false });
        const attribute = {
            role: 'spinbutton', 'aria-label': e.zugang, 'aria-valuemin': '0',
            'aria-valuemax': '9', 'aria-valuenow': e.text, autocomplete: 'off',
            autocorrect: 'off', autocapitalize: 'off', inputmode: 'none',
        };
        for (const [k, v] of Object.entries(attribute)) el.setAttribute(k, v);
        const nummer = this.felder.length;
        this.felder.push(el);
        this.texte.push(e.text);
        el.addEventListener('keydown', (ev) => this.taste(ev, nummer));
        // Only the machine writes a digit: every other way of changing the text is refused,
        // and whatever still gets through (an input method's composition) is put back.
        for (const art of ['beforeinput', 'paste', 'cut', 'drop', 'dragstart', 'dragover',
            'contextmenu']) {
            el.addEventListener(art, (ev) => ev.preventDefault());
        }
        for (const art of ['input', 'compositionend']) {
            el.addEventListener(art, () => { el.value = this.texte[nummer]; });
        }
        return el;
    }

    taste(ev, nummer) {
        if (ev.key === 'Tab' && !ev.ctrlKey && !ev.altKey && !ev.metaKey) {
            // Round the 18 fields; the focus never leaves the machine.
            ev.preventDefault();
            const n = this.felder.length;
            const ziel = this.felder[(nummer + (ev.shiftKey ? n - 1 : 1)) % n];
            ziel.focus();
            ziel.select();
            return;
        }
        const einheit = 'NAS'.charCodeAt(Math.floor(nummer / 6));
        this.zeichne(this.rufe('rm_key', einheit, (nummer % 6) + 1, tastencode(ev), umschalt(ev)));
        if (!nurLesend(ev)) ev.preventDefault();
        this.tastenzeiten.push(performance.now() - ev.timeStamp);
    }

    zeichne(bild) {
        bild.felder.forEach((text, k) => {
            if (this.texte[k] === text) return;
            this.texte[k] = text;
            this.felder[k].value = text;
            this.felder[k].setAttribute('aria-valuenow', text);
        });
        this.tafeln.forEach((tafel, p) => {
            const zeilen = bild.tafeln[p];
            for (let k = 0; k < zeilen.length; ++k) {
                const [farbe, text] = zeilen[k];
                let z = tafel.zeilen[k];
                if (!z) {
                    z = document.createElement('div');
                    Object.assign(z.style, {
                        top: `${k * tafel.hoehe}px`, height: `${tafel.hoehe}px`,
                        lineHeight: `${tafel.hoehe}px`,
                    });
                    z.setAttribute('aria-hidden', 'true');
                    tafel.el.append(z);
                    tafel.zeilen.push(z);
                }
                if (z.textContent !== text) z.textContent = text;
                if (z.dataset.farbe !== farbe) {
                    z.dataset.farbe = farbe;
                    z.style.color = farbe;
                }
            }
            while (tafel.zeilen.length > zeilen.length) tafel.zeilen.pop().remove();
            tafel.el.setAttribute('aria-label', bild.namen[p]);
        });
        if (bild.fokus) {
            const f = this.felder[this.felder.findIndex((el) => el.id === bild.fokus)];
            f.focus();
            f.setSelectionRange(f.value.length, f.value.length);
        }
        if (bild.ansage) {
            // The same words twice in a row must still be read: make the text differ.
            const text = bild.ansage === this.zuletzt ? `${bild.ansage}\u00a0` : bild.ansage;
            this.ansage.textContent = text;
            this.zuletzt = text;
        }
        if (bild.timer > 0) {
            setTimeout(() => this.gestartet(this.rufe('rm_tick')), bild.timer);
        }
    }

    // After the start settings: the first complete picture, once the browser has painted it.
    gestartet(bild) {
        this.zeichne(bild);
        requestAnimationFrame(() => requestAnimationFrame(() => {
            window.rechenmaschine.bereit = performance.now();
            document.documentElement.dataset.bereit = '1';
        }));
    }
}

async function start() {
    const [maschine] = await Promise.all([
        Rechenmaschine(),
        document.fonts.load(`13px ${Schrift}`),
    ]);
    miss();
    const seite = new Seite(maschine, document.getElementById('N1'));
    window.rechenmaschine = { seite, tastenzeiten: seite.tastenzeiten };
    seite.baue(seite.rufe('rm_layout'));
    seite.zeichne(seite.rufe('rm_bild'));
}

start();
