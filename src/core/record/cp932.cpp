#include "core/record/cp932.h"

#include <cerrno>
#include <iconv.h>

namespace akuenza {
namespace {

// One iconv conversion descriptor, closed when it goes out of scope.
class Converter {
public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
    ~Converter()
    {
        if (ok())
            iconv_close(cd_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    bool ok() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

    // Converts the whole input, growing the output as needed. On a sequence
    // the target cannot hold, or one the source does not allow (EILSEQ), or
    // an input that ends inside a character (EINVAL), gives nothing and the
    // offset of that sequence in the input.
    std::optional<std::string> convert(std::string_view input, std::size_t initialSize, std::size_t* badOffset)
    {
        std::string out(initialSize < 16 ? 16 : initialSize, '\0');
        std::size_t used = 0;
        // iconv's interface takes a non-const pointer but never writes the input.
        char* in = const_cast<char*>(input.data());
        std::size_t inLeft = input.size();
        bool flushing = false; // converting the input, then ending its shift state
        for (;;) {
            char* outPtr = out.data() + used;
            std::size_t outLeft = out.size() - used;
            const std::size_t result = flushing ? iconv(cd_, nullptr, nullptr, &outPtr, &outLeft)
                                                : iconv(cd_, &in, &inLeft, &outPtr, &outLeft);
            const int error = errno;
            used = out.size() - outLeft;
            if (result != static_cast<std::size_t>(-1)) {
                if (flushing)
                    break;
                flushing = true;
                continue;
            }
            if (error == E2BIG) {
                out.resize(out.size() * 2);
                continue;
            }
            if (badOffset)
                *badOffset = static_cast<std::size_t>(in - input.data());
            return std::nullopt;
        }
        out.resize(used);
        return out;
    }

private:
    iconv_t cd_;
};

std::optional<std::string> convert(const char* to, const char* from, std::string_view input, std::size_t initialSize,
                                   std::size_t* badOffset)
{
    if (input.empty())
        return std::string();
    Converter converter(to, from);
    if (!converter.ok()) {
        if (badOffset)
            *badOffset = kCp932Unavailable;
        return std::nullopt;
    }
    return converter.convert(input, initialSize, badOffset);
}

} // namespace

// A CP932 character never takes more bytes than its UTF-8 form; the other
// way a Japanese text grows by half, which the conversion's growing covers.
std::optional<std::string> toCp932(std::string_view utf8, std::size_t* badOffset)
{
    return convert("CP932", "UTF-8", utf8, utf8.size(), badOffset);
}

std::optional<std::string> fromCp932(std::string_view bytes, std::size_t* badOffset)
{
    return convert("UTF-8", "CP932", bytes, bytes.size(), badOffset);
}

bool isCp932Encodable(std::string_view utf8) { return toCp932(utf8).has_value(); }

} // namespace akuenza
