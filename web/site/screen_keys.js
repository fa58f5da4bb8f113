// The keys on the screen, for a tablet or a whiteboard: each acts as its key of the keyboard in
// the focused field, by the same path into the machine. None takes the focus. On a touch
// screen they are shown and the window and keys fill the screen, drawn larger or smaller by the
// browser itself (CSS zoom lays text and borders out anew, so they stay crisp); elsewhere one
// control shows them and another fills the screen with the window.
'use strict';

function bildschirmtasten(seite) {
    const buehne = document.getElementById('buehne');
    const feld = document.getElementById('tasten');
    const tasten = [...feld.querySelectorAll('.taste')];
    const leiste = document.getElementById('leiste');
    const zeigen = document.getElementById('zeige-tasten');
    const fuellen = document.getElementById('fuellen');
    const zeit = (name) => Number(feld.dataset[name]);
    const beruehrung = matchMedia('(any-pointer: coarse)');
    const Merker = 'rechenmaschine.tasten';

    // Remembered for the next visit, where the browser lets the page keep anything.
    const gemerkt = () => {
        try {
            return localStorage.getItem(Merker) === 'an';
        } catch (e) {
            return false;
        }
    };
    const merke = (an) => {
        try {
            localStorage.setItem(Merker, an ? 'an' : 'aus');
        } catch (e) {
            // kept for this visit only
        }
    };

    function druecke(taste, zeitpunkt) {
        let position = seite.felder.indexOf(document.activeElement);
        if (position < 0) {
            position = seite.aktiv;
            seite.felder[position].focus();
        }
        seite.taste(
            {
                key: taste.dataset.key,
                code: taste.dataset.code,
                shiftKey: taste.dataset.umschalt === '1',
                ctrlKey: false,
                altKey: false,
                metaKey: false,
                timeStamp: zeitpunkt,
                preventDefault() {},
            },
            position);
    }

    tasten.forEach((taste) => {
        let halten = 0;
        let vomZeiger = false;
        const los = () => {
            clearTimeout(halten);
            clearInterval(halten);
            taste.classList.remove('gedrueckt');
        };
        taste.addEventListener('pointerdown', (ev) => {
            if (ev.button !== 0) return;
            ev.preventDefault();
            los();
            taste.setPointerCapture(ev.pointerId);
            taste.classList.add('gedrueckt');
            vomZeiger = true;
            druecke(taste, ev.timeStamp);
            halten = setTimeout(() => {
                halten = setInterval(() => druecke(taste, performance.now()), zeit('alle'));
            }, zeit('nach'));
        });
        for (const art of ['pointerup', 'pointercancel', 'lostpointercapture']) {
            taste.addEventListener(art, () => {
                los();
                // The click that follows a press is that press.
                setTimeout(() => {
                    vomZeiger = false;
                });
            });
        }
        // A tap would focus the key: its touch is the page's alone (pinch-zoom starts beside it).
        taste.addEventListener('touchstart', (ev) => ev.preventDefault(), {passive: false});
        // Pressed by a screen reader, which sends a click alone.
        taste.addEventListener('click', () => {
            if (!vomZeiger) druecke(taste, performance.now());
        });
    });

    // A key of the keyboard, or of a demonstration, lights its key on the screen, for a class
    // watching the projector.
    const passt = (taste, ev) => (ev.key === taste.dataset.key || ev.code === taste.dataset.code) &&
        (taste.dataset.key !== 'Tab' || ev.shiftKey === (taste.dataset.umschalt === '1'));
    seite.leuchte = (ev) => {
        const taste = tasten.find((t) => passt(t, ev));
        if (feld.hidden || !taste) return;
        taste.classList.add('leuchtet');
        clearTimeout(taste.leuchten);
        taste.leuchten = setTimeout(() => taste.classList.remove('leuchtet'), zeit('leuchten'));
    };
    document.addEventListener('keydown', (ev) => {
        if (seite.felder.includes(ev.target)) seite.leuchte(ev);
    });

    // The window with its keys and the exercises as large as the screen allows: beside the
    // window, or below it, whichever is larger; without that, at the browser's zoom, beside it
    // where there is room. On a touch screen only the exercises' control is left to show.
    const aufgaben = document.getElementById('aufgaben');
    function passe() {
        const grob = beruehrung.matches;
        const fuellt = grob || fuellen.getAttribute('aria-pressed') === 'true';
        // Each only where it changes: a change, even to the same, has the browser restyle the
        // page before its first picture.
        const setze = (el, name, wert) => {
            if (el[name] !== wert) el[name] = wert;
        };
        setze(feld, 'hidden', !(grob || zeigen.getAttribute('aria-pressed') === 'true'));
        setze(zeigen, 'hidden', grob);
        setze(fuellen, 'hidden', grob);
        if (document.documentElement.classList.contains('fuellend') !== fuellt) {
            document.documentElement.classList.toggle('fuellend', fuellt);
        }
        setze(buehne.style, 'zoom', '');
        // Nothing to measure: measuring would lay the page out before its first picture.
        if (!fuellt && feld.hidden && aufgaben.hidden) return;
        const rand = parseFloat(getComputedStyle(document.body).paddingLeft);
        const breite = document.documentElement.clientWidth - 2 * rand;
        const hoehe = document.documentElement.clientHeight - 2 * rand - leiste.offsetHeight - rand;
        let beste = {art: 'neben', mass: 0};
        for (const art of feld.hidden && aufgaben.hidden ? ['neben'] : ['neben', 'unter']) {
            buehne.className = art;
            const mass = Math.min(breite / buehne.offsetWidth, hoehe / buehne.offsetHeight);
            if (mass > beste.mass) beste = {art, mass};
        }
        buehne.className = beste.art;
        if (fuellt) buehne.style.zoom = String(Math.floor(beste.mass * 1000) / 1000);
    }

    for (const [knopf, aendern] of [[zeigen, merke], [fuellen, () => {}]]) {
        knopf.addEventListener('click', () => {
            const an = knopf.getAttribute('aria-pressed') !== 'true';
            knopf.setAttribute('aria-pressed', String(an));
            aendern(an);
            passe();
        });
    }
    if (gemerkt()) zeigen.setAttribute('aria-pressed', 'true');
    beruehrung.addEventListener('change', passe);
    window.addEventListener('resize', passe);
    passe();
    return passe;
}
