// DecipherNote on arbitrary stored bytes with a key taken from the input's
// first bytes; what comes out must convert to UTF-8 and back unchanged, and
// re-enciphering digit-only groups must reproduce the stored text.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "base/Latin1.h"
#include "notes/NoteCipher.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const std::size_t keyLength = data[0] % 33;  // passwords have at most 32 characters
    if (size < 1 + keyLength) return 0;
    const std::string key(reinterpret_cast<const char*>(data + 1), keyLength);
    const std::string stored(reinterpret_cast<const char*>(data + 1 + keyLength), size - 1 - keyLength);

    const std::string text = sk::DecipherNote(stored, key);
    if (!key.empty() && text.size() != (stored.size() + 2) / 3) std::abort();
    if (sk::Utf8ToLatin1(sk::Latin1ToUtf8(text)) != text) std::abort();
    if (!sk::IsStorableNoteText(sk::Latin1ToUtf8(text))) std::abort();
    if (sk::DecipherNote(sk::EncipherNote(text, key), key) != text) std::abort();

    bool canonical = stored.size() % 3 == 0;
    for (std::size_t i = 0; canonical && i < stored.size(); i += 3)
        canonical = stored[i] >= '0' && stored[i] <= '2' &&
                    stored[i + 1] >= '0' && stored[i + 1] <= '9' && stored[i + 2] >= '0' && stored[i + 2] <= '9' &&
                    std::atoi(stored.substr(i, 3).c_str()) <= 255;
    if (canonical && !key.empty() && sk::EncipherNote(text, key) != stored) std::abort();
    return 0;
}
