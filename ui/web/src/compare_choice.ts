// The Compare dialog: two or three configurations among the protocol
// presets and the single window's own settings. The engine reads the names.
const Defaults = ['stop-and-wait', 'go-back-n', 'selective-repeat'];
// The single window's settings, named as WebComparison knows them.
const Current = 'current';

function element<T extends HTMLElement>(id: string): T {
  return document.getElementById(id) as T;
}

// Fills the dialog's lists once; `chosen` gets "stop-and-wait,go-back-n,..." on Compare.
export function wireCompareChoice(presets: { name: string; title: string }[], chosen: (names: string) => void): void {
  const dialog = element<HTMLDialogElement>('compareChoice');
  const lists = [0, 1, 2].map((index) => element<HTMLSelectElement>(`compareChoice${index}`));
  lists.forEach((list, index) => {
    if (index === 2) list.add(new Option('None: compare two', ''));
    for (const preset of presets) list.add(new Option(preset.title, preset.name));
    list.add(new Option('Current settings', Current));
    list.value = Defaults[index];
  });
  element('compareOpen').addEventListener('click', () => dialog.showModal());
  dialog.addEventListener('close', () => {
    if (dialog.returnValue !== 'compare') return;
    chosen(lists.map((list) => list.value).filter((name) => name).join(','));
  });
}
