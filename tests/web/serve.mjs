// A static file server for the built site on a free port of 127.0.0.1, for the test and the
// benchmark; counts the bytes it sends so the transfer size can be measured.
import http from 'node:http';
import fs from 'node:fs';
import path from 'node:path';

const types = {
    '.html': 'text/html; charset=utf-8', '.js': 'text/javascript', '.css': 'text/css',
    '.wasm': 'application/wasm', '.json': 'application/json', '.png': 'image/png', '.webp': 'image/webp', '.wav': 'audio/wav',
};

export function serve(root) {
    const stats = { bytes: 0, requests: 0 };
    const server = http.createServer((request, response) => {
        const name = decodeURIComponent(new URL(request.url, 'http://x').pathname);
        const file = path.join(root, name.endsWith('/') ? name + 'index.html' : name);
        if (!file.startsWith(path.resolve(root))) { response.writeHead(403).end(); return; }
        fs.readFile(file, (error, data) => {
            if (error) { response.writeHead(404).end(); return; }
            stats.bytes += data.length;
            stats.requests++;
            response.writeHead(200, { 'Content-Type': types[path.extname(file)] || 'application/octet-stream',
                                      'Cache-Control': 'no-store' });
            response.end(data);
        });
    });
    return new Promise((resolve) => server.listen(0, '127.0.0.1', () => {
        resolve({ url: `http://127.0.0.1:${server.address().port}/`, stats, close: () => server.close() });
    }));
}
