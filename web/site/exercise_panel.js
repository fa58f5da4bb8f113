// The exercises' panel beside the window: the machine's exercises, their steps and hints, and a
// demonstration that plays a step's keys as a teacher would press them. Its texts and goals are
// the machine's (rm_uebung, rm_vorfuehrung); none of its controls takes the focus from the
// field a student works in. Opened, the exercise and step are remembered for the next visit.
'use strict';

function aufgabenfeld(seite, passe) {
    const feld = document.getElementById('aufgaben');
    const knopf = document.getElementById('zeige-aufgaben');
    const teil = (name) => document.getElementById(`a-${name}`);
    const nummern = [...feld.querySelectorAll('.nummer')];
    const vorfuehren = document.getElementById('vorfuehren');
    const Merker = 'rechenmaschine.aufgabe';
    let stand = {offen: false, aufgabe: 0, schritt: 0};
    let spiel = null;  // the demonstration's timer while it plays

    try {
        stand = Object.assign(stand, JSON.parse(localStorage.getItem(Merker)) || {});
    } catch (e) {
        // nothing remembered, or nothing may be
    }
    const merke = () => {
        try {
            localStorage.setItem(Merker, JSON.stringify(stand));
        } catch (e) {
            // kept for this visit only
        }
    };

    function zeige(u) {
        stand = {offen: u.offen, aufgabe: u.aufgabe, schritt: u.schritt};
        merke();
        feld.hidden = !u.offen;
        knopf.setAttribute('aria-pressed', String(u.offen));
        nummern.forEach((n, k) => {
            n.setAttribute('aria-label', `${feld.dataset.nummer} ${k + 1}: ${u.titelliste[k]}`);
            if (k === u.aufgabe) {
                n.setAttribute('aria-current', 'true');
            } else {
                n.removeAttribute('aria-current');
            }
        });
        teil('titel').textContent = u.titel;
        teil('einleitung').textContent = u.einleitung;
        teil('schritt').textContent = u.fortschritt;
        teil('geschafft').textContent = u.geschafft;
        teil('anweisung').textContent = u.anweisung;
        teil('hinweis').textContent = u.hinweis;
        teil('hinweis').hidden = true;
        passe();
    }
    seite.nachUebung = zeige;

    function oeffne(offen, aufgabe, schritt) {
        halte();
        seite.zeichne(seite.rufe('rm_uebung', offen ? 1 : 0, aufgabe, schritt));
    }
    const anzahl = nummern.length;
    const wechsle = (um) => oeffne(true, (stand.aufgabe + um + anzahl) % anzahl, 0);

    function tipp() {
        teil('hinweis').hidden = false;
        seite.sage(seite.ansage, teil('hinweis').textContent);
    }

    // The keys the browser names for the machine's key codes, as a keyboard would send them.
    const namen = Object.fromEntries(Object.entries(Fakten.codes).map(([k, c]) => [c, k]));
    const ereignis = (code) => {
        const key = code === Fakten.c ? 'c' : namen[code];
        return {
            key,
            code: code === Fakten.c ? 'KeyC' : key,
            shiftKey: false,
            ctrlKey: false,
            altKey: false,
            metaKey: false,
            timeStamp: performance.now(),
            vorgefuehrt: true,
            preventDefault() {}
        };
    };

    function halte() {
        clearTimeout(spiel);
        spiel = null;
        vorfuehren.textContent = feld.dataset.vorfuehren;
    }
    // The open step's keys from what the machine shows, one a beat, each through the keyboard's
    // path into the machine and lit on the keys on the screen; it ends with the step.
    function spiele() {
        if (spiel !== null) {
            halte();
            return;
        }
        const folge = [];
        for (const [position, code, mal] of seite.rufe('rm_vorfuehrung')) {
            for (let k = 0; k < mal; ++k) folge.push([position, code]);
        }
        if (!folge.length) return;  // the exercise is done
        vorfuehren.textContent = feld.dataset.anhalten;
        const schritt = () => {
            const [position, code] = folge.shift();
            const f = seite.felder[position];
            if (document.activeElement !== f) {
                f.focus();
                f.setSelectionRange(f.value.length, f.value.length);
            }
            const ev = ereignis(code);
            seite.leuchte?.(ev);
            seite.taste(ev, position);
            if (folge.length) {
                spiel = setTimeout(schritt, Number(feld.dataset.takt));
            } else {
                halte();
            }
        };
        spiel = setTimeout(schritt, 0);
    }

    knopf.addEventListener('click', () => oeffne(!stand.offen, stand.aufgabe, stand.schritt));
    document.getElementById('vorige').addEventListener('click', () => wechsle(-1));
    document.getElementById('naechste').addEventListener('click', () => wechsle(1));
    nummern.forEach((n, k) => n.addEventListener('click', () => oeffne(true, k, 0)));
    document.getElementById('tipp').addEventListener('click', tipp);
    vorfuehren.addEventListener('click', spiele);

    // From the keyboard, in a field: keys no field rule and no browser uses, which the machine
    // is not handed. Any other key of the student's own stops a demonstration.
    seite.eigeneTaste = (ev) => {
        const d = feld.dataset;
        if (ev.key === d.tastePanel) {
            oeffne(!stand.offen, stand.aufgabe, stand.schritt);
        } else if (stand.offen && ev.key === d.tasteAufgabe) {
            wechsle(ev.shiftKey ? -1 : 1);
        } else if (stand.offen && ev.key === d.tasteTipp && !ev.shiftKey) {
            tipp();
        } else if (stand.offen && ev.key === d.tasteTipp) {
            spiele();
        } else {
            if (!ev.vorgefuehrt) halte();
            return false;
        }
        ev.preventDefault();
        return true;
    };

    // The machine has run its start settings: the remembered exercise opens where it was.
    seite.nachStart = () => {
        if (stand.offen) oeffne(true, stand.aufgabe, stand.schritt);
    };
}
