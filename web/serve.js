// Serves a folder of static files on 127.0.0.1, as any static web host would:
// node serve.js FOLDER [PORT]. Prints the address once it listens (port 0:
// any free one). Used by ./play --web and the browser checks (tests/web/).
'use strict';
const http = require('http');
const fs = require('fs');
const path = require('path');

const types = {
  '.html': 'text/html; charset=utf-8', '.js': 'text/javascript', '.wasm': 'application/wasm',
  '.data': 'application/octet-stream', '.png': 'image/png', '.toml': 'text/plain',
};

function serve(folder, port, onListening) {
  const root = path.resolve(folder);
  const server = http.createServer((request, response) => {
    const name = decodeURIComponent(new URL(request.url, 'http://localhost').pathname);
    const file = path.join(root, name.endsWith('/') ? name + 'index.html' : name);
    if (!file.startsWith(root + path.sep) || request.method !== 'GET') {
      response.writeHead(404).end();
      return;
    }
    fs.readFile(file, (error, bytes) => {
      if (error) {
        response.writeHead(404).end();
        return;
      }
      response.writeHead(200, { 'Content-Type': types[path.extname(file)] || 'application/octet-stream',
        'Cache-Control': 'no-cache' });
      response.end(bytes);
    });
  });
  server.listen(port, '127.0.0.1', () => onListening(server, `http://127.0.0.1:${server.address().port}/`));
  return server;
}

module.exports = { serve };

if (require.main === module) {
  const [folder, port] = process.argv.slice(2);
  if (!folder) {
    console.error('usage: node serve.js FOLDER [PORT]');
    process.exit(2);
  }
  serve(folder, Number(port || 8000), (server, address) => {
    console.log(`Astrello is served at ${address} (Ctrl+C stops it)`);
  });
}
