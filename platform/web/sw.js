// Keeps the page's files so that it opens and works without a network: every file is
// answered from the cache of this build, the network only for what the cache lacks. The
// build writes its version into the cache's name, so a new build replaces the old files.
const CACHE = 'tomaro-@BUILD@';
const FILES = ['./', 'index.html', 'tomaro.js', 'tomaro.wasm', 'manifest.webmanifest',
               'icons/tomaro.svg', 'icons/tomaro-192.png', 'icons/tomaro-512.png'];

self.addEventListener('install', (event) => {
  event.waitUntil(caches.open(CACHE).then((cache) => cache.addAll(FILES)).then(() => self.skipWaiting()));
});

self.addEventListener('activate', (event) => {
  event.waitUntil(caches.keys()
    .then((names) => Promise.all(names.filter((n) => n.startsWith('tomaro-') && n !== CACHE)
      .map((n) => caches.delete(n))))
    .then(() => self.clients.claim()));
});

self.addEventListener('fetch', (event) => {
  if (event.request.method !== 'GET') return;
  event.respondWith(caches.open(CACHE).then((cache) =>
    cache.match(event.request, {ignoreSearch: true}).then((hit) => hit || fetch(event.request))));
});
