// vscrobot's pages in headless Chromium, as an entrant uses them with JavaScript off: the form,
// a log attached and sent, its receipt, the logs-received page, and a refused log's findings.
// Every failed check is printed; the exit status is 1 if any failed.
// Usage: node robot_in_chromium.mjs URL LOG.cbr CALL REFUSED.cbr OUTDIR
import { createHash } from 'node:crypto';
import { mkdtempSync, readFileSync } from 'node:fs';
import { join } from 'node:path';
import puppeteer from 'puppeteer-core';

const [base, logFile, call, refusedFile, outDir] = process.argv.slice(2);
if (!outDir) {
    console.error('usage: node robot_in_chromium.mjs URL LOG.cbr CALL REFUSED.cbr OUTDIR');
    process.exit(2);
}

const failures = [];
function check(ok, what, got) {
    if (!ok) {
        failures.push(`${what}: got ${JSON.stringify(got)}`);
    }
    return ok;
}

const browser = await puppeteer.launch({
    executablePath: '/usr/bin/chromium',
    headless: true,
    pipe: true,
    userDataDir: mkdtempSync(join(outDir, 'profile-')),
    // Root needs --no-sandbox; the rest keeps a fresh profile from reaching the network.
    args: ['--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
           '--disable-background-networking', '--disable-component-update', '--disable-sync'],
});

try {
    const page = await browser.newPage();
    await page.setJavaScriptEnabled(false);
    await page.setViewport({ width: 820, height: 640 });
    page.setDefaultTimeout(20000);
    // A style or resource that the page's own policy blocks, or that fails to load, shows here;
    // the pages' own statuses are checked where they are opened.
    page.on('console', (message) => {
        if (message.type() === 'error' && !message.text().startsWith('Failed to load resource')) {
            failures.push(`${page.url()}: console: ${message.text()}`);
        }
    });
    page.on('requestfailed', (request) => {
        failures.push(`${request.url()}: ${request.failure()?.errorText}`);
    });
    page.on('response', (response) => {
        const request = response.request();
        if (!request.isNavigationRequest() && !request.url().endsWith('/favicon.ico') &&
            response.status() >= 400) {
            failures.push(`${request.url()}: HTTP status ${response.status()}`);
        }
    });

    // Opens PATH and returns the response, checking its status and the headers every page has.
    async function open(path, status) {
        const response = await page.goto(new URL(path, base).href);
        checkPage(response, `GET ${path}`, status);
        return response;
    }
    function checkPage(response, what, status) {
        check(response.status() === status, `${what}: HTTP status ${status}`, response.status());
        const headers = response.headers();
        check('content-security-policy' in headers, `${what}: a Content-Security-Policy`,
              headers);
        check(headers['x-content-type-options'] === 'nosniff',
              `${what}: X-Content-Type-Options nosniff`, headers['x-content-type-options']);
    }
    // Attaches FILE to the form at / and sends it; returns the response of the page it leads to.
    async function send(file) {
        await open('/', 200);
        const input = await page.$('form input[type=file][name=log]');
        await input.uploadFile(file);
        const [response] = await Promise.all([
            page.waitForNavigation(),
            page.click('form [type=submit]'),
        ]);
        return response;
    }
    // The text of the first element SELECTOR picks, or null where there is none.
    const text = (selector) => page.$eval(selector, (node) => node.textContent.trim())
        .catch(() => null);
    const loggedCalls = () => page.$$eval('table#logs tr', (rows) => rows
        .map((row) => row.querySelector('td'))
        .filter((cell) => cell !== null)
        .map((cell) => cell.textContent.trim()));

    await open('/', 200);
    const form = await page.$eval('form', (node) => ({
        method: node.getAttribute('method'), action: node.action, enctype: node.enctype,
        fields: [...node.elements].map((field) => `${field.type}:${field.name}`),
    }));
    check(form.method?.toLowerCase() === 'post' && new URL(form.action).pathname === '/submit' &&
          form.enctype === 'multipart/form-data', 'the form posts multipart to /submit', form);
    check(form.fields.includes('file:log') && form.fields.includes('textarea:text') &&
          form.fields.includes('submit:'), 'the form has log, text and a submit button',
          form.fields);
    await page.screenshot({ path: join(outDir, 'form.png') });

    const receipt = await send(logFile);
    checkPage(receipt, 'the receipt', 200);
    const number = await text('#receipt');
    check(/\d/.test(number ?? ''), 'the receipt shows a receipt number', number);
    check(await text('#call') === call, `the receipt names ${call}`, await text('#call'));
    const digest = createHash('sha256').update(readFileSync(logFile)).digest('hex');
    const body = await page.$eval('body', (node) => node.innerText);
    check(body.toLowerCase().includes(digest), 'the receipt shows the file\'s SHA-256',
          digest);
    await page.screenshot({ path: join(outDir, 'receipt.png'), fullPage: true });

    await open('/logs', 200);
    const listed = await loggedCalls();
    check(listed.filter((cell) => cell === call).length === 1, `/logs lists ${call} once`,
          listed);
    await page.screenshot({ path: join(outDir, 'logs.png') });

    const refusal = await send(refusedFile);
    checkPage(refusal, 'the refusal', 422);
    const findings = await page.$$eval('#findings li', (items) => items.map(
        (item) => item.textContent.trim()));
    check(findings.some((finding) => /CALLSIGN/.test(finding)),
          'the refusal names the missing CALLSIGN', findings);
    check(await page.$('#receipt') === null, 'the refusal gives no receipt', findings);
    await page.screenshot({ path: join(outDir, 'refusal.png'), fullPage: true });

    await open('/logs', 200);
    check(JSON.stringify(await loggedCalls()) === JSON.stringify(listed),
          '/logs unchanged by the refused log', await loggedCalls());
} finally {
    await browser.close();
}

for (const failure of failures) {
    console.log(`FAIL: ${failure}`);
}
process.exit(failures.length === 0 ? 0 : 1);
