// The page in the reader's language. The engine chooses the language and
// holds its catalogue (ui/web/page_language.h); this file loads the
// catalogue's script when a reader gets a language other than English, and
// shows every text of the page through it: the page's own, and whatever the
// page or the engine writes into it later, which a MutationObserver catches
// as it lands. An English page loads nothing and watches nothing.
import { Engine, LanguageChoice, PageLanguage, WebSession } from './engine';

// The reader's choice under View, remembered in this browser.
const StorageKey = 'sliding-window-demo.language';
// The attributes a reader sees or hears.
const TextAttributes = ['title', 'aria-label', 'placeholder', 'alt'];
// The simulation's window and the touch bar that mirrors its controls: their
// texts are the simulation's own, shown as written unless the reader asks
// for them translated (modeltext=1); their names for screen readers are the
// page's and always follow the language.
const SimulationParts = '.modelWindow, #touchBar';
// Each language is offered by its own name, in every language.
const OwnNames = '#language';

declare global {
  interface Window { swdCatalogues?: Record<string, string> }
}

function remembered(): string {
  try {
    return localStorage.getItem(StorageKey) ?? '';
  } catch {
    return ''; // storage refused (a page opened from disk in some browsers)
  }
}

function loadCatalogue(choice: LanguageChoice): Promise<string | undefined> {
  return new Promise((resolve) => {
    const script = document.createElement('script');
    script.src = `i18n/sliding-window-demo_${choice.file}.js`;
    script.onload = () => resolve(window.swdCatalogues?.[choice.tag]);
    script.onerror = () => resolve(undefined);
    document.head.appendChild(script);
  });
}

// The catalogue script's JSON, handed to the engine entry by entry.
function useCatalogue(language: PageLanguage, json: string): boolean {
  let parsed: { language?: unknown; texts?: unknown; simulation?: unknown };
  try {
    parsed = JSON.parse(json);
  } catch {
    return false;
  }
  if (typeof parsed.language !== 'string') return false;
  for (const [table, simulation] of [[parsed.texts, false], [parsed.simulation, true]] as const) {
    if (typeof table !== 'object' || table === null) return false;
    for (const [english, translation] of Object.entries(table)) {
      if (typeof translation === 'string') language.add(simulation, english, translation);
    }
  }
  language.finish(parsed.language);
  return true;
}

// Shows every text under `root` in the language, and keeps doing so.
class DocumentTranslator {
  // What was written last into each node or attribute, so that the
  // observer leaves its own writing alone.
  private readonly written = new WeakMap<Node, string>();

  constructor(private readonly language: PageLanguage, private readonly simulationTexts: boolean) {}

  translateTree(root: Node): void {
    if (root.nodeType === Node.TEXT_NODE) {
      this.translateText(root as Text);
      return;
    }
    if (!(root instanceof Element)) return;
    if (root.tagName === 'SCRIPT' || root.tagName === 'STYLE') return;
    for (const name of TextAttributes) this.translateAttribute(root, name);
    for (const child of Array.from(root.childNodes)) this.translateTree(child);
  }

  translateText(node: Text): void {
    const text = node.data;
    if (!/[A-Za-z]/.test(text) || this.written.get(node) === text) return;
    if (!this.simulationTexts && node.parentElement?.closest(SimulationParts)) return;
    if (node.parentElement?.closest(OwnNames)) return;
    const trimmed = text.trim();
    const shown = this.language.text(trimmed.replace(/\s+/g, ' '));
    if (shown === trimmed) return;
    const lead = text.slice(0, text.length - text.trimStart().length);
    const tail = text.slice(text.trimEnd().length);
    node.data = lead + shown + tail;
    this.written.set(node, node.data);
  }

  translateAttribute(element: Element, name: string): void {
    const value = element.getAttribute(name);
    if (!value || !/[A-Za-z]/.test(value)) return;
    const key = element.getAttributeNode(name);
    if (!key || this.written.get(key) === value) return;
    const shown = this.language.text(value.replace(/\s+/g, ' ').trim());
    if (shown === value) return;
    element.setAttribute(name, shown);
    const node = element.getAttributeNode(name);
    if (node) this.written.set(node, shown);
  }

  watch(root: Node): void {
    new MutationObserver((changes) => {
      for (const change of changes) {
        if (change.type === 'characterData') this.translateText(change.target as Text);
        else if (change.type === 'attributes' && change.attributeName) {
          this.translateAttribute(change.target as Element, change.attributeName);
        } else {
          for (const added of Array.from(change.addedNodes)) this.translateTree(added);
        }
      }
    }).observe(root, { subtree: true, childList: true, characterData: true, attributes: true,
      attributeFilter: TextAttributes });
  }
}

// The reader's language, its catalogue loaded and the page shown in it.
export async function startLanguage(engine: Engine, session: WebSession): Promise<PageLanguage> {
  const language = new engine.PageLanguage();
  const choices = JSON.parse(engine.languagesJson()) as LanguageChoice[];
  // A link's lang= first, then the reader's own choice, then the browser's:
  // a shared link never imposes the sender's language unless it says so.
  const preferred = [session.linkLanguage(), remembered(), ...(navigator.languages ?? [])].filter((tag) => tag);
  const tag = engine.chooseLanguage(preferred.join('\n'));
  const choice = choices.find((candidate) => candidate.tag === tag);
  // The test language, asked for by name only: every text accented and
  // longer, so that a text cut off or left untranslated shows at once.
  const pseudo = session.linkLanguage() === 'x-pseudo';
  if (pseudo) language.usePseudo();
  if (pseudo || (choice && choice.tag !== 'en')) {
    const catalogue = pseudo || !choice ? undefined : await loadCatalogue(choice);
    if (pseudo || (catalogue && useCatalogue(language, catalogue))) {
      const simulationTexts = session.linkSimulationTexts();
      language.setSimulationTexts(simulationTexts);
      document.documentElement.lang = choice && !pseudo ? choice.tag : 'en';
      document.documentElement.dir = choice?.rtl && !pseudo ? 'rtl' : 'ltr';
      const translator = new DocumentTranslator(language, simulationTexts);
      translator.translateTree(document.documentElement);
      translator.watch(document.documentElement);
    }
  }
  offerLanguages(choices, choice?.tag ?? 'en');
  return language;
}

// View > Language: each language by its own name. A choice is remembered
// and the page starts again in it, its address saying lang= so.
function offerLanguages(choices: LanguageChoice[], current: string): void {
  const select = document.getElementById('language') as HTMLSelectElement | null;
  if (!select) return;
  select.hidden = choices.length < 2;
  for (const choice of choices) {
    const option = document.createElement('option');
    option.value = choice.tag;
    option.textContent = choice.name;
    option.lang = choice.tag;
    option.selected = choice.tag === current;
    select.appendChild(option);
  }
  select.addEventListener('change', () => {
    try {
      localStorage.setItem(StorageKey, select.value);
    } catch {
      // Not remembered; the address below still carries the choice.
    }
    const address = new URL(location.href);
    address.searchParams.set('lang', select.value);
    location.assign(address.href);
  });
}

// A text of the page's own, written in English with %1, %2… for its values:
// the extraction (scripts/update-translations) finds every pageText call and
// files the text in the catalogue, and the page shows it in the reader's
// language as it lands. Whole sentences, never pieces joined.
export function pageText(english: string, ...values: (string | number)[]): string {
  return english.replace(/%([1-9])/g, (all, digit: string) => {
    const value = values[Number(digit) - 1];
    return value === undefined ? all : String(value);
  });
}
