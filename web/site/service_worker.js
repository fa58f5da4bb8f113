// Keeps the site for use without a network. Every file of this version is stored when the
// worker is installed. Each request still goes to the network first, so a new version is
// shown at the first visit that has a network; the stored copy answers only when there is
// none, and a new version's worker replaces it.
const Ablage = `rechenmaschine-${Fassung}`;

self.addEventListener('install', (e) => {
    e.waitUntil(caches.open(Ablage).then((c) => c.addAll(Dateien)).then(() => self.skipWaiting()));
});

self.addEventListener('activate', (e) => {
    e.waitUntil(caches.keys()
                    .then(
                        (namen) => Promise.all(
                            namen.filter((n) => n !== Ablage).map((n) => caches.delete(n))))
                    .then(() => self.clients.claim()));
});

self.addEventListener('fetch', (e) => {
    const frage = e.request;
    if (frage.method !== 'GET' || new URL(frage.url).origin !== self.location.origin) return;
    e.respondWith(
        fetch(new Request(frage, {cache: 'no-cache'}))
            .then((antwort) => {
                if (antwort.ok) {
                    const kopie = antwort.clone();
                    e.waitUntil(caches.open(Ablage).then((c) => c.put(frage, kopie)));
                }
                return antwort;
            })
            .catch(
                () => caches.open(Ablage)
                          .then(
                              (c) => c.match(frage, {ignoreSearch: true})
                                         .then(
                                             (r) => r ||
                                                 (frage.mode === 'navigate' ? c.match('./') :
                                                                              undefined)))
                          .then((r) => r || Response.error())));
});
