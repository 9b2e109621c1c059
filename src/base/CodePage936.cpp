#include "base/CodePage936.h"

#include <iconv.h>

#include <cerrno>

#include "base/Utf8.h"

namespace lumora {

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
        // Unmappable (EILSEQ on a whole character), ill-formed (EILSEQ), or cut short at the
        // end (EINVAL): one "?" for the character or the ill-formed part, then go on after it.
        const std::size_t skip = Utf8StepLength(std::string_view(in, inLeft), 0);
        out.push_back('?');
        in += skip;
        inLeft -= skip;
    }
    iconv_close(converter);
    return out;
}

}  // namespace lumora
