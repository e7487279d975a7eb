#include "CommonnessLevels.h"

#include "platform/CodePage.h"
#include "platform/FileEncoding.h"
#include "text/LineText.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <limits>
#include <span>

namespace verbalia {

namespace {

// A word's bytes are all of this or more, so a byte below it ends a word in the arena.
constexpr unsigned char firstWordByte = 0x20;

// A word's hash, both halves mixed (the table takes slots from the low bits
// and tags from the high ones): the word read 8 bytes at a time, most words
// in one or two reads.
std::size_t hashOf(std::string_view word)
{
    constexpr std::uint64_t multiplier = 0x9E3779B97F4A7C15u;
    const char* bytes = word.data();
    std::size_t left = word.size();
    std::uint64_t hash = left * multiplier;
    for (; left >= 8; left -= 8, bytes += 8) {
        std::uint64_t block;
        std::memcpy(&block, bytes, 8);
        hash = (hash ^ block) * multiplier;
        hash ^= hash >> 29;
    }
    if (left > 0) {
        std::uint64_t block = 0;
        std::memcpy(&block, bytes, left);
        hash = (hash ^ block) * multiplier;
    }
    hash ^= hash >> 32;
    hash *= 0xD6E8FEB86659FD93u;
    return std::size_t(hash ^ (hash >> 32));
}

} // namespace

std::optional<Level> levelOfSize(std::string_view size)
{
    // Every size has two digits.
    if (size.size() != 2 || size[0] < '1' || size[0] > '9' || size[1] < '0' || size[1] > '9') return std::nullopt;
    const auto found = std::find(scowlSizes.begin(), scowlSizes.end(), (size[0] - '0') * 10 + (size[1] - '0'));
    if (found == scowlSizes.end()) return std::nullopt;
    return Level(found - scowlSizes.begin());
}

std::string levelText(Level level)
{
    if (level == Level::none) return "not in SCOWL";
    return "SCOWL size " + std::to_string(scowlSizes[std::size_t(level)]);
}

LevelsLoad CommonnessLevels::load(const FileSystem& files, const std::string& path)
{
    // Not codepage::fromUtf8, which would bring ICU into verbalia-find's searches.
    const std::string file = "The word levels file " + utf8ToCodePage(path, '?').value_or(path);
    FileRead read = files.read(path);
    if (read.outcome == ReadOutcome::missing) return {std::nullopt, file + " was not found."};
    if (read.outcome == ReadOutcome::unreadable) return {std::nullopt, file + " could not be read."};
    CommonnessLevels levels;
    const std::string problem = levels.takeLines(std::move(read.bytes));
    if (!problem.empty()) return {std::nullopt, file + " is damaged: " + problem};
    levels.buildTable();
    return {std::move(levels), {}};
}

std::string CommonnessLevels::takeLines(std::string text)
{
    if (std::memchr(text.data(), '\0', text.size()) ||
        (decodeFile(text) == FileEncoding::Bytes && !codepage::isAscii(text)))
        return "it is not UTF-8 text whose characters all exist in Windows-1252.";
    if (text.size() >= std::numeric_limits<std::uint32_t>::max()) return "it is too large.";
    // Each line shrinks to its word and one byte, written over the lines already read.
    char* out = text.data();
    std::size_t lineNumber = 0, damagedLine = 0;
    forEachLine(text, [&](std::string_view line) {
        ++lineNumber;
        if (damagedLine != 0 || line.empty()) return;
        const std::size_t tab = line.rfind('\t');
        const auto level = tab == std::string_view::npos ? std::nullopt : levelOfSize(line.substr(tab + 1));
        char* const wordStart = out;
        for (std::size_t i = 0; level && i < tab; ++i) {
            if (static_cast<unsigned char>(line[i]) < firstWordByte) break;
            *out++ = line[i];
        }
        if (!level || tab == 0 || out != wordStart + tab) {
            damagedLine = lineNumber;
            return;
        }
        *out++ = char(*level);
        ++m_count;
    });
    if (damagedLine != 0)
        return "line " + std::to_string(damagedLine) + " is not a word, a tab and one of SCOWL's sizes (" +
               std::string(scowlSizesText) + ").";
    if (m_count == 0) return "it holds no word.";
    text.resize(std::size_t(out - text.data()));
    m_words = std::move(text);
    return {};
}

void CommonnessLevels::buildTable()
{
    // At most two thirds full.
    m_slots.assign(std::bit_ceil(std::max<std::size_t>(m_count + m_count / 2, 16)), 0);
    m_offsetMask = std::uint32_t((std::uint64_t(1) << std::bit_width(m_words.size())) - 1);
    const std::size_t mask = m_slots.size() - 1;
    const char* const words = m_words.data();
    // Words go in 16 at a time, their slots fetched ahead: the table is larger than the cache.
    struct Entry {
        std::size_t start, size, hash;
    };
    std::array<Entry, 16> batch;
    for (std::size_t start = 0; start < m_words.size();) {
        std::size_t taken = 0;
        for (; taken < batch.size() && start < m_words.size(); ++taken) {
            std::size_t end = start;
            while (static_cast<unsigned char>(words[end]) >= firstWordByte) ++end;
            const std::size_t hash = hashOf({words + start, end - start});
            __builtin_prefetch(&m_slots[hash & mask], 1);
            batch[taken] = {start, end - start, hash};
            start = end + 1;
        }
        for (const Entry& entry : std::span(batch.data(), taken)) insert(entry.start, entry.size, entry.hash);
    }
}

void CommonnessLevels::insert(std::size_t start, std::size_t size, std::size_t hash)
{
    const std::size_t mask = m_slots.size() - 1;
    const std::uint32_t tag = std::uint32_t(hash >> 32) & ~m_offsetMask;
    for (std::size_t slot = hash & mask;; slot = (slot + 1) & mask) {
        const std::uint32_t entry = m_slots[slot];
        if (entry == 0) {
            m_slots[slot] = tag | std::uint32_t(start + 1);
            return;
        }
        const std::size_t held = (entry & m_offsetMask) - 1;
        if ((entry & ~m_offsetMask) == tag && holds(held, {m_words.data() + start, size})) {
            // Given twice: the commoner size counts.
            m_words[held + size] = std::min(m_words[held + size], m_words[start + size]);
            --m_count;
            return;
        }
    }
}

bool CommonnessLevels::holds(std::size_t held, std::string_view word) const
{
    // The word held there ends where this one does, and only then are the bytes compared.
    return held + word.size() < m_words.size() && static_cast<unsigned char>(m_words[held + word.size()]) < firstWordByte &&
           std::memcmp(m_words.data() + held, word.data(), word.size()) == 0;
}

std::optional<std::size_t> CommonnessLevels::find(std::string_view word, std::size_t hash) const
{
    const std::size_t mask = m_slots.size() - 1;
    const std::uint32_t tag = std::uint32_t(hash >> 32) & ~m_offsetMask;
    for (std::size_t slot = hash & mask;; slot = (slot + 1) & mask) {
        const std::uint32_t entry = m_slots[slot];
        if (entry == 0) return std::nullopt;
        const std::size_t held = (entry & m_offsetMask) - 1;
        if ((entry & ~m_offsetMask) == tag && holds(held, word)) return held;
    }
}

Level CommonnessLevels::levelOf(std::string_view word) const
{
    const auto held = find(word, hashOf(word));
    return held ? Level(m_words[*held + word.size()]) : Level::none;
}

void CommonnessLevels::levelsAfter(std::span<const std::string_view> words, Level* levels, std::size_t& next) const
{
    struct Pending {
        std::size_t index, hash;
    };
    std::array<Pending, 16> pending;
    std::size_t waiting = 0;
    std::size_t afterHits = 0; // the index after the last word found at `next`
    const std::size_t mask = m_slots.size() - 1;
    const auto lookUp = [&] {
        for (const Pending& word : std::span(pending.data(), waiting)) {
            const std::uint32_t entry = m_slots[word.hash & mask];
            if (entry != 0) __builtin_prefetch(m_words.data() + (entry & m_offsetMask) - 1);
        }
        for (const Pending& word : std::span(pending.data(), waiting)) {
            const std::string_view text = words[word.index];
            const auto held = find(text, word.hash);
            levels[word.index] = held ? Level(m_words[*held + text.size()]) : Level::none;
            // Only forward: a word found at `next` since may lie beyond it.
            if (held && word.index >= afterHits) next = *held + text.size() + 1;
        }
        waiting = 0;
    };
    for (std::size_t i = 0; i < words.size(); ++i) {
        if (holds(next, words[i])) {
            levels[i] = Level(m_words[next + words[i].size()]);
            next += words[i].size() + 1;
            afterHits = i + 1;
            continue;
        }
        const std::size_t hash = hashOf(words[i]);
        __builtin_prefetch(&m_slots[hash & mask]);
        pending[waiting++] = {i, hash};
        if (waiting == pending.size()) lookUp();
    }
    lookUp();
}

} // namespace verbalia
