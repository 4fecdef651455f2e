// Serves a folder on 127.0.0.1, at a port the system picks, as a page must be served to load:
// browsers do not run a page's WebAssembly from file://. The types are the ones browsers
// want; a .wasm served as anything else is not compiled while it streams.
'use strict';
const fs = require('fs');
const http = require('http');
const path = require('path');

const TYPES = {
  '.html': 'text/html',
  '.js': 'text/javascript',
  '.wasm': 'application/wasm',
};

// Resolves to {url, close()} once the server listens.
function serve(folder) {
  const root = path.resolve(folder);
  const server = http.createServer((request, response) => {
    const name = decodeURIComponent(new URL(request.url, 'http://127.0.0.1').pathname);
    // An absolute path's ".." stops at its root, so this stays inside the folder.
    const file = path.join(root, path.posix.normalize(name === '/' ? '/index.html' : name));
    fs.readFile(file, (error, data) => {
      if (error) {
        response.writeHead(404);
        response.end();
        return;
      }
      response.writeHead(200, {'Content-Type': TYPES[path.extname(file)] || 'application/octet-stream'});
      response.end(data);
    });
  });
  return new Promise((done, fail) => {
    server.on('error', fail);
    server.listen(0, '127.0.0.1', () => {
      done({url: `http://127.0.0.1:${server.address().port}/`, close: () => server.close()});
    });
  });
}

module.exports = {serve};
