// Imported first, before the chart library: it formats numbers with
// Intl.NumberFormat(navigator.language) as it loads, and some browsers
// report a tag Intl refuses (WebKit with LANG=C reports "c"), which would
// stop the page before it starts. Such a browser is read as English.
try {
  new Intl.NumberFormat(navigator.language);
} catch {
  Object.defineProperty(navigator, 'language', { value: 'en', configurable: true });
}

export {};
