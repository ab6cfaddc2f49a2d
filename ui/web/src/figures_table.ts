// The figures table: a row per figure, a column per configuration, every
// title and cell text as the engine wrote it.
import { Figures } from './engine';

// Fills `table` again; a single run's figures have one column and no header.
// While a run goes on only its numbers change: those cells alone are
// rewritten, and the rest of the table is left for the browser to keep.
export function showFigures(table: HTMLTableElement, figures: Figures): void {
  if (sameShape(table, figures)) {
    const rows = table.tBodies[0].rows;
    figures.cells.forEach((texts, index) => texts.forEach((text, column) => {
      const cell = rows[index].cells[column + 1];
      if (cell.textContent !== text) cell.textContent = text;
    }));
    return;
  }
  const body = document.createElement('tbody');
  if (figures.labels.some((label) => label)) {
    const head = table.createTHead();
    head.textContent = '';
    const row = head.insertRow();
    row.appendChild(document.createElement('td'));
    for (const label of figures.labels) {
      const cell = document.createElement('th');
      cell.scope = 'col';
      cell.textContent = label;
      row.appendChild(cell);
    }
  }
  figures.rows.forEach((title, index) => {
    const row = body.insertRow();
    const heading = document.createElement('th');
    heading.scope = 'row';
    heading.textContent = title;
    row.appendChild(heading);
    for (const text of figures.cells[index]) row.insertCell().textContent = text;
  });
  table.tBodies[0]?.remove();
  table.appendChild(body);
}

// Whether the table already has these figures' titles, headings and number of cells.
function sameShape(table: HTMLTableElement, figures: Figures): boolean {
  const body = table.tBodies[0];
  if (!body || body.rows.length !== figures.rows.length) return false;
  const labelled = figures.labels.some((label) => label);
  const headings = table.tHead?.rows[0]?.cells;
  if (labelled ? !headings || [...headings].slice(1).map((cell) => cell.textContent).join('\n') !==
    figures.labels.join('\n') : false) return false;
  return figures.rows.every((title, index) => {
    const row = body.rows[index];
    return row.cells.length === figures.cells[index].length + 1 && row.cells[0].textContent === title;
  });
}
