// The browsers the real-browser tests drive: Debian's Chromium and Firefox
// ESR, either through the running proxy (PROXY_PORT) or direct.
import {execFileSync} from 'node:child_process';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import puppeteer from 'puppeteer-core';

export const proxyPort = Number(process.env.PROXY_PORT);
export const MARKER = process.env.HUSH_MARKER || 'www.hushwall.example Catch Another Popup';

export function markers(title) {
  return title.split(MARKER).length - 1;
}

export const sleep = (ms) => new Promise((resolve) => setTimeout(resolve, ms));

// Adds the authorities (DER or PEM files) to a new NSS database in `dir`,
// where both browsers look for the roots their user trusts.
function trustAuthorities(dir, files) {
  fs.mkdirSync(dir, {recursive: true});
  execFileSync('certutil', ['-d', `sql:${dir}`, '-N', '--empty-password']);
  files.forEach((file, i) => {
    const pem = fs.readFileSync(file).subarray(0, 10).toString() === '-----BEGIN';
    execFileSync('certutil', ['-d', `sql:${dir}`, '-A', '-t', 'C,,', '-n', `test authority ${i}`,
      ...(pem ? ['-a'] : []), '-i', file]);
  });
}

// `trust`: files of authorities the browser trusts beside its own.
export async function launch(kind, direct, {trust = []} = {}) {
  const profile = fs.mkdtempSync(path.join(os.tmpdir(), `hush-${kind}-`));
  if (kind === 'chromium') {
    if (trust.length) trustAuthorities(path.join(profile, 'home/.pki/nssdb'), trust);
    const args = ['--no-sandbox', '--disable-gpu', '--disable-background-networking',
      '--disable-component-update', '--disable-sync', '--no-first-run', `--user-data-dir=${profile}`];
    if (!direct) {
      args.push(`--proxy-server=127.0.0.1:${proxyPort}`,
          '--proxy-bypass-list=<-loopback>;*.google.com;*.googleapis.com');
    }
    return puppeteer.launch({executablePath: '/usr/bin/chromium', headless: true, args,
      protocolTimeout: 30000, env: {...process.env, HOME: path.join(profile, 'home')}});
  }
  const prefs = {
    'dom.disable_open_during_load': false,
    'network.proxy.allow_hijacking_localhost': true,
    'browser.link.open_newwindow': 2,
  };
  if (!direct) {
    Object.assign(prefs, {'network.proxy.type': 1, 'network.proxy.http': '127.0.0.1',
      'network.proxy.http_port': proxyPort, 'network.proxy.ssl': '127.0.0.1',
      'network.proxy.ssl_port': proxyPort, 'network.proxy.no_proxies_on': ''});
  } else {
    prefs['network.proxy.type'] = 0;
  }
  if (trust.length) trustAuthorities(profile, trust);
  return puppeteer.launch({browser: 'firefox', executablePath: '/usr/lib/firefox-esr/firefox-esr',
    headless: true, extraPrefsFirefox: prefs, userDataDir: profile, protocolTimeout: 30000});
}
