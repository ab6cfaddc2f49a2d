// Switching the page between its single window and a comparison, and the
// Network panel that works on whichever is on screen.
import { CompareHost, CompareView } from './compare_view';
import { wireCompareChoice } from './compare_choice';
import { Engine, Layout, ViewOptions, WebSession } from './engine';
import { NetworkPanel } from './network_panel';

function element<T extends HTMLElement>(id: string): T {
  return document.getElementById(id) as T;
}

export interface CompareModeHost extends CompareHost {
  // The single window's clock stops while the comparison is on screen.
  entered(): void;
  // The single window is back: it fits and catches up.
  left(): void;
  // The losses changed while the single window is on screen.
  lossesChanged(): void;
}

export class CompareMode {
  view: CompareView | null = null;
  private readonly network: NetworkPanel;

  constructor(private readonly engine: Engine, private readonly session: WebSession, private readonly layout: Layout,
    private readonly looks: ViewOptions, private readonly speeds: string[], private readonly host: CompareModeHost) {
    this.network = new NetworkPanel(session, () => {
      if (this.view) this.view.lossesChanged();
      else host.lossesChanged();
    });
    element('networkOpen').addEventListener('click', () => this.network.show());
    element('compareNetwork').addEventListener('click', () => this.network.show());
    wireCompareChoice(JSON.parse(session.protocolsJson()), (names) => this.enter(names));
    element('compareLeave').addEventListener('click', () => this.leave());
  }

  // The configurations `names` chooses, or the comparison the session has waiting.
  enter(names = ''): void {
    const comparison = new this.engine.WebComparison(this.session, names);
    if (comparison.error()) {
      this.host.notice(comparison.error());
      comparison.delete();
      return;
    }
    this.view?.close();
    this.host.entered();
    document.body.classList.add('comparing');
    element('compare').hidden = false;
    this.view = new CompareView(comparison, this.layout, this.looks, this.speeds, this.host);
    this.network.setHolder(comparison);
  }

  private leave(): void {
    if (!this.view || this.host.messageOpen()) return;
    this.view.close();
    this.view = null;
    element('compare').hidden = true;
    document.body.classList.remove('comparing');
    this.network.setHolder(this.session);
    this.host.left();
  }

  // For the browser tests.
  hooks(): object {
    return {
      comparing: () => this.view !== null,
      compareFigures: () => this.view?.figures(),
      compareDigests: () => {
        const view = this.view;
        return view ? [...Array(view.comparison.size()).keys()].map((index) => view.comparison.digest(index)) : [];
      },
      compareSaved: () => this.view?.comparison.savedRunJson(),
      compareLink: () => this.view?.link(),
      compareDrawn: (index: number) => this.view?.view(index).drawn(),
      compareLaddersDrawn: () => this.view?.laddersDrawn(),
      compareFlightCentre: (index: number, ack: boolean, slot: number) => this.view?.view(index).flightCentre(ack, slot),
    };
  }
}
