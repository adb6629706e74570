// Writes the notification sound: a short two-tone chime as 16-bit mono PCM WAV.
#include <cmath>
#include <cstdint>
#include <fstream>
#include <iostream>
#include <numbers>
#include <vector>

namespace {

void put16(std::ofstream& out, std::uint16_t v) { out.put(char(v & 0xFF)).put(char(v >> 8)); }
void put32(std::ofstream& out, std::uint32_t v)
{
    put16(out, std::uint16_t(v & 0xFFFF));
    put16(out, std::uint16_t(v >> 16));
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: make_chime OUT.wav\n";
        return 2;
    }
    constexpr int rate = 22050;
    const double tones[] = {880.0, 1318.5};  // A5, then E6
    constexpr double toneSeconds = 0.28;
    std::vector<std::int16_t> samples;
    for (const double frequency : tones) {
        const int count = int(rate * toneSeconds);
        for (int i = 0; i < count; ++i) {
            const double t = double(i) / rate;
            const double envelope = std::exp(-6.0 * t) * std::min(1.0, i / 200.0);
            samples.push_back(std::int16_t(12000.0 * envelope * std::sin(2 * std::numbers::pi * frequency * t)));
        }
    }
    std::ofstream out(argv[1], std::ios::binary);
    const std::uint32_t dataBytes = std::uint32_t(samples.size() * 2);
    out.write("RIFF", 4);
    put32(out, 36 + dataBytes);
    out.write("WAVEfmt ", 8);
    put32(out, 16);
    put16(out, 1);  // PCM
    put16(out, 1);  // mono
    put32(out, rate);
    put32(out, rate * 2);
    put16(out, 2);
    put16(out, 16);
    out.write("data", 4);
    put32(out, dataBytes);
    for (const std::int16_t s : samples)
        put16(out, std::uint16_t(s));
    return out ? 0 : 1;
}
