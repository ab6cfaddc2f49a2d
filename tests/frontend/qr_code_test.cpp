// The QR code of a run's link reads back as that link: the matrix is drawn
// as a picture with its quiet zone and decoded by zbarimg, an independent reader.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include <unistd.h>

#include "frontend/qr_code.h"

namespace {

// The matrix as a plain PBM, three pixels a module, quiet zone included.
void writePicture(const qr::Matrix& matrix, const std::string& path)
{
    constexpr int Scale = 3;
    const int side = (matrix.size + 2 * qr::QuietZone) * Scale;
    std::ofstream out(path);
    out << "P1\n" << side << ' ' << side << '\n';
    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side; ++x) {
            const int mx = x / Scale - qr::QuietZone;
            const int my = y / Scale - qr::QuietZone;
            const bool inside = mx >= 0 && my >= 0 && mx < matrix.size && my < matrix.size;
            out << (inside && matrix.at(mx, my) ? '1' : '0') << (x + 1 < side ? " " : "");
        }
        out << '\n';
    }
}

std::string decoded(const std::string& path)
{
    std::string text;
    FILE* reader = popen(("zbarimg --raw -q '" + path + "' 2>/dev/null").c_str(), "r");
    if (reader == nullptr) return text;
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, reader)) > 0;)
        text.append(buffer, n);
    pclose(reader);
    while (!text.empty() && text.back() == '\n')
        text.pop_back();
    return text;
}

TEST(QrCode, ALinkReadsBackAsItselfAndAnOverlongOneIsRefused)
{
    if (std::system("command -v zbarimg >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "zbarimg (zbar-tools) is not installed";
    // A run link's characters: base64url in the fragment, a query before it.
    std::string link = "https://example.org/demo/?speed=2#run=";
    for (int i = 0; link.size() < 1500; ++i)
        link += "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789-_"[(i * 37 + i / 7) % 64];
    const std::optional<qr::Matrix> matrix = qr::encode(link);
    ASSERT_TRUE(matrix);
    const std::string path =
        (std::filesystem::temp_directory_path() / ("qr-" + std::to_string(getpid()) + ".pbm")).string();
    writePicture(*matrix, path);
    EXPECT_EQ(decoded(path), link);
    std::filesystem::remove(path);

    EXPECT_FALSE(qr::encode(std::string(3000, 'x')));
}

} // namespace
