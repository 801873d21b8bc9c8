// Runs a fuzz target without libFuzzer: replays every file of the corpus
// folders given on the command line, then a bounded number of mutations of
// them from a fixed seed, so a run is repeatable and fits in a test suite.
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace {

using Bytes = std::vector<uint8_t>;

std::vector<Bytes> LoadCorpus(int argc, char** argv)
{
    std::vector<Bytes> corpus;
    for (int i = 1; i < argc; ++i) {
        std::error_code ec;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(argv[i], ec)) {
            if (!entry.is_regular_file())
                continue;
            std::ifstream in(entry.path(), std::ios::binary);
            corpus.emplace_back(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        }
    }
    if (corpus.empty())
        corpus.emplace_back();
    return corpus;
}

// Bytes that matter to text readers: digits, separators, signs, line ends.
const char kInteresting[] = "0123456789 \t\r\n-+.,;:eE#*/\\\"";

Bytes Mutate(const Bytes& seed, std::mt19937& rng)
{
    Bytes out = seed;
    std::uniform_int_distribution<int> kinds(0, 5);
    int edits = 1 + static_cast<int>(rng() % 8);
    for (int e = 0; e < edits; ++e) {
        size_t pos = out.empty() ? 0 : rng() % (out.size() + 1);
        switch (kinds(rng)) {
        case 0: // flip a byte
            if (!out.empty())
                out[rng() % out.size()] ^= static_cast<uint8_t>(1u << (rng() % 8));
            break;
        case 1: // insert an interesting byte
            out.insert(out.begin() + pos, static_cast<uint8_t>(kInteresting[rng() % (sizeof kInteresting - 1)]));
            break;
        case 2: // erase a run
            if (!out.empty() && pos < out.size())
                out.erase(out.begin() + pos, out.begin() + std::min(out.size(), pos + 1 + rng() % 16));
            break;
        case 3: // truncate
            out.resize(pos);
            break;
        case 4: // duplicate a run
            if (!out.empty() && pos < out.size()) {
                Bytes run(out.begin() + pos, out.begin() + std::min(out.size(), pos + 1 + rng() % 64));
                out.insert(out.begin() + rng() % (out.size() + 1), run.begin(), run.end());
            }
            break;
        default: // random byte
            out.insert(out.begin() + pos, static_cast<uint8_t>(rng()));
            break;
        }
    }
    return out;
}

long EnvNumber(const char* name, long fallback)
{
    const char* text = std::getenv(name);
    return text ? std::strtol(text, nullptr, 10) : fallback;
}

} // namespace

int main(int argc, char** argv)
{
    const std::vector<Bytes> corpus = LoadCorpus(argc, argv);
    for (const Bytes& input : corpus)
        LLVMFuzzerTestOneInput(input.data(), input.size());

    const long runs = EnvNumber("G7K_FUZZ_RUNS", 20000);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(EnvNumber("G7K_FUZZ_SECONDS", 5));
    std::mt19937 rng(static_cast<unsigned>(EnvNumber("G7K_FUZZ_SEED", 12345)));
    long done = 0;
    for (; done < runs && std::chrono::steady_clock::now() < deadline; ++done) {
        Bytes input = Mutate(corpus[rng() % corpus.size()], rng);
        LLVMFuzzerTestOneInput(input.data(), input.size());
    }
    std::printf("%zu corpus inputs and %ld mutations ran cleanly\n", corpus.size(), done);
    return 0;
}
