// The figures table: a row per figure, a column per configuration, every
// title and cell text as the engine wrote it.
import { Figures } from './engine';

// Fills `table` again; a single run's figures have one column and no header.
export function showFigures(table: HTMLTableElement, figures: Figures): void {
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
