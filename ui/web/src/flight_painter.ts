// Who puts the drawing of the flight canvases and the charts on the screen.
// Each records what it would draw as a list of the canvas calls it makes; a
// painter replays the list. Where the browser lets a worker draw on the
// page's canvases (OffscreenCanvas), they are drawn there: the drawing, the
// rasterising and the browser's work of handing each changed canvas to the
// screen then leave the page's thread, which lays out, styles and scripts
// everything else. Elsewhere the same replayer draws on the page's thread.

// One canvas call, by name: ['=', property, value] sets a property;
// ['picture', id, width, height] turns the calls after it to a button's
// picture until ['end']; ['image', id, x, y] copies that picture;
// ['size', width, height] sizes the canvas; ['lines', [x, y, ...]] moves to
// the first point and draws lines to the others; anything else is a method.
export type PaintCall = (string | number | number[])[];

// What a paint draws, recorded as canvas calls for the painter to replay:
// the canvas's own methods and properties, and five of the painter's (see
// PaintCall): size, picture (a button's picture, up to end), image and lines.
export type Recording = CanvasRenderingContext2D & {
  size(width: number, height: number): void;
  picture(id: number, width: number, height: number): void;
  end(): void;
  image(id: number, x: number, y: number): void;
  lines(points: number[]): void;
};

export function recording(calls: PaintCall[]): Recording {
  return new Proxy({}, {
    get: (_, name) => (...args: PaintCall) => calls.push([name as string, ...args]),
    set: (_, name, value) => calls.push(['=', name as string, value]) > 0,
  }) as Recording;
}

// What is sent to a painter: the canvases once, then the calls of each
// canvas that changed, by its place in that list.
export type PainterMessage = { canvases: (HTMLCanvasElement | OffscreenCanvas)[] } | { paints: [number, PaintCall[]][] };

// The replayer. Everything it uses is inside it: its source text is what the
// worker runs, so it must not reach anything of this script outside itself.
export function canvasReplayer(): (message: PainterMessage) => void {
  type Context = CanvasRenderingContext2D | OffscreenCanvasRenderingContext2D;
  let surfaces: Context[] = [];
  const pictures = new Map<number, HTMLCanvasElement | OffscreenCanvas>();
  return (message) => {
    if ('canvases' in message) {
      // Desynchronized: a changed canvas goes to the screen as it is, without
      // the copy the browser otherwise makes of the whole canvas each frame.
      surfaces = message.canvases.map((canvas) => canvas.getContext('2d', { desynchronized: true }) as Context);
      return;
    }
    for (const [index, calls] of message.paints) replay(surfaces[index], calls);
  };
  function replay(surface: Context, calls: PaintCall[]): void {
    let context = surface;
    for (const call of calls) {
      const [name, a, b, c] = call;
      if (name === '=') {
        (context as unknown as Record<string, unknown>)[a as string] = b;
      } else if (name === 'size') {
        surface.canvas.width = a as number;
        surface.canvas.height = b as number;
      } else if (name === 'picture') {
        let picture = pictures.get(a as number);
        if (!picture) {
          picture = typeof document === 'object' ? document.createElement('canvas') : new OffscreenCanvas(1, 1);
          pictures.set(a as number, picture);
        }
        picture.width = b as number;
        picture.height = c as number;
        context = picture.getContext('2d') as Context;
      } else if (name === 'end') {
        context = surface;
      } else if (name === 'lines') {
        const points = a as number[];
        for (let i = 0; i < points.length; i += 2) context[i ? 'lineTo' : 'moveTo'](points[i], points[i + 1]);
      } else if (name === 'image') {
        context.drawImage(pictures.get(a as number)!, b as number, c as number);
      } else {
        (context as unknown as Record<string, (...args: unknown[]) => void>)[name as string](...call.slice(1));
      }
    }
  }
}

export interface Painter {
  paint(message: PainterMessage): void;
  // The canvases are gone for good: the worker, if any, ends.
  close(): void;
}

// Without OffscreenCanvas or Worker, the check itself throws.
function offscreenAllowed(): boolean {
  try {
    return 'transferControlToOffscreen' in HTMLCanvasElement.prototype && !!new OffscreenCanvas(1, 1).getContext('2d');
  } catch {
    return false;
  }
}

// Where the lanes' canvases can be handed to a worker: a painter there;
// otherwise (or if the worker cannot be started) null.
function workerPainter(canvases: HTMLCanvasElement[]): Painter | null {
  try {
    if (!offscreenAllowed()) return null;
    // The worker's script is the replayer's own text, from this very script:
    // a page opened from disk may not load a worker's script file.
    const source = `onmessage=(r=>e=>r(e.data))((${canvasReplayer})())`;
    const address = URL.createObjectURL(new Blob([source], { type: 'text/javascript' }));
    const worker = new Worker(address);
    const offscreen = canvases.map((canvas) => canvas.transferControlToOffscreen());
    worker.postMessage({ canvases: offscreen }, offscreen);
    return {
      paint: (message) => worker.postMessage(message),
      close: () => {
        worker.terminate();
        URL.revokeObjectURL(address);
      },
    };
  } catch {
    return null;
  }
}

// The painter of `canvases`: in a worker where the browser allows, here otherwise.
// The worker starts once the page has shown its first picture, so that the
// picture does not wait for its thread, its script and the canvases handed
// over; until then the lanes' calls wait for it in turn.
export function canvasPainter(canvases: HTMLCanvasElement[]): Painter {
  let painter: Painter | null = null;
  const waiting: PainterMessage[] = [];
  const start = () => {
    if (painter) return;
    painter = workerPainter(canvases) ?? hereOn(canvases);
    for (const message of waiting.splice(0)) painter.paint(message);
  };
  if (!offscreenAllowed() || document.hidden) start();
  else requestAnimationFrame(() => setTimeout(start));
  return {
    paint: (message) => (painter ? painter.paint(message) : waiting.push(message)),
    close: () => {
      painter?.close();
      painter = { paint: () => undefined, close: () => undefined };
    },
  };
}

// The replayer on the page's own thread.
function hereOn(canvases: HTMLCanvasElement[]): Painter {
  const replay = canvasReplayer();
  replay({ canvases });
  return { paint: replay, close: () => undefined };
}
