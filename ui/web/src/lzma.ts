// An LZMA decoder for the engine's WebAssembly, which travels LZMA-compressed
// inside engine.js: LZMA packs the module about a sixth smaller than gzip, and
// browsers inflate only gzip and deflate by themselves. The input is the
// .lzma ("LZMA alone") format with the uncompressed size in its header;
// everything is decoded at once into one buffer, which is also the window
// matches copy from.

const ProbabilityBits = 11;
const HalfProbability = 1 << (ProbabilityBits - 1);
const MoveBits = 5;
const TopValue = 1 << 24;
const States = 12;
const LengthLowSymbols = 8;
const LengthMidSymbols = 8;
const PosStatesMax = 16;
const EndPosModelIndex = 14;
const AlignBits = 4;
const HeaderBytes = 13;

class RangeDecoder {
  private range = 0xffffffff;
  private code = 0;
  constructor(
    private readonly input: Uint8Array,
    private at: number,
  ) {
    if (this.byte() !== 0) throw new Error('damaged LZMA stream');
    for (let i = 0; i < 4; i++) this.code = ((this.code << 8) | this.byte()) >>> 0;
  }

  private byte(): number {
    if (this.at >= this.input.length) throw new Error('LZMA stream cut short');
    return this.input[this.at++];
  }

  private normalize(): void {
    if (this.range < TopValue) {
      this.range = (this.range << 8) >>> 0;
      this.code = ((this.code << 8) | this.byte()) >>> 0;
    }
  }

  bit(probabilities: Uint16Array, index: number): number {
    const p = probabilities[index];
    const bound = (this.range >>> ProbabilityBits) * p;
    let bit: number;
    if (this.code < bound) {
      this.range = bound;
      probabilities[index] = p + (((1 << ProbabilityBits) - p) >>> MoveBits);
      bit = 0;
    } else {
      this.range -= bound;
      this.code -= bound;
      probabilities[index] = p - (p >>> MoveBits);
      bit = 1;
    }
    this.normalize();
    return bit;
  }

  directBits(count: number): number {
    let result = 0;
    for (let i = 0; i < count; i++) {
      this.range >>>= 1;
      let bit = 0;
      if (this.code >= this.range) {
        this.code -= this.range;
        bit = 1;
      }
      result = ((result << 1) | bit) >>> 0;
      this.normalize();
    }
    return result;
  }

  // A symbol of `bits` bits, most significant first, from the tree at `base`.
  tree(probabilities: Uint16Array, base: number, bits: number): number {
    let m = 1;
    for (let i = 0; i < bits; i++) m = (m << 1) | this.bit(probabilities, base + m);
    return m - (1 << bits);
  }

  // The same, least significant bit first.
  reverseTree(probabilities: Uint16Array, base: number, bits: number): number {
    let m = 1;
    let symbol = 0;
    for (let i = 0; i < bits; i++) {
      const bit = this.bit(probabilities, base + m);
      m = (m << 1) | bit;
      symbol |= bit << i;
    }
    return symbol;
  }
}

const newProbabilities = (count: number): Uint16Array => new Uint16Array(count).fill(HalfProbability);

class LengthDecoder {
  private readonly choice = newProbabilities(2);
  private readonly low = newProbabilities(PosStatesMax << 3);
  private readonly mid = newProbabilities(PosStatesMax << 3);
  private readonly high = newProbabilities(256);

  // The match's length less the shortest (2).
  decode(range: RangeDecoder, posState: number): number {
    if (range.bit(this.choice, 0) === 0) return range.tree(this.low, posState << 3, 3);
    if (range.bit(this.choice, 1) === 0) return LengthLowSymbols + range.tree(this.mid, posState << 3, 3);
    return LengthLowSymbols + LengthMidSymbols + range.tree(this.high, 0, 8);
  }
}

export function lzmaDecode(input: Uint8Array): Uint8Array {
  if (input.length < HeaderBytes) throw new Error('LZMA stream cut short');
  let properties = input[0];
  if (properties >= 9 * 5 * 5) throw new Error('damaged LZMA header');
  const lc = properties % 9;
  properties = (properties / 9) | 0;
  const lp = properties % 5;
  const pb = (properties / 5) | 0;
  const sizeLow = input[5] | (input[6] << 8) | (input[7] << 16) | (input[8] << 24);
  const sizeHigh = input[9] | (input[10] << 8) | (input[11] << 16) | (input[12] << 24);
  if (sizeHigh !== 0 || sizeLow < 0) throw new Error('LZMA stream without a usable size');
  const out = new Uint8Array(sizeLow);

  const range = new RangeDecoder(input, HeaderBytes);
  const literals = newProbabilities(0x300 << (lc + lp));
  const isMatch = newProbabilities(States << 4);
  const isRep = newProbabilities(States);
  const isRepG0 = newProbabilities(States);
  const isRepG1 = newProbabilities(States);
  const isRepG2 = newProbabilities(States);
  const isRep0Long = newProbabilities(States << 4);
  const posSlots = newProbabilities(4 << 6);
  const posDecoders = newProbabilities(1 + 114);
  const align = newProbabilities(1 << AlignBits);
  const lengths = new LengthDecoder();
  const repLengths = new LengthDecoder();
  const posMask = (1 << pb) - 1;
  const literalPosMask = (1 << lp) - 1;

  let state = 0;
  let rep0 = 0;
  let rep1 = 0;
  let rep2 = 0;
  let rep3 = 0;
  let pos = 0;
  while (pos < out.length) {
    const posState = pos & posMask;
    if (range.bit(isMatch, (state << 4) + posState) === 0) {
      const previous = pos > 0 ? out[pos - 1] : 0;
      const base = 0x300 * (((pos & literalPosMask) << lc) + (previous >>> (8 - lc)));
      let symbol = 1;
      if (state >= 7) {
        // After a match the literal is read against the byte the match would have given.
        let matchByte = out[pos - rep0 - 1];
        while (symbol < 0x100) {
          const matchBit = (matchByte >>> 7) & 1;
          matchByte <<= 1;
          const bit = range.bit(literals, base + ((1 + matchBit) << 8) + symbol);
          symbol = (symbol << 1) | bit;
          if (matchBit !== bit) break;
        }
      }
      while (symbol < 0x100) symbol = (symbol << 1) | range.bit(literals, base + symbol);
      out[pos++] = symbol - 0x100;
      state = state < 4 ? 0 : state < 10 ? state - 3 : state - 6;
      continue;
    }
    let length: number;
    if (range.bit(isRep, state) !== 0) {
      if (pos === 0) throw new Error('damaged LZMA stream');
      if (range.bit(isRepG0, state) === 0) {
        if (range.bit(isRep0Long, (state << 4) + posState) === 0) {
          state = state < 7 ? 9 : 11;
          out[pos] = out[pos - rep0 - 1];
          pos++;
          continue;
        }
      } else {
        let distance: number;
        if (range.bit(isRepG1, state) === 0) {
          distance = rep1;
        } else {
          if (range.bit(isRepG2, state) === 0) {
            distance = rep2;
          } else {
            distance = rep3;
            rep3 = rep2;
          }
          rep2 = rep1;
        }
        rep1 = rep0;
        rep0 = distance;
      }
      length = repLengths.decode(range, posState);
      state = state < 7 ? 8 : 11;
    } else {
      rep3 = rep2;
      rep2 = rep1;
      rep1 = rep0;
      length = lengths.decode(range, posState);
      state = state < 7 ? 7 : 10;
      rep0 = decodeDistance(range, posSlots, posDecoders, align, length);
      // The end marker (distance 0xFFFFFFFF) before the size is reached is damage too.
      if (rep0 >= pos) throw new Error('damaged LZMA stream');
    }
    length += 2;
    if (pos + length > out.length) throw new Error('damaged LZMA stream');
    for (let from = pos - rep0 - 1; length > 0; length--) out[pos++] = out[from++];
  }
  return out;
}

function decodeDistance(
  range: RangeDecoder,
  posSlots: Uint16Array,
  posDecoders: Uint16Array,
  align: Uint16Array,
  length: number,
): number {
  const slot = range.tree(posSlots, Math.min(length, 3) << 6, 6);
  if (slot < 4) return slot;
  const directBits = (slot >>> 1) - 1;
  let distance = ((2 | (slot & 1)) << directBits) >>> 0;
  if (slot < EndPosModelIndex) return distance + range.reverseTree(posDecoders, distance - slot, directBits);
  distance += range.directBits(directBits - AlignBits) * (1 << AlignBits);
  return (distance + range.reverseTree(align, 0, AlignBits)) >>> 0;
}
