#include "base/CodePage936.h"

#include <iconv.h>

#include <cerrno>

namespace lumora {

namespace {

// Length of the UTF-8 sequence that starts with `lead`, or 1 for a byte that cannot start one.
std::size_t SequenceLength(unsigned char lead) {
    if (lead >= 0xF0 && lead <= 0xF4) return 4;
    if (lead >= 0xE0) return lead <= 0xEF ? 3 : 1;
    if (lead >= 0xC2) return 2;
    return 1;
}

}  // namespace

std::string ToCodePage936(std::string_view utf8) {
    iconv_t converter = iconv_open("CP936", "UTF-8");
    if (converter == reinterpret_cast<iconv_t>(-1)) return std::string(utf8);

    std::string out;
    char buffer[256];
    char* in = const_cast<char*>(utf8.data());
    std::size_t inLeft = utf8.size();
    while (inLeft > 0) {
        char* outPtr = buffer;
        std::size_t outLeft = sizeof buffer;
        std::size_t result = iconv(converter, &in, &inLeft, &outPtr, &outLeft);
        out.append(buffer, outPtr);
        if (result != static_cast<std::size_t>(-1) || errno == E2BIG) continue;
        // Unmappable or ill-formed (EILSEQ), or cut short at the end (EINVAL): one "?" for
        // the character, then go on after it.
        std::size_t skip = SequenceLength(static_cast<unsigned char>(*in));
        if (errno == EILSEQ && skip > 1) {
            // An ill-formed sequence may be shorter than its lead byte says.
            std::size_t i = 1;
            while (i < skip && i < inLeft && (static_cast<unsigned char>(in[i]) & 0xC0) == 0x80)
                ++i;
            skip = i;
        }
        if (skip > inLeft) skip = inLeft;
        out.push_back('?');
        in += skip;
        inLeft -= skip;
    }
    iconv_close(converter);
    return out;
}

}  // namespace lumora
