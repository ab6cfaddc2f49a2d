// An LZMA decoder for the engine's WebAssembly, which travels LZMA-compressed
// inside engine.js: LZMA packs the module about a sixth smaller than gzip,
// and browsers inflate only gzip and deflate. Built into a module of its
// own, a kilobyte or two with no imports, that the page runs before the
// engine: decoding in WebAssembly takes a few milliseconds where a decoder in
// script took ten times as long before the browser had optimised it.
//
// The input is the .lzma ("LZMA alone") format with the uncompressed size in
// its header; everything is decoded at once into one buffer, which is also
// the window that matches copy from. The caller (ui/web/src/lzma.ts)
// provides all memory: the input, the output of the size the header gives,
// and room for the probabilities (lzma_probabilities() of them).
#include <cstdint>

namespace {

enum : unsigned {
    ProbabilityBits = 11,
    MoveBits = 5,
    HeaderBytes = 13,
    States = 12,
    // Where each model's probabilities start.
    IsMatch = 0,
    IsRep = IsMatch + (States << 4),
    IsRepG0 = IsRep + States,
    IsRepG1 = IsRepG0 + States,
    IsRepG2 = IsRepG1 + States,
    IsRep0Long = IsRepG2 + States,
    PosSlots = IsRep0Long + (States << 4),
    PosDecoders = PosSlots + (4 << 6),
    Align = PosDecoders + 115,
    // A length decoder: two choices, 16 low and 16 middle trees of 8, 256 high.
    Choice = 0,
    Low = 2,
    Mid = Low + (16 << 3),
    High = Mid + (16 << 3),
    LengthSize = High + 256,
    Lengths = Align + 16,
    RepLengths = Lengths + LengthSize,
    Literals = RepLengths + LengthSize,
};

// What lzma_decode returns.
enum Status : int { Done = 0, CutShort = 1, Damaged = 2 };

struct Decoder {
    const std::uint8_t* at;
    const std::uint8_t* end;
    std::uint32_t range;
    std::uint32_t code;
    std::uint16_t* probabilities;
    bool cutShort;
};

void normalize(Decoder* d)
{
    if (d->range < (1u << 24)) {
        if (d->at >= d->end) {
            d->cutShort = true; // reads on as zeros; the result is refused
            d->range <<= 8;
            d->code <<= 8;
            return;
        }
        d->range <<= 8;
        d->code = (d->code << 8) | *d->at++;
    }
}

unsigned bit(Decoder* d, unsigned index)
{
    std::uint16_t* p = d->probabilities + index;
    const std::uint32_t bound = (d->range >> ProbabilityBits) * *p;
    unsigned result;
    if (d->code < bound) {
        d->range = bound;
        *p = static_cast<std::uint16_t>(*p + (((1u << ProbabilityBits) - *p) >> MoveBits));
        result = 0;
    } else {
        d->range -= bound;
        d->code -= bound;
        *p = static_cast<std::uint16_t>(*p - (*p >> MoveBits));
        result = 1;
    }
    normalize(d);
    return result;
}

// A symbol of `bits` bits from the tree at `base`, most significant bit first.
unsigned tree(Decoder* d, unsigned base, unsigned bits)
{
    unsigned m = 1;
    for (unsigned i = 0; i < bits; i++)
        m = (m << 1) | bit(d, base + m);
    return m - (1u << bits);
}

// The same, least significant bit first.
unsigned reverseTree(Decoder* d, unsigned base, unsigned bits)
{
    unsigned m = 1;
    unsigned symbol = 0;
    for (unsigned i = 0; i < bits; i++) {
        const unsigned b = bit(d, base + m);
        m = (m << 1) | b;
        symbol |= b << i;
    }
    return symbol;
}

// A match's length less the shortest (2).
unsigned length(Decoder* d, unsigned base, unsigned posState)
{
    if (bit(d, base + Choice) == 0) return tree(d, base + Low + (posState << 3), 3);
    if (bit(d, base + Choice + 1) == 0) return 8 + tree(d, base + Mid + (posState << 3), 3);
    return 16 + tree(d, base + High, 8);
}

} // namespace

// How many probabilities decoding `input` needs (its header read).
__attribute__((export_name("lzma_probabilities"))) std::uint32_t lzmaProbabilities(const std::uint8_t* input)
{
    const unsigned properties = input[0] < 9 * 5 * 5 ? input[0] : 0;
    const unsigned lc = properties % 9;
    const unsigned lp = properties / 9 % 5;
    return Literals + (0x300u << (lc + lp));
}

__attribute__((export_name("lzma_decode"))) int lzmaDecode(const std::uint8_t* input, std::uint32_t inputSize,
                                                           std::uint8_t* out, std::uint32_t size,
                                                           std::uint16_t* probabilities)
{
    if (inputSize < HeaderBytes + 5) return CutShort;
    if (input[0] >= 9 * 5 * 5 || input[HeaderBytes] != 0) return Damaged;
    const unsigned lc = input[0] % 9;
    const unsigned lp = input[0] / 9 % 5;
    const unsigned pb = input[0] / 45;
    const std::uint32_t count = lzmaProbabilities(input);
    for (std::uint32_t i = 0; i < count; i++)
        probabilities[i] = 1u << (ProbabilityBits - 1);

    Decoder d{input + HeaderBytes + 5, input + inputSize, 0xFFFFFFFFu, 0, probabilities, false};
    for (int i = 1; i <= 4; i++)
        d.code = (d.code << 8) | input[HeaderBytes + i];

    const std::uint32_t posMask = (1u << pb) - 1;
    const std::uint32_t literalPosMask = (1u << lp) - 1;
    unsigned state = 0;
    std::uint32_t rep0 = 0, rep1 = 0, rep2 = 0, rep3 = 0;
    std::uint32_t pos = 0;
    while (pos < size) {
        if (d.cutShort) return CutShort;
        const unsigned posState = pos & posMask;
        if (bit(&d, IsMatch + (state << 4) + posState) == 0) {
            const unsigned previous = pos > 0 ? out[pos - 1] : 0;
            const unsigned base =
                Literals + 0x300u * (((pos & literalPosMask) << lc) + (previous >> (8 - lc)));
            unsigned symbol = 1;
            if (state >= 7) {
                // After a match the literal is read against the byte the match would have given.
                unsigned matchByte = out[pos - rep0 - 1];
                while (symbol < 0x100) {
                    const unsigned matchBit = (matchByte >> 7) & 1;
                    matchByte <<= 1;
                    const unsigned b = bit(&d, base + ((1 + matchBit) << 8) + symbol);
                    symbol = (symbol << 1) | b;
                    if (matchBit != b) break;
                }
            }
            while (symbol < 0x100)
                symbol = (symbol << 1) | bit(&d, base + symbol);
            out[pos++] = static_cast<std::uint8_t>(symbol);
            state = state < 4 ? 0 : state < 10 ? state - 3 : state - 6;
            continue;
        }
        std::uint32_t count;
        if (bit(&d, IsRep + state) != 0) {
            if (pos == 0) return Damaged;
            if (bit(&d, IsRepG0 + state) == 0) {
                if (bit(&d, IsRep0Long + (state << 4) + posState) == 0) {
                    state = state < 7 ? 9 : 11;
                    out[pos] = out[pos - rep0 - 1];
                    pos++;
                    continue;
                }
            } else {
                std::uint32_t distance;
                if (bit(&d, IsRepG1 + state) == 0) {
                    distance = rep1;
                } else {
                    if (bit(&d, IsRepG2 + state) == 0) {
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
            count = length(&d, RepLengths, posState);
            state = state < 7 ? 8 : 11;
        } else {
            rep3 = rep2;
            rep2 = rep1;
            rep1 = rep0;
            count = length(&d, Lengths, posState);
            state = state < 7 ? 7 : 10;
            const unsigned slot = tree(&d, PosSlots + ((count < 3 ? count : 3) << 6), 6);
            if (slot < 4) {
                rep0 = slot;
            } else {
                const unsigned directBits = (slot >> 1) - 1;
                rep0 = (2u | (slot & 1)) << directBits;
                if (slot < 14) {
                    rep0 += reverseTree(&d, PosDecoders + rep0 - slot, directBits);
                } else {
                    std::uint32_t high = 0;
                    for (unsigned i = directBits - 4; i > 0; i--) {
                        d.range >>= 1;
                        const std::uint32_t b = d.code >= d.range ? 1 : 0;
                        if (b) d.code -= d.range;
                        high = (high << 1) | b;
                        normalize(&d);
                    }
                    rep0 += (high << 4) + reverseTree(&d, Align, 4);
                }
            }
            // The end marker (distance 0xFFFFFFFF) before the size is reached is damage too.
            if (rep0 >= pos) return d.cutShort ? CutShort : Damaged;
        }
        count += 2;
        if (count > size - pos) return d.cutShort ? CutShort : Damaged;
        for (const std::uint8_t* from = out + pos - rep0 - 1; count > 0; count--)
            out[pos++] = *from++;
    }
    return d.cutShort ? CutShort : Done;
}
