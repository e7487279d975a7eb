#include "IcuCollation.h"

#include "CodePage.h"
#include "IcuLocale.h"

#include <unicode/ucol.h>
#include <unicode/ucoleitr.h>

#include <array>
#include <string>

namespace verbalia {

namespace {

UCollator* openCollator(UColAttributeValue alternate)
{
    UErrorCode status = U_ZERO_ERROR;
    UCollator* collator = ucol_open(icuUserLocale(), &status);
    ucol_setStrength(collator, UCOL_SECONDARY);
    ucol_setAttribute(collator, UCOL_ALTERNATE_HANDLING, alternate, &status);
    return collator;
}

// A word as UTF-16, on the stack for the usual short word.
class Utf16Word {
public:
    explicit Utf16Word(std::string_view word)
    {
        if (word.size() > m_local.size()) m_heap.resize(word.size());
        m_text = word.size() > m_local.size() ? m_heap.data() : m_local.data();
        m_length = int32_t(word.size());
        for (std::size_t i = 0; i < word.size(); ++i)
            m_text[i] = codepage::toUnicode(static_cast<unsigned char>(word[i]));
    }
    Utf16Word(const Utf16Word&) = delete;
    Utf16Word& operator=(const Utf16Word&) = delete;
    const UChar* text() const { return m_text; }
    int32_t length() const { return m_length; }

private:
    std::array<UChar, 64> m_local;
    std::u16string m_heap;
    UChar* m_text;
    int32_t m_length;
};

} // namespace

void IcuCollation::Closer::operator()(UCollator* c) const
{
    ucol_close(c);
}

IcuCollation::IcuCollation()
    : m_shifted(openCollator(UCOL_SHIFTED))
    , m_counted(openCollator(UCOL_NON_IGNORABLE))
{
    for (int byte = 0; byte < 256; ++byte) {
        m_weightStart[std::size_t(byte)] = std::uint32_t(m_weights.size());
        const UChar character = codepage::toUnicode(static_cast<unsigned char>(byte));
        UErrorCode status = U_ZERO_ERROR;
        UCollationElements* elements = ucol_openElements(m_counted.get(), &character, 1, &status);
        if (U_FAILURE(status)) continue;
        for (int32_t element; (element = ucol_next(elements, &status)) != UCOL_NULLORDER && U_SUCCESS(status);) {
            if (const std::uint32_t primary = std::uint32_t(ucol_primaryOrder(element))) m_weights.push_back(primary);
        }
        ucol_closeElements(elements);
    }
    m_weightStart[256] = std::uint32_t(m_weights.size());
}

IcuCollation::~IcuCollation() = default;

int IcuCollation::compare(std::string_view a, std::string_view b) const
{
    // ASCII text is the same in UTF-8, which the collator reads directly.
    if (codepage::isAscii(a) && codepage::isAscii(b)) {
        UErrorCode status = U_ZERO_ERROR;
        UCollationResult result =
            ucol_strcollUTF8(m_shifted.get(), a.data(), int32_t(a.size()), b.data(), int32_t(b.size()), &status);
        if (result == UCOL_EQUAL)
            result = ucol_strcollUTF8(m_counted.get(), a.data(), int32_t(a.size()), b.data(), int32_t(b.size()),
                                      &status);
        return int(result);
    }
    const Utf16Word left(a);
    const Utf16Word right(b);
    UCollationResult result = ucol_strcoll(m_shifted.get(), left.text(), left.length(), right.text(), right.length());
    if (result == UCOL_EQUAL)
        result = ucol_strcoll(m_counted.get(), left.text(), left.length(), right.text(), right.length());
    return int(result);
}

std::uint64_t IcuCollation::equalityHash(std::string_view word) const
{
    std::uint64_t hash = 14695981039346656037u;
    for (const char c : word) {
        const auto byte = static_cast<unsigned char>(c);
        for (std::uint32_t i = m_weightStart[byte]; i < m_weightStart[byte + 1u]; ++i)
            hash = (hash ^ m_weights[i]) * 1099511628211u;
    }
    // Mixed so that the low bits, which tables index by, depend on every weight.
    hash ^= hash >> 33;
    hash *= 0xFF51AFD7ED558CCDu;
    hash ^= hash >> 33;
    return hash;
}

} // namespace verbalia
