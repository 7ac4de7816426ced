// The seven sound cues "Cs001.mds" to "Cs007.mds": short synthesized tones
// stored as WAV data (16-bit mono PCM).

#include "assets/art.h"

#include <QFile>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <numbers>
#include <vector>

namespace Art {

namespace {

constexpr int Rate = 22050;

struct Note {
    double hertz; // 0 for a rest
    double seconds;
    double volume; // 0..1
};

// Soft sine notes with a slight overtone and a short fade at each end, so
// nothing clicks.
std::vector<std::int16_t> Render(const std::vector<Note>& notes)
{
    std::vector<std::int16_t> samples;
    for (const Note& note : notes) {
        const int n = int(note.seconds * Rate);
        const int fade = std::min(n / 4, Rate / 100);
        for (int i = 0; i < n; ++i) {
            double envelope = std::exp(-3.0 * i / n);
            if (i < fade)
                envelope *= double(i) / fade;
            if (n - i < fade)
                envelope *= double(n - i) / fade;
            const double t = double(i) / Rate;
            const double wave = note.hertz > 0
                                    ? 0.8 * std::sin(2 * std::numbers::pi * note.hertz * t)
                                          + 0.2 * std::sin(4 * std::numbers::pi * note.hertz * t)
                                    : 0.0;
            samples.push_back(std::int16_t(std::lround(wave * envelope * note.volume * 26000)));
        }
    }
    return samples;
}

void PutLE(QByteArray& out, std::uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.append(char((value >> (8 * i)) & 0xFF));
}

void WriteWav(const QString& path, const std::vector<std::int16_t>& samples)
{
    const std::uint32_t dataBytes = std::uint32_t(samples.size() * 2);
    QByteArray out;
    out.append("RIFF");
    PutLE(out, 36 + dataBytes, 4);
    out.append("WAVEfmt ");
    PutLE(out, 16, 4); // format chunk size
    PutLE(out, 1, 2);  // PCM
    PutLE(out, 1, 2);  // mono
    PutLE(out, Rate, 4);
    PutLE(out, Rate * 2, 4); // bytes per second
    PutLE(out, 2, 2);        // block align
    PutLE(out, 16, 2);       // bits per sample
    out.append("data");
    PutLE(out, dataBytes, 4);
    for (std::int16_t s : samples)
        PutLE(out, std::uint16_t(s), 2);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(out) != out.size()) {
        std::fprintf(stderr, "make-assets: cannot write %s\n", qPrintable(path));
        std::exit(1);
    }
}

} // namespace

void MakeSoundCues(const QString& programFolder)
{
    const std::vector<Note> cues[7] = {
        {{523.3, 0.12, 0.8}, {659.3, 0.12, 0.8}, {784.0, 0.12, 0.8}, {1046.5, 0.35, 0.9}}, // won
        {{880.0, 0.09, 0.9}, {0, 0.05, 0}, {880.0, 0.14, 0.9}},                            // check
        {{1318.5, 0.05, 0.5}},                                                             // pick up
        {{196.0, 0.08, 0.9}},                                                              // drop
        {{233.1, 0.14, 0.9}, {185.0, 0.22, 0.9}},                     // refused, error
        {{784.0, 0.10, 0.6}, {1046.5, 0.22, 0.6}},                    // note, question
        {{392.0, 0.16, 0.8}, {311.1, 0.16, 0.8}, {261.6, 0.40, 0.8}}, // lost
    };
    for (int n = 1; n <= 7; ++n)
        WriteWav(programFolder + QStringLiteral("/Cs%1.mds").arg(n, 3, 10, QLatin1Char('0')),
                 Render(cues[n - 1]));
}

} // namespace Art
