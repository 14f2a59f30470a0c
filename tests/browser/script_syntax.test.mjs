// The blocker script runs in every browser back to Internet Explorer 6,
// whose parser knows ECMAScript 3 only: one newer construct there and the
// page runs unguarded. The script is parsed here as the program prepares it
// (the alert statement in its slot), as ECMAScript 3 with reserved words
// refused even as property names, as old Internet Explorer refuses them.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import { parse } from 'acorn';

const ALERT = 'if( QX_beep ) QX_beep.src="C:/Program Files/Hushwall/PopUp.wav";';

function parseAsOldBrowsers(source) {
  parse(source, { ecmaVersion: 3, allowReserved: 'never', sourceType: 'script' });
}

function preparedScript() {
  const file = readFileSync(new URL('../../assets/HushBlk.js', import.meta.url), 'latin1');
  const body = file.slice(file.indexOf('>') + 1, file.lastIndexOf('</script>'));
  return body.replace('%s', ALERT).replaceAll('%%', '%');
}

test('the blocker script is ECMAScript 3 throughout', () => {
  assert.doesNotThrow(() => parseAsOldBrowsers(preparedScript()));
});

test('the check refuses what old browsers cannot parse', () => {
  const newer = ['let a = 1;', 'const a = 1;', 'var f = () => 1;', 'var s = `x`;',
    'var o = {a: 1,};', 'for (var x of y) {}', 'function f(a = 1) {}', 'f(...a);',
    'class A {}', 'o.default = 1;', 'var o = {get a() { return 1; }};'];
  for (const snippet of newer)
    assert.throws(() => parseAsOldBrowsers(snippet), undefined, snippet);
});
