// The page's scripts and their Node drivers under ESLint's recommended rules, each file with the
// globals of where it runs. Run from the repository's root:
//   web/node_modules/.bin/eslint --config web/eslint.config.mjs --max-warnings 0 \
//     web/page.js web/sw.js tests/page_test.mjs bench/page.mjs
import { fileURLToPath } from 'node:url';
import js from '@eslint/js';
import globals from 'globals';

// The files below are named from the repository's root, where the lint runs, not from web/.
const root = fileURLToPath(new URL('..', import.meta.url));

export default [
  js.configs.recommended,
  {
    basePath: root,
    files: ['web/page.js'],
    // A classic script inlined in the page; Module is what the core's Emscripten glue defines.
    languageOptions: { sourceType: 'script', globals: { ...globals.browser, Module: 'readonly' } },
  },
  {
    basePath: root,
    files: ['web/sw.js'],
    languageOptions: { sourceType: 'script', globals: globals.serviceworker },
  },
  {
    basePath: root,
    files: ['tests/page_test.mjs', 'bench/page.mjs', 'web/eslint.config.mjs'],
    // Node modules whose functions handed to puppeteer run in the page, with the browser's globals.
    languageOptions: { sourceType: 'module', globals: { ...globals.node, ...globals.browser } },
  },
];
