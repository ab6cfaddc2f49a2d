// Printing a window drawn for a wide screen: the print stylesheet zooms each
// window's stage by --print-zoom so that its right edge stays on the paper.
// The factor is worked out on screen, whenever a window is fitted, because a
// refit while printing would redraw the canvases of the travelling packets at
// a new size, and printing does not wait for their paint.

// The width of the narrowest paper the page prints on, inside the margins of
// page.css's @page rule: A4 less 2 × 12 mm, in CSS pixels.
const PrintableWidthPixels = ((210 - 2 * 12) * 96) / 25.4;

// `shownWidth`: the window's width on screen, in CSS pixels.
export function fitToPaper(stage: HTMLElement, shownWidth: number): void {
  const screenWidth = document.documentElement.clientWidth;
  if (stage.clientWidth === 0 || screenWidth === 0 || shownWidth === 0) return;
  // A comparison's stages stand side by side: the gaps and margins between
  // them keep their width on paper, and the columns share what is left.
  const columns = Math.max(1, Math.round(screenWidth / stage.clientWidth));
  const between = Math.max(0, screenWidth - columns * stage.clientWidth);
  const onPaper = (PrintableWidthPixels - between) / columns;
  stage.style.setProperty('--print-zoom', String(Math.min(1, onPaper / shownWidth)));
}
