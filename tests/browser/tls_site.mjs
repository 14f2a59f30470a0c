// The HTTPS origins of the browser tests, as a process of its own:
//   node tls_site.mjs DIR
// DIR holds the certificates make_certificates.sh made. Each origin listens
// on 127.0.0.1, on a port of its own, and serves the common pages; the good
// one also serves a 100 MiB file. When all listen, DIR/origins.json names
// each origin's port (and the file's SHA-256); then it runs until killed.
import crypto from 'node:crypto';
import fs from 'node:fs';
import https from 'node:https';
import path from 'node:path';
import {pageHandler} from './site.mjs';

const dir = process.argv[2];
const BIG = 100 * 1024 * 1024;

// Origin name -> the certificate it sends, and whether it asks the client
// for a certificate of its own.
const origins = {
  'good': {chain: 'good'},
  'expired': {chain: 'expired'},
  'wrong-name': {chain: 'wrong-name'},
  'self-signed': {chain: 'self-signed'},
  'untrusted': {chain: 'untrusted'},
  'no-intermediate': {chain: 'no-intermediate'},
  'not-ca': {chain: 'not-ca'},
  'client-certificate': {chain: 'good', requestCert: true},
};

// Random bytes: a proxy that changed, dropped or repeated any would change
// the digest.
const big = crypto.randomBytes(BIG);
const handler = pageHandler();

function serve(request, response) {
  if (request.url !== '/big.bin') return handler(request, response);
  response.writeHead(200, {'Content-Type': 'application/octet-stream', 'Content-Length': BIG});
  response.end(big);
}

function listen(name, {chain, requestCert = false}) {
  const server = https.createServer({
    cert: fs.readFileSync(path.join(dir, `${chain}.chain`)),
    key: fs.readFileSync(path.join(dir, `${chain}.key`)),
    requestCert,
    rejectUnauthorized: false,
  }, serve);
  return new Promise((resolve) => server.listen(0, '127.0.0.1', () => resolve([name, server.address().port])));
}

const ports = Object.fromEntries(await Promise.all(Object.entries(origins).map(([n, o]) => listen(n, o))));
const sha256 = crypto.createHash('sha256').update(big).digest('hex');
const file = path.join(dir, 'origins.json');
fs.writeFileSync(`${file}.new`, JSON.stringify({ports, bigSha256: sha256, bigSize: BIG}));
fs.renameSync(`${file}.new`, file);
