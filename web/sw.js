// Keeps the installed calculator working offline: the site's files cached on the first visit,
// under a name the build gives from the page's hash, so that a new page replaces the old one,
// and served from that cache before the network.
const cache = 'flightcalc-@PAGE_HASH@';
const files = ['./', 'index.html', 'manifest.webmanifest', 'icon-192.png', 'icon-512.png',
  'icon-maskable-512.png'];

self.addEventListener('install', (event) => {
  event.waitUntil(caches.open(cache).then((kept) => kept.addAll(files)).then(() => self.skipWaiting()));
});

self.addEventListener('activate', (event) => {
  event.waitUntil(caches.keys()
    .then((names) => Promise.all(names.filter((name) => name !== cache).map((name) => caches.delete(name))))
    .then(() => self.clients.claim()));
});

self.addEventListener('fetch', (event) => {
  event.respondWith(caches.open(cache)
    .then((kept) => kept.match(event.request, { ignoreSearch: true }))
    .then((hit) => hit ?? fetch(event.request)));
});
