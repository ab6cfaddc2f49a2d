// The Network panel: the loss rates, the seed and the planned losses of the
// run on screen, or of a comparison. Each change goes to the engine at once;
// the engine keeps the settings, holds them within range and words each
// planned loss, and this panel only shows what it answers.
import { LossHolder, Losses } from './engine';
import { pageText } from './page_language';

function element<T extends HTMLElement>(id: string): T {
  return document.getElementById(id) as T;
}

export class NetworkPanel {
  private holder: LossHolder;
  private readonly dialog = element<HTMLDialogElement>('network');
  private readonly packet = element<HTMLInputElement>('packetLoss');
  private readonly ack = element<HTMLInputElement>('ackLoss');
  private readonly seed = element<HTMLInputElement>('lossSeed');
  private readonly list = element<HTMLUListElement>('plannedLosses');

  // `changed` runs after each change, for the status line.
  constructor(holder: LossHolder, private readonly changed: () => void) {
    this.holder = holder;
    const rates = () => {
      this.holder.setLossRates(Number(this.packet.value) || 0, Number(this.ack.value) || 0,
        this.seed.value === '' ? NaN : Number(this.seed.value));
      this.fill();
    };
    for (const field of [this.packet, this.ack, this.seed]) field.addEventListener('change', rates);
    element('planAdd').addEventListener('click', () => {
      const number = Number(element<HTMLInputElement>('planNumber').value);
      const transmission = Number(element<HTMLInputElement>('planTransmission').value) || 1;
      const ack = element<HTMLSelectElement>('planWhat').value === 'ack';
      if (Number.isInteger(number)) this.holder.addPlannedLoss(ack, number, transmission);
      this.fill();
    });
  }

  // The panel works on the single run or on the comparison on screen.
  setHolder(holder: LossHolder): void {
    this.holder = holder;
    if (this.dialog.open) this.fill();
  }

  show(): void {
    this.fill();
    this.dialog.showModal();
  }

  private fill(): void {
    const losses = JSON.parse(this.holder.lossesJson()) as Losses;
    for (const field of [this.packet, this.ack]) field.max = String(losses.maxPercent);
    this.packet.value = String(losses.packetPercent);
    this.ack.value = String(losses.ackPercent);
    this.seed.value = String(losses.seed);
    this.list.textContent = '';
    losses.planned.forEach((loss, index) => {
      const item = document.createElement('li');
      const remove = document.createElement('button');
      remove.textContent = pageText('Remove');
      remove.setAttribute('aria-label', `Remove ${loss.text}`);
      remove.addEventListener('click', () => {
        this.holder.removePlannedLoss(index);
        this.fill();
      });
      item.append(loss.text, ' ', remove);
      this.list.appendChild(item);
    });
    element<HTMLButtonElement>('planAdd').disabled = losses.planned.length >= losses.maxPlanned;
    element('networkSummary').textContent = losses.summary;
    this.changed();
  }
}
