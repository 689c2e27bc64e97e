#pragma once
// Mutated copies of a reader's seed files, the way damaged or hostile files
// differ from good ones: cut short, bits flipped, a count or size made huge,
// a stretch repeated (deeper nesting, longer lists) or dropped. Seeded, so a
// failure comes back on the next run.

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdint>
#include <random>
#include <vector>

class ByteMutator {
public:
    using Bytes = std::vector<std::uint8_t>;

    explicit ByteMutator(std::uint32_t seed) : m_random(seed) {}

    Bytes Mutate(const Bytes& seed) {
        Bytes bytes = seed;
        const int rounds = 1 + static_cast<int>(m_random() % 3);
        for (int i = 0; i < rounds && !bytes.empty(); ++i)
            MutateOnce(bytes);
        return bytes;
    }

    // Feeds mutated copies of the seeds in turn until the budget is spent or
    // maxCopies were fed; returns how many were.
    template <class Feed>
    int FeedFor(const std::vector<Bytes>& seeds, std::chrono::milliseconds budget, int maxCopies,
                Feed feed) {
        const auto end = std::chrono::steady_clock::now() + budget;
        int fed = 0;
        while (fed < maxCopies && std::chrono::steady_clock::now() < end) {
            feed(Mutate(seeds[static_cast<std::size_t>(fed) % seeds.size()]));
            ++fed;
        }
        return fed;
    }

private:
    std::size_t Position(const Bytes& bytes) { return m_random() % bytes.size(); }

    void MutateOnce(Bytes& bytes) {
        // Values that counts, sizes, lengths and indexes are made of.
        static constexpr std::array<std::uint32_t, 8> kHuge{
            0xFFFFu, 0x7FFFu, 0xFFFEu, 0xFFFFFFFFu, 0x7FFFFFFFu, 0x80000000u, 0x8001u, 0};
        switch (m_random() % 6) {
        case 0:
            bytes.resize(Position(bytes));
            break;
        case 1:
            for (int i = 0; i < 4; ++i)
                bytes[Position(bytes)] ^= static_cast<std::uint8_t>(1u << (m_random() % 8));
            break;
        case 2: {
            const std::uint32_t value = kHuge[m_random() % kHuge.size()];
            const std::size_t at = Position(bytes);
            const std::size_t width = (m_random() % 2) ? 2 : 4;
            for (std::size_t i = 0; i < width && at + i < bytes.size(); ++i)
                bytes[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
            break;
        }
        case 3: {
            // A stretch repeated many times over: nested records go deeper.
            const std::size_t from = Position(bytes);
            const std::size_t length =
                std::min<std::size_t>(bytes.size() - from, 1 + m_random() % 64);
            const Bytes stretch(bytes.begin() + static_cast<std::ptrdiff_t>(from),
                                bytes.begin() + static_cast<std::ptrdiff_t>(from + length));
            const int times = 1 + static_cast<int>(m_random() % 200);
            for (int i = 0; i < times; ++i)
                bytes.insert(bytes.begin() + static_cast<std::ptrdiff_t>(from), stretch.begin(),
                             stretch.end());
            break;
        }
        case 4: {
            const std::size_t from = Position(bytes);
            const std::size_t length = std::min<std::size_t>(bytes.size() - from, m_random() % 32);
            bytes.erase(bytes.begin() + static_cast<std::ptrdiff_t>(from),
                        bytes.begin() + static_cast<std::ptrdiff_t>(from + length));
            break;
        }
        default:
            bytes[Position(bytes)] = static_cast<std::uint8_t>(m_random());
            break;
        }
    }

    std::mt19937 m_random;
};
