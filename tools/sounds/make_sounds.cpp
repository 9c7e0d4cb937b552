// Makes the game's sound effects: one short WAV per effect, 16-bit PCM mono
// at 22050 Hz, synthesised from oscillators, noise and filters. Every random
// choice comes from a fixed seed, so each build writes the same bytes.
//
//   make_sounds FOLDER NAME...    writes FOLDER/NAME.wav for each NAME
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace {

constexpr int kRate = 22050;
constexpr double kPi = 3.14159265358979323846;
constexpr double kPeak = 0.7079;  // -3 dBFS

using Buffer = std::vector<double>;

int samplesOf(double seconds) { return static_cast<int>(std::lround(seconds * kRate)); }

// A small fixed-seed generator: the same noise on every machine.
class Noise {
public:
    explicit Noise(std::uint32_t seed) : state_(seed ? seed : 1u) {}
    double next() {  // uniform in [-1, 1)
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return static_cast<double>(state_) / 2147483648.0 - 1.0;
    }
    double between(double lo, double hi) { return lo + (hi - lo) * (next() + 1.0) / 2.0; }

private:
    std::uint32_t state_;
};

// Raised-cosine ramp from 0 to 1 over `length` samples.
double ramp(int i, int length) {
    if (length <= 0 || i >= length) return 1.0;
    if (i <= 0) return 0.0;
    return 0.5 - 0.5 * std::cos(kPi * i / length);
}

// Soft attack and release around a note of n samples.
double envelope(int i, int n, double attack, double release) {
    return ramp(i, samplesOf(attack)) * ramp(n - 1 - i, samplesOf(release));
}

void mixInto(Buffer& out, const Buffer& part, double at, double gain = 1.0) {
    const int start = samplesOf(at);
    if (out.size() < start + part.size()) out.resize(start + part.size(), 0.0);
    for (std::size_t i = 0; i < part.size(); ++i) out[start + i] += gain * part[i];
}

// A tone whose frequency follows `freq(t)`; `harmonics` gives the weight of
// each partial (1st, 2nd, ...).
Buffer tone(double seconds, const std::function<double(double)>& freq, const std::vector<double>& harmonics,
            double attack = 0.005, double release = 0.02) {
    const int n = samplesOf(seconds);
    Buffer b(n);
    double phase = 0.0;
    for (int i = 0; i < n; ++i) {
        const double t = static_cast<double>(i) / kRate;
        phase += freq(t) / kRate;
        double v = 0.0;
        for (std::size_t k = 0; k < harmonics.size(); ++k) {
            if (harmonics[k] != 0.0) v += harmonics[k] * std::sin(2 * kPi * (k + 1) * phase);
        }
        b[i] = v * envelope(i, n, attack, release);
    }
    return b;
}

Buffer note(double seconds, double freq, const std::vector<double>& harmonics, double attack = 0.005,
            double release = 0.02) {
    return tone(seconds, [freq](double) { return freq; }, harmonics, attack, release);
}

// A square-ish wave (odd partials), the voice of the robots and the alarm.
const std::vector<double> kSquare{1.0, 0.0, 1.0 / 3, 0.0, 1.0 / 5, 0.0, 1.0 / 7, 0.0, 1.0 / 9};
const std::vector<double> kBrass{1.0, 0.7, 0.5, 0.35, 0.25, 0.15, 0.1};
const std::vector<double> kPure{1.0, 0.08};

struct Formant {
    double freq, width, gain;
};

// A voice: harmonics of a glottal pitch shaped by the resonances of a vowel.
// `vowel(t)` gives the formants at time t so a vowel can glide into another.
Buffer voice(double seconds, const std::function<double(double)>& pitch,
             const std::function<std::vector<Formant>(double)>& vowel, double attack = 0.03,
             double release = 0.08) {
    const int n = samplesOf(seconds);
    Buffer b(n);
    std::vector<double> phase(40, 0.0);
    for (int i = 0; i < n; ++i) {
        const double t = static_cast<double>(i) / kRate;
        const double f0 = pitch(t);
        const std::vector<Formant> formants = vowel(t);
        double v = 0.0;
        for (std::size_t k = 1; k <= phase.size(); ++k) {
            const double f = f0 * k;
            if (f > kRate / 2.2) break;
            phase[k - 1] += f / kRate;
            double a = 0.0;
            for (const Formant& fm : formants) {
                const double d = (f - fm.freq) / fm.width;
                a += fm.gain / (1.0 + d * d);
            }
            v += a / std::sqrt(static_cast<double>(k)) * std::sin(2 * kPi * phase[k - 1]);
        }
        b[i] = v * envelope(i, n, attack, release);
    }
    return b;
}

std::vector<Formant> vowelA() { return {{750, 90, 1.0}, {1150, 110, 0.6}, {2500, 160, 0.25}}; }
std::vector<Formant> vowelOu() { return {{320, 70, 1.0}, {800, 90, 0.35}, {2300, 160, 0.08}}; }
std::vector<Formant> vowelI() { return {{300, 70, 0.6}, {2300, 140, 0.8}, {3000, 200, 0.5}}; }

std::vector<Formant> blend(const std::vector<Formant>& a, const std::vector<Formant>& b, double x) {
    std::vector<Formant> r(a.size());
    for (std::size_t i = 0; i < a.size(); ++i) {
        r[i] = {a[i].freq + (b[i].freq - a[i].freq) * x, a[i].width + (b[i].width - a[i].width) * x,
                a[i].gain + (b[i].gain - a[i].gain) * x};
    }
    return r;
}

// Two-pole resonant band-pass (state-variable filter) over a signal.
class BandPass {
public:
    double run(double in, double centre, double q) {
        const double f = 2.0 * std::sin(kPi * std::min(centre, kRate / 6.0) / kRate);
        low_ += f * band_;
        const double high = in - low_ - band_ / q;
        band_ += f * high;
        return band_;
    }

private:
    double low_ = 0.0, band_ = 0.0;
};

// A burst of noise through a band-pass, decaying exponentially.
Buffer burst(Noise& noise, double seconds, double centre, double q, double decay) {
    const int n = samplesOf(seconds);
    Buffer b(n);
    BandPass filter;
    for (int i = 0; i < n; ++i) {
        const double t = static_cast<double>(i) / kRate;
        b[i] = filter.run(noise.next(), centre, q) * std::exp(-t / decay) * ramp(i, samplesOf(0.001));
    }
    return b;
}

// A water bubble: a sine whose pitch rises quickly as the bubble closes.
// Its level falls with `decay`.
Buffer bubble(double seconds, double from, double to, double decay) {
    Buffer b = tone(seconds, [=](double t) { return from + (to - from) * (1.0 - std::exp(-t / (seconds / 3))); },
                    {1.0}, 0.002, 0.01);
    for (std::size_t i = 0; i < b.size(); ++i) b[i] *= std::exp(-static_cast<double>(i) / kRate / decay);
    return b;
}

Buffer decaying(Buffer b, double decay) {
    for (std::size_t i = 0; i < b.size(); ++i) b[i] *= std::exp(-static_cast<double>(i) / kRate / decay);
    return b;
}

// A plucked string (Karplus-Strong) with a seeded excitation.
Buffer pluck(Noise& noise, double seconds, double freq) {
    const int n = samplesOf(seconds);
    const int period = std::max(2, static_cast<int>(std::lround(kRate / freq)));
    std::vector<double> line(period);
    for (double& x : line) x = noise.next();
    Buffer b(n);
    for (int i = 0; i < n; ++i) {
        const int j = i % period;
        const double out = line[j];
        line[j] = 0.996 * 0.5 * (line[j] + line[(j + 1) % period]);
        b[i] = out * ramp(n - 1 - i, samplesOf(0.03));
    }
    return b;
}

double midi(int number) { return 440.0 * std::pow(2.0, (number - 69) / 12.0); }

// ---- the effects -------------------------------------------------------------

Buffer ah() {  // a sigh of disappointment: an open "ah" falling in pitch
    return voice(0.45, [](double t) { return 170.0 - 60.0 * t; }, [](double) { return vowelA(); });
}

Buffer ouhouh() {  // "ouh ouh": two hooted syllables
    Buffer out;
    for (int s = 0; s < 2; ++s) {
        mixInto(out,
                voice(0.22, [s](double t) { return (s ? 260.0 : 230.0) + 80.0 * t; },
                      [](double) { return vowelOu(); }, 0.02, 0.06),
                s * 0.28);
    }
    return out;
}

Buffer aouh() {  // a falling "aouh" glide, "a" melting into "ou"
    const double length = 0.6;
    return voice(length, [](double t) { return 330.0 * std::pow(0.4, t / 0.6); },
                 [length](double t) { return blend(vowelA(), vowelOu(), std::min(1.0, t / length * 1.4)); });
}

Buffer cri() {  // a shrill cry with a fast vibrato
    return voice(0.42, [](double t) { return 780.0 + 60.0 * std::sin(2 * kPi * 9 * t) + 200.0 * t; },
                 [](double) { return blend(vowelA(), vowelI(), 0.5); }, 0.02, 0.1);
}

Buffer canard() {  // a duck: two nasal, buzzy quacks with a falling pitch
    Buffer out;
    const std::vector<Formant> nasal{{1000, 120, 1.0}, {1500, 160, 0.9}, {2600, 250, 0.4}, {250, 60, 0.3}};
    for (int q = 0; q < 2; ++q) {
        Buffer quack = voice(
            0.17, [q](double t) { return (q ? 320.0 : 350.0) - 500.0 * t; }, [&](double) { return nasal; },
            0.008, 0.05);
        mixInto(out, quack, q * 0.22);
    }
    return out;
}

Buffer clap(std::uint32_t seed) {  // applause: many short noise bursts from several hands
    Noise noise(seed);
    Buffer out(samplesOf(1.0), 0.0);
    for (int hand = 0; hand < 4; ++hand) {
        double at = noise.between(0.0, 0.08);
        const double centre = 900.0 + 350.0 * hand;
        while (at < 0.85) {
            mixInto(out, burst(noise, 0.05, centre * noise.between(0.85, 1.15), 1.3, 0.009),
                    at, noise.between(0.6, 1.0));
            at += noise.between(0.09, 0.15);
        }
    }
    return out;
}

Buffer fanfare(const std::vector<int>& notes, const std::vector<double>& lengths, const std::vector<int>& chord) {
    Buffer out;
    double at = 0.0;
    for (std::size_t i = 0; i < notes.size(); ++i) {
        mixInto(out, note(lengths[i] + 0.03, midi(notes[i]), kBrass, 0.012, 0.04), at);
        at += lengths[i];
    }
    // the last note rings on as a chord
    for (int c : chord) mixInto(out, note(0.5, midi(c), kBrass, 0.02, 0.25), at - lengths.back(), 0.6);
    return out;
}

Buffer alleluia() {  // a rising arpeggio ending on the octave
    return fanfare({72, 76, 79, 84}, {0.15, 0.15, 0.15, 0.55}, {76, 79});
}

Buffer classic() {  // the classic fanfare: three quick calls, then the triumph
    return fanfare({67, 67, 67, 72, 76, 79}, {0.11, 0.11, 0.11, 0.2, 0.14, 0.45}, {72, 76});
}

Buffer clic(std::uint32_t seed) {  // a dry click
    Noise noise(seed);
    Buffer b = burst(noise, 0.06, 3200, 2.0, 0.004);
    mixInto(b, decaying(note(0.06, 1800, {1.0}, 0.0005, 0.01), 0.006), 0.0, 0.5);
    return b;
}

Buffer quick() {  // a quick upward swish
    return tone(0.13, [](double t) { return 600.0 * std::pow(3.0, t / 0.13); }, kPure, 0.008, 0.04);
}

Buffer bonus() {  // a springy "boing"
    return decaying(tone(0.45, [](double t) { return 220.0 + 90.0 * std::sin(2 * kPi * 14 * t) * std::exp(-t / 0.15); },
                         {1.0, 0.3, 0.1}, 0.004, 0.08),
                    0.2);
}

Buffer bonsai(std::uint32_t seed) {  // three plucked notes of a pentatonic tune
    Noise noise(seed);
    Buffer out;
    const int tune[] = {69, 74, 76};
    for (int i = 0; i < 3; ++i) mixInto(out, pluck(noise, i == 2 ? 0.45 : 0.25, midi(tune[i])), i * 0.13);
    return out;
}

Buffer eau() {  // a few water drops
    Buffer out;
    mixInto(out, bubble(0.08, 500, 1300, 0.03), 0.0);
    mixInto(out, bubble(0.07, 650, 1600, 0.025), 0.11, 0.8);
    mixInto(out, bubble(0.09, 450, 1150, 0.03), 0.2, 0.7);
    return out;
}

Buffer gloup() {  // a big, deep gulp of water
    Buffer out;
    mixInto(out, bubble(0.2, 130, 420, 0.09), 0.0);
    mixInto(out, bubble(0.14, 180, 520, 0.06), 0.17, 0.7);
    return out;
}

Buffer slurp(std::uint32_t seed) {  // sucking through a straw: a rising wet hiss
    Noise noise(seed);
    const int n = samplesOf(0.5);
    Buffer b(n);
    BandPass filter;
    for (int i = 0; i < n; ++i) {
        const double t = static_cast<double>(i) / kRate;
        const double centre = 400.0 * std::pow(6.0, t / 0.5);
        const double gurgle = 0.6 + 0.4 * std::sin(2 * kPi * 23 * t);
        b[i] = filter.run(noise.next(), centre, 6.0) * gurgle * envelope(i, n, 0.05, 0.08);
    }
    mixInto(b, bubble(0.06, 700, 1500, 0.02), 0.42, 0.6);
    return b;
}

Buffer feu(std::uint32_t seed) {  // fire: a low roar with crackles
    Noise noise(seed);
    const int n = samplesOf(0.6);
    Buffer b(n);
    BandPass roar;
    for (int i = 0; i < n; ++i) b[i] = 0.7 * roar.run(noise.next(), 250, 0.8) * envelope(i, n, 0.08, 0.15);
    for (int c = 0; c < 14; ++c) {
        mixInto(b, burst(noise, 0.02, noise.between(1500, 4000), 3.0, 0.003), noise.between(0.03, 0.52),
                noise.between(0.5, 1.2));
    }
    return b;
}

Buffer alerte() {  // a short two-note alarm
    Buffer out;
    for (int i = 0; i < 4; ++i) mixInto(out, note(0.085, i % 2 ? 660 : 880, kSquare, 0.004, 0.01), i * 0.09);
    return out;
}

Buffer avale() {  // swallowed: a slide whistle going down
    return tone(0.42, [](double t) { return 1300.0 * std::pow(0.25, t / 0.42) * (1 + 0.02 * std::sin(2 * kPi * 7 * t)); },
                kPure, 0.01, 0.06);
}

Buffer casse(std::uint32_t seed) {  // something breaks: a crash and falling shards
    Noise noise(seed);
    Buffer out = burst(noise, 0.5, 1800, 0.6, 0.09);
    for (int s = 0; s < 10; ++s) {
        mixInto(out, decaying(note(0.12, noise.between(2500, 6000), {1.0}, 0.001, 0.02), 0.03),
                noise.between(0.02, 0.55), noise.between(0.15, 0.35));
    }
    return out;
}

Buffer robot(const std::vector<int>& notes, double step, const std::vector<double>& timbre) {
    Buffer out;
    for (std::size_t i = 0; i < notes.size(); ++i) {
        mixInto(out, note(step * 0.8, midi(notes[i]), timbre, 0.003, 0.01), i * step);
    }
    return out;
}

Buffer beepbeep() {  // two beeps, high then low
    Buffer out;
    mixInto(out, note(0.1, 1250, kPure, 0.005, 0.015), 0.0);
    mixInto(out, note(0.1, 940, kPure, 0.005, 0.015), 0.15);
    return out;
}

const std::map<std::string, std::function<Buffer()>>& effects() {
    static const std::map<std::string, std::function<Buffer()>> all{
        {"Ah", ah},
        {"Alerte", alerte},
        {"Alleluia", alleluia},
        {"Aouh", aouh},
        {"Avale", avale},
        {"Beepbeep", beepbeep},
        {"Bonsai", [] { return bonsai(0x5eed01); }},
        {"Bonus", bonus},
        {"Canard", canard},
        {"Casse", [] { return casse(0x5eed02); }},
        {"Clap", [] { return clap(0x5eed03); }},
        {"Classic", classic},
        {"Clic", [] { return clic(0x5eed04); }},
        {"Cri", cri},
        {"Eau", eau},
        {"Feu", [] { return feu(0x5eed05); }},
        {"Gloup", gloup},
        {"Ouhouh", ouhouh},
        {"Quick", quick},
        {"Robot1", [] { return robot({72, 76, 79, 84}, 0.07, kSquare); }},
        {"Robot2", [] { return robot({84, 79, 74}, 0.08, {1.0, 0.5, 0.0, 0.25}); }},
        {"Robot3", [] { return robot({81, 88}, 0.06, kSquare); }},
        {"Robot4", [] { return robot({76, 88, 71, 83, 79, 91}, 0.055, {1.0, 0.0, 0.6, 0.0, 0.4}); }},
        {"Slurp", [] { return slurp(0x5eed06); }},
    };
    return all;
}

// Edges faded, level brought to the common peak, then 16-bit samples.
std::vector<std::int16_t> finish(Buffer b) {
    const int n = static_cast<int>(b.size());
    for (int i = 0; i < n; ++i) b[i] *= ramp(i, samplesOf(0.003)) * ramp(n - 1 - i, samplesOf(0.01));
    double peak = 0.0;
    for (double x : b) peak = std::max(peak, std::fabs(x));
    const double gain = peak > 0.0 ? kPeak / peak : 0.0;
    std::vector<std::int16_t> out(b.size());
    for (int i = 0; i < n; ++i) out[i] = static_cast<std::int16_t>(std::lround(b[i] * gain * 32767.0));
    return out;
}

void put16(std::string& s, std::uint16_t v) {
    s += static_cast<char>(v & 0xff);
    s += static_cast<char>(v >> 8);
}

void put32(std::string& s, std::uint32_t v) {
    put16(s, static_cast<std::uint16_t>(v & 0xffff));
    put16(s, static_cast<std::uint16_t>(v >> 16));
}

std::string wav(const std::vector<std::int16_t>& samples) {
    const std::uint32_t data = static_cast<std::uint32_t>(samples.size() * 2);
    std::string s;
    s += "RIFF";
    put32(s, 36 + data);
    s += "WAVEfmt ";
    put32(s, 16);
    put16(s, 1);  // PCM
    put16(s, 1);  // mono
    put32(s, kRate);
    put32(s, kRate * 2);  // bytes per second
    put16(s, 2);          // bytes per frame
    put16(s, 16);         // bits per sample
    s += "data";
    put32(s, data);
    for (std::int16_t x : samples) put16(s, static_cast<std::uint16_t>(x));
    return s;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: make_sounds FOLDER NAME...\n");
        return 2;
    }
    const std::filesystem::path folder(argv[1]);
    std::filesystem::create_directories(folder);
    for (int i = 2; i < argc; ++i) {
        const auto effect = effects().find(argv[i]);
        if (effect == effects().end()) {
            std::fprintf(stderr, "make_sounds: no sound is made for \"%s\"\n", argv[i]);
            return 1;
        }
        const std::string bytes = wav(finish(effect->second()));
        std::ofstream file(folder / (effect->first + ".wav"), std::ios::binary | std::ios::trunc);
        file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        if (!file) {
            std::fprintf(stderr, "make_sounds: cannot write %s.wav\n", argv[i]);
            return 1;
        }
    }
    return 0;
}
