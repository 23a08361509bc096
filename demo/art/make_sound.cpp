// Writes the launcher's start-up sound: PCM, mono, 22050 Hz, 16 bits,
// 6.1 seconds. A rising horn call over a low drone, computed, so the same
// file comes out every time.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <vector>

namespace {

constexpr int kRate = 22050;
constexpr double kSeconds = 6.1;
constexpr double kPi = 3.14159265358979323846;

void Put16(std::vector<unsigned char>& out, std::uint16_t v)
{
    out.push_back(static_cast<unsigned char>(v & 0xFF));
    out.push_back(static_cast<unsigned char>(v >> 8));
}

void Put32(std::vector<unsigned char>& out, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<unsigned char>((v >> (8 * i)) & 0xFF));
}

double Note(double frequency, double t)
{
    // A horn-like tone: fundamental with a few odd and even partials.
    return std::sin(2 * kPi * frequency * t) + 0.5 * std::sin(4 * kPi * frequency * t) +
           0.25 * std::sin(6 * kPi * frequency * t);
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_sound OUTPUT.wav\n");
        return 2;
    }
    const int samples = static_cast<int>(kRate * kSeconds);
    // Horn call: start times (s), lengths (s) and frequencies (Hz).
    const struct {
        double start, length, frequency;
    } notes[] = {{0.0, 0.9, 196.0}, {0.8, 0.9, 293.7}, {1.6, 0.6, 392.0}, {2.1, 2.4, 440.0}, {4.0, 2.0, 392.0}};

    std::vector<unsigned char> data;
    data.reserve(static_cast<std::size_t>(samples) * 2);
    for (int i = 0; i < samples; ++i) {
        const double t = static_cast<double>(i) / kRate;
        double value = 0.18 * std::sin(2 * kPi * 98.0 * t) * std::fmin(1.0, t / 0.5);  // drone
        for (const auto& n : notes) {
            const double local = t - n.start;
            if (local < 0 || local > n.length)
                continue;
            const double attack = std::fmin(1.0, local / 0.06);
            const double release = std::fmin(1.0, (n.length - local) / 0.25);
            value += 0.22 * attack * release * Note(n.frequency, local);
        }
        const double fade = std::fmin(1.0, (kSeconds - t) / 0.4);  // ends in silence
        value *= fade;
        if (value > 1.0)
            value = 1.0;
        if (value < -1.0)
            value = -1.0;
        Put16(data, static_cast<std::uint16_t>(static_cast<std::int16_t>(std::lround(value * 30000))));
    }

    std::vector<unsigned char> file;
    file.insert(file.end(), {'R', 'I', 'F', 'F'});
    Put32(file, static_cast<std::uint32_t>(36 + data.size()));
    file.insert(file.end(), {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '});
    Put32(file, 16);
    Put16(file, 1);                // PCM
    Put16(file, 1);                // mono
    Put32(file, kRate);            // samples per second
    Put32(file, kRate * 2);        // bytes per second
    Put16(file, 2);                // block align
    Put16(file, 16);               // bits per sample
    file.insert(file.end(), {'d', 'a', 't', 'a'});
    Put32(file, static_cast<std::uint32_t>(data.size()));
    file.insert(file.end(), data.begin(), data.end());

    std::FILE* out = std::fopen(argv[1], "wb");
    if (out == nullptr || std::fwrite(file.data(), 1, file.size(), out) != file.size()) {
        std::perror(argv[1]);
        return 1;
    }
    return std::fclose(out) == 0 ? 0 : 1;
}
