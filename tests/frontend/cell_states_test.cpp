// The colour-blind safe palette: every state of a strip must stay apart from
// every other, and from the cells' background, for normal vision and under
// the three dichromacies.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "frontend/cell_states.h"
#include "frontend/window_layout.h"

namespace {

using Matrix = std::array<std::array<double, 3>, 3>;
using Triple = std::array<double, 3>;

// Simulation of dichromacy at severity 1.0 from G. M. Machado, M. M. Oliveira
// and L. A. F. Fernandes, "A Physiologically-based Model for Simulation of
// Color Vision Deficiency", IEEE TVCG 15(6), 2009 (their Table 1), applied to
// linear sRGB.
constexpr Matrix Normal = {{{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}};
constexpr Matrix Protanopia = {
    {{0.152286, 1.052583, -0.204868}, {0.114503, 0.786281, 0.099216}, {-0.003882, -0.048116, 1.051998}}};
constexpr Matrix Deuteranopia = {
    {{0.367322, 0.860646, -0.227968}, {0.280085, 0.672501, 0.047413}, {-0.011820, 0.042940, 0.968881}}};
constexpr Matrix Tritanopia = {
    {{1.255528, -0.076749, -0.178779}, {-0.078411, 0.930809, 0.147602}, {0.004733, 0.691367, 0.303900}}};

double linear(unsigned channel)
{
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

// 0x00BBGGRR through a vision matrix to CIELAB (D65).
Triple seenAsLab(Colour colour, const Matrix& vision)
{
    const Triple rgb = {linear(colour & 0xFF), linear((colour >> 8) & 0xFF), linear((colour >> 16) & 0xFF)};
    Triple seen{};
    for (int i = 0; i < 3; ++i)
        seen[i] = std::clamp(vision[i][0] * rgb[0] + vision[i][1] * rgb[1] + vision[i][2] * rgb[2], 0.0, 1.0);
    const double x = (0.4124564 * seen[0] + 0.3575761 * seen[1] + 0.1804375 * seen[2]) / 0.95047;
    const double y = 0.2126729 * seen[0] + 0.7151522 * seen[1] + 0.0721750 * seen[2];
    const double z = (0.0193339 * seen[0] + 0.1191920 * seen[1] + 0.9503041 * seen[2]) / 1.08883;
    const auto f = [](double t) { return t > 216.0 / 24389 ? std::cbrt(t) : (24389.0 / 27 * t + 16) / 116; };
    return {116 * f(y) - 16, 500 * (f(x) - f(y)), 200 * (f(y) - f(z))};
}

double degrees(double radians) { return radians * 180 / std::numbers::pi; }
double radians(double degrees) { return degrees * std::numbers::pi / 180; }

// CIEDE2000 (Sharma, Wu and Dalal, 2005), with kL = kC = kH = 1.
double ciede2000(const Triple& lab1, const Triple& lab2)
{
    const auto [l1, a1, b1] = lab1;
    const auto [l2, a2, b2] = lab2;
    const double meanC = (std::hypot(a1, b1) + std::hypot(a2, b2)) / 2;
    const double g = 0.5 * (1 - std::sqrt(std::pow(meanC, 7) / (std::pow(meanC, 7) + std::pow(25.0, 7))));
    const double a1p = (1 + g) * a1;
    const double a2p = (1 + g) * a2;
    const double c1 = std::hypot(a1p, b1);
    const double c2 = std::hypot(a2p, b2);
    const auto hue = [](double b, double a) {
        return a == 0 && b == 0 ? 0.0 : std::fmod(degrees(std::atan2(b, a)) + 360, 360);
    };
    const double h1 = hue(b1, a1p);
    const double h2 = hue(b2, a2p);
    double dh = 0;
    if (c1 * c2 != 0) {
        dh = h2 - h1;
        if (dh > 180) dh -= 360;
        if (dh < -180) dh += 360;
    }
    const double dL = l2 - l1;
    const double dC = c2 - c1;
    const double dH = 2 * std::sqrt(c1 * c2) * std::sin(radians(dh / 2));
    const double meanL = (l1 + l2) / 2;
    const double meanCp = (c1 + c2) / 2;
    double meanH = h1 + h2;
    if (c1 * c2 != 0) {
        if (std::abs(h1 - h2) <= 180) {
            meanH = (h1 + h2) / 2;
        } else {
            meanH = h1 + h2 < 360 ? (h1 + h2 + 360) / 2 : (h1 + h2 - 360) / 2;
        }
    }
    const double t = 1 - 0.17 * std::cos(radians(meanH - 30)) + 0.24 * std::cos(radians(2 * meanH)) +
                     0.32 * std::cos(radians(3 * meanH + 6)) - 0.20 * std::cos(radians(4 * meanH - 63));
    const double dTheta = 30 * std::exp(-std::pow((meanH - 275) / 25, 2));
    const double rc = 2 * std::sqrt(std::pow(meanCp, 7) / (std::pow(meanCp, 7) + std::pow(25.0, 7)));
    const double sl = 1 + 0.015 * std::pow(meanL - 50, 2) / std::sqrt(20 + std::pow(meanL - 50, 2));
    const double sc = 1 + 0.045 * meanCp;
    const double sh = 1 + 0.015 * meanCp * t;
    const double rt = -std::sin(radians(2 * dTheta)) * rc;
    return std::sqrt(std::pow(dL / sl, 2) + std::pow(dC / sc, 2) + std::pow(dH / sh, 2) +
                     rt * (dC / sc) * (dH / sh));
}

// One CIEDE2000 unit is about the smallest difference seen side by side under
// ideal light. A student must name a state at a glance, one small cell at a
// time, across a room on a washed-out projector that roughly halves the
// differences; 15 units still leaves several noticeable steps after that, and
// every state of the safe palette meets it under all four visions.
constexpr double MinimumStateDifference = 15;
// Text must stand out from the cell's background more than states from each other.
constexpr double MinimumBackgroundDifference = 20;

// WCAG 2's contrast ratio between two colours, from their relative luminance.
double contrastRatio(Colour a, Colour b)
{
    const auto luminance = [](Colour c) {
        return 0.2126 * linear(c & 0xFF) + 0.7152 * linear((c >> 8) & 0xFF) + 0.0722 * linear((c >> 16) & 0xFF);
    };
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

} // namespace

TEST(CellStates, ColourDifferenceMatchesPublishedPairs)
{
    // Pairs 1, 7 and 17 of Sharma, Wu and Dalal's test data.
    EXPECT_NEAR(ciede2000({50, 2.6772, -79.7751}, {50, 0, -82.7485}), 2.0425, 1e-4);
    EXPECT_NEAR(ciede2000({50, 0, 0}, {50, -1, 2}), 2.3669, 1e-4);
    EXPECT_NEAR(ciede2000({50, 2.5, 0}, {73, 25, -18}), 27.1492, 1e-4);
}

TEST(CellStates, SafePaletteKeepsEveryStateApartUnderEachColourVision)
{
    using cell_states::Strip;
    const Matrix* visions[] = {&Normal, &Protanopia, &Deuteranopia, &Tritanopia};
    const char* visionNames[] = {"normal", "protanopia", "deuteranopia", "tritanopia"};
    for (const Strip strip : {Strip::Sender, Strip::Receiver}) {
        std::vector<std::pair<std::string, Colour>> drawn;
        for (const auto& state : cell_states::States)
            if (state.strip == strip) drawn.emplace_back(state.words, state.safe);
        if (strip == Strip::Sender) drawn.emplace_back("timeout bar", cell_states::SafeTimeoutBar);

        for (int v = 0; v < 4; ++v) {
            const Triple background = seenAsLab(window_layout::LabelBackground, *visions[v]);
            for (std::size_t i = 0; i < drawn.size(); ++i) {
                const Triple lab = seenAsLab(drawn[i].second, *visions[v]);
                EXPECT_GE(ciede2000(lab, background), MinimumBackgroundDifference)
                    << drawn[i].first << " on the background, " << visionNames[v];
                for (std::size_t j = i + 1; j < drawn.size(); ++j) {
                    EXPECT_GE(ciede2000(lab, seenAsLab(drawn[j].second, *visions[v])), MinimumStateDifference)
                        << drawn[i].first << " against " << drawn[j].first << ", " << visionNames[v];
                }
            }
        }
    }
}

TEST(CellStates, SafePaletteTextIsReadableOnTheCells)
{
    // WCAG 2's level AA for text: the published ratios of black and of mid grey on white first.
    EXPECT_NEAR(contrastRatio(0x000000, 0xFFFFFF), 21.0, 1e-9);
    EXPECT_NEAR(contrastRatio(0x777777, 0xFFFFFF), 4.48, 0.01);
    for (const auto& state : cell_states::States)
        EXPECT_GE(contrastRatio(state.safe, window_layout::LabelBackground), 4.5) << state.words;
}

TEST(CellStates, EveryStateHasItsOwnMarkAndWords)
{
    for (const auto& a : cell_states::States) {
        EXPECT_FALSE(a.mark.empty());
        EXPECT_EQ(cell_states::find(a.strip, a.model), &a);
        for (const auto& b : cell_states::States) {
            if (&a == &b || a.strip != b.strip) continue;
            EXPECT_NE(a.mark, b.mark) << a.words << " and " << b.words;
            EXPECT_NE(a.words, b.words);
        }
    }
    EXPECT_EQ(cell_states::find(cell_states::Strip::Sender, colours::RxReceived), nullptr);
}
